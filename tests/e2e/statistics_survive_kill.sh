#!/bin/bash
# End to end, on a private X server: the player makes a move in Heap, lets autoplay
# finish the game, and the program is killed the moment the game-over box shows. The
# result must already be in the store; the next run shows it in the Statistics dialog.
set -u
source "$(dirname "$0")/xvfb-session.sh"
begin_e2e "$1" "$2" Xvfb xdotool import compare convert
STORE="$XDG_CONFIG_HOME/Christmas Zelmo.conf"
# Quick cards, so autoplay finishes the game in seconds.
printf '[General]\nAnimateTime=10\n' >"$STORE"
# Won, lost and drawn Heap games in the store.
heap_results() { awk -F= '/^Heap\\(Won|Lost|Drawn)=/ { n += $2 } END { print n + 0 }' "$STORE"; }

start_program
start_game Heap
sleep 3 # gathering and dealing
BOARD_TOP=$((CLIENT_TOP + 1))
HAND_Y=$((BOARD_TOP + 373 - 104))

# One move of the player's own: the hand's cards left to right until one leaves the
# hand, taking from the heap after a round of refused cards.
moved=0
for i in $(seq 20); do
    if changes "${WIDTH}x97+0+$((HAND_Y - Y))" 1 \
        xdotool mousemove $((X + 1 + 8 + 73 * ((i - 1) % 5) + 35)) $((HAND_Y + 48)) click 1; then
        moved=1; break
    fi
    [ $((i % 5)) -eq 0 ] && xdotool mousemove $((X + 1 + 100 + 35)) $((BOARD_TOP + 373 / 2)) click 1
done
[ $moved -eq 1 ] || fail "no move of the player's in 20 clicks"

xdotool mousemove $((X + 300)) $((CLIENT_TOP + 200))
xdotool windowfocus "$WID" 2>/dev/null
xdotool key a # Autoplay
wait_for_window "Game over" 120 >/dev/null || fail "the game did not end under autoplay"
kill -9 "$APP_PID"; wait "$APP_PID" 2>/dev/null; APP_PID=
[ "$(heap_results)" = 1 ] || { cat "$STORE"; fail "the result was not in the store when the program was killed"; }

# The next run shows it.
start_program
xdotool mousemove $((X + 66)) $((Y + 9)) click 1; sleep 0.5
xdotool key s
DIALOG=$(wait_for_window "Statistics" 5) || fail "Statistics did not open"
sleep 0.5
shot_window "$DIALOG" e2e-statistics.png
xdotool key alt+c
sleep 0.5
exit_program
[ "$(heap_results)" = 1 ] || { cat "$STORE"; fail "the second run lost the result"; }
echo "PASS"
