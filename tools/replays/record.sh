#!/usr/bin/env bash
# Records the games kept in tests/game/replays from real play: the built program under a
# private Xvfb and jwm, reached through the intro and the menu and driven with xdotool, or the
# harness's game with its virtual pad. Each game is checked with --verify before it is kept.
#   tools/replays/record.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=$root/tests/game/replays
game_title='Vexaroo - Press P to pause'

n=70
while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids=($!)
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null' EXIT
sleep 1
jwm >/dev/null 2>&1 &
pids+=($!)
sleep 1

shown() { [ -n "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ]; }
wait_for() { for _ in $(seq 200); do shown "$1" && return 0; sleep 0.1; done; return 1; }
keep() { "$build/vexaroo" --verify "$1" && cp "$1" "$out/$2"; }

# From the start to the game: the intro skipped with Esc, Play with Return.
new_game() {
    folder=$(mktemp -d)
    cp "$root"/data/* "$folder"
    (cd "$folder" && exec "$build/vexaroo") >/dev/null 2>&1 &
    pids+=($!)
    wait_for ' '
    xdotool key Escape
    wait_for 'Main Menu'
    xdotool key Return
    wait_for "$game_title"
    sleep 0.5
}

# Fire, moves, and the program stopped for three seconds in the middle.
new_game
xdotool keydown space
sleep 1
xdotool keydown Up; sleep 0.4; xdotool keyup Up
kill -STOP "${pids[-1]}"; sleep 3; kill -CONT "${pids[-1]}"
xdotool keydown Right; sleep 0.4; xdotool keyup Right
xdotool keydown Down; sleep 0.6; xdotool keyup Down
sleep 1
xdotool keyup space
wmctrl -F -c "$game_title"
wait_for 'Main Menu'
keep "$folder/last-game.replay" stall.replay

# Fire held to the end of the game, each lost life's box answered; into the hall of fame.
new_game
xdotool keydown space
while ! shown 'You have a high score!'; do
    if shown Vexaroo; then
        xdotool keyup space; xdotool key Return; sleep 0.3; xdotool keydown space
    fi
    shown "$game_title" || shown Vexaroo || shown 'You have a high score!' || exit 1
    sleep 0.3
done
xdotool keyup space
xdotool type Replay; xdotool key Tab; xdotool type Keeper; xdotool key Return
wait_for 'Main Menu'
keep "$folder/last-game.replay" hall-of-fame.replay
cmp "$folder/last-game.replay" "$folder"/replays/*.replay

# The pad: the D-pad, the south button to fire, Start to pause and again to go on.
folder=$(mktemp -d)
cp "$root"/data/* "$folder"
exec 3> >(cd "$folder" && exec "$build/vexaroo_harness" play --pad >/dev/null 2>&1)
pids+=($!)
wait_for "$game_title"
sleep 0.5
for line in "a 1" "dpup 1" "dpup 0" "dpright 1" "dpleft 1" "dpleft 0" "dpright 0" "a 0" \
    "start 1" "start 0" "start 1" "start 0" "a 1" "dpdown 1" "dpdown 0" "a 0"; do
    echo "$line" >&3
    sleep 0.4
done
wmctrl -F -c "$game_title"
sleep 1
exec 3>&-
sleep 1
keep "$folder/last-game.replay" pad.replay
