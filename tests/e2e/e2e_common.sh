# Helpers of the end-to-end runs: Xvfb, the game started from its folder, the caption, the
# window's size and board geometry, screenshots and a close through the window manager's close
# request. Sourced first by every end-to-end script, with that script's own arguments.

# The script's arguments: the program, the folder for artefacts, and for some the window
# manager's close helper and the checker.
set -u
# xdotool types and xprop reads titles through the locale's encoding: without UTF-8 an accent
# typed or read is lost (a bare CI shell has no LANG at all).
export LC_ALL=C.UTF-8
bin="$1"
out="$2"
wm_close="${3:-}"
checker="${4:-}"
work="$(mktemp -d)"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

xvfb_pid=""
game_pid=""
wid=""

cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

start_xvfb() {
  for tool in Xvfb xdotool xprop xwininfo import convert; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
  done
  # Xvfb picks a free display itself and writes its number to fd 3.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 150); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start"
    sleep 0.1
  done
  [ -s "$work/display" ] || fail "Xvfb gave no display"
  DISPLAY=":$(head -n1 "$work/display")"
  export DISPLAY
  export XDG_RUNTIME_DIR="$work/runtime"
  # The game keeps its rendered pictures there, away from the player's own cache.
  export XDG_CACHE_HOME="$work/cache"
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
  sleep 0.5
}

title() {
  xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME([A-Z0-9_]*) = "\(.*\)"$/\1/p'
}

wait_title() {
  local t=""
  for _ in $(seq 150); do
    t="$(title "$wid")"
    [ "$t" = "$1" ] && return 0
    sleep 0.1
  done
  fail "window title is '$t', not '$1'"
}

# The newest visible window of the game other than the main window (a dialog), or nothing.
dialog_window() {
  xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | grep -vx "$wid" | tail -n1
}

wait_dialog() {
  local d=""
  for _ in $(seq 150); do
    d="$(dialog_window)"
    [ -n "$d" ] && break
    sleep 0.1
  done
  [ -n "$d" ] || fail "no dialog opened ($1)"
  sleep 0.5
  echo "$d"
}

wait_no_dialog() {
  for _ in $(seq 150); do
    [ -z "$(dialog_window)" ] && return 0
    sleep 0.1
  done
  fail "a dialog stays open ($1)"
}

# Waits until window $1 no longer shows ($2 names it).
wait_gone() {
  for _ in $(seq 150); do
    xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.1
  done
  fail "the $2 stays open"
}

# Takes a screenshot of window $2 (the main window by default; "root" for the whole screen)
# into $out/$1, once the last input's repaint has had time to land, and again until it shows
# more than a blank window.
shot() {
  sleep 0.5
  local colours=0
  for _ in $(seq 15); do
    import -window "${2:-$wid}" "$out/$1" || fail "no screenshot"
    colours="$(convert "$out/$1" -format %k info:)"
    if [ "$colours" -gt 50 ]; then
      echo "screenshot: $out/$1"
      return 0
    fi
    sleep 0.2
  done
  fail "$1 has only $colours colours: nothing drawn"
}

# The client size of window $1 as "W H".
window_size() {
  xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}'
}

# Waits until the main window is $1 by $2.
wait_size() {
  local size=""
  for _ in $(seq 150); do
    size="$(window_size "$wid")"
    [ "$size" = "$1 $2" ] && return 0
    sleep 0.1
  done
  fail "window is ${size/ /x}, not $1x$2"
}

# Resizes the main window to $1 by $2 and waits until it has that size.
resize_window() {
  xdotool windowsize "$wid" "$1" "$2"
  wait_size "$1" "$2"
}

# Waits until the file or folder $1 exists; $2 says what should have made it.
wait_file() {
  for _ in $(seq 150); do
    [ -e "$1" ] && return 0
    sleep 0.1
  done
  fail "$2"
}

# The main window's geometry, as the game computes it from the client size: W by H, the cell
# size CS, the toolbar's height TB, the side panel's width PW and the board's corner BX, BY.
measure() {
  read -r W H < <(window_size "$wid")
  local a=$((W / 53)) b=$((H / 41))
  CS=$((4 * (a < b ? a : b)))
  TB=$((CS * 5 / 7))
  PW=$((CS * 7 / 5))
  local freeX=$((W - PW - 11 * CS)) freeY=$((H - TB - 8 * CS))
  BX=$((freeX > CS ? freeX / 2 : freeX * 3 / 5))
  BY=$((TB + (freeY > CS ? freeY / 2 : freeY * 3 / 5)))
}

# Window coordinates of the centre of cell ($1, $2), after measure.
cell_xy() {
  echo "$((BX + $1 * CS + CS / 2)) $((BY + $2 * CS + CS / 2))"
}

# Window coordinates of a point given in the toolbar's design units (764 × 40), after measure.
toolbar_xy() {
  awk -v x="$1" -v y="$2" -v w="$W" -v tb="$TB" 'BEGIN {printf "%d %d", x * w / 764, y * tb / 40}'
}

# A left click at main window point "x y".
click_at() {
  local x y
  read -r x y <<<"$1"
  xdotool mousemove --window "$wid" "$x" "$y" click 1
  sleep 0.3
}

# A left click at a point of the toolbar given in its design units.
click_toolbar() {
  measure
  click_at "$(toolbar_xy "$1" "$2")"
}

# A left click in window $1 at the fractions $2, $3 of its width and height.
click_window() {
  local w h
  read -r w h < <(xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
  xdotool mousemove --window "$1" "$(awk -v f="$2" -v w="$w" 'BEGIN {printf "%d", f * w}')" \
    "$(awk -v f="$3" -v h="$h" 'BEGIN {printf "%d", f * h}')" click 1
  sleep 0.3
}

# Asks the game to close as a window manager does; the game may still show a message.
request_close() {
  "$wm_close" "$wid" || fail "the close request could not be sent"
}

# Closes the game as a window manager asks it to, and waits for the program to end.
close_game() {
  request_close
  wait_game_end
}

wait_game_end() {
  for _ in $(seq 150); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$game_pid" 2>/dev/null && fail "the game did not end on the close request"
  wait "$game_pid" 2>/dev/null
  game_pid=""
}

# Value of key $3 of section $2 in the settings file $1.
ini_value() {
  awk -v s="[$2]" -v k="$3" '
    { sub(/\r$/, "") }
    /^\[/ { in_s = ($0 == s); next }
    in_s && index($0, k "=") == 1 { print substr($0, length(k) + 2); exit }' "$1"
}
