#!/bin/bash
# End to end, on a private X server: started with LANGUAGE=de the program names its game
# in German and F1 opens the German rules; started again with the preferences' language
# set to French, French, whatever LANGUAGE says. Screenshots go to the artifacts folder.
#   languages.sh PROGRAM ARTIFACTS_DIR HELP_SOURCE_DIR
set -u
source "$(dirname "$0")/xvfb-session.sh"
begin_e2e "$1" "$2" Xvfb xdotool xwininfo import
HELP_SOURCES=$3

# The title of a language's help, as its start page names it.
help_title() { sed -n 's:.*<title>\(.*\)</title>.*:\1:p' "$HELP_SOURCES/$1/index.html" | head -n1; }

# Starts Mover and F1 in the language given; the game's caption must not be English and
# the help window must carry the language's title.
check_language() {
    local code=$1
    start_program
    xdotool windowfocus "$WID"; sleep 0.3
    xdotool key alt+p; sleep 0.5
    # The menu is a window of its own: the whole screen shows it.
    import -window root "$ARTIFACTS/e2e-$code-play-menu.png"
    xdotool key Escape; sleep 0.3
    main_geometry
    xdotool mousemove $(mover_label_point); sleep 0.3
    xdotool click 1
    wait_until 5 not caption_is "Christmas Zelmo"
    local caption
    caption=$(xdotool getwindowname "$WID")
    [ "$caption" != "Christmas Zelmo - Mover" ] && [ "$caption" != "Christmas Zelmo" ] \
        || fail "$code: the game's caption is \"$caption\""
    sleep 1
    xdotool windowfocus "$WID"; sleep 0.3
    xdotool key F1
    local help
    help=$(wait_for_window "$(help_title "$code")" 10) || fail "$code: F1 opened no help titled $(help_title "$code")"
    sleep 0.5
    shot_window "$help" "e2e-$code-help-rules.png"
    shot "e2e-$code-mover.png"
    kill "$APP_PID"; wait "$APP_PID" 2>/dev/null; APP_PID=
}

export LANGUAGE=de
check_language de
printf '[General]\nLanguage=fr\n' > "$XDG_CONFIG_HOME/Christmas Zelmo.conf"
check_language fr
echo "PASS"
