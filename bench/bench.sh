#!/usr/bin/env bash
# Measurements of a game in a real window under a private X server (Xvfb with jwm).
#   bench/bench.sh game [BUILD_DIR]   the game: timer rates, CPU, X server CPU, paints,
#                                     memory, and instructions per handler call (callgrind)
#   bench/bench.sh memory [BUILD_DIR] the program itself as a player starts it: the menu's
#                                     memory after 1 and after 12 games, and across 60 openings
#                                     of Settings
#   bench/bench.sh peer               KDE's kspaceduel measured the same way, for comparison
# The game plays in a fresh folder with the delivered settings. BENCH_SECONDS sets the length
# of play (20), BENCH_DISPLAY the first display number to try (90), BENCH_SCREEN the screen's
# size (1024x768), BENCH_SIZE the game's window size (1), BENCH_FULLSCREEN=1 plays full screen.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${BENCH_SECONDS:-20}
xvfb_pid=""
helpers=()

cleanup() {
    for pid in "${helpers[@]}" $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
}
trap cleanup EXIT

# Starts Xvfb on the first free display and jwm on it; sets DISPLAY and xvfb_pid.
start_x() {
    local n=${BENCH_DISPLAY:-90}
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 "${BENCH_SCREEN:-1024x768}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    jwm >/dev/null 2>&1 &
    helpers+=($!)
    sleep 0.5
}

# CPU seconds (user + system) of a process, its reaped children included.
cpu_seconds() {
    sed 's/.*) //' "/proc/$1/stat" | awk -v tck="$(getconf CLK_TCK)" '{ print ($12 + $13 + $14 + $15) / tck }'
}

status_mib() {
    awk -v key="$2:" '$1 == key { printf "%.1f", $2 / 1024 }' "/proc/$1/status"
}

percent() {
    awk -v a="$1" -v b="$2" -v s="$seconds" 'BEGIN { printf "%5.2f", 100 * (b - a) / s }'
}

game() {
    local build folder
    build=$(cd "$1" && pwd)
    folder=$(mktemp -d)
    cp "$root"/data/* "$folder"
    cd "$folder"
    [ "${BENCH_FULLSCREEN:-0}" = 1 ] && printf '[Vexaroo]\nfullscreen=on\n' >preferences
    start_x
    echo "Vexaroo on $DISPLAY (${BENCH_SCREEN:-1024x768}), window size ${BENCH_SIZE:-1}," \
        "full screen ${BENCH_FULLSCREEN:-0}, $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
    for intro in watch skip; do
        # The program sets the toolkit's scale from its window size the same way.
        QT_SCALE_FACTOR=${BENCH_SIZE:-1} BENCH_XSERVER_PID=$xvfb_pid \
            "$build/game_rates" play "$seconds" "$intro" 2>/dev/null
    done
    # Once more with every effect mixed on an audio device: SDL's disk driver by default, which
    # takes the mixed sound at a sound card's pace and writes it to /dev/null, so that a machine
    # without sound measures the same work; BENCH_AUDIODRIVER names another (pulseaudio, alsa).
    SDL_AUDIODRIVER=${BENCH_AUDIODRIVER:-disk} SDL_DISKAUDIOFILE=/dev/null \
        BENCH_XSERVER_PID=$xvfb_pid "$build/game_rates" play "$seconds" skip sound 2>/dev/null

    # Instructions per call: callgrind counts only inside the named handler, children included.
    echo "instructions per handler call (callgrind, headless, 5 s of play on the virtual clock)"
    local out
    out=$(mktemp -d)
    for handler in tmrShoot_Timer tmrTarget_Timer; do
        QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$out/$handler" \
            --toggle-collect="Game::$handler()" "$build/game_rates" ticks 5 \
            >"$out/$handler.calls" 2>/dev/null
        local calls instructions
        calls=$(sed -n "s/.*$handler \([0-9]*\).*/\1/p" "$out/$handler.calls")
        instructions=$(awk '/^(summary|totals):/ { print $2; exit }' "$out/$handler")
        printf '  %-16s %7d instructions per call (%d calls)\n' "$handler" \
            $((instructions / calls)) "$calls"
    done
    echo "replays (headless)"
    (cd "$folder" && QT_QPA_PLATFORM=offscreen "$build/game_rates" replay 600 2>/dev/null)
    QT_QPA_PLATFORM=offscreen "$build/game_rates" verify 0 \
        "$root/tests/game/replays/hall-of-fame.replay" 2>/dev/null
    rm -rf "$out" "$folder"
}

# The window with this exact title, once visible (waits up to 30 s); empty when none came.
window_titled() {
    local id
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
        [ -n "$id" ] && echo "$id" && return
        sleep 0.1
    done
}

# Waits until no visible window has this title.
window_gone() {
    for _ in $(seq 300); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
}

rss_kib() {
    awk '$1 == "VmRSS:" { print $2 }' "/proc/$1/status"
}

mib_of() {
    awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'
}

