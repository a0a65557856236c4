#!/bin/bash
# End to end, on a private X server of 1920 x 1080: with "Fit to window" stored, the
# window is made as large as the screen, a game is played by clicks where the fitted
# cards show, F11 goes full screen and back, and the next start finds the window as it
# was left.
set -u
XVFB_SCREEN=1920x1080x24
source "$(dirname "$0")/xvfb-session.sh"
begin_e2e "$@"
printf '[General]\nZoom=0\n' >"$CONF"

start_program
# A first start opens at the classic size: that gives the menu bar's height.
MENU=$((HEIGHT - 426))
# Like maximising, which needs a window manager: the whole screen but a taskbar's worth.
xdotool windowsize "$WID" 1920 1040; sleep 1
geometry "$WID"
[ "$WIDTH" = 1920 ] && [ "$HEIGHT" = 1040 ] || fail "the frame did not take 1920x1040 but ${WIDTH}x$HEIGHT"

# The area inside the client's 1 px border, the classic size inside it fitted, centred.
fit() {
    geometry "$WID"
    local w=$((WIDTH - 2)) h=$((HEIGHT - MENU - 32 - 19 - 2))
    read -r S OX OY < <(awk -v w=$w -v h=$h -v tw="$1" -v th="$2" 'BEGIN {
        s = w / tw; if (h / th < s) s = h / th
        printf "%f %d %d\n", s, (w - tw * s) / 2, (h - th * s) / 2 }')
    OX=$((X + 1 + OX)) OY=$((Y + MENU + 32 + 1 + OY))
}
# A table point on the screen.
at() { awk -v s="$S" -v ox="$OX" -v oy="$OY" -v x="$1" -v y="$2" 'BEGIN { printf "%d %d\n", ox + x * s, oy + y * s }'; }

fit 605 373
start_mover Mover "$(at $((163 + 35)) $((281 + 14)))"; sleep 5
shot e2e-fit-dealt.png
fit 607 375
read -r _ HAND_Y < <(at 0 $((375 - 104)))
HAND_REGION="${WIDTH}x$(awk -v s="$S" 'BEGIN { printf "%d", 96 * s }')+0+$((HAND_Y - Y))"
play_hand $((375 - 104))
[ "$MOVES" -ge 3 ] || fail "only $MOVES cards left the fitted hand in 40 clicks"
shot e2e-fit-played.png

xdotool windowfocus "$WID"; xdotool key F11; sleep 1.5
geometry "$WID"
[ "$WIDTH" = 1920 ] && [ $((Y + HEIGHT)) -ge 1079 ] || fail "F11 did not fill the screen: ${WIDTH}x$HEIGHT+$X+$Y"
shot e2e-fit-full-screen.png
xdotool key F11; sleep 1.5
geometry "$WID"
[ "$WIDTH" = 1920 ] && [ "$HEIGHT" = 1040 ] || fail "F11 again did not come back to 1920x1040 but ${WIDTH}x$HEIGHT"
LEFT_AT="$X $Y"

exit_program confirm
grep -q '^WindowWidth=1920$' "$CONF" && grep -q '^WindowHeight=1040$' "$CONF" \
    && grep -q '^WindowState=0$' "$CONF" || fail "the window was not kept: $(grep ^Window "$CONF" | tr '\n' ' ')"

start_program
[ "$WIDTH" = 1920 ] && [ "$HEIGHT" = 1040 ] && [ "$X $Y" = "$LEFT_AT" ] \
    || fail "the next start is ${WIDTH}x$HEIGHT+$X+$Y, not 1920x1040+${LEFT_AT/ /+}"
shot e2e-fit-next-start.png
exit_program
echo "PASS"
