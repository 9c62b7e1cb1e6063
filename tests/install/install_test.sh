#!/usr/bin/env bash
# Installs the built game with scripts/install.sh into a temporary game folder (its name holds a
# space, and it is given relative to the current folder, as VIRELUNE_HOME may be), with the
# desktop entry and icon going to a temporary XDG_DATA_HOME; then installs again over a player's
# map folder and settings and checks that they are byte for byte what they were.
# Usage: install_test.sh PATH_TO_install.sh BUILD_DIR
set -u
installer="$1"
build="$(cd "$2" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

export XDG_DATA_HOME="$work/data"
export HOME="$work/home"
mkdir -p "$HOME"
game="$work/mon jeu"
apps="$XDG_DATA_HOME/applications"
icon="$XDG_DATA_HOME/icons/hicolor/scalable/apps/virelune.svg"

install_game() {
  (cd "$work" && bash "$installer" "$build" "mon jeu") >"$work/install.log" 2>&1 ||
    fail "the installer failed: $(cat "$work/install.log")"
}

# The guide page: French, complete in itself (every picture inside it, drawn from the game's
# SVG art, and nothing fetched from elsewhere), with a picture for each kind of cell.
check_guide() {
  local page="$1" kind n
  [ -s "$page" ] || fail "no Virelune.html in the game folder"
  grep -q '<html lang="fr">' "$page" || fail "the guide is not a French page"
  grep -q '@[A-Za-z]*/[A-Za-z]*\.svg@' "$page" && fail "the guide still names pictures by file"
  grep -Eiq '(src|href)="(https?:|//|file:)|url\(|@import' "$page" &&
    fail "the guide loads something from outside itself"
  for kind in Mur Sol But Stop Virage "Virage inverse" Bouton "Porte baissée" "Porte levée" Pion; do
    grep -q "<img src=\"data:image/svg+xml;base64,[A-Za-z0-9+/=]*\" alt=\"$kind\">" "$page" ||
      fail "the guide has no picture of '$kind'"
  done
  # The pictures are the game's own: the wall's, byte for byte.
  n="$(base64 -w0 "$(dirname "$installer")/../assets/rised/Wall.svg")"
  grep -qF "$n" "$page" || fail "the wall picture is not the game's"
  for n in cases regles touches aides editeur packs fichiers; do
    grep -q "<section id=\"$n\">" "$page" || fail "the guide has no section '$n'"
  done
}

# What an installed game folder holds, wherever the player's files are.
check_installed() {
  [ -x "$game/Virelune" ] || fail "no program in the game folder"
  cmp -s "$build/Virelune" "$game/Virelune" || fail "the installed program is not the one built"
  [ -s "$game/Virelune.txt" ] || fail "no Virelune.txt in the game folder"
  check_guide "$game/Virelune.html"
  [ -s "$icon" ] || fail "no icon at $icon"
  grep -q '<svg' "$icon" || fail "the icon is no SVG picture"
  local desktop="$apps/virelune.desktop"
  [ -f "$desktop" ] || fail "no desktop entry in $apps"
  [ "$(head -n1 "$desktop")" = "[Desktop Entry]" ] || fail "the desktop entry has no header"
  local key
  for key in "Type=Application" "Name=Virelune" "Icon=virelune" "Exec=\"$game/Virelune\"" \
    "Path=$game"; do
    grep -qxF "$key" "$desktop" || fail "the desktop entry lacks '$key': $(cat "$desktop")"
  done
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
  fi
  ls -A "$game" | grep -q '^\.Virelune\.new$' && fail "the installer left its temporary program"
  return 0
}

install_game
check_installed
[ "$(ls -A "$game" | sort | tr '\n' ' ')" = "Virelune Virelune.html Virelune.txt " ] ||
  fail "a fresh game folder holds: $(ls -A "$game")"

# The player's files: a map folder with a map (CR LF lines, an emoji in its title), a pack, a
# file the game does not list, and the settings.
mkdir -p "$game/mes cartes"
printf 'VRM1-\r\nMa carte 🧩\r\n0\r\n0\r\n1R\r\n23\r\n%s\r\n' \
  "AAAAAAAAAAAABBBBBBBBBAABBBBBBBBBAABBBBBBBCAABBBBBBBBBAABBBBBBBBBAABBBBBBBBBAAAAAAAAAAAA" \
  >"$game/mes cartes/ma carte.vrm"
printf 'VRP1-1\r\nMon pack\r\n0\r\n' >"$game/mes cartes/mon pack.vrp"
cat "$game/mes cartes/ma carte.vrm" >>"$game/mes cartes/mon pack.vrp"
echo "notes" >"$game/mes cartes/notes.txt"
printf '[Window]\nWidth=800\nHeight=600\n[Map]\nLoadedMap=0\nFileName=mes cartes/ma carte.vrm\n' \
  >"$game/Virelune.ini"
chmod 600 "$game/Virelune.ini"
mkdir -p "$work/before"
cp -a "$game/mes cartes" "$game/Virelune.ini" "$work/before/"
listing() { (cd "$1" && find . -path ./Virelune -prune -o -path ./Virelune.txt -prune -o \
  -path ./Virelune.html -prune -o -print | sort); }
before_listing="$(listing "$game")"

install_game
check_installed
diff -r "$work/before/mes cartes" "$game/mes cartes" || fail "the player's map folder changed"
cmp "$work/before/Virelune.ini" "$game/Virelune.ini" || fail "the settings changed"
[ "$(stat -c %a "$game/Virelune.ini")" = 600 ] || fail "the settings lost their permissions"
[ "$(listing "$game")" = "$before_listing" ] ||
  fail "the game folder holds other files now: $(listing "$game")"
echo "PASS: installed twice; the player's maps and settings kept byte for byte"
