#!/bin/bash
# End to end, on a private X server: the first run changes the preferences through the
# dialog (toolbar off, another card back, a solid background), plays with them and
# exits; the second run starts with them.
# Usage: prefs_across_runs.sh PROGRAM ARTIFACTS_DIR
set -u
HERE=$(dirname "$0")
source "$HERE/xvfb-session.sh"
begin_e2e "$1" "$2" Xvfb xdotool import compare convert
STORE="$XDG_CONFIG_HOME/Christmas Zelmo.conf"

start_program() {
    launch_program
    WID=$(wait_for_window "Christmas Zelmo" 40) || fail "no main window"
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    sleep 0.5
}
shot() { import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$1"; }
exit_program() {
    if kill -0 "$APP_PID" 2>/dev/null; then
        xdotool windowfocus "$WID" 2>/dev/null
        xdotool key alt+x
    fi
    for _ in $(seq 100); do
        kill -0 "$APP_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$APP_PID" 2>/dev/null && fail "Alt+X did not end the program"
    wait "$APP_PID"; local status=$?; APP_PID=
    [ $status -eq 0 ] || fail "the program exited with $status"
}
# The toolbar band under the menu bar, in window pixels.
TOOLBAR_REGION="200x30+0+24"
region_diff() {
    convert "$1" -crop "$3" +repage "$WORK/a.png"
    convert "$2" -crop "$3" +repage "$WORK/b.png"
    compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1 | cut -d' ' -f1
}

# First run: nothing stored yet.
start_program
shot "$WORK/first.png"
xdotool mousemove $((X + 66)) $((Y + 9)) click 1; sleep 0.5
xdotool key p
DIALOG=$(wait_for_window "Zelmo Preferences" 5) || fail "Preferences did not open"
eval "$(xdotool getwindowgeometry --shell "$DIALOG" | sed 's/^/D_/')"
sleep 0.5
import -window root -crop "${D_WIDTH}x${D_HEIGHT}+${D_X}+${D_Y}" "$ARTIFACTS/e2e-prefs-general.png"
xdotool mousemove $((D_X + 33)) $((D_Y + 101)) click 1    # "Show toolbar" off
xdotool mousemove $((D_X + 105)) $((D_Y + 20)) click 1    # the Backs page
sleep 0.3
xdotool mousemove $((D_X + 40)) $((D_Y + 82)) click 1     # "Cone"
sleep 0.3
import -window root -crop "${D_WIDTH}x${D_HEIGHT}+${D_X}+${D_Y}" "$ARTIFACTS/e2e-prefs-backs.png"
xdotool mousemove $((D_X + 190)) $((D_Y + 20)) click 1    # the Backgrounds page
sleep 0.3
xdotool mousemove $((D_X + 75)) $((D_Y + 51)) click 1     # into the tree,
xdotool key Home                                           # up to "Solid color"
sleep 0.3
import -window root -crop "${D_WIDTH}x${D_HEIGHT}+${D_X}+${D_Y}" "$ARTIFACTS/e2e-prefs-backgrounds.png"
xdotool key alt+o
for _ in $(seq 30); do
    xdotool search --onlyvisible --name "^Zelmo Preferences\$" >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name "^Zelmo Preferences\$" >/dev/null 2>&1 && fail "OK did not close the dialog"
# A game with the new look: Mover from its label, which moved up with the toolbar gone.
xdotool mousemove $((X + 1 + 163 + 35)) $((Y + HEIGHT - 19 - 375 + 1 + 281 + 14 - 32)) click 1
wait_for_window "Christmas Zelmo - Mover" 5 >/dev/null || fail "Mover did not start"
sleep 5
shot "$ARTIFACTS/e2e-prefs-game-after-ok.png"
xdotool windowfocus "$WID" 2>/dev/null
xdotool key alt+x
wait_for_window "Confirm" 5 >/dev/null || fail "leaving the game asked nothing"
sleep 0.3; xdotool key y
sleep 0.5
exit_program
[ -f "$STORE" ] || fail "nothing was stored"
grep -q '^ShowToolbar=0$' "$STORE" || { cat "$STORE"; fail "the toolbar setting was not stored"; }
grep -q '^CardBack=2$' "$STORE" || { cat "$STORE"; fail "the card back was not stored"; }
grep -q '^BackType=0$' "$STORE" || { cat "$STORE"; fail "the solid background was not stored"; }

# Second run: starts without its toolbar.
start_program
shot "$ARTIFACTS/e2e-prefs-second-run.png"
[ "$(region_diff "$WORK/first.png" "$ARTIFACTS/e2e-prefs-second-run.png" "$TOOLBAR_REGION")" -gt 300 ] \
    || fail "the second run still shows its toolbar"
exit_program
grep -q '^CardBack=2$' "$STORE" || fail "the second run lost the card back"
echo "PASS"
