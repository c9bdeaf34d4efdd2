#!/usr/bin/env bash
# Installs the Debian packages Vexaroo needs. `setup.sh game` installs only what building and
# running the game needs (make play); `setup.sh` adds every tool of every test (make test).
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

# The game: its build (CMake configures without GoogleTest) and what it runs with.
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins qt6-wayland
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libxcb1-dev libxcb-xkb-dev libgl-dev
  librlottie-dev
  librsvg2-bin
  libsdl2-dev
  fonts-wine fonts-dejavu-core
  xdg-utils
)
# The tests: GoogleTest, the fuzz and sanitizer builds (clang), the real-window scenarios,
# the package checks, the screen-reader test and the formatting check.
test_packages=(
  clang-format
  clang libclang-rt-14-dev
  libgtest-dev
  xvfb xauth xdotool wmctrl imagemagick x11-xserver-utils x11-utils jwm
  desktop-file-utils appstream lintian
  xfwm4 dbus dbus-x11
  sway wtype grim
  at-spi2-core python3-pyatspi
  valgrind
  locales
)

# sway refuses to run as root: under root the tests start it as this ordinary user.
compositor_user=vexaroo-test

# The tests read the settings file under locales whose decimal point is a comma, and show the
# captions in English, German and French.
locales=(de_DE.UTF-8 tr_TR.UTF-8 en_GB.UTF-8 fr_FR.UTF-8)

case "${1:-all}" in
game) locales=() ;;
all) packages+=("${test_packages[@]}") ;;
*)
  echo "usage: $0 [game|all]" >&2
  exit 2
  ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# `locale -a` writes de_DE.UTF-8 as de_DE.utf8.
installed_locales=$(locale -a 2>/dev/null | tr 'A-Z' 'a-z' | tr -d -- '-')
missing_locales=()
for l in "${locales[@]+"${locales[@]}"}"; do
  grep -qx "$(echo "$l" | tr 'A-Z' 'a-z' | tr -d -- '-')" <<<"$installed_locales" ||
    missing_locales+=("$l")
done
need_user=0
[ "${1:-all}" = all ] && [ "$(id -u)" -eq 0 ] && ! id "$compositor_user" >/dev/null 2>&1 && need_user=1
[ ${#missing[@]} -eq 0 ] && [ ${#missing_locales[@]} -eq 0 ] && [ $need_user -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ $need_user -eq 1 ]; then
  echo "Adding the user $compositor_user, for the compositor of the tests"
  useradd --system --user-group --no-create-home --home-dir /nonexistent \
    --shell /usr/sbin/nologin "$compositor_user"
fi
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
