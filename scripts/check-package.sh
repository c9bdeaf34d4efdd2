#!/usr/bin/env bash
# The package as a user meets it: builds the .deb, checks it with lintian, installs it with
# apt, starts `vexaroo` from /tmp under a private X server until the intro shows, removes
# the package and checks that none of its files is left.
# It installs and removes the package on this machine (as root or through sudo).
set -euo pipefail
cd "$(dirname "$0")/.."
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

say() { printf '\n== %s\n' "$*"; }
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

say "build the package"
make deb
deb=$(ls -t build/vexaroo_*_amd64.deb | head -n 1)
echo "$deb: $(du -h "$deb" | cut -f1)"
dpkg-deb --field "$deb" Package Version Depends Recommends

say "lintian"
lintian --display-info --fail-on error "$deb" || fail "lintian reports errors"
echo "lintian: no errors"

say "install with apt"
$sudo apt-get install -y -qq "./$deb" >/dev/null
files=$(dpkg-query -L vexaroo | while read -r f; do [ -f "$f" ] && echo "$f"; done)
echo "$(echo "$files" | wc -l) files installed"

say "start vexaroo from /tmp"
n=20
while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null &
xvfb=$!
home=$(mktemp -d)
cleanup() {
  kill "${game:-}" "$xvfb" 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
for _ in $(seq 50); do xdpyinfo -display ":$n" >/dev/null 2>&1 && break; sleep 0.1; done
mkdir -m 700 "$home/run"
(cd /tmp && exec env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_DATA_HOME DISPLAY=":$n" \
  HOME="$home" XDG_RUNTIME_DIR="$home/run" PATH="$PATH:/usr/games" vexaroo) &
game=$!
intro=""
for _ in $(seq 150); do
  intro=$(DISPLAY=":$n" xdotool search --onlyvisible --name '^ $' 2>/dev/null | head -n 1) || true
  [ -n "$intro" ] && break
  kill -0 "$game" 2>/dev/null || fail "vexaroo ended before its intro showed"
  sleep 0.2
done
[ -n "$intro" ] || fail "no intro window"
echo "intro window $intro: $(DISPLAY=":$n" xdotool getwindowgeometry "$intro" | tail -n 1 | xargs)"
echo "process: $(readlink "/proc/$game/exe")"
ls "$home/.local/share/vexaroo"
kill "$game"
wait "$game" 2>/dev/null || true

say "remove with apt"
$sudo apt-get remove -y -qq vexaroo >/dev/null
left=$(for f in $files; do [ -e "$f" ] && echo "$f"; done || true)
[ -z "$left" ] || fail "left behind: $left"
for d in /usr/lib/games/vexaroo /usr/share/games/vexaroo /usr/share/doc/vexaroo; do
  [ ! -e "$d" ] || fail "left behind: $d"
done
[ -f "$home/.local/share/vexaroo/settings" ] || fail "the player's folder went with the package"
echo "no installed file left; the player's folder stays"
echo "package check passed"
