#!/bin/bash
# End to end, on a private X server: Help > Contents opens the help window on its start
# page, F1 in a running Mover game turns it to the rules, and Help > About shows the
# about box, which OK closes. Screenshots go to the artifacts folder.
set -u
source "$(dirname "$0")/xvfb-session.sh"
begin_e2e "$1" "$2" Xvfb xdotool xwininfo import compare convert
start_program

# Which of two windows lies on top (there is no window manager to ask): xwininfo lists
# the top window first.
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

# Mover from its label, then F1 in the game's window. Without a window manager the help
# window opened over the main window at the same corner.
xdotool windowraise "$WID"; sleep 0.3
start_mover
sleep 1
xdotool windowfocus "$WID"; sleep 0.3
[ "$(topmost "$WID" "$HELP")" = "$(printf '0x%x' "$WID")" ] || fail "the game is not on top"
xdotool key F1; sleep 1
[ "$(topmost "$WID" "$HELP")" = "$(printf '0x%x' "$HELP")" ] \
    || fail "F1 did not bring the help window to the front"
shot_window "$HELP" e2e-help-rules.png
# The page area, right of the contents list.
PAGE_REGION="$((H_WIDTH - 260))x$((H_HEIGHT - 60))+240+40"
[ "$(region_diff "$ARTIFACTS/e2e-help-contents.png" "$ARTIFACTS/e2e-help-rules.png" "$PAGE_REGION")" -gt 1000 ] \
    || fail "F1 left the help window on the same page"

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

# Exit ends the game after the question; the help window goes with the program.
exit_program confirm
echo "PASS"
