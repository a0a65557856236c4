#!/bin/bash
# End to end, on a private X server: Help > Contents opens the help window on its start
# page, F1 in a running Mover game turns it to the rules, and Help > About shows the
# about box, which OK closes. Screenshots go to the artifacts folder.
# Usage: help_and_about.sh PROGRAM ARTIFACTS_DIR
set -u
HERE=$(dirname "$0")
source "$HERE/xvfb-session.sh"
begin_e2e "$1" "$2" Xvfb xdotool xwininfo import compare convert
launch_program

WID=$(wait_for_window "Christmas Zelmo" 40) || fail "no main window"
eval "$(xdotool getwindowgeometry --shell "$WID")"
MAIN_X=$X; MAIN_Y=$Y; MAIN_HEIGHT=$HEIGHT
sleep 0.5

# A picture of one window; a bare name lands in the artifacts folder.
shot_window() {
    local id=$1 to=$2
    [[ $to == */* ]] || to="$ARTIFACTS/$to"
    eval "$(xdotool getwindowgeometry --shell "$id")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$to"
}
now_ms() { date +%s%3N; }
# Which of two windows lies on top (there is no window manager to ask).
topmost() {
    local a b
    a=$(printf '0x%x' "$1"); b=$(printf '0x%x' "$2")
    # xwininfo lists the top window first.
    xwininfo -root -children | grep -oE "^ +($a|$b) " | head -n1 | tr -d ' '
}
# Help > Contents, the menu's first item while Rules is off ("c" would also reach the
# home-page item).
xdotool windowfocus "$WID"
xdotool key alt+h; sleep 0.3
START=$(now_ms)
xdotool key Return
HELP=$(wait_for_window "Christmas Zelmo Help" 10) || fail "Contents opened no help window"
echo "help window shown $(($(now_ms) - START)) ms after the menu command"
sleep 0.5
shot_window "$HELP" e2e-help-contents.png
eval "$(xdotool getwindowgeometry --shell "$HELP")"
[ "$WIDTH" -ge 600 ] || fail "the help window is only $WIDTH wide"
# The page area, right of the contents list.
PAGE_REGION="$((WIDTH - 260))x$((HEIGHT - 60))+240+40"

# Mover from its label, then F1 in the game's window. Without a window manager the help
# window opened over the main window at the same corner.
xdotool windowraise "$WID"; sleep 0.3
CLIENT_TOP=$((MAIN_Y + MAIN_HEIGHT - 19 - 375))
xdotool mousemove $((MAIN_X + 1 + 163 + 35)) $((CLIENT_TOP + 1 + 281 + 14)); sleep 0.3
xdotool click 1
wait_for_window "Christmas Zelmo - Mover" 5 >/dev/null || fail "clicking MOVER did not start Mover"
sleep 1
xdotool windowfocus "$WID"; sleep 0.3
[ "$(topmost "$WID" "$HELP")" = "$(printf '0x%x' "$WID")" ] || fail "the game is not on top"
xdotool key F1; sleep 1
[ "$(topmost "$WID" "$HELP")" = "$(printf '0x%x' "$HELP")" ] \
    || fail "F1 did not bring the help window to the front"
shot_window "$HELP" e2e-help-rules.png
convert "$ARTIFACTS/e2e-help-contents.png" -crop "$PAGE_REGION" +repage "$WORK/a.png"
convert "$ARTIFACTS/e2e-help-rules.png" -crop "$PAGE_REGION" +repage "$WORK/b.png"
CHANGED=$(compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1 | cut -d' ' -f1)
[ "$CHANGED" -gt 1000 ] || fail "F1 left the help window on the same page"

# Help > About, closed with OK (the default button).
xdotool windowfocus "$WID"; sleep 0.3
xdotool key alt+h; sleep 0.3; xdotool key a
ABOUT=$(wait_for_window "About" 5) || fail "About showed no about box"
sleep 0.5
shot_window "$ABOUT" e2e-about.png
eval "$(xdotool getwindowgeometry --shell "$ABOUT")"
[ "$WIDTH" = 516 ] && [ "$HEIGHT" = 309 ] || fail "the about box is ${WIDTH}x${HEIGHT}, not 516x309"
xdotool key Return
for _ in $(seq 30); do
    xdotool search --onlyvisible --name "^About\$" >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name "^About\$" >/dev/null 2>&1 && fail "OK did not close the about box"

# Exit ends the game after the question; the help window goes with the program.
xdotool windowfocus "$WID"
xdotool key alt+x
wait_for_window "Confirm" 5 >/dev/null || fail "Exit asked nothing while Mover ran"
sleep 0.3; xdotool key y
for _ in $(seq 100); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$APP_PID" 2>/dev/null && fail "the program did not end"
wait "$APP_PID"; status=$?; APP_PID=
[ $status -eq 0 ] || fail "the program exited with $status"
echo "PASS"
