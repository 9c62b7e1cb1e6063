#!/usr/bin/env bash
# Hints and Résoudre in the real game under Xvfb with real X input. Example 3, the key i pressed
# again and again: each press plays one move of a shortest solution, and the verdict comes with
# the twelfth (the stored solution takes 14); the settings file written at the close keeps those
# 12 moves. Then, in the editor, example 3 is edited with one click, Ctrl+R solves it (12 moves,
# the map's solution as one more edit), the map is saved through the real save dialog and the
# game's checker plays the solution found from the file. Screenshots are kept next to the test.
# Usage: e2e_hint.sh PATH_TO_Virelune ARTEFACT_DIR PATH_TO_wm_close PATH_TO_virelune-check
set -u
bin="$1"
out="$2"
wm_close="$3"
checker="$4"
work="$(mktemp -d)"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
. "$(dirname "$0")/e2e_common.sh"
trap cleanup EXIT

game="$work/game"
ini="$game/Virelune.ini"

# Example 3 at the fastest speed, so that each hinted move has ended before the next press.
stage_start() {
  mkdir -p "$game"
  cp "$bin" "$game/Virelune"
  printf '[Param]\nSpeed=0\nEditMode=0\n\n[Map]\nLoadedMap=3\n' >"$ini"
  start_game "$game"
  wait_title "Virelune  ●  Exemple 3"
  measure
  shot e2e_hint_0_start.png
  xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
  sleep 0.2
}

stage_hints() {
  local presses=0
  while [ -z "$(dialog_window)" ] && [ "$presses" -lt 20 ]; do
    xdotool key --clearmodifiers i
    presses=$((presses + 1))
    for _ in $(seq 25); do
      [ -n "$(dialog_window)" ] && break
      sleep 0.1
    done
  done
  local d
  d="$(wait_dialog "verdict")"
  [ "$(title "$d")" = "Virelune - Message" ] || fail "the verdict came in '$(title "$d")'"
  shot e2e_hint_1_verdict.png root
  [ "$presses" -eq 12 ] || fail "the verdict came after $presses presses of i, not 12"
  # Escape declines the offer to write the solution.
  xdotool key Escape
  wait_no_dialog "verdict"
  close_game
  cp "$ini" "$out/e2e_hint.ini"
  [ "$(ini_value "$ini" Play MoveCount)" = "12" ] ||
    fail "[Play] MoveCount is '$(ini_value "$ini" Play MoveCount)'"
  local stack
  stack="$(ini_value "$ini" Play SolutionStack)"
  [ "${#stack}" -eq 24 ] || fail "[Play] SolutionStack is '$stack'"
}

# In the editor: one click makes example 3 a map of the player's own; Ctrl+R solves it.
stage_solve() {
  start_game "$game"
  wait_title "Virelune  ●  Exemple 3"
  measure
  click_at "$(toolbar_xy 724 20)" # Editer
  click_at "$(cell_xy 0 0)"       # the cell tool turns the corner over: the same puzzle
  wait_title "Virelune  ●  Nouveau tableau"
  xdotool key --clearmodifiers ctrl+r
  local d
  d="$(wait_dialog "Résoudre")"
  shot e2e_hint_2_solved.png root
  xdotool key Return
  wait_no_dialog "Résoudre"
  click_at "$(toolbar_xy 167 20)" # Sauver
  local s=""
  for _ in $(seq 50); do
    s="$(dialog_window)"
    [ -n "$s" ] && [ "$(title "$s")" = "Sauver le tableau" ] && break
    sleep 0.1
  done
  [ -n "$s" ] && [ "$(title "$s")" = "Sauver le tableau" ] || fail "Sauver opened no save dialog"
  sleep 0.5
  click_window "$s" 0.814 0.098 # Nom
  xdotool type --delay 30 resolus
  click_window "$s" 0.323 0.064 # Créer dossier
  wait_file "$game/resolus" "Créer dossier made no folder"
  click_window "$s" 0.814 0.098
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 30 trois
  sleep 0.3
  click_window "$s" 0.90 0.93 # Sauver
  wait_no_dialog "save"
  local file="$game/resolus/trois.vrm"
  wait_file "$file" "no resolus/trois.vrm written"
  cp "$file" "$out/e2e_hint_solved.vrm"
  local solution
  solution="$(tr -d '\r' <"$file" | sed -n 5p)"
  [ "${#solution}" -eq 24 ] || fail "the saved solution is '$solution'"
  local report
  report="$(cd "$game" && "$checker" resolus/trois.vrm)" ||
    fail "virelune-check refused the saved map: $report"
  echo "$report"
  [ "$(tail -n1 <<<"$report")" = "mtFlag:    Terminé 🥷" ] ||
    fail "the solution found does not solve the map: $report"
  close_game
}

start_xvfb
stage_start
stage_hints
stage_solve
echo "PASS: example 3 hinted to its verdict in 12 moves; Résoudre's solution saved and checked"
