#!/usr/bin/env bash
# The real game under Xvfb against a hostile settings file and a full disk: a FIFO in place of
# the settings file gives a window at once and a message at close; stored positions far off
# the screen give a window wholly on it; on a full disk the close says the settings could not
# be written and leaves the earlier file byte for byte (this part needs root to mount a small
# disk, and says so when it cannot).
# Usage: e2e_hostile.sh PATH_TO_Virelune ARTEFACT_DIR PATH_TO_wm_close
. "$(dirname "$0")/e2e_common.sh"
full=""
unmount_full() {
  [ -n "$full" ] && umount -l "$full" 2>/dev/null
  full=""
}
trap 'unmount_full; cleanup' EXIT

# Closes the game and answers the error it shows on the way out; $1 names the step.
close_with_error() {
  request_close
  local d
  d="$(wait_dialog "$1")"
  [ "$(title "$d")" = "Virelune - Message" ] || fail "$1: the message came in '$(title "$d")'"
  shot "$2" root
  xdotool key Return
  wait_game_end
}

start_xvfb
game="$work/game"
ini="$game/Virelune.ini"
mkdir -p "$game"
cp "$bin" "$game/Virelune"

# A FIFO where the settings file should be: the game starts at once on its defaults.
mkfifo "$ini"
start_game "$game"
wait_title "Virelune  ●  Exemple 1"
close_with_error "FIFO settings" e2e_hostile_1_fifo.png
[ -p "$ini" ] || fail "the FIFO was replaced"
rm -f "$ini"
echo "ok: a FIFO settings file gives a window at once and a message at close"

# Stored positions that would put the window out of sight.
read -r sw sh < <(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
for stored in "800 600 2147483647 10" "800 600 10 2147483647" "800 600 100000 10" \
  "800 600 -5000 10" "800 600 10 -5000" "800 100000 10 10"; do
  read -r w h l t <<<"$stored"
  printf '[Window]\nWidth=%s\nHeight=%s\nLeft=%s\nTop=%s\n' "$w" "$h" "$l" "$t" >"$ini"
  start_game "$game"
  read -r x y gw gh < <(xwininfo -id "$wid" | awk '/Absolute upper-left X:/ {x=$4}
    /Absolute upper-left Y:/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
  if [ "$x" -lt 0 ] || [ "$y" -lt 0 ] || [ $((x + gw)) -gt "$sw" ] || [ $((y + gh)) -gt "$sh" ]; then
    fail "stored $stored gives a window at $x,$y of $gw by $gh on a $sw by $sh screen"
  fi
  close_game
  echo "ok: stored $stored gives a window at $x,$y of $gw by $gh"
done

# A full disk: the settings file stays as it was and the game says so before it ends.
if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: the full-disk run needs root to mount a small disk"
else
  full="$work/full"
  mkdir -p "$full"
  size=$(($(stat -c %s "$bin") / 1024 + 1024))
  if ! mount -t tmpfs -o "size=${size}k" tmpfs "$full"; then
    full=""
    echo "skipped: a small disk could not be mounted"
  else
    cp "$bin" "$full/Virelune"
    printf '[Window]\nWidth=900\nHeight=700\nLeft=40\nTop=30\n\n[Param]\nSpeed=3\nEditMode=0\n\n[Map]\nLoadedMap=2\n\n[Keep]\nMine=1\n' >"$full/Virelune.ini"
    cp "$full/Virelune.ini" "$work/ini.before"
    dd if=/dev/zero of="$full/filler" bs=4k status=none 2>/dev/null
    [ "$(df --output=avail "$full" | tail -n1 | tr -d ' ')" -eq 0 ] || fail "the disk is not full"
    start_game "$full"
    wait_title "Virelune  ●  Exemple 2"
    close_with_error "full disk" e2e_hostile_2_full_disk.png
    cmp -s "$work/ini.before" "$full/Virelune.ini" || fail "the settings file changed on a full disk"
    [ "$(ls -A "$full" | wc -l)" -eq 3 ] || fail "a temporary file was left: $(ls -A "$full")"
    echo "ok: a full disk keeps the settings file byte for byte and says why"
  fi
fi
echo "PASS: hostile settings and a full disk"
