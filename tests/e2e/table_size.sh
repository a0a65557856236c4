#!/bin/bash
# End to end, on a private X server: a stored table size of 150 or 200 % starts the
# program that much larger, the chooser's labels answer clicks where they are shown,
# and a game starts and is pictured at that size.
# Usage: table_size.sh PROGRAM ARTIFACTS_DIR
set -u
HERE=$(dirname "$0")
XVFB_SCREEN=1600x1200x24
source "$HERE/xvfb-session.sh"
begin_e2e "$1" "$2" Xvfb xdotool import

for ZOOM in 150 200; do
    printf '[General]\nZoom=%s\n' "$ZOOM" >"$XDG_CONFIG_HOME/Christmas Zelmo.conf"
    launch_program
    WID=$(wait_for_window "Christmas Zelmo" 40) || fail "no main window"
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    # 607 wide, scaled; a half pixel may round up.
    [ $((WIDTH - 607 * ZOOM / 100)) -ge 0 ] && [ $((WIDTH - 607 * ZOOM / 100)) -le 1 ] \
        || fail "at $ZOOM % the window is $WIDTH wide"
    sleep 0.5
    # The Mover label, 35 x 14 into it, measured from the bottom: status bar 19 and
    # chooser 375 high, both scaled.
    CLIENT_TOP=$((Y + HEIGHT - (19 + 375) * ZOOM / 100))
    xdotool mousemove $((X + (1 + 163 + 35) * ZOOM / 100)) $((CLIENT_TOP + (1 + 281 + 14) * ZOOM / 100)) click 1
    wait_for_window "Christmas Zelmo - Mover" 5 >/dev/null || fail "the Mover label did not start a game at $ZOOM %"
    sleep 4
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$ARTIFACTS/e2e-table-$ZOOM.png"
    xdotool windowfocus "$WID" 2>/dev/null
    xdotool key alt+x
    wait_for_window "Confirm" 5 >/dev/null || fail "leaving the game asked nothing"
    sleep 0.3; xdotool key y
    for _ in $(seq 100); do
        kill -0 "$APP_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$APP_PID" 2>/dev/null && fail "Alt+X did not end the program"
    wait "$APP_PID" || fail "the program failed"
    APP_PID=
    grep -q "^Zoom=$ZOOM\$" "$XDG_CONFIG_HOME/Christmas Zelmo.conf" || fail "the table size was not kept"
done
echo "PASS"
