#!/usr/bin/env bash
# A pack built in the real pack editor under Xvfb from two map files, loaded from the toolbar,
# its second map chosen from the Pack menu, the game closed by the window manager's close
# request and started again on that map. Also opens the save dialog, the pack editor and the
# about box from the toolbar, with screenshots kept next to the test.
# The pack written is read back with the game's checker.
# Usage: e2e_packs.sh PATH_TO_Virelune ARTEFACT_DIR PATH_TO_wm_close PATH_TO_virelune-check
. "$(dirname "$0")/e2e_common.sh"

# One map record on the board of example 1, with its solution: ID, title, pawn's place.
map_record() {
  printf 'VRM1-%s\r\n%s\r\n1\r\n%s : information\r\n0\r\n1D1R1U1R1D1L1U\r\n%s\r\n' \
    "$1" "$2" "$2" "$3"
  printf 'AAABBBBAAAAAABBBBBBBAAAABBBABBBAAACBBAABBBBAABBBBABBBBBBBBBBABBBBBABBBBBBBBBAAABBBBBBAAA\r\n'
}

start_xvfb
game="$work/game"
mkdir -p "$game/maps" "$game/packs"
cp "$bin" "$game/Virelune"
map_record 00000000000101 "Carte un" 64 >"$game/maps/un.vrm"
map_record 00000000000202 "Carte deux" 64 >"$game/maps/deux.vrm"

start_game "$game"
wait_title "Virelune  ●  Exemple 1"
shot e2e_packs_0_start.png

# The pack built in the pack editor: Ajouter offers the first map file of the tree (deux),
# then the next one down (un); Sauver... into the packs folder under the name "construit".
click_toolbar 345 20
editor="$(wait_dialog "pack editor")"
click_window "$editor" 0.446 0.213 # Ajouter
dialog="$(wait_dialog "first map")"
[ "$dialog" != "$editor" ] || fail "Ajouter opened no dialog"
shot e2e_packs_1_add_dialog.png "$dialog"
click_window "$dialog" 0.90 0.93 # Charger
wait_gone "$dialog" "first map's dialog"
click_window "$editor" 0.446 0.213
dialog="$(wait_dialog "second map")"
xdotool key Down
sleep 0.3
click_window "$dialog" 0.90 0.93
wait_gone "$dialog" "second map's dialog"
shot e2e_packs_2_pack_editor.png "$editor"
click_window "$editor" 0.313 0.058 # Sauver...
dialog="$(wait_dialog "save pack")"
click_window "$dialog" 0.128 0.22 # the packs folder
click_window "$dialog" 0.81 0.096 # the name field
xdotool type construit
sleep 0.3
shot e2e_packs_3_save_pack.png "$dialog"
click_window "$dialog" 0.90 0.93 # Sauver
wait_file "$game/packs/construit.vrp" "the pack editor wrote no packs/construit.vrp"
[ -f "$game/packs/construit.vrp" ] || fail "the pack editor wrote no packs/construit.vrp"
head -c 6 "$game/packs/construit.vrp" | grep -q '^VRP1-2' || fail "the pack does not hold two maps"
# The game's own reader and rules on the pack written: both maps read without a fault, and
# each stored solution plays to its end.
cp "$game/packs/construit.vrp" "$out/e2e_packs_construit.vrp"
report="$(cd "$game" && "$checker" packs/construit.vrp)" ||
  fail "virelune-check refused the pack: $report"
echo "$report"
expected="== packs/construit.vrp
map 1: Carte deux
mtFlag:    Terminé 🥷
map 2: Carte un
mtFlag:    Terminé 🥷"
[ "$report" = "$expected" ] || fail "virelune-check on the pack says: $report"
xdotool key Escape
wait_no_dialog "pack editor"

# Load: the pack is the last file of the tree.
click_toolbar 62 20
dialog="$(wait_dialog "load")"
xdotool key End
sleep 0.3
shot e2e_packs_4_load_dialog.png "$dialog"
click_window "$dialog" 0.90 0.93 # Charger
wait_no_dialog "load"
wait_title "Virelune  ●  packs/construit  ●  Carte deux"

# The Pack menu's arrow, then its second item.
click_toolbar 387 20
sleep 0.5
shot e2e_packs_5_pack_menu.png root
xdotool key Down Down Return
wait_title "Virelune  ●  packs/construit  ●  Carte un"
shot e2e_packs_6_second_map.png

close_game
ini="$game/Virelune.ini"
[ -f "$ini" ] || fail "no settings file written"
[ "$(ini_value "$ini" Map LoadedMap)" = "-2" ] || fail "LoadedMap is '$(ini_value "$ini" Map LoadedMap)'"
[ "$(ini_value "$ini" Map FileName)" = "packs/construit.vrp" ] ||
  fail "FileName is '$(ini_value "$ini" Map FileName)'"

start_game "$game"
wait_title "Virelune  ●  packs/construit  ●  Carte un"
shot e2e_packs_7_restarted.png

# The other dialogs of the toolbar, as a player opens them; Escape closes each.
look_at() {
  click_toolbar "$1" 20
  local d
  d="$(wait_dialog "$2")"
  shot "e2e_packs_$2.png" "$d"
  xdotool key Escape
  wait_no_dialog "$2"
}
look_at 345 8_pack_editor
look_at 632 9_about
click_toolbar 724 20 # edit mode: Sauver... is enabled there
look_at 259 10_save_dialog
click_toolbar 724 20
wait_title "Virelune  ●  packs/construit  ●  Carte un"
close_game
echo "PASS: restarted on the pack's second map"
