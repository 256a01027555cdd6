# Sourced by the package tests: `program_opens_and_closes WINE_RUN PREFIX PROGRAM`
# starts PROGRAM under Wine, waits for Quillmere's window, closes it with Esc
# and answers 0 when the window showed and the program then ended with status 0.
program_opens_and_closes() {
    local wine_run=$1 prefix=$2 program=$3 pid wid status
    "$wine_run" "$prefix" "$program" &
    pid=$!
    wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Quillmere$' 2>/dev/null | head -1)
    if [ -n "$wid" ]; then
        # Without a window manager a window takes keys only once clicked.
        xdotool mousemove --window "$wid" 60 270 click 1
        xdotool key Escape
    fi
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && kill "$pid"
    wait "$pid"
    status=$?
    [ -n "$wid" ] && [ "$status" -eq 0 ]
}