# The program itself, started as a player starts it in a desktop session (a session bus, the
# sound mixed on SDL's disk driver as a sound card would take it): the intro watched, then 12
# short games (4 s of fire, a lost life's box answered, then closed from a taskbar), and 60
# openings of Settings, each closed from a taskbar. The menu's memory is read after each,
# once it stands alone and has settled.
memory() {
    local build folder pid bus menu
    build=$(cd "$1" && pwd)
    folder=$(mktemp -d)
    cp "$root"/data/* "$folder"
    cd "$folder"
    [ -n "${DISPLAY:-}" ] && [ -n "$xvfb_pid" ] || start_x
    bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
    helpers+=("${bus##*$'\n'}")
    DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*} SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null \
        "$build/vexaroo" >/dev/null 2>&1 &
    pid=$!
    helpers+=("$pid")
    echo "the program itself: intro watched, 12 games of 4 s of fire, 60 openings of Settings"
    menu=$(window_titled "Main Menu")
    [ -n "$menu" ] || { echo "  no menu after the intro" >&2; return 1; }
    sleep 1
    echo "  after the intro    RSS $(mib_of "$(rss_kib "$pid")") MiB, peak $(status_mib "$pid" VmHWM)"
    local first=0 now game box
    for n in $(seq 12); do
        xdotool windowactivate --sync "$menu" key Return
        game=$(window_titled "Vexaroo - Press P to pause")
        xdotool windowactivate --sync "$game" keydown space sleep 4 keyup space
        # A lost life holds the game behind its box; the player answers it first.
        while box=$(xdotool search --onlyvisible --name '^Vexaroo$' 2>/dev/null | head -1) &&
            [ -n "$box" ]; do
            xdotool windowactivate --sync "$box" key Return
            sleep 0.3
        done
        wmctrl -c "Vexaroo - Press P to pause"
        window_gone "Vexaroo - Press P to pause"
        sleep 1
        now=$(rss_kib "$pid")
        [ "$n" = 1 ] && first=$now
    done
    echo "  menu after game 1  RSS $(mib_of "$first") MiB"
    echo "  menu after game 12 RSS $(mib_of "$now") MiB ($(mib_of $((now - first))) MiB more)," \
        "peak $(status_mib "$pid" VmHWM)"
    local before=$now once corner
    for n in $(seq 60); do
        # Settings' picture button, 75,193 inside the menu.
        corner=$(xwininfo -id "$menu" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x, y }')
        xdotool windowactivate --sync "$menu" mousemove $((${corner% *} + 75)) $((${corner#* } + 193)) click 1
        window_titled "Settings" >/dev/null
        wmctrl -c "Settings"
        window_gone "Settings"
        if [ "$n" = 1 ]; then
            sleep 1
            once=$(rss_kib "$pid")
        fi
    done
    sleep 1
    now=$(rss_kib "$pid")
    # The first opening loads what any screen of its kind needs (the code of its controls);
    # the others show whether each window keeps something of its own.
    echo "  Settings opened    RSS $(mib_of "$once") MiB ($(mib_of $((once - before))) MiB more" \
        "than the menu before it)"
    echo "  60 Settings later  RSS $(mib_of "$now") MiB ($(mib_of $((now - before))) MiB more" \
        "than before the first, $(mib_of $((now - once))) more than after it), peak" \
        "$(status_mib "$pid" VmHWM)"
    kill "$pid"
    cd / && rm -rf "$folder"
}

peer() {
    local need=()
    [ -x /usr/games/kspaceduel ] || need+=(kspaceduel)
    command -v dbus-daemon >/dev/null || need+=(dbus)
    if [ ${#need[@]} -gt 0 ]; then
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}"
    fi
    start_x
    echo "kspaceduel on $DISPLAY, $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
    # KDE programs want a session bus; it is not counted as the game's.
    local bus
    bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
    export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
    helpers+=("${bus##*$'\n'}")
    /usr/games/kspaceduel >/dev/null 2>&1 &
    local pid=$!
    helpers+=("$pid")
    xdotool search --sync --onlyvisible --class kspaceduel >/dev/null
    sleep 1
    xdotool key space keydown s keydown d
    sleep 3
    local cpu0 x0
    cpu0=$(cpu_seconds "$pid")
    x0=$(cpu_seconds "$xvfb_pid")
    sleep "$seconds"
    echo "  $seconds s of play"
    echo "  game CPU           $(percent "$cpu0" "$(cpu_seconds "$pid")") % of one core"
    echo "  X server CPU       $(percent "$x0" "$(cpu_seconds "$xvfb_pid")") % of one core"
    echo "  peak RSS           $(status_mib "$pid" VmHWM) MiB (at the end: heap" \
        "$(status_mib "$pid" RssAnon), file-backed $(status_mib "$pid" RssFile))"
    xdotool keyup s keyup d
}

case ${1:-} in
game)
    build=$(cd "${2:-$root/build}" && pwd)
    game "$build"
    memory "$build"
    ;;
memory) memory "${2:-$root/build}" ;;
peer) peer ;;
*)
    echo "usage: $0 game|memory BUILD_DIR | peer" >&2
    exit 2
    ;;
esac
