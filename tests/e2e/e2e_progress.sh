#!/usr/bin/env bash
# Progress, redo and the next map in the real game under Xvfb, with real X key presses: PageDown
# from example 1 shows example 2; on example 1, two undos and two redos give back the very same
# window; the seven moves of its solution win it, the game is killed right after the verdict
# shows, and the settings file already holds the win beside a key the game does not know; after
# a restart the Load menu shows the example's star. Screenshots are kept next to the test.
# Usage: e2e_progress.sh PATH_TO_Virelune ARTEFACT_DIR
set -u
bin="$1"
out="$2"
work="$(mktemp -d)"
fail() { echo "FAIL: $*" >&2; exit 1; }
. "$(dirname "$0")/e2e_common.sh"
trap cleanup EXIT

ini="$work/game/Virelune.ini"
start_xvfb
mkdir -p "$work/game"
cp "$bin" "$work/game/Virelune"
printf '[Mine]\nunknown=kept\n' >"$ini"
start_game "$work/game"
resize_window 764 556
xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
sleep 0.2

# The number of gold pixels of the full star in screenshot $1.
gold_pixels() {
  convert "$1" -fuzz 10% -fill black +opaque '#ffc21a' -fill white -opaque '#ffc21a' \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}

# Opens the Load menu and keeps a screenshot of it alone as $1.
load_menu_shot() {
  click_toolbar 111 20
  shot "$1" "$(wait_dialog "the Load menu")"
  xdotool key Escape
  sleep 0.3
}

load_menu_shot e2e_progress_menu_before.png
[ "$(gold_pixels "$out/e2e_progress_menu_before.png")" -eq 0 ] || fail "a star shows before any win"

xdotool key Next
wait_title "Virelune  ●  Exemple 2"
xdotool key Prior
wait_title "Virelune  ●  Exemple 1"

# The first three moves of the solution, then two undos and two redos.
for k in Down Right Up; do
  xdotool key "$k"
  sleep 1
done
shot e2e_progress_three_moves.png
xdotool key BackSpace
sleep 1
xdotool key BackSpace
sleep 1
shot e2e_progress_undone.png
xdotool key ctrl+y
sleep 1
xdotool key shift+BackSpace
sleep 1
shot e2e_progress_redone.png
compare -metric AE "$out/e2e_progress_three_moves.png" "$out/e2e_progress_redone.png" null: 2>/dev/null ||
  fail "two redos did not give back the position and counter of three moves"
compare -metric AE "$out/e2e_progress_three_moves.png" "$out/e2e_progress_undone.png" null: 2>/dev/null &&
  fail "two undos changed nothing"

# The rest of the solution: the verdict shows, and the game is killed at once.
for k in Right Down Left Up; do
  xdotool key "$k"
  sleep 1
done
wait_dialog "the verdict" >/dev/null
kill -9 "$game_pid"
wait "$game_pid" 2>/dev/null
game_pid=""
[ "$(ini_value "$ini" Progress 00000000000101)" = "7" ] || {
  cat "$ini" >&2
  fail "the win is not in the settings file"
}
[ "$(ini_value "$ini" Mine unknown)" = "kept" ] || fail "an unknown key was lost"

start_game "$work/game"
xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
load_menu_shot e2e_progress_menu_after.png
[ "$(gold_pixels "$out/e2e_progress_menu_after.png")" -gt 20 ] ||
  fail "the Load menu shows no star for example 1 after the restart"
echo "PASS: next map, redo, and the win kept through a killed game"
