#!/bin/bash
# Start-up and idle cost of the program, against a bare Qt main window measured the same
# way, on a private X server: time from launch to the visible main window, resident
# memory once started, and CPU time and thread wake-ups over 10 s of waiting (the
# program with a game waiting for the player's card).
# Last, the program kept full screen with "Fit to window" (run it with
# XVFB_SCREEN=3840x2160x24 for the 4K figures).
# Usage: bench/startup.sh [PROGRAM]   (default: build/christmas-zelmo)
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
PROGRAM=${1:-$ROOT/build/christmas-zelmo}
RUNS=5
IDLE_SECONDS=10
source "$ROOT/tests/e2e/xvfb-session.sh"
require_tools Xvfb xdotool c++ pkg-config
[ -x "$PROGRAM" ] || { echo "no program at $PROGRAM; build it first"; exit 1; }

WORK=$(mktemp -d)
PID=
cleanup() {
    [ -n "$PID" ] && kill "$PID" 2>/dev/null
    stop_xvfb
    rm -rf "$WORK"
}
trap cleanup EXIT

BARE=$WORK/bare-window
# shellcheck disable=SC2046
c++ -O2 -std=c++20 -fPIC "$ROOT/bench/bare_window.cpp" -o "$BARE" $(pkg-config --cflags --libs Qt6Widgets) \
    || { echo "cannot build the bare window"; exit 1; }

start_xvfb
export XDG_CONFIG_HOME="$WORK/config"
unset QT_QPA_PLATFORMTHEME

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Starts $1 and waits for its visible window titled $2; prints the milliseconds taken.
launch() {
    local start
    start=$(now_ms)
    "$1" >/dev/null 2>&1 &
    PID=$!
    until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do sleep 0.005; done
    echo $(($(now_ms) - start))
}

finish() {
    kill "$PID" 2>/dev/null
    wait "$PID" 2>/dev/null
    PID=
}

rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$PID/status"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$PID/stat"; }
# Voluntary and involuntary context switches summed over every thread.
switches() { cat /proc/"$PID"/task/*/status | awk '/ctxt_switches/ {n += $2} END {print n}'; }
threads() { ls "/proc/$PID/task" | wc -l; }

median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

# Measures one program: $1 the line's label, $2 the program, $3 its window title, $4 run
# once the window shows (e.g. start a game) before memory and the idle cost are taken.
measure() {
    local label=$1 program=$2 title=$3 prepare=$4 times=() cpu0 sw0 cpu1 sw1 rss
    for _ in $(seq $RUNS); do
        times+=("$(launch "$program" "$title")")
        finish
    done
    launch "$program" "$title" >/dev/null
    sleep 1
    $prepare
    rss=$(rss_kb)
    cpu0=$(cpu_ticks); sw0=$(switches)
    sleep $IDLE_SECONDS
    cpu1=$(cpu_ticks); sw1=$(switches)
    printf '%-22s start %5s ms (median of %d)  RSS %6s KiB  threads %2s  idle %ss: CPU %4s ms, wake-ups %s\n' \
        "$label" "$(printf '%s\n' "${times[@]}" | median)" $RUNS "$rss" "$(threads)" $IDLE_SECONDS \
        $(((cpu1 - cpu0) * 1000 / $(getconf CLK_TCK))) $((sw1 - sw0))
    finish
}

# Clicks the Mover label and lets the deal finish: the game then waits for the player
# (or for the player's answer to the computer's first card).
start_mover() {
    local id
    id=$(xdotool search --onlyvisible --name "^Christmas Zelmo\$" | head -n1)
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove $((X + 1 + 163 + 35)) $((Y + HEIGHT - 19 - 375 + 1 + 281 + 14)) click 1
    sleep 8
    xdotool search --onlyvisible --name "^Christmas Zelmo - Mover\$" >/dev/null || echo "(no game started)"
    # Park the pointer outside the window, as a player reading the table might.
    xdotool mousemove 900 700
}
idle() { xdotool mousemove 900 700; }

echo "display $DISPLAY, $(nproc) cores, $RUNS launches each"
measure "bare Qt window" "$BARE" "Bare Window" idle
measure "program, chooser" "$PROGRAM" "Christmas Zelmo" idle
measure "program, game waiting" "$PROGRAM" "Christmas Zelmo" start_mover
mkdir -p "$XDG_CONFIG_HOME"
printf '[General]\nZoom=0\nWindowLeft=0\nWindowTop=0\nWindowWidth=800\nWindowHeight=600\nWindowState=2\n' \
    >"$XDG_CONFIG_HOME/Christmas Zelmo.conf"
measure "program, fit, full" "$PROGRAM" "Christmas Zelmo" idle
