#!/usr/bin/env bash
# Plays example 1 in the real game under Xvfb with real X key presses: Right slides the pawn from
# its cell (6, 4) to the board's right edge (10, 4), Left brings it back; the pawn is found on the
# screen by its blue colour. Screenshots of each step are kept next to the test.
# Usage: e2e_play.sh PATH_TO_Virelune ARTEFACT_DIR
. "$(dirname "$0")/e2e_common.sh"

# The game folder is the executable's folder: a copy in an empty folder starts without settings.
start_xvfb
mkdir -p "$work/game"
cp "$bin" "$work/game/Virelune"
start_game "$work/game"
# The first start opens at the default placement; give the window its design size, where a cell
# is 52 pixels.
resize_window 764 556
measure
[ "$CS $BX $BY" = "52 60 88" ] || fail "at 764x556 a cell is $CS pixels at ($BX, $BY), not 52 at (60, 88)"

# True when the pixel at the centre of cell ($2, 4) of screenshot $1 is the blue of the pawn.
blue_at() {
  local rgb x y
  read -r x y <<<"$(cell_xy "$2" 4)"
  rgb="$(convert "$1" -crop "1x1+$x+$y" -depth 8 txt:- |
    sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | head -n1)"
  [ -n "$rgb" ] || return 1
  local r=$((16#${rgb:0:2})) g=$((16#${rgb:2:2})) b=$((16#${rgb:4:2}))
  [ $((b - r)) -gt 60 ] && [ $((b - g)) -gt 30 ]
}

# Waits until the pawn shows on cell ($2, 4) and nowhere on cell ($3, 4); keeps screenshot $1.
wait_pawn() {
  for _ in $(seq 40); do
    import -window "$wid" "$out/$1" 2>/dev/null || fail "no screenshot"
    if blue_at "$out/$1" "$2" && ! blue_at "$out/$1" "$3"; then
      echo "screenshot: $out/$1"
      return 0
    fi
    sleep 0.1
  done
  fail "the pawn is not on cell ($2, 4) in $1"
}

wait_pawn e2e_play_start.png 6 10
xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
sleep 0.2
xdotool key Right
wait_pawn e2e_play_right.png 10 6
xdotool key Left
wait_pawn e2e_play_left.png 6 10
kill -0 "$game_pid" 2>/dev/null || fail "the game ended"
echo "PASS: the arrow keys move the pawn of example 1"
