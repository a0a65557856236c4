#!/bin/bash
# End to end, on a private X server: start the program, light and click the Mover
# label, play a few cards with the mouse, end the game through the menu and its
# confirmation, exit with Alt+X. Screenshots go to the artifacts folder. Every variant's
# label and the clicks on each variant's cards are the widget tests' (ChooserTest,
# WholeGameTest, ScaledWindowTest): the same mouse path from there on.
set -u
source "$(dirname "$0")/xvfb-session.sh"
begin_e2e "$1" "$2" Xvfb xdotool import compare convert
start_program
[ "$WIDTH" = 607 ] || fail "window is $WIDTH wide, not 607"
BOARD_TOP=$((CLIENT_TOP + 1))                 # inside the game's border
HAND_Y=$((BOARD_TOP + 373 - 104))             # the player's hand along the bottom
HAND_REGION="$WIDTH"x97+0+$((HAND_Y - Y))

xdotool mousemove $((X + 560)) $((CLIENT_TOP + 20)); sleep 0.5
shot e2e-1-chooser.png
read -r MOVER_X MOVER_Y < <(mover_label_point)
xdotool mousemove "$MOVER_X" "$MOVER_Y"; sleep 0.5
shot e2e-2-chooser-hover.png
LABEL_REGION="71x29+$((MOVER_X - 35 - X))+$((MOVER_Y - 14 - Y))"
[ "$(region_diff "$ARTIFACTS/e2e-1-chooser.png" "$ARTIFACTS/e2e-2-chooser-hover.png" "$LABEL_REGION")" -gt 200 ] \
    || fail "the Mover label does not light up under the pointer"
start_mover
sleep 5 # gathering and dealing

# Clicks the hand's six cards left to right until three have left it; a card that may
# not be played stays put. When a whole round of clicks changes nothing, takes the table
# (left, then right to stop throwing more), at either side it may lie.
moves=0 idle=0 slot=0
for _ in $(seq 40); do
    [ $moves -ge 3 ] && break
    if changes "$HAND_REGION" 1.5 xdotool mousemove $((X + 1 + 8 + 73 * slot + 35)) $((HAND_Y + 48)) click 1; then
        moves=$((moves + 1)); idle=0
    else
        idle=$((idle + 1))
    fi
    slot=$(((slot + 1) % 6))
    if [ $idle -ge 6 ]; then
        xdotool mousemove $((X + 45)) $((BOARD_TOP + 164 + 48)) click 1 click 3
        xdotool mousemove $((X + 45)) $((BOARD_TOP + 113 + 48)) click 1
        sleep 1.5; idle=0
    fi
done
[ $moves -ge 1 ] || fail "no card left the hand in 40 clicks"
xdotool mousemove $((X + 300)) $((BOARD_TOP + 200)); sleep 0.5
shot e2e-3-game.png

# Play > End game, "Yes", and the caption names no game any more.
xdotool mousemove $((X + 22)) $((Y + 9)) click 1; sleep 0.5
xdotool key e
wait_for_window "Confirm" 5 >/dev/null || fail "End game asked nothing"
sleep 0.3
shot e2e-4-confirm.png
xdotool key y
for _ in $(seq 50); do
    [ "$(xdotool getwindowname "$WID")" = "Christmas Zelmo" ] && break
    sleep 0.1
done
[ "$(xdotool getwindowname "$WID")" = "Christmas Zelmo" ] || fail "the game did not end"
wait_gone Confirm "the confirmation box stayed"
shot e2e-5-ended.png

# Alt+X: nothing to confirm, the program ends.
xdotool mousemove $((X + 300)) $((CLIENT_TOP + 200))
exit_program
echo "PASS"
