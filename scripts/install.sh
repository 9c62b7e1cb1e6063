#!/usr/bin/env bash
# Installs a built Virelune into a game folder: the program, its readme and guide page, a desktop
# entry and an icon. Never touches the player's maps, folders or settings already in the game
# folder.
# Usage: scripts/install.sh BUILD_DIR GAME_FOLDER
set -euo pipefail
build="$1"
dest="$2"
src="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "$dest"
# The desktop entry needs the folder's full path, whatever folder the script was started from.
dest="$(cd "$dest" && pwd)"
# Replace the program atomically, so a running copy is not disturbed.
install -m 755 "$build/Virelune" "$dest/.Virelune.new"
mv -f "$dest/.Virelune.new" "$dest/Virelune"
install -m 644 "$src/install/Virelune.txt" "$dest/Virelune.txt"

# The guide page carries its pictures inside it, drawn from the game's own SVG art, so it shows
# complete from the game folder with no other file: each @folder/name.svg@ becomes a data URI.
page="$(cat "$src/install/Virelune.html.in")"
for picture in $(grep -o '@[A-Za-z]*/[A-Za-z]*\.svg@' "$src/install/Virelune.html.in" | sort -u); do
  svg="$src/assets/${picture//@/}"
  [ -f "$svg" ] || { echo "The guide names a missing picture: $svg" >&2; exit 1; }
  page="${page//"$picture"/data:image/svg+xml;base64,$(base64 -w0 "$svg")}"
done
printf '%s\n' "$page" >"$dest/.Virelune.html.new"
chmod 644 "$dest/.Virelune.html.new"
mv -f "$dest/.Virelune.html.new" "$dest/Virelune.html"

apps="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
icons="${XDG_DATA_HOME:-$HOME/.local/share}/icons/hicolor/scalable/apps"
mkdir -p "$apps" "$icons"
if [ -f "$src/assets/emblem/Emblem.svg" ]; then
  install -m 644 "$src/assets/emblem/Emblem.svg" "$icons/virelune.svg"
fi
cat > "$apps/virelune.desktop" <<DESKTOP
[Desktop Entry]
Type=Application
Name=Virelune
Comment=Jeu de réflexion : amenez chaque pion sur un but
Exec="$dest/Virelune"
Path=$dest
Icon=virelune
Terminal=false
Categories=Game;LogicGame;
DESKTOP
echo "Virelune installed in $dest"
