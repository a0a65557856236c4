#!/bin/bash
# End to end, on a private X server: the first run changes the preferences through the
# dialog (toolbar off, another card back, a solid background), plays with them and
# exits; the second run starts with them.
set -u
source "$(dirname "$0")/xvfb-session.sh"
begin_e2e "$1" "$2" Xvfb xdotool import compare convert
STORE="$XDG_CONFIG_HOME/Christmas Zelmo.conf"
stored() { grep -q "^$1\$" "$STORE" || { cat "$STORE"; fail "$2"; }; }

# First run: nothing stored yet.
start_program
shot "$WORK/first.png"
xdotool mousemove $((X + 66)) $((Y + 9)) click 1; sleep 0.5
xdotool key p
DIALOG=$(wait_for_window "Zelmo Preferences" 5) || fail "Preferences did not open"
geometry "$DIALOG" D_
sleep 0.5
shot_window "$DIALOG" e2e-prefs-general.png
xdotool mousemove $((D_X + 33)) $((D_Y + 101)) click 1    # "Show toolbar" off
xdotool mousemove $((D_X + 105)) $((D_Y + 20)) click 1    # the Backs page
sleep 0.3
xdotool mousemove $((D_X + 40)) $((D_Y + 82)) click 1     # "Cone"
sleep 0.3
shot_window "$DIALOG" e2e-prefs-backs.png
xdotool mousemove $((D_X + 190)) $((D_Y + 20)) click 1    # the Backgrounds page
sleep 0.3
xdotool mousemove $((D_X + 75)) $((D_Y + 51)) click 1     # into the tree,
xdotool key Home                                           # up to "Solid color"
sleep 0.3
shot_window "$DIALOG" e2e-prefs-backgrounds.png
xdotool key alt+o
wait_gone "Zelmo Preferences" "OK did not close the dialog"
# A game with the new look, from the Mover label, which moved up with the toolbar gone
# while the window kept its height.
start_game Mover 32
sleep 5
shot e2e-prefs-game-after-ok.png
exit_program confirm
stored ShowToolbar=0 "the toolbar setting was not stored"
stored CardBack=2 "the card back was not stored"
stored BackType=0 "the solid background was not stored"

# Second run: starts without its toolbar (the band under the menu bar changed).
start_program
shot e2e-prefs-second-run.png
[ "$(region_diff "$WORK/first.png" "$ARTIFACTS/e2e-prefs-second-run.png" "200x30+0+24")" -gt 300 ] \
    || fail "the second run still shows its toolbar"
exit_program
stored CardBack=2 "the second run lost the card back"
echo "PASS"
