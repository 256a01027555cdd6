# The Wine-and-display helper: running Quillmere.exe (or any of its Windows
# programs) under Wine on an X display, for the tools and the tests that do:
# run a command on a display with one prefix's Wine stopped after it, start
# the program and wait for its window, click into it, take a screenshot, wait
# for it to end, and stop the Wine server of its prefix and of no other.
# Source it.

QUILL_TOOLS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
QUILL_WINE_RUN=${QUILL_WINE_RUN:-$QUILL_TOOLS/wine-run}

# quill_on_display PREFIX COMMAND [ARGS...]: runs the command on the caller's
# display or a virtual one, then stops PREFIX's Wine server (and no other)
# before the display goes; answers the command's own exit status. The command
# may be a function of the caller's, exported with export -f.
quill_on_display() {
    "$QUILL_TOOLS/with-display" bash -c '
        . "$0"
        prefix=$1
        shift
        status=0
        "$@" || status=$?
        quill_stop_wine "$prefix"
        exit $status
    ' "$QUILL_TOOLS/wine-display.sh" "$@"
}

# quill_window TITLE [SECONDS]: prints the id of the visible window with
# exactly this title, waiting up to SECONDS (10) for it; fails when none comes.
quill_window() {
    local wid
    wid=$(timeout "${2:-10}" xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$wid" ] && echo "$wid"
}

# quill_click WINDOW X% Y%: a click at a fraction of the window's size, so that
# it lands on the same control at every DPI. Without a window manager this is
# also how a window gets the keyboard.
quill_click() {
    local WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
    xdotool mousemove --window "$1" $((WIDTH * $2 / 100)) $((HEIGHT * $3 / 100)) click 1
}

# quill_start PREFIX PROGRAM: starts PROGRAM under Wine in PREFIX, waits for
# Quillmere's window and clicks inside its output frame, where a click presses
# nothing, so that keys go to it. Sets quill_pid and quill_wid.
quill_start() {
    "$QUILL_WINE_RUN" "$1" "$2" &
    quill_pid=$!
    if ! quill_wid=$(quill_window Quillmere 30); then
        echo "Quillmere's window did not appear"
        kill "$quill_pid" 2>/dev/null
        wait "$quill_pid" 2>/dev/null
        return 1
    fi
    sleep 0.5
    quill_click "$quill_wid" 18 77
    sleep 0.3
}

# quill_running: whether the program started last is still running.
quill_running() { kill -0 "$quill_pid" 2>/dev/null; }

# quill_ended: waits up to ten seconds for the program started last to end and
# answers its exit status; 124 when it had to be killed.
quill_ended() {
    for _ in $(seq 100); do
        quill_running || { wait "$quill_pid"; return; }
        sleep 0.1
    done
    kill "$quill_pid" 2>/dev/null
    wait "$quill_pid" 2>/dev/null
    return 124
}

# quill_screenshot WINDOW FILE: a picture of the window (or of the whole
# screen, for the window "root"); fails unless a non-empty file was written.
quill_screenshot() {
    rm -f "$2"
    import -window "$1" "$2" 2>/dev/null && [ -s "$2" ]
}

# quill_opens_and_closes PREFIX PROGRAM: answers 0 when PROGRAM shows
# Quillmere's window and, closed with Esc, ends with status 0.
quill_opens_and_closes() {
    quill_start "$1" "$2" || return 1
    xdotool key Escape
    quill_ended
}

# quill_stop_wine PREFIX: lets the prefix's Wine server finish for up to a
# minute, then stops it.
quill_stop_wine() {
    WINEPREFIX="$1" timeout 60 wineserver -w 2>/dev/null || WINEPREFIX="$1" wineserver -k 2>/dev/null || true
}
