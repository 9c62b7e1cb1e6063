#!/usr/bin/env bash
# Draws a small map in the real game under Xvfb with real clicks and drags (xdotool), then
# switches to play, checking the board in screenshots kept next to the test.
# Usage: e2e_editor.sh PATH_TO_Virelune ARTEFACT_DIR
#
# The run is a list of stages (see the end of the file); each stage is a function that leaves
# the game in a known state for the next. Stages still to come are listed there too.
set -u
bin="$1"
out="$2"
work="$(mktemp -d)"
xvfb_pid=""
game_pid=""
wid=""
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

for tool in Xvfb xdotool xprop xwininfo import convert; do
  command -v "$tool" >/dev/null || fail "$tool is not installed"
done

# ---------------------------------------------------------------------------------------------
# Helpers

start_xvfb() {
  # Xvfb picks a free display itself and writes its number to fd 3.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start"
    sleep 0.1
  done
  [ -s "$work/display" ] || fail "Xvfb gave no display"
  DISPLAY=":$(head -n1 "$work/display")"
  export DISPLAY
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -p "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

# Starts the game from the folder $1 (the game folder is the executable's folder).
start_game() {
  (cd "$1" && exec ./Virelune) >>"$work/game.log" 2>&1 &
  game_pid=$!
  wid=""
  for _ in $(seq 150); do
    kill -0 "$game_pid" 2>/dev/null || {
      cat "$work/game.log" >&2
      fail "the game ended early"
    }
    wid="$(xdotool search --onlyvisible --pid "$game_pid" --name '^Virelune' 2>/dev/null | head -n1)"
    [ -n "$wid" ] && break
    sleep 0.1
  done
  [ -n "$wid" ] || fail "no game window appeared"
}

title() {
  xprop -id "$wid" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME([A-Z0-9_]*) = "\(.*\)"$/\1/p'
}

wait_title() {
  local t=""
  for _ in $(seq 50); do
    t="$(title)"
    [ "$t" = "$1" ] && return 0
    sleep 0.1
  done
  fail "window title is '$t', not '$1'"
}

# Visible top-level windows of the game: 1 while no dialog is open.
game_windows() {
  xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | wc -l
}

# The window's geometry, as the game computes it from the client size: the cell size, the
# toolbar's height, the side panel's width and the board's corner in the window.
measure() {
  read -r W H < <(xwininfo -id "$wid" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
  local a=$((W / 53)) b=$((H / 41))
  CS=$((4 * (a < b ? a : b)))
  TB=$((CS * 5 / 7))
  PW=$((CS * 7 / 5))
  local freeX=$((W - PW - 11 * CS)) freeY=$((H - TB - 8 * CS))
  BX=$((freeX > CS ? freeX / 2 : freeX * 3 / 5))
  BY=$((TB + (freeY > CS ? freeY / 2 : freeY * 3 / 5)))
}

# Window coordinates of the centre of cell ($1, $2).
cell_xy() {
  echo "$((BX + $1 * CS + CS / 2)) $((BY + $2 * CS + CS / 2))"
}

# Window coordinates of a point given in the toolbar's design units (764 × 40).
toolbar_xy() {
  awk -v x="$1" -v y="$2" -v w="$W" -v tb="$TB" 'BEGIN {printf "%d %d", x * w / 764, y * tb / 40}'
}

# Window coordinates of a point given in the side panel's design units (70 × 516); the
# palette (from design y 64) is stretched vertically by the panel's aspect correction.
panel_xy() {
  awk -v x="$1" -v y="$2" -v w="$W" -v h="$H" -v tb="$TB" -v pw="$PW" -v pal="${3:-0}" 'BEGIN {
    fx = pw / 70; fy = (h - tb) / 516; a = fx / fy; if (a > 1.06) a = 1
    if (pal) y = 64 + (y - 64) * a
    printf "%d %d", w - pw + x * fx, tb + y * fy }'
}

# A left click at window point "x y".
click_at() {
  local x y
  read -r x y <<<"$1"
  xdotool mousemove --window "$wid" "$x" "$y" click 1
  sleep 0.3
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

# Takes a screenshot of the window into $out/$1.
shot() {
  sleep 0.5
  import -window "$wid" "$out/$1" || fail "no screenshot"
  local colours
  colours="$(convert "$out/$1" -format %k info:)"
  [ "$colours" -gt 50 ] || fail "$1 has only $colours colours: nothing drawn"
  echo "screenshot: $out/$1"
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

# Still to come, once play and the document commands are in:
#   stage_solve:   click_cell 8 3 (the pawn's row): the pawn slides onto the goal; the verdict
#                  message opens (game_windows 2), closed with its OK button.
#   stage_save:    "Sau&ver..." (toolbar_xy 259 20), a new folder and a name typed in the real
#                  load and save dialog; the file appears under $work/game/<folder>/.
#   stage_restart: close the window (xdotool key ctrl+F4 or windowclose), start_game again in
#                  $work/game, load the saved map back through "&Charger" and compare the board
#                  with e2e_editor_3_drawn.png by cell_colours.

start_xvfb
stage_start
stage_new_map
stage_draw
stage_limit
stage_play
kill -0 "$game_pid" 2>/dev/null || fail "the game ended"
echo "PASS: map drawn and played"
