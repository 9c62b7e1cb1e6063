#!/usr/bin/env bash
# The settings across two runs of the real game under Xvfb: three moves played with the arrow
# keys on example 1, a close through the window manager's close request, the [Play] values in
# the settings file, and the next start back on that position (written again unchanged at the
# next close). Screenshots are kept next to the test.
# Usage: e2e_settings.sh PATH_TO_Virelune ARTEFACT_DIR PATH_TO_wm_close
. "$(dirname "$0")/e2e_common.sh"

start_xvfb
game="$work/game"
ini="$game/Virelune.ini"
mkdir -p "$game"
cp "$bin" "$game/Virelune"

start_game "$game"
wait_title "Virelune  ●  Exemple 1"
[ -f "$ini" ] && fail "a settings file exists before the first close"
# Pawn 1 is selected at the start: down, right, up, as example 1's solution begins.
for key in Down Right Up; do
  xdotool key --clearmodifiers "$key"
  sleep 1.5
done
shot e2e_settings_1_three_moves.png
close_game

[ -f "$ini" ] || fail "no settings file written"
cp "$ini" "$out/e2e_settings_first.ini"
check() {
  local v
  v="$(ini_value "$ini" "$1" "$2")"
  [ "$v" = "$3" ] || fail "[$1] $2 is '$v', not '$3'"
}
check Param EditMode 0
check Param Speed 2
check Map LoadedMap 1
check Play MoveCount 3
check Play ID 00000000000101
check Play PawnIndex 1
check Play SolutionStack 1D1R1U
stack="$(ini_value "$ini" Play PawnMoveStack)"
[ "${#stack}" -eq 12 ] && [ "${stack:0:2}" = "01" ] || fail "PawnMoveStack is '$stack'"
[ "$(ini_value "$ini" Play PawnPos | wc -c)" -eq 3 ] || fail "PawnPos is not one pawn"
first_play="$(sed -n '/^\[Play\]/,$p' "$ini")"

start_game "$game"
wait_title "Virelune  ●  Exemple 1"
shot e2e_settings_2_restarted.png
close_game
second_play="$(sed -n '/^\[Play\]/,$p' "$ini")"
[ "$first_play" = "$second_play" ] || fail "the game did not come back: $second_play"
echo "PASS: three moves kept across a restart"
