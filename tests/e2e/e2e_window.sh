#!/usr/bin/env bash
# Starts the real game under Xvfb in a fresh game folder with no settings and checks its window:
# the caption of example 1, its first size, and a screenshot kept next to the test (two window sizes).
# Usage: e2e_window.sh PATH_TO_Virelune ARTEFACT_DIR
set -u
bin="$1"
out="$2"
work="$(mktemp -d)"
xvfb_pid=""
game_pid=""
fail() { echo "FAIL: $*" >&2; exit 1; }
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

for tool in Xvfb xdotool xprop xwininfo import; do
  command -v "$tool" >/dev/null || fail "$tool is not installed"
done

# The game folder is the executable's folder: a copy in an empty folder starts without settings.
mkdir -p "$work/game" "$work/runtime"
chmod 700 "$work/runtime"
cp "$bin" "$work/game/Virelune"

# Xvfb picks a free display itself and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start"
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb gave no display"
export DISPLAY=":$(head -n1 "$work/display")"
export XDG_RUNTIME_DIR="$work/runtime"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

(cd "$work/game" && exec ./Virelune) >"$work/game.log" 2>&1 &
game_pid=$!

wid=""
for _ in $(seq 150); do
  kill -0 "$game_pid" 2>/dev/null || { cat "$work/game.log" >&2; fail "the game ended early"; }
  wid="$(xdotool search --onlyvisible --name '^Virelune' 2>/dev/null | head -n1)"
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || fail "no game window appeared"

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
