#!/usr/bin/env bash
# Starts the real game under Xvfb in a fresh game folder with no settings and checks its window:
# the caption of example 1, its first size, and a screenshot kept next to the test (two window sizes).
# Usage: e2e_window.sh PATH_TO_Virelune ARTEFACT_DIR
. "$(dirname "$0")/e2e_common.sh"

# The game folder is the executable's folder: a copy in an empty folder starts without settings.
start_xvfb
mkdir -p "$work/game"
cp "$bin" "$work/game/Virelune"
start_game "$work/game"
wait_title "Virelune  ●  Exemple 1"

# With no settings the window opens at half the screen's width, at least 640 by 512.
wait_size 640 512
resize_window 764 556
shot e2e_window_764x556.png root
resize_window 1240 960
shot e2e_window_1240x960.png root

kill -0 "$game_pid" 2>/dev/null || fail "the game ended"
echo "PASS: $(title "$wid")"
