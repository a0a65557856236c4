#!/bin/bash
# End to end, on a private X server: started with LANGUAGE=de the program names its game
# in German and F1 opens the German rules; started again with the preferences' language
# set to French, French, whatever LANGUAGE says. Screenshots go to the artifacts folder.
#   languages.sh PROGRAM ARTIFACTS_DIR SOURCE_DIR
set -u
source "$(dirname "$0")/xvfb-session.sh"
begin_e2e "$@"
SOURCES=$3

# The title of a language's help, as its start page names it, and its name for Mover.
help_title() { sed -n 's:.*<title>\(.*\)</title>.*:\1:p' "$SOURCES/help/$1/index.html" | head -n1; }
mover_name() {
    sed -n '/<source>Mover<\/source>/{n;s:.*<translation>\(.*\)</translation>.*:\1:p;q}' \
        "$SOURCES/translations/christmas-zelmo_$1.ts"
}

# Starts Mover and F1 in the language given: the game's caption must name Mover in the
# language and the help window carry the language's title.
check_language() {
    start_program
    xdotool windowfocus "$WID"; sleep 0.3
    xdotool key alt+p; sleep 0.5
    # The menu is a window of its own: the whole screen shows it.
    import -window root "$ARTIFACTS/e2e-$1-play-menu.png"
    xdotool key Escape; sleep 0.3
    start_mover "$(mover_name "$1")"; sleep 1
    xdotool windowfocus "$WID"; sleep 0.3
    xdotool key F1
    HELP=$(wait_for_window "$(help_title "$1")" 10) ||
        fail "$1: F1 opened no help titled $(help_title "$1")"
    sleep 0.5
    shot_window "$HELP" "e2e-$1-help-rules.png"
    shot "e2e-$1-mover.png"
    kill "$APP_PID"; wait "$APP_PID" 2>/dev/null; APP_PID=
}

export LANGUAGE=de
check_language de
printf '[General]\nLanguage=fr\n' >"$CONF"
check_language fr
echo "PASS"
