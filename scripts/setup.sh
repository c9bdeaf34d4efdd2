#!/usr/bin/env bash
# Installs every Debian package that building, playing and testing Vexaroo needs.
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  libxcb1-dev libxcb-xkb-dev libgl-dev
  librlottie-dev
  libgtest-dev
  fonts-wine fonts-dejavu-core
  xdg-utils
  xvfb xdotool wmctrl imagemagick x11-xserver-utils x11-utils jwm
  librsvg2-bin desktop-file-utils appstream lintian
  xfwm4 dbus dbus-x11
  valgrind
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
