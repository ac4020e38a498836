#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Vorlix needs.
# Only missing packages are installed, so a second run is quick.
set -euo pipefail

packages=(
  # build
  build-essential cmake pkg-config ninja-build
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-multimedia-dev libqt6svg6
  libgl-dev
  # tests and benchmarks
  libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xauth icewm xdotool x11-utils imagemagick time
  # fonts: the program's Kai and Song families
  fonts-arphic-ukai fonts-arphic-uming
  # assets recipe
  sox
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
