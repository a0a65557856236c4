#!/bin/bash
# End to end, on a private X server: start the program, light and click the Mover
# label, play a few cards with the mouse, end the game through the menu and its
# confirmation, do the same with Heap and with Round's circle, exit with Alt+X.
# Screenshots go to the artifacts folder.
# Usage: play_and_exit.sh PROGRAM ARTIFACTS_DIR
set -u
HERE=$(dirname "$0")
source "$HERE/xvfb-session.sh"
begin_e2e "$1" "$2" Xvfb xdotool import compare convert
launch_program

WID=$(wait_for_window "Christmas Zelmo" 40) || fail "no main window"
eval "$(xdotool getwindowgeometry --shell "$WID")"
[ "$WIDTH" = 607 ] || fail "window is $WIDTH wide, not 607"
# The window's parts, in screen pixels: the client area below menu bar and toolbar.
CLIENT_TOP=$((Y + HEIGHT - 19 - 375))
BOARD_TOP=$((CLIENT_TOP + 1))                 # inside the game's border
HAND_Y=$((BOARD_TOP + 373 - 104))             # the player's hand along the bottom
MOVER_X=$((X + 1 + 163 + 35)); MOVER_Y=$((CLIENT_TOP + 1 + 281 + 14))

# A picture of the window; a bare name lands in the artifacts folder.
shot() {
    local to=$1
    [[ $to == */* ]] || to="$ARTIFACTS/$to"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$to"
}
# Pixels that differ between two pictures inside a region WxH+X+Y of the window.
region_diff() {
    convert "$1" -crop "$3" +repage "$WORK/a.png"
    convert "$2" -crop "$3" +repage "$WORK/b.png"
    compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1 | cut -d' ' -f1
}

xdotool mousemove $((X + 560)) $((CLIENT_TOP + 20)); sleep 0.5
shot e2e-1-chooser.png
xdotool mousemove "$MOVER_X" "$MOVER_Y"; sleep 0.5
shot e2e-2-chooser-hover.png
LABEL_REGION="71x29+$((MOVER_X - 35 - X))+$((MOVER_Y - 14 - Y))"
[ "$(region_diff "$ARTIFACTS/e2e-1-chooser.png" "$ARTIFACTS/e2e-2-chooser-hover.png" "$LABEL_REGION")" -gt 200 ] \
    || fail "the Mover label does not light up under the pointer"

xdotool click 1
wait_for_window "Christmas Zelmo - Mover" 5 >/dev/null || fail "clicking MOVER did not start Mover"
sleep 5 # gathering and dealing

# Clicks the hand's cards left to right until three have left it; a card that may not be
# played stays put. When a whole round of clicks changes nothing, runs the command
# given (take the table, stop throwing more). Usage: play_cards SLOTS COMMAND...
HAND_REGION="$WIDTH"x97+0+$((HAND_Y - Y))
play_cards() {
    local slots=$1; shift
    local moves=0 idle=0 slot=0
    for _ in $(seq 40); do
        [ $moves -ge 3 ] && break
        shot "$WORK/before.png"
        xdotool mousemove $((X + 1 + 8 + 73 * slot + 35)) $((HAND_Y + 48)) click 1
        sleep 1.5
        shot "$WORK/after.png"
        if [ "$(region_diff "$WORK/before.png" "$WORK/after.png" "$HAND_REGION")" -gt 0 ]; then
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
    echo "cards played from the hand: $moves"
}
mover_unstick() {
    xdotool mousemove $((X + 45)) $((BOARD_TOP + 164 + 48)) click 1 click 3
    xdotool mousemove $((X + 45)) $((BOARD_TOP + 113 + 48)) click 1
}
play_cards 6 mover_unstick
xdotool mousemove $((X + 300)) $((BOARD_TOP + 200)); sleep 0.5
shot e2e-3-game.png

# Play > End game, then "&Yes".
xdotool mousemove $((X + 22)) $((Y + 9)) click 1; sleep 0.5
xdotool key e
CONFIRM=$(wait_for_window "Confirm" 5) || fail "End game asked nothing"
sleep 0.3
shot e2e-4-confirm.png
xdotool key y
for _ in $(seq 50); do
    [ "$(xdotool getwindowname "$WID")" = "Christmas Zelmo" ] && break
    sleep 0.1
done
[ "$(xdotool getwindowname "$WID")" = "Christmas Zelmo" ] || fail "the caption still names the game"
xdotool search --onlyvisible --name "^Confirm\$" >/dev/null 2>&1 && fail "the confirmation box stayed"
shot e2e-5-ended.png

# Play > End game, "&Yes", and the caption names no game any more.
end_game() {
    xdotool mousemove $((X + 22)) $((Y + 9)) click 1; sleep 0.5
    xdotool key e
    wait_for_window "Confirm" 5 >/dev/null || fail "End game asked nothing in $1"
    sleep 0.3; xdotool key y
    for _ in $(seq 50); do
        [ "$(xdotool getwindowname "$WID")" = "Christmas Zelmo" ] && break
        sleep 0.1
    done
    [ "$(xdotool getwindowname "$WID")" = "Christmas Zelmo" ] || fail "$1 did not end"
}

# Heap from its label: play a few cards, taking from the heap when nothing beats.
HEAP_X=$((X + 1 + 298 + 35)); HEAP_Y=$((CLIENT_TOP + 1 + 336 + 16))
xdotool mousemove "$HEAP_X" "$HEAP_Y"; sleep 0.3; xdotool click 1
wait_for_window "Christmas Zelmo - Heap" 5 >/dev/null || fail "clicking HEAP did not start Heap"
sleep 5 # gathering and dealing
heap_take() { xdotool mousemove $((X + 1 + 100 + 35)) $((BOARD_TOP + 373 / 2 - 48 + 48)) click 1; }
play_cards 5 heap_take
xdotool mousemove $((X + 300)) $((BOARD_TOP + 200)); sleep 0.5
shot e2e-6-heap.png
end_game Heap

# Round from its label: press the circle's places in turn until the hand has grown
# twice. A press on a card the deck's top card cannot beat is asked again; with one
# card or none to capture, any press captures it or passes.
ROUND_X=$((X + 1 + 397 + 35)); ROUND_Y=$((CLIENT_TOP + 1 + 259 + 16))
xdotool mousemove "$ROUND_X" "$ROUND_Y"; sleep 0.3; xdotool click 1
wait_for_window "Christmas Zelmo - Round" 5 >/dev/null || fail "clicking ROUND did not start Round"
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
ROUND_HAND_REGION=170x97+0+$((HAND_Y - Y))
grown=0
for i in $(seq 40); do
    [ $grown -ge 2 ] && break
    shot "$WORK/before.png"
    xdotool mousemove ${PLACES[$((i % 9))]} click 1
    sleep 1.5
    shot "$WORK/after.png"
    [ "$(region_diff "$WORK/before.png" "$WORK/after.png" "$ROUND_HAND_REGION")" -gt 0 ] && grown=$((grown + 1))
done
[ $grown -ge 2 ] || fail "the hand did not grow from the circle in 40 presses"
echo "captures seen in the hand: $grown"
xdotool mousemove $((X + 300)) $((BOARD_TOP + 10)); sleep 0.5
shot e2e-7-round.png
end_game Round

# Alt+X: nothing to confirm, the program ends.
xdotool mousemove $((X + 300)) $((CLIENT_TOP + 200))
xdotool windowfocus "$WID" 2>/dev/null
xdotool key alt+x
for _ in $(seq 100); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$APP_PID" 2>/dev/null && fail "Alt+X did not end the program"
wait "$APP_PID"; status=$?; APP_PID=
[ $status -eq 0 ] || fail "the program exited with $status"
echo "PASS"
