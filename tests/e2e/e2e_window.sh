#!/usr/bin/env bash
# Starts the real game under Xvfb in a fresh game folder with no settings and checks its window:
# the caption of example 1, its first size, and a screenshot kept next to the test (two window sizes).
# Usage: e2e_window.sh PATH_TO_Virelune ARTEFACT_DIR
set -u
bin="$1"
out="$2"
work="$(mktemp -d)"
fail() { echo "FAIL: $*" >&2; exit 1; }
. "$(dirname "$0")/e2e_common.sh"
trap cleanup EXIT

# The game folder is the executable's folder: a copy in an empty folder starts without settings.
start_xvfb
mkdir -p "$work/game"
cp "$bin" "$work/game/Virelune"
start_game "$work/game"

title=""
for _ in $(seq 50); do
  title="$(xprop -id "$wid" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME([A-Z0-9_]*) = "\(.*\)"$/\1/p')"
  [ "$title" = "Virelune  ●  Exemple 1" ] && break
  sleep 0.1
done
[ "$title" = "Virelune  ●  Exemple 1" ] || fail "window title is '$title'"

# With no settings the window opens at half the screen's width, at least 640 by 512.
size="$(xwininfo -id "$wid" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')"
[ "$size" = "640x512" ] || fail "window is $size, not the first start's 640x512"
xdotool windowsize "$wid" 764 556
for _ in $(seq 50); do
  size="$(xwininfo -id "$wid" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')"
  [ "$size" = "764x556" ] && break
  sleep 0.1
done
[ "$size" = "764x556" ] || fail "window is $size, not the design size 764x556"

shot() {
  sleep 1
  import -window root "$out/$1" || fail "no screenshot"
  colours="$(convert "$out/$1" -format %k info:)"
  [ "$colours" -gt 50 ] || fail "$1 has only $colours colours: nothing drawn"
  echo "screenshot: $out/$1"
}
shot e2e_window_764x556.png

xdotool windowsize "$wid" 1240 960
for _ in $(seq 50); do
  size="$(xwininfo -id "$wid" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')"
  [ "$size" = "1240x960" ] && break
  sleep 0.1
done
[ "$size" = "1240x960" ] || fail "the window did not grow (still $size)"
shot e2e_window_1240x960.png

kill -0 "$game_pid" 2>/dev/null || fail "the game ended"
echo "PASS: $title"
