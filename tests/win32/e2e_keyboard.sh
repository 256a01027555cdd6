#!/usr/bin/env bash
# Real keys through the X server to Quillmere.exe under Wine: the ways a user
# ends the program from the keyboard, and copying the sentences from it, with
# a screenshot of a list dropped down. (The windows a user opens, and their
# screenshots, are screenshots_at_96_144_192_dpi's.)
# Usage: e2e_keyboard.sh EXE PREFIX ARTIFACT_DIR
set -u
exe=$1 prefix=$2 artifacts=$3
probe_exe="$(dirname "$exe")/probe.exe"
. "$(dirname "$0")/../support/verdicts.sh"
. "$(dirname "$0")/../../tools/wine-display.sh"
mkdir -p "$artifacts" || exit 1

ends_with() {
    local name=$1
    shift
    if ! quill_start "$prefix" "$exe"; then verdict "$name" 1; return; fi
    xdotool key "$@"
    quill_ended
    local status=$?
    [ "$status" -eq 0 ] || echo "  $name: exit status $status"
    verdict "$name" "$status"
}

ends_with "Esc ends the program" Escape
ends_with "Enter on the concept list ends the program" Return
ends_with "the Exit mnemonic ends the program" alt+e

# Taking the sentences away: five Auto Generates and Copy All from the output
# line's menu, then one more and Ctrl+C while a list is dropped down.
probe() { "$QUILL_WINE_RUN" "$prefix" "$probe_exe" "$@" 2>/dev/null | tr -d '\r'; }
if quill_start "$prefix" "$exe"; then
    expected="" last=""
    for _ in 1 2 3 4 5; do
        xdotool key alt+a
        sleep 0.5
        sentence=$(probe output)
        # A sentence shown again right after itself is remembered once.
        [ "$sentence" = "$last" ] || expected="${expected:+$expected\\r\\n}$sentence"
        last=$sentence
    done
    xdotool key shift+F10
    sleep 0.5
    [ "$(probe menu)" = open ]
    verdict "Shift+F10 opens the output line's menu" $?
    xdotool key a
    sleep 0.5
    copied=$(probe clipboard)
    [ -n "$expected" ] && [ "$copied" = "$expected" ]
    verdict "Copy All puts the five sentences on the clipboard, in order" $?
    [ "$copied" = "$expected" ] || echo "  expected '$expected', copied '$copied'"

    xdotool key alt+a
    sleep 0.5
    sentence=$(probe output)
    quill_click "$quill_wid" 35 18  # drops the concept list down
    sleep 0.5
    quill_screenshot root "$artifacts/copy-from-dropped-list.png"
    xdotool key ctrl+c
    sleep 0.3
    copied=$(probe clipboard)
    [ -n "$sentence" ] && [ "$copied" = "$sentence" ] && [ "$sentence" != "$last" ]
    verdict "Ctrl+C with a list dropped down copies that sentence alone" $?
    [ "$copied" = "$sentence" ] || echo "  expected '$sentence', copied '$copied'"
    xdotool key Escape  # closes the list only
    sleep 0.5
    quill_running
    verdict "Esc in the dropped-down list only closes it" $?
    xdotool key Return
    quill_ended
    verdict "Enter on the list then ends the program with status 0" $?
else
    verdict "copying" 1
fi

verdicts "screenshots in $artifacts"
