# Shared by the end-to-end tests and the start-up benchmark: a private X server on a
# display it picks itself, torn down with the caller. Source it, then call start_xvfb,
# or begin_e2e at the top of an end-to-end script.

# Exits with 77 (ctest's "skipped") when a tool is missing.
require_tools() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIPPED: '$tool' is not installed."; exit 77; }
    done
}

# Runs a command every 0.1 s until it succeeds, for at most $1 seconds.
wait_until() {
    local tries=$(($1 * 10))
    shift
    for _ in $(seq "$tries"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
not() { ! "$@"; }

# On a free display, exported as DISPLAY; XVFB_SCREEN may ask for more than 1024x768x24.
start_xvfb() {
    XVFB_DIR=$(mktemp -d)
    # -noreset: a program killed as the last client must not leave the next one to
    # meet a server in the middle of its reset.
    Xvfb -displayfd 3 -noreset -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp \
        3>"$XVFB_DIR/display" 2>"$XVFB_DIR/log" &
    XVFB_PID=$!
    wait_until 5 test -s "$XVFB_DIR/display" ||
        { echo "FAIL: Xvfb did not start"; cat "$XVFB_DIR/log"; exit 1; }
    export DISPLAY=":$(head -n1 "$XVFB_DIR/display")" QT_QPA_PLATFORM=xcb
}

stop_xvfb() {
    [ -n "${XVFB_PID-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    [ -n "${XVFB_DIR-}" ] && rm -rf "$XVFB_DIR"
}

# Prints the id of a visible window named exactly $1; fails when there is none.
visible_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 | grep .; }
# Waits up to $2 seconds for a visible window named exactly $1; prints its id.
wait_for_window() { wait_until "$2" visible_window "$1"; }
# Waits up to 3 s for the window named $1 to go; else fails with $2.
wait_gone() { wait_until 3 not visible_window "$1" >/dev/null || fail "$2"; }
caption_is() { [ "$(xdotool getwindowname "$WID")" = "$1" ]; }

# The common start of an end-to-end script, given the program and the artifacts folder:
# the tools, a work folder that is also the settings folder (CONF the program's file), a
# private X server, and a cleanup that ends both.
begin_e2e() {
    PROGRAM=$1
    ARTIFACTS=$2
    require_tools Xvfb xdotool xwininfo import compare convert
    mkdir -p "$ARTIFACTS"
    APP_PID=
    WORK=$(mktemp -d)
    trap end_e2e EXIT
    start_xvfb
    export XDG_CONFIG_HOME=$WORK
    CONF="$WORK/Christmas Zelmo.conf"
    unset QT_QPA_PLATFORMTHEME QT_SCALE_FACTOR
}

# A program left running by a failed test must not write anything more.
end_e2e() {
    [ -n "$APP_PID" ] && kill -9 "$APP_PID" 2>/dev/null
    stop_xvfb
    rm -rf "$WORK"
}

# Ends the test as failed, with the program's own output when it gave any.
fail() {
    echo "FAIL: $*"
    [ -s "$WORK/program.log" ] && cat "$WORK/program.log"
    exit 1
}

# Reads a window's geometry into ${PREFIX}X, Y, WIDTH and HEIGHT.   geometry ID [PREFIX]
geometry() { eval "$(xdotool getwindowgeometry --shell "$1" | sed "s/^/${2-}/")"; }

# The main window's geometry, and CLIENT_TOP: the top of the area below menu bar and
# toolbar, found from the bottom (status bar 19, chooser 375) at the table size ZOOM %.
main_geometry() {
    geometry "$WID"
    CLIENT_TOP=$((Y + HEIGHT - (19 + 375) * ${ZOOM:-100} / 100))
}

# Starts the program, its output kept in the work folder; WID is its main window.
start_program() {
    "$PROGRAM" >"$WORK/program.log" 2>&1 &
    APP_PID=$!
    WID=$(wait_for_window "Christmas Zelmo" 40) || fail "no main window"
    main_geometry
    sleep 0.5
}

# A point inside the Mover label on the chooser, on the screen: the client area's
# border, the label's corner and its middle.
mover_label_point() {
    echo $((X + (1 + 163 + 35) * ${ZOOM:-100} / 100)) \
        $((CLIENT_TOP + (1 + 281 + 14) * ${ZOOM:-100} / 100))
}

# Clicks the Mover label, or the screen point "X Y" given second, and waits for the
# caption to name the game as $1 does.
start_mover() {
    xdotool mousemove ${2:-$(mover_label_point)}; sleep 0.3
    xdotool click 1
    wait_for_window "Christmas Zelmo - $1" 5 >/dev/null || fail "the Mover label did not start $1"
}

# A picture of one window; a bare name lands in the artifacts folder.
shot_window() {
    local to=$2 WINDOW X Y WIDTH HEIGHT SCREEN
    geometry "$1"
    [[ $to == */* ]] || to="$ARTIFACTS/$to"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$to"
}
shot() { shot_window "$WID" "$1"; }

# Whether more than $4 pixels differ between two pictures inside a region WxH+X+Y of
# them.   differ PICTURE PICTURE REGION LEAST
differ() {
    convert "$1" -crop "$3" +repage "$WORK/a.png"
    convert "$2" -crop "$3" +repage "$WORK/b.png"
    [ "$(compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1 | cut -d' ' -f1)" -gt "$4" ]
}

# Whether a command changes more than LEAST pixels of a region WxH+X+Y of the main
# window within the pause given.   changes REGION LEAST SECONDS COMMAND...
changes() {
    local region=$1 least=$2 pause=$3
    shift 3
    shot "$WORK/before.png"
    "$@"; sleep "$pause"
    shot "$WORK/after.png"
    differ "$WORK/before.png" "$WORK/after.png" "$region" "$least"
}

# Clicks the hand's six cards left to right until three have left it (MOVES counts them),
# watching HAND_REGION; a card that may not be played stays put. When a whole round of
# clicks changes nothing, takes the table (left, then right to stop throwing more), at
# either side it may lie. "at X Y" gives a table point's place on the screen; the hand
# lies from table height $1.
play_hand() {
    local top=$1 idle=0 slot=0
    MOVES=0
    for _ in $(seq 40); do
        [ $MOVES -ge 3 ] && break
        if changes "$HAND_REGION" 0 1.5 \
            xdotool mousemove $(at $((8 + 73 * slot + 35)) $((top + 48))) click 1; then
            MOVES=$((MOVES + 1)) idle=0
        else
            idle=$((idle + 1))
        fi
        slot=$(((slot + 1) % 6))
        if [ $idle -ge 6 ]; then
            xdotool mousemove $(at 44 $((164 + 48))) click 1 click 3
            xdotool mousemove $(at 44 $((113 + 48))) click 1; sleep 1.5; idle=0
        fi
    done
}

# Alt+X in the main window, "Yes" when the first argument says a running game asks
# first; the program must then end within 10 s with status 0.
exit_program() {
    xdotool windowfocus "$WID" 2>/dev/null
    xdotool key alt+x
    if [ "${1-}" = confirm ]; then
        wait_for_window "Confirm" 5 >/dev/null || fail "Alt+X asked nothing while a game ran"
        sleep 0.3; xdotool key y
    fi
    wait_until 10 not kill -0 "$APP_PID" 2>/dev/null || fail "Alt+X did not end the program"
    wait "$APP_PID"; local status=$?; APP_PID=
    [ $status -eq 0 ] || fail "the program exited with $status"
}
