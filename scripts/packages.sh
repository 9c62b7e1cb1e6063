# Installs the Debian packages Virelune needs, only those missing; sourced by run.sh and test.sh.
VIRELUNE_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  libboost1.81-dev
  fonts-noto-color-emoji fonts-liberation2
)
VIRELUNE_TEST_PACKAGES=(
  clang libclang-rt-14-dev clang-format
  xvfb xauth xdotool x11-utils imagemagick libx11-dev libxdamage-dev
)

ensure_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
