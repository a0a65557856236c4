#!/bin/bash
# End to end, on a private X server: a stored table size of 150 or 200 % starts the
# program that much larger, the chooser's labels answer clicks where they are shown,
# and a game starts and is pictured at that size.
set -u
XVFB_SCREEN=1600x1200x24
source "$(dirname "$0")/xvfb-session.sh"
begin_e2e "$1" "$2" Xvfb xdotool import

for ZOOM in 150 200; do
    printf '[General]\nZoom=%s\n' "$ZOOM" >"$XDG_CONFIG_HOME/Christmas Zelmo.conf"
    start_program
    # 607 wide, scaled; a half pixel may round up.
    [ $((WIDTH - 607 * ZOOM / 100)) -ge 0 ] && [ $((WIDTH - 607 * ZOOM / 100)) -le 1 ] \
        || fail "at $ZOOM % the window is $WIDTH wide"
    start_mover
    sleep 4
    shot "e2e-table-$ZOOM.png"
    exit_program confirm
    grep -q "^Zoom=$ZOOM\$" "$XDG_CONFIG_HOME/Christmas Zelmo.conf" || fail "the table size was not kept"
done
echo "PASS"
