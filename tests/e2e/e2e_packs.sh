#!/usr/bin/env bash
# A pack file loaded from the real toolbar under Xvfb: its second map chosen from the Pack
# menu, the game closed by the window manager's close request and started again on that map.
# Also opens the save dialog, the pack editor and the about box from the toolbar, with
# screenshots kept next to the test.
# Usage: e2e_packs.sh PATH_TO_Virelune ARTEFACT_DIR PATH_TO_wm_close
set -u
bin="$1"
out="$2"
wm_close="$3"
work="$(mktemp -d)"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
. "$(dirname "$0")/e2e_common.sh"
trap cleanup EXIT

# One map record: ID, title, its pawn's column and row.
map_record() {
  printf 'VRM1-%s\r\n%s\r\n1\r\n%s : information\r\n0\r\n\r\n%s\r\n' "$1" "$2" "$2" "$3"
  printf 'AAABBBBAAAAAABBBBBBBAAAABBBABBBAAACBBAABBBBAABBBBABBBBBBBBBBABBBBBABBBBBBBBBAAABBBBBBAAA\r\n'
}

start_xvfb
game="$work/game"
mkdir -p "$game/packs"
cp "$bin" "$game/Virelune"
{
  printf 'VRP1-2\r\nPack e2e\r\n1\r\nDeux tableaux pour essayer\r\n'
  map_record 00000000000101 "Carte un" 64
  map_record 00000000000202 "Carte deux" 54
} >"$game/packs/e2e.vrp"

start_game "$game"
wait_title "Virelune  ●  Exemple 1"
shot e2e_packs_0_start.png

# Load: the dialog offers the only file there is, the pack.
click_toolbar 62 20
dialog="$(wait_dialog "load")"
shot e2e_packs_1_load_dialog.png "$dialog"
click_window "$dialog" 0.90 0.93 # its Charger button
wait_no_dialog "load"
wait_title "Virelune  ●  Pack e2e  ●  Carte un"

# The Pack menu's arrow, then its second item.
click_toolbar 387 20
sleep 0.5
shot e2e_packs_2_pack_menu.png root
xdotool key Down Down Return
wait_title "Virelune  ●  Pack e2e  ●  Carte deux"
shot e2e_packs_3_second_map.png

close_game
ini="$game/Virelune.ini"
[ -f "$ini" ] || fail "no settings file written"
[ "$(ini_value "$ini" Map LoadedMap)" = "-2" ] || fail "LoadedMap is '$(ini_value "$ini" Map LoadedMap)'"
[ "$(ini_value "$ini" Map FileName)" = "packs/e2e.vrp" ] ||
  fail "FileName is '$(ini_value "$ini" Map FileName)'"

start_game "$game"
wait_title "Virelune  ●  Pack e2e  ●  Carte deux"
shot e2e_packs_4_restarted.png

# The other dialogs of the toolbar, as a player opens them; Escape closes each.
look_at() {
  click_toolbar "$1" 20
  local d
  d="$(wait_dialog "$2")"
  shot "e2e_packs_$2.png" "$d"
  xdotool key Escape
  wait_no_dialog "$2"
}
look_at 345 5_pack_editor
look_at 632 6_about
click_toolbar 724 20 # edit mode: Sauver... is enabled there
look_at 259 7_save_dialog
click_toolbar 724 20
wait_title "Virelune  ●  Pack e2e  ●  Carte deux"
close_game
echo "PASS: restarted on the pack's second map"
