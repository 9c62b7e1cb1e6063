#!/usr/bin/env bash
# Draws a small map in the real game under Xvfb with real clicks and drags (xdotool), switches
# to play and solves it with an arrow key, answers Oui to the offer to write the solution, saves
# the map into a new folder made in the real save dialog, checks the file with the game's
# checker, closes the game through the window manager's close request and starts it again on
# that map. Screenshots of each step are kept next to the test.
# Usage: e2e_editor.sh PATH_TO_Virelune ARTEFACT_DIR PATH_TO_wm_close PATH_TO_virelune-check
#
# The run is a list of stages (see the end of the file); each stage is a function that leaves
# the game in a known state for the next.
. "$(dirname "$0")/e2e_common.sh"

# ---------------------------------------------------------------------------------------------
# Helpers

# Visible top-level windows of the game: 1 while no dialog is open.
game_windows() {
  xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | wc -l
}

# Window coordinates of a point given in the side panel's design units (70 × 516); the
# palette (from design y 64) is stretched vertically by the panel's aspect correction.
panel_xy() {
  awk -v x="$1" -v y="$2" -v w="$W" -v h="$H" -v tb="$TB" -v pw="$PW" -v pal="${3:-0}" 'BEGIN {
    fx = pw / 70; fy = (h - tb) / 516; a = fx / fy; if (a > 1.06) a = 1
    if (pal) y = 64 + (y - 64) * a
    printf "%d %d", w - pw + x * fx, tb + y * fy }'
}

# Editor controls, by their design places.
click_edit_play() { click_at "$(toolbar_xy 724 20)"; }
click_new() { click_at "$(panel_xy 35 33)"; }
# $1: one of TOOLS, the palette's tools from the top.
TOOLS=cpgstbd
click_tool() {
  local before="${TOOLS%%"$1"*}"
  local tops=(12 70 128 188 248 308 368)
  click_at "$(panel_xy 35 $((64 + ${tops[${#before}]} + 25)) 1)"
}
click_cell() { click_at "$(cell_xy "$1" "$2")"; }

