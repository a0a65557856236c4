# Shared by the end-to-end tests and the start-up benchmark: a private X server on a
# display it picks itself, torn down with the caller. Source it, then call start_xvfb,
# or begin_e2e at the top of an end-to-end script.

# Exits with 77 (ctest's "skipped") when a tool is missing.
require_tools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIPPED: '$tool' is not installed; the end-to-end run needs Xvfb, xdotool and ImageMagick."
            exit 77
        fi
    done
}

XVFB_PID=
XVFB_DIR=

# Starts Xvfb on a free display and exports DISPLAY; XVFB_SCREEN may ask for a larger
# screen than 1024x768x24.
start_xvfb() {
    XVFB_DIR=$(mktemp -d)
    Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp 3>"$XVFB_DIR/display" 2>"$XVFB_DIR/log" &
    XVFB_PID=$!
    local i
    for i in $(seq 100); do
        [ -s "$XVFB_DIR/display" ] && break
        sleep 0.05
    done
    if [ ! -s "$XVFB_DIR/display" ]; then
        echo "FAIL: Xvfb did not start"; cat "$XVFB_DIR/log"; exit 1
    fi
    export DISPLAY=":$(head -n1 "$XVFB_DIR/display")"
    export QT_QPA_PLATFORM=xcb
}

stop_xvfb() {
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=
    fi
    [ -n "$XVFB_DIR" ] && rm -rf "$XVFB_DIR"
}

# Waits up to $2 seconds for a visible window named exactly $1; prints its id.
wait_for_window() {
    local name=$1 seconds=$2 id
    for _ in $(seq $((seconds * 10))); do
        id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n1)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.1
    done
    return 1
}

# The common start of an end-to-end script: the tools it needs, a work folder holding the
# program's settings, a private X server, and a cleanup that ends both.
#   begin_e2e PROGRAM ARTIFACTS_DIR TOOL...
begin_e2e() {
    PROGRAM=$1
    ARTIFACTS=$2
    shift 2
    require_tools "$@"
    mkdir -p "$ARTIFACTS"
    APP_PID=
    WORK=$(mktemp -d)
    trap end_e2e EXIT
    start_xvfb
    export XDG_CONFIG_HOME="$WORK/config"
    mkdir -p "$XDG_CONFIG_HOME"
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

# Starts the program in the background, its output kept in the work folder.
launch_program() {
    "$PROGRAM" >"$WORK/program.log" 2>&1 &
    APP_PID=$!
}
