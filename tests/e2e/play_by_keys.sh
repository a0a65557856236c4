#!/bin/bash
# End to end, on a private X server, without the mouse: start Mover from the Play menu
# by keys, show the focus ring with the first arrow, play cards with Enter (Right moving
# on when the rules refuse a card, Escape when throwing more is all that is left), and
# exit with Alt+X. Screenshots go to the artifacts folder.
# Usage: play_by_keys.sh PROGRAM ARTIFACTS_DIR
set -u
HERE=$(dirname "$0")
source "$HERE/xvfb-session.sh"
begin_e2e "$1" "$2" Xvfb xdotool import convert compare
launch_program

WID=$(wait_for_window "Christmas Zelmo" 40) || fail "no main window"
eval "$(xdotool getwindowgeometry --shell "$WID")"
HAND_TOP=$((HEIGHT - 19 - 104 - 1)) # the player's hand, in window pixels
HAND_REGION="${WIDTH}x101+0+$((HAND_TOP - 4))"
shot() { import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$1"; }
# Pixels that differ between two pictures inside a region WxH+X+Y of the window.
region_diff() {
    convert "$1" -crop "$3" +repage "$WORK/a.png"
    convert "$2" -crop "$3" +repage "$WORK/b.png"
    compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1 | cut -d' ' -f1
}
key() { xdotool key "$@"; }

# The pointer stays away from the board: the status line then shows only what keys show.
xdotool mousemove $((X + WIDTH - 5)) $((Y + 5))
xdotool windowfocus "$WID" 2>/dev/null; sleep 0.5
key alt+p; sleep 0.5; key m
wait_for_window "Christmas Zelmo - Mover" 5 >/dev/null || fail "Alt+P, M did not start Mover"
sleep 5 # gathering and dealing

# Waits for the player's turn: the board stops changing.
settle() {
    shot "$WORK/s1.png"
    for _ in $(seq 20); do
        sleep 0.7
        shot "$WORK/s2.png"
        [ "$(region_diff "$WORK/s1.png" "$WORK/s2.png" "${WIDTH}x$((HEIGHT - 80))+0+60")" -eq 0 ] && return
        mv "$WORK/s2.png" "$WORK/s1.png"
    done
}
settle
shot "$ARTIFACTS/keys-1-no-ring.png"
key Right; sleep 0.7
shot "$ARTIFACTS/keys-2-ring.png"
# The ring round a hand card, and the card's name on the status line.
[ "$(region_diff "$ARTIFACTS/keys-1-no-ring.png" "$ARTIFACTS/keys-2-ring.png" "$HAND_REGION")" -gt 300 ] \
    || fail "the first arrow shows no focus ring on the hand"
[ "$(region_diff "$ARTIFACTS/keys-1-no-ring.png" "$ARTIFACTS/keys-2-ring.png" "${WIDTH}x19+0+$((HEIGHT - 19))")" -gt 0 ] \
    || fail "the status line does not name the focused card"

moves=0
idle=0
for _ in $(seq 60); do
    [ $moves -ge 4 ] && break
    settle
    shot "$WORK/before.png"
    key Return; sleep 1.5
    settle
    shot "$WORK/after.png"
    if [ "$(region_diff "$WORK/before.png" "$WORK/after.png" "$HAND_REGION")" -gt 0 ]; then
        moves=$((moves + 1)); idle=0
        echo "move $moves"
    else
        # Refused: the focus is on a card that may not go; after a round, stop throwing.
        idle=$((idle + 1))
        key Right; sleep 0.3
        [ $((idle % 7)) -eq 0 ] && { key Escape; sleep 1.5; }
    fi
done
shot "$ARTIFACTS/keys-3-played.png"
[ $moves -ge 3 ] || fail "only $moves moves by keys changed the hand"
echo "moves made by keys: $moves"

# Alt+X: the running game is ended after the question, answered by keys too.
key alt+x
wait_for_window "Confirm" 5 >/dev/null || fail "Alt+X asked nothing"
sleep 0.3; xdotool key y
for _ in $(seq 100); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$APP_PID" 2>/dev/null && fail "Alt+X did not end the program"
wait "$APP_PID"; status=$?; APP_PID=
[ $status -eq 0 ] || fail "the program exited with $status"
echo "PASS"
