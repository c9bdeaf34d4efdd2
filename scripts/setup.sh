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
  libsdl2-dev
  libgtest-dev
  fonts-wine fonts-dejavu-core
  xdg-utils
  xvfb xdotool wmctrl imagemagick x11-xserver-utils x11-utils jwm
  librsvg2-bin desktop-file-utils appstream lintian
  xfwm4 dbus dbus-x11
  valgrind
  locales
)

# The tests read the settings file under locales whose decimal point is a comma.
locales=(de_DE.UTF-8 tr_TR.UTF-8)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# `locale -a` writes de_DE.UTF-8 as de_DE.utf8.
installed_locales=$(locale -a 2>/dev/null | tr 'A-Z' 'a-z' | tr -d -- '-')
missing_locales=()
for l in "${locales[@]}"; do
  grep -qx "$(echo "$l" | tr 'A-Z' 'a-z' | tr -d -- '-')" <<<"$installed_locales" ||
    missing_locales+=("$l")
done
[ ${#missing[@]} -eq 0 ] && [ ${#missing_locales[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Listed in /etc/locale.gen, so that the locales package's own runs of locale-gen keep them.
if [ ${#missing_locales[@]} -gt 0 ]; then
  echo "Generating locales: ${missing_locales[*]}"
  for l in "${missing_locales[@]}"; do
    grep -qx "$l UTF-8" /etc/locale.gen 2>/dev/null || echo "$l UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
  done
  $sudo locale-gen
fi