# A drag with the left button from cell ($1, $2) through the cells listed after it ("x,y").
drag_cells() {
  local x y c
  read -r x y <<<"$(cell_xy "$1" "$2")"
  xdotool mousemove --window "$wid" "$x" "$y" mousedown 1
  sleep 0.1
  shift 2
  for c in "$@"; do
    read -r x y <<<"$(cell_xy "${c%,*}" "${c#*,}")"
    xdotool mousemove --window "$wid" "$x" "$y"
    sleep 0.05
  done
  xdotool mouseup 1
  sleep 0.3
}

# Mean colours (hex) of the cells given as "x,y" in screenshot $1, each taken inside a margin
# that leaves out what raised neighbours throw over the cell's edge.
cell_colours() {
  local img="$1" m=$((CS / 8)) args=() c x y
  shift
  for c in "$@"; do
    x=$((BX + ${c%,*} * CS + m))
    y=$((BY + ${c#*,} * CS + m))
    args+=("(" -clone 0 -crop "$((CS - 2 * m))x$((CS - 2 * m))+$x+$y" +repage -scale "1x1!" ")")
  done
  convert "$out/$img" "${args[@]}" -delete 0 -format "%[hex:p{0,0}] " info:
}

# Colour at a window point in screenshot $1.
colour_at() {
  convert "$out/$1" -format "%[hex:p{$2,$3}]" info:
}

# ---------------------------------------------------------------------------------------------
# Stages

stage_start() {
  mkdir -p "$work/game"
  cp "$bin" "$work/game/Virelune"
  start_game "$work/game"
  wait_title "Virelune  ●  Exemple 1"
  measure
  echo "window ${W}x${H}: cell $CS, board at ($BX, $BY)"
  shot e2e_editor_0_start.png
}

# Opens the editor and starts an empty map.
stage_new_map() {
  click_edit_play
  shot e2e_editor_1_edit.png
  local x y
  read -r x y < <(panel_xy 3 60)
  [ "$(colour_at e2e_editor_1_edit.png "$x" "$y")" = "ECF3FB" ] || fail "the edit panel did not open"
  click_new
  wait_title "Virelune  ●  Nouveau tableau"
  shot e2e_editor_2_new.png
  local all=() i j
  for j in 0 1 2 3 4 5 6 7; do for i in 0 1 2 3 4 5 6 7 8 9 10; do all+=("$i,$j"); done; done
  local colours
  colours="$(cell_colours e2e_editor_2_new.png "${all[@]}" | tr ' ' '\n' | sort -u | grep -c .)"
  [ "$colours" -eq 1 ] || fail "the new board is not all floor ($colours colours at cell centres)"
  FLOOR="$(cell_colours e2e_editor_2_new.png 5,3 | tr -d ' ')"
}

# Draws: a wall round the board by dragging, a pawn at (2, 3) and its goal at (9, 3), and a
# stop, a turn, a button and a door off its way. Solution: pawn 1 right.
stage_draw() {
  click_tool c
  drag_cells 0 0 1,0 2,0 3,0 4,0 5,0 6,0 7,0 8,0 9,0 10,0 10,1 10,2 10,3 10,4 10,5 10,6 10,7
  drag_cells 0 1 0,2 0,3 0,4 0,5 0,6 0,7 1,7 2,7 3,7 4,7 5,7 6,7 7,7 8,7 9,7
  click_tool p
  click_cell 2 3
  click_tool g
  click_cell 9 3
  click_tool s
  click_cell 5 5
  click_tool t
  click_cell 7 5
  click_tool b
  click_cell 3 6
  click_tool d
  click_cell 6 6
  shot e2e_editor_3_drawn.png
  local c
  for c in 0,0 10,0 10,7 0,7 5,0 0,4 10,4 5,7 2,3 9,3 5,5 7,5 3,6 6,6; do
    [ "$(cell_colours e2e_editor_3_drawn.png "$c" | tr -d ' ')" != "$FLOOR" ] ||
      fail "cell $c is still floor"
  done
  for c in 1,1 5,3 8,3 9,6 4,4; do
    [ "$(cell_colours e2e_editor_3_drawn.png "$c" | tr -d ' ')" = "$FLOOR" ] ||
      fail "cell $c is no longer floor"
  done
  [ "$(game_windows)" -eq 1 ] || fail "a message opened while drawing"
}

# A seventh stop is refused with a message in the real message dialog; the board stays.
stage_limit() {
  click_tool s
  local i
  for i in 1 2 3 4 5; do click_cell "$i" 1; done
  click_cell 6 1
  local n=0
  for _ in $(seq 30); do
    n="$(game_windows)"
    [ "$n" -eq 2 ] && break
    sleep 0.1
  done
  [ "$n" -eq 2 ] || fail "no message for a seventh stop"
  sleep 0.5
  import -window root "$out/e2e_editor_limit_message.png" || fail "no screenshot"
  echo "screenshot: $out/e2e_editor_limit_message.png"
  xdotool key Return
  for _ in $(seq 30); do
    n="$(game_windows)"
    [ "$n" -eq 1 ] && break
    sleep 0.1
  done
  [ "$n" -eq 1 ] || fail "the message did not close"
  for i in 1 2 3 4 5; do click_cell "$i" 1; done # the stops go again
  shot e2e_editor_limit_after.png
  local c
  for c in 1,1 3,1 5,1 6,1; do
    [ "$(cell_colours e2e_editor_limit_after.png "$c" | tr -d ' ')" = "$FLOOR" ] ||
      fail "cell $c is not floor after the refused stop"
  done
}

# Back to play: a sound map starts without a message.
stage_play() {
  click_edit_play
  shot e2e_editor_4_play.png
  local x y
  read -r x y < <(panel_xy 3 60)
  [ "$(colour_at e2e_editor_4_play.png "$x" "$y")" != "ECF3FB" ] || fail "the edit panel stayed"
  [ "$(game_windows)" -eq 1 ] || fail "switching to play opened a message"
  wait_title "Virelune  ●  Nouveau tableau"
}

# The one arrow key that solves the map: the pawn slides from (2, 3) onto the goal at (9, 3),
# and the verdict asks whether to write the solution found; Return answers Oui.
stage_solve() {
  xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
  sleep 0.2
  xdotool key --clearmodifiers Right
  local d
  d="$(wait_dialog "verdict")"
  [ "$(title "$d")" = "Virelune - Message" ] || fail "the verdict came in '$(title "$d")'"
  shot e2e_editor_5_verdict.png root
  # The verdict's window covers the middle of the board in this picture: only cells at its
  # sides are read from it.
  shot e2e_editor_5_solved.png
  [ "$(cell_colours e2e_editor_5_solved.png 2,3 | tr -d ' ')" = "$FLOOR" ] ||
    fail "the pawn did not leave (2, 3)"
  [ "$(cell_colours e2e_editor_5_solved.png 9,3 | tr -d ' ')" != \
    "$(cell_colours e2e_editor_4_play.png 9,3 | tr -d ' ')" ] || fail "no pawn on the goal"
  xdotool key Return
  # Only a question answers Return with Oui: the save dialog follows.
  local s="" t=""
  for _ in $(seq 50); do
    s="$(dialog_window)"
    [ -n "$s" ] && t="$(title "$s")"
    [ "$t" = "Sauver le tableau" ] && break
    sleep 0.1
  done
  [ "$t" = "Sauver le tableau" ] || fail "Oui opened no save dialog (window '$t')"
  sleep 0.5
  SAVE="$s"
}

# In the save dialog: a folder made with its own button, a file name and a title typed, Sauver.
# Places in the dialog are fractions of its design size (548 × 376).
FOLDER=mescartes
NAME=premiere
MAP_TITLE="Un coup à droite"
stage_save() {
  shot e2e_editor_6_save_dialog.png "$SAVE"
  click_window "$SAVE" 0.814 0.098 # Nom
  xdotool type --delay 30 "$FOLDER"
  click_window "$SAVE" 0.323 0.064 # Créer dossier
  wait_file "$work/game/$FOLDER" "Créer dossier made nothing named $FOLDER"
  [ -d "$work/game/$FOLDER" ] || fail "Créer dossier made no folder $FOLDER"
  [ "$(dialog_window)" = "$SAVE" ] || fail "a message opened on creating the folder"
  click_window "$SAVE" 0.814 0.098
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 30 "$NAME"
  click_window "$SAVE" 0.717 0.242 # Titre
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 30 "$MAP_TITLE"
  sleep 0.3
  shot e2e_editor_7_save_filled.png "$SAVE"
  click_window "$SAVE" 0.90 0.93 # Sauver
  wait_no_dialog "save"
  wait_title "Virelune  ●  $MAP_TITLE"

  local file="$work/game/$FOLDER/$NAME.vrm"
  wait_file "$file" "no $FOLDER/$NAME.vrm written"
  [ -f "$file" ] || fail "no $FOLDER/$NAME.vrm written: $(ls -R "$work/game")"
  cp "$file" "$out/e2e_editor_saved.vrm"
  # Header, title, no information, no help, the one-move solution, the pawn where the game
  # started, the board.
  local lines
  mapfile -t lines < <(tr -d '\r' <"$file")
  [ "${#lines[@]}" -eq 7 ] || fail "the map file has ${#lines[@]} lines"
  [ "${lines[1]}" = "$MAP_TITLE" ] || fail "the saved title is '${lines[1]}'"
  [ "${lines[2]} ${lines[3]} ${lines[4]} ${lines[5]}" = "0 0 1R 23" ] ||
    fail "the saved map holds '${lines[2]} ${lines[3]} ${lines[4]} ${lines[5]}'"
  local report
  report="$(cd "$work/game" && "$checker" "$FOLDER/$NAME.vrm")" ||
    fail "virelune-check refused the saved map: $report"
  echo "$report"
  [ "$(tail -n1 <<<"$report")" = "mtFlag:    Terminé 🥷" ] ||
    fail "the stored solution does not end the game: $report"
}

# Closed by the window manager, the game writes the map's file into the settings and starts
# again on it, with the game played on it: the pawn on its goal.
stage_restart() {
  close_game
  local ini="$work/game/Virelune.ini"
  [ "$(ini_value "$ini" Map LoadedMap)" = "0" ] ||
    fail "LoadedMap is '$(ini_value "$ini" Map LoadedMap)'"
  [ "$(ini_value "$ini" Map FileName)" = "$FOLDER/$NAME.vrm" ] ||
    fail "FileName is '$(ini_value "$ini" Map FileName)'"
  local w=$W h=$H
  start_game "$work/game"
  wait_title "Virelune  ●  $MAP_TITLE"
  measure
  [ "$W $H" = "$w $h" ] || fail "the window came back at ${W}x$H, not ${w}x$h"
  shot e2e_editor_8_restarted.png
  local c
  for c in 0,0 10,0 10,7 0,7 5,0 0,4 10,4 5,7 5,5 7,5 3,6 6,6 1,1 5,3 9,6; do
    [ "$(cell_colours e2e_editor_8_restarted.png "$c")" = \
      "$(cell_colours e2e_editor_4_play.png "$c")" ] || fail "cell $c is not as it was saved"
  done
  [ "$(cell_colours e2e_editor_8_restarted.png 9,3)" = \
    "$(cell_colours e2e_editor_5_solved.png 9,3)" ] || fail "the pawn is not back on its goal"
  [ "$(cell_colours e2e_editor_8_restarted.png 2,3 | tr -d ' ')" = "$FLOOR" ] ||
    fail "the game on the map did not come back"
  [ "$(game_windows)" -eq 1 ] || fail "a message opened at the restart"
  close_game
}

start_xvfb
stage_start
stage_new_map
stage_draw
stage_limit
stage_play
stage_solve
stage_save
stage_restart
echo "PASS: map drawn, solved, saved into a new folder and back after a restart"
