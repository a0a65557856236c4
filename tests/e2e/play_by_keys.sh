#!/bin/bash
# End to end, on a private X server, without the mouse: start Mover from the Play menu
# by keys, show the focus ring with the first arrow, play cards with Enter (Right moving
# on when the rules refuse a card, Escape when throwing more is all that is left), and
# exit with Alt+X. Screenshots go to the artifacts folder.
set -u
source "$(dirname "$0")/xvfb-session.sh"
begin_e2e "$1" "$2" Xvfb xdotool import convert compare
start_program
HAND_TOP=$((HEIGHT - 19 - 104 - 1)) # the player's hand, in window pixels
HAND_REGION="${WIDTH}x101+0+$((HAND_TOP - 4))"
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
shot keys-1-no-ring.png
key Right; sleep 0.7
shot keys-2-ring.png
# The ring round a hand card, and the card's name on the status line.
[ "$(region_diff "$ARTIFACTS/keys-1-no-ring.png" "$ARTIFACTS/keys-2-ring.png" "$HAND_REGION")" -gt 300 ] \
    || fail "the first arrow shows no focus ring on the hand"
[ "$(region_diff "$ARTIFACTS/keys-1-no-ring.png" "$ARTIFACTS/keys-2-ring.png" "${WIDTH}x19+0+$((HEIGHT - 19))")" -gt 0 ] \
    || fail "the status line does not name the focused card"

play_by_enter() { key Return; sleep 1.5; settle; }
moves=0
idle=0
for _ in $(seq 60); do
    [ $moves -ge 4 ] && break
    settle
    if changes "$HAND_REGION" 0 play_by_enter; then
        moves=$((moves + 1)); idle=0
    else
        # Refused: the focus is on a card that may not go; after a round, stop throwing.
        idle=$((idle + 1))
        key Right; sleep 0.3
        [ $((idle % 7)) -eq 0 ] && { key Escape; sleep 1.5; }
    fi
done
shot keys-3-played.png
[ $moves -ge 3 ] || fail "only $moves moves by keys changed the hand"

# Alt+X: the running game is ended after the question, answered by keys too.
exit_program confirm
echo "PASS"
