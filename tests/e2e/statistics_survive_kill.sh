#!/bin/bash
# End to end, on a private X server: the player makes a move in Heap, lets autoplay
# finish the game, and the program is killed the moment the game-over box shows. The
# result must already be in the store; the next run shows it in the Statistics dialog.
# Usage: statistics_survive_kill.sh PROGRAM ARTIFACTS_DIR
set -u
HERE=$(dirname "$0")
source "$HERE/xvfb-session.sh"
begin_e2e "$1" "$2" Xvfb xdotool import compare convert
STORE="$XDG_CONFIG_HOME/Christmas Zelmo.conf"
# Quick cards, so autoplay finishes the game in seconds.
printf '[General]\nAnimateTime=10\n' >"$STORE"

start_program() {
    launch_program
    WID=$(wait_for_window "Christmas Zelmo" 40) || fail "no main window"
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    sleep 0.5
}
# Won, lost and drawn Heap games in the store.
heap_results() { awk -F= '/^Heap\\(Won|Lost|Drawn)=/ { n += $2 } END { print n + 0 }' "$STORE"; }
shot() { import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$1"; }
hand_diff() {
    convert "$1" -crop "${WIDTH}x97+0+$((HAND_Y - Y))" +repage "$WORK/a.png"
    convert "$2" -crop "${WIDTH}x97+0+$((HAND_Y - Y))" +repage "$WORK/b.png"
    compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1 | cut -d' ' -f1
}

start_program
CLIENT_TOP=$((Y + HEIGHT - 19 - 375))
BOARD_TOP=$((CLIENT_TOP + 1))
HAND_Y=$((BOARD_TOP + 373 - 104))
xdotool mousemove $((X + 1 + 298 + 35)) $((CLIENT_TOP + 1 + 336 + 16)); sleep 0.3; xdotool click 1
wait_for_window "Christmas Zelmo - Heap" 5 >/dev/null || fail "clicking HEAP did not start Heap"
sleep 3 # gathering and dealing

# One move of the player's own: the hand's cards left to right until one leaves the
# hand, taking from the heap after a round of refused cards.
moved=0
for i in $(seq 20); do
    shot "$WORK/before.png"
    xdotool mousemove $((X + 1 + 8 + 73 * ((i - 1) % 5) + 35)) $((HAND_Y + 48)) click 1
    sleep 1
    shot "$WORK/after.png"
    if [ "$(hand_diff "$WORK/before.png" "$WORK/after.png")" -gt 0 ]; then moved=1; break; fi
    [ $((i % 5)) -eq 0 ] && xdotool mousemove $((X + 1 + 100 + 35)) $((BOARD_TOP + 373 / 2)) click 1
done
[ $moved -eq 1 ] || fail "no move of the player's in 20 clicks"

xdotool mousemove $((X + 300)) $((CLIENT_TOP + 200))
xdotool windowfocus "$WID" 2>/dev/null
xdotool key a # Autoplay
wait_for_window "Game over" 120 >/dev/null || fail "the game did not end under autoplay"
kill -9 "$APP_PID"; wait "$APP_PID" 2>/dev/null; APP_PID=

counted=$(heap_results)
[ "${counted:-0}" = 1 ] || { cat "$STORE"; fail "the result was not in the store when the program was killed"; }

# The next run shows it.
start_program
xdotool mousemove $((X + 66)) $((Y + 9)) click 1; sleep 0.5
xdotool key s
DIALOG=$(wait_for_window "Statistics" 5) || fail "Statistics did not open"
eval "$(xdotool getwindowgeometry --shell "$DIALOG" | sed 's/^/D_/')"
sleep 0.5
import -window root -crop "${D_WIDTH}x${D_HEIGHT}+${D_X}+${D_Y}" "$ARTIFACTS/e2e-statistics.png"
xdotool key alt+c
sleep 0.5
xdotool windowfocus "$WID" 2>/dev/null
xdotool key alt+x
for _ in $(seq 100); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$APP_PID" 2>/dev/null && fail "Alt+X did not end the program"
wait "$APP_PID"; status=$?; APP_PID=
[ $status -eq 0 ] || fail "the program exited with $status"
counted=$(heap_results)
[ "${counted:-0}" = 1 ] || { cat "$STORE"; fail "the second run lost the result"; }
echo "PASS"
