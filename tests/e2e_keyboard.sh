#!/usr/bin/env bash
# Real keys through the X server to Quillmere.exe under Wine: the ways a user
# ends the program from the keyboard, and screenshots of what a user sees.
# Usage: e2e_keyboard.sh EXE WINE_RUN PREFIX ARTIFACT_DIR
set -u
exe=$1 wine_run=$2 prefix=$3 artifacts=$4
probe_exe="$(dirname "$exe")/probe.exe"
mkdir -p "$artifacts"
. "$(dirname "$0")/verdicts.sh"

start() {
    "$wine_run" "$prefix" "$exe" &
    pid=$!
    wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Quillmere$' 2>/dev/null | head -1)
    if [ -z "$wid" ]; then
        echo "Quillmere's window did not appear"
        return 1
    fi
    sleep 0.5
    # Without a window manager, a click gives the window the keyboard; this one
    # lands inside the output frame, where it presses nothing.
    xdotool mousemove --window "$wid" 60 270 click 1
    sleep 0.3
}

# Waits up to ten seconds for the program to end; its exit status, or 124.
ended() {
    for _ in $(seq 100); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            return
        fi
        sleep 0.1
    done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 124
}

ends_with() {
    local name=$1
    shift
    if ! start; then verdict "$name" 1; return; fi
    xdotool key "$@"
    ended
    local status=$?
    [ "$status" -eq 0 ] || echo "  $name: exit status $status"
    verdict "$name" "$status"
}

ends_with "Esc ends the program" Escape
ends_with "Enter on the concept list ends the program" Return
ends_with "the Exit mnemonic ends the program" alt+e

# Esc in an open drop-down only closes it.
if start; then
    xdotool key alt+Down
    sleep 0.5
    xdotool key Escape
    sleep 1
    kill -0 "$pid" 2>/dev/null
    verdict "Esc in an open drop-down leaves the program running" $?
    xdotool key Escape
    ended
    verdict "a second Esc ends it" $?
else
    verdict "drop-down" 1
fi

# What a user sees: the main window after start-up and after Auto Generate,
# the settings window (Alt+O) and the About window (through the menu bar).
if start; then
    import -window "$wid" "$artifacts/main-window-startup.png"
    xdotool key alt+a
    sleep 1
    import -window "$wid" "$artifacts/main-window-generated.png"

    xdotool key alt+o
    settings=$(timeout 10 xdotool search --sync --onlyvisible --name '^Dialog$' 2>/dev/null | head -1)
    [ -n "$settings" ]
    verdict "Alt+O opens the settings window" $?
    if [ -n "$settings" ]; then
        sleep 0.5
        import -window "$settings" "$artifacts/settings-window.png"
        xdotool mousemove --window "$settings" 100 8 click 1  # its caption
        xdotool key Escape
        sleep 1
        ! xdotool search --onlyvisible --name '^Dialog$' >/dev/null 2>&1
        verdict "Esc closes the settings window" $?
    fi

    xdotool mousemove --window "$wid" 60 270 click 1
    xdotool key F10 Down Return
    about=$(timeout 10 xdotool search --sync --onlyvisible --name '^About Quillmere$' 2>/dev/null | head -1)
    [ -n "$about" ]
    verdict "the menu bar opens the About window" $?
    if [ -n "$about" ]; then
        sleep 0.5
        import -window "$about" "$artifacts/about-window.png"
        xdotool key Escape
        sleep 1
    fi

    kill -0 "$pid" 2>/dev/null
    verdict "closing those windows leaves the program running" $?
    xdotool key Escape
    ended
    verdict "screenshots in $artifacts" $?
else
    verdict "screenshots" 1
fi

# Taking the sentences away: five Auto Generates and Copy All from the output
# line's menu, then one more and Ctrl+C while a list is dropped down.
probe() { "$wine_run" "$prefix" "$probe_exe" "$@" 2>/dev/null | tr -d '\r'; }
if start; then
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
    xdotool mousemove --window "$wid" 100 62 click 1  # drops the concept list down
    sleep 0.5
    import -window root "$artifacts/copy-from-dropped-list.png"
    xdotool key ctrl+c
    sleep 0.3
    copied=$(probe clipboard)
    [ -n "$sentence" ] && [ "$copied" = "$sentence" ] && [ "$sentence" != "$last" ]
    verdict "Ctrl+C with a list dropped down copies that sentence alone" $?
    [ "$copied" = "$sentence" ] || echo "  expected '$sentence', copied '$copied'"
    xdotool key Escape  # closes the list only
    sleep 0.5
    kill -0 "$pid" 2>/dev/null
    verdict "Esc in the dropped-down list after copying leaves the program running" $?
    xdotool key Return
    ended
    verdict "Enter on the list then ends the program with status 0" $?
else
    verdict "copying" 1
fi

verdicts
