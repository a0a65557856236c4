#!/bin/bash
# End to end, on a private X server: the Mover label lights under the pointer, Help >
# Contents opens the help, F1 in a game turns it to the rules, OK closes Help > About; a
# few cards are played by mouse, the game ended through the menu, the program with Alt+X.
# A stored table size of 150 or 200 % starts the program and its game that much larger.
# Every variant's labels and cards are the widget tests' (GameCommandsTest and
# FittedWindowTest), on the same mouse path.
set -u
XVFB_SCREEN=1600x1200x24 # room for the window at 200 %
source "$(dirname "$0")/xvfb-session.sh"
begin_e2e "$@"
start_program
[ "$WIDTH" = 607 ] || fail "window is $WIDTH wide, not 607"
BOARD_TOP=$((CLIENT_TOP + 1))                 # inside the game's border
HAND_TOP=$((373 - 104))                       # the player's hand along the bottom
HAND_REGION="$WIDTH"x97+0+$((BOARD_TOP + HAND_TOP - Y))
at() { echo $((X + 1 + $1)) $((BOARD_TOP + $2)); }

xdotool mousemove $((X + 560)) $((CLIENT_TOP + 20)); sleep 0.5
read -r MOVER_X MOVER_Y < <(mover_label_point)
changes "71x29+$((MOVER_X - 35 - X))+$((MOVER_Y - 14 - Y))" 200 0.5 xdotool mousemove \
    "$MOVER_X" "$MOVER_Y" || fail "the Mover label does not light up under the pointer"
shot e2e-chooser-hover.png

# Which of two windows lies on top: with no window manager to ask, xwininfo's first.
topmost() {
    xwininfo -root -children | grep -oE "^ +($(printf '0x%x|0x%x' "$1" "$2")) " | head -n1 | tr -d ' '
}
# Help > Contents, the menu's first item while Rules is off ("c" would also reach the
# home-page item).
xdotool windowfocus "$WID"
xdotool key alt+h; sleep 0.3
xdotool key Return
HELP=$(wait_for_window "Christmas Zelmo Help" 10) || fail "Contents opened no help window"
sleep 0.5
shot_window "$HELP" e2e-help-contents.png
geometry "$HELP" H_
[ "$H_WIDTH" -ge 600 ] || fail "the help window is only $H_WIDTH wide"

# Without a window manager the help window opened over the main window's corner.
xdotool windowraise "$WID"; sleep 0.3
start_mover Mover; sleep 1
xdotool windowfocus "$WID"; sleep 0.3
[ "$(topmost "$WID" "$HELP")" = "$(printf '0x%x' "$WID")" ] || fail "the game is not on top"
xdotool key F1; sleep 1
[ "$(topmost "$WID" "$HELP")" = "$(printf '0x%x' "$HELP")" ] \
    || fail "F1 did not bring the help window to the front"
shot_window "$HELP" e2e-help-rules.png
# The page area, right of the contents list.
differ "$ARTIFACTS/e2e-help-contents.png" "$ARTIFACTS/e2e-help-rules.png" \
    "$((H_WIDTH - 260))x$((H_HEIGHT - 60))+240+40" 1000 || fail "F1 left the help on the same page"

# Help > About, closed with OK (the default button).
xdotool windowfocus "$WID"; sleep 0.3
xdotool key alt+h; sleep 0.3; xdotool key a
ABOUT=$(wait_for_window "About" 5) || fail "About showed no about box"
sleep 0.5
shot_window "$ABOUT" e2e-about.png
geometry "$ABOUT" A_
[ "$A_WIDTH" = 516 ] && [ "$A_HEIGHT" = 309 ] || fail "the about box is ${A_WIDTH}x${A_HEIGHT}, not 516x309"
xdotool key Return
wait_gone About "OK did not close the about box"

xdotool windowraise "$WID"; sleep 4 # back in front of the help; gathering and dealing

play_hand "$HAND_TOP"
[ "$MOVES" -ge 1 ] || fail "no card left the hand in 40 clicks"
xdotool mousemove $((X + 300)) $((BOARD_TOP + 200)); sleep 0.5
shot e2e-game.png

# Play > End game, "Yes", and the caption names no game any more.
xdotool mousemove $((X + 22)) $((Y + 9)) click 1; sleep 0.5
xdotool key e
wait_for_window "Confirm" 5 >/dev/null || fail "End game asked nothing"
sleep 0.3
shot e2e-confirm.png
xdotool key y
wait_until 5 caption_is "Christmas Zelmo" || fail "the game did not end"
wait_gone Confirm "the confirmation box stayed"

xdotool mousemove $((X + 300)) $((CLIENT_TOP + 200))
exit_program

for ZOOM in 150 200; do
    printf '[General]\nZoom=%s\n' "$ZOOM" >"$CONF"
    start_program
    # 607 wide, scaled; a half pixel may round up.
    [ $((WIDTH - 607 * ZOOM / 100)) -ge 0 ] && [ $((WIDTH - 607 * ZOOM / 100)) -le 1 ] \
        || fail "at $ZOOM % the window is $WIDTH wide"
    start_mover Mover; sleep 4
    shot "e2e-table-$ZOOM.png"
    exit_program confirm
    grep -q "^Zoom=$ZOOM\$" "$CONF" || fail "the table size was not kept"
done
echo "PASS"
