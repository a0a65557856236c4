#!/bin/bash
# End to end, on a private X server: start the program, light and click the Mover
# label, play a few cards with the mouse, end the game through the menu and its
# confirmation, do the same with Heap and with Round's circle, exit with Alt+X.
# Screenshots go to the artifacts folder.
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
read -r MOVER_X MOVER_Y < <(label_point Mover)
xdotool mousemove "$MOVER_X" "$MOVER_Y"; sleep 0.5
shot e2e-2-chooser-hover.png
LABEL_REGION="71x29+$((MOVER_X - 35 - X))+$((MOVER_Y - 14 - Y))"
[ "$(region_diff "$ARTIFACTS/e2e-1-chooser.png" "$ARTIFACTS/e2e-2-chooser-hover.png" "$LABEL_REGION")" -gt 200 ] \
    || fail "the Mover label does not light up under the pointer"
start_game Mover
sleep 5 # gathering and dealing

# Clicks the hand's cards left to right until three have left it; a card that may not be
# played stays put. When a whole round of clicks changes nothing, runs the command
# given (take the table, stop throwing more). Usage: play_cards SLOTS COMMAND...
play_cards() {
    local slots=$1; shift
    local moves=0 idle=0 slot=0
    for _ in $(seq 40); do
        [ $moves -ge 3 ] && break
        if changes "$HAND_REGION" 1.5 xdotool mousemove $((X + 1 + 8 + 73 * slot + 35)) $((HAND_Y + 48)) click 1; then
            moves=$((moves + 1)); idle=0
        else
            idle=$((idle + 1))
        fi
        slot=$(((slot + 1) % slots))
        if [ $idle -ge "$slots" ]; then
            "$@"; sleep 1.5; idle=0
        fi
    done
    [ $moves -ge 1 ] || fail "no card left the hand in 40 clicks"
}
# Play > End game, "Yes" (the question pictured as $2 when given), and the caption
# names no game any more.
end_game() {
    xdotool mousemove $((X + 22)) $((Y + 9)) click 1; sleep 0.5
    xdotool key e
    wait_for_window "Confirm" 5 >/dev/null || fail "End game asked nothing in $1"
    sleep 0.3
    [ -z "${2-}" ] || shot "$2"
    xdotool key y
    for _ in $(seq 50); do
        [ "$(xdotool getwindowname "$WID")" = "Christmas Zelmo" ] && break
        sleep 0.1
    done
    [ "$(xdotool getwindowname "$WID")" = "Christmas Zelmo" ] || fail "$1 did not end"
    wait_gone Confirm "the confirmation box stayed"
}

mover_unstick() {
    xdotool mousemove $((X + 45)) $((BOARD_TOP + 164 + 48)) click 1 click 3
    xdotool mousemove $((X + 45)) $((BOARD_TOP + 113 + 48)) click 1
}
play_cards 6 mover_unstick
xdotool mousemove $((X + 300)) $((BOARD_TOP + 200)); sleep 0.5
shot e2e-3-game.png
end_game Mover e2e-4-confirm.png
shot e2e-5-ended.png

# Heap from its label: play a few cards, taking from the heap when nothing beats.
start_game Heap
sleep 5 # gathering and dealing
heap_take() { xdotool mousemove $((X + 1 + 100 + 35)) $((BOARD_TOP + 373 / 2)) click 1; }
play_cards 5 heap_take
xdotool mousemove $((X + 300)) $((BOARD_TOP + 200)); sleep 0.5
shot e2e-6-heap.png
end_game Heap

# Round from its label: press the circle's places in turn until the hand has grown
# twice. A press on a card the deck's top card cannot beat is asked again; with one
# card or none to capture, any press captures it or passes. Once a pass has spread the
# ring over more than nine cards, or neighbours cover what may be captured, none of the
# nine places need lie on a capturable card, and the turn waits for ever; so a whole
# round of presses that changes nothing is followed by Enter twice (the first shows the
# focus ring, which starts on a capturable card; the second captures it).
start_game Round
sleep 5 # gathering and dealing the circle
# The ring's nine places (Layout A on the 605 x 373 board), as screen points.
mapfile -t PLACES < <(awk -v x0=$((X + 1)) -v y0="$BOARD_TOP" 'BEGIN {
    for (k = 0; k < 9; k++) {
        a = (90 + 40 * k) * atan2(0, -1) / 180
        printf "%d %d\n", x0 + 349 + cos(a) * 212, y0 + 186 + sin(a) * 127
    }
}')
# The hand keeps to the left while its cards lie 2 pixels apart; the ring's lower cards
# reach into the band further right.
grown=0 idle=0
for i in $(seq 40); do
    [ $grown -ge 2 ] && break
    if changes "170x97+0+$((HAND_Y - Y))" 1.5 xdotool mousemove ${PLACES[$((i % 9))]} click 1; then
        grown=$((grown + 1)); idle=0
    elif [ $((++idle)) -ge 9 ]; then
        changes "170x97+0+$((HAND_Y - Y))" 1.5 xdotool windowfocus "$WID" key Return sleep 0.3 key Return && grown=$((grown + 1))
        idle=0
    fi
done
[ $grown -ge 2 ] || fail "the hand did not grow from the circle in 40 presses"
xdotool mousemove $((X + 300)) $((BOARD_TOP + 10)); sleep 0.5
shot e2e-7-round.png
end_game Round

# Alt+X: nothing to confirm, the program ends.
xdotool mousemove $((X + 300)) $((CLIENT_TOP + 200))
exit_program
echo "PASS"
