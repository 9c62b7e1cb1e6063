#!/usr/bin/env bash
# Sets up and starts Virelune: installs what is missing, builds in Release, installs the game
# into its game folder (~/Virelune unless VIRELUNE_HOME says otherwise) and starts it there.
# The game folder keeps the player's maps and settings; a rebuild only replaces the program.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/packages.sh
ensure_packages "${VIRELUNE_PACKAGES[@]}"
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVIRELUNE_TESTS=OFF -DVIRELUNE_BENCH=OFF >/dev/null
cmake --build build-release -j "$(nproc)"

home_dir="${VIRELUNE_HOME:-$HOME/Virelune}"
scripts/install.sh build-release "$home_dir"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Virelune is installed in $home_dir, but no display is available to show its window."
  echo "Start it from a desktop session: $home_dir/Virelune"
  exit 1
fi
cd "$home_dir"
exec ./Virelune
