#!/usr/bin/env bash
# Quillmere at 96, 144 and 192 DPI (the Wine prefix's LogPixels): screenshots of
# its three windows at each, to be looked at, and the in-process check that
# every text fits its control, run at each.
# Usage: dpi_screenshots.sh BIN_DIR WINE_RUN BUILD_DIR ARTIFACT_DIR
set -u
bin=$1 wine_run=$2 build=$3 artifacts=$4
mkdir -p "$artifacts"
. "$(dirname "$0")/verdicts.sh"

# Clicks at a fraction of a window's size, so that it lands on the same control at every DPI.
click_at() {
    local width height
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
    width=$WIDTH height=$HEIGHT
    xdotool mousemove --window "$1" $((width * $2 / 100)) $((height * $3 / 100)) click 1
}

for dpi in 96 144 192; do
    prefix="$build/wineprefix-dpi$dpi"
    if [ ! -f "$prefix/.dpi" ]; then
        "$wine_run" "$prefix" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 &&
            WINEPREFIX="$prefix" wineserver -w && touch "$prefix/.dpi"
    fi

    "$wine_run" "$prefix" "$bin/shell_tests.exe" --gtest_brief=1 --gtest_filter='Layout.*' >"$artifacts/layout-$dpi.txt" 2>&1
    verdict "every text fits its control at $dpi DPI" $?

    "$wine_run" "$prefix" "$bin/Quillmere.exe" &
    pid=$!
    main=$(timeout 30 xdotool search --sync --onlyvisible --name '^Quillmere$' 2>/dev/null | head -1)
    if [ -z "$main" ]; then
        verdict "Quillmere opens at $dpi DPI" 1
        continue
    fi
    sleep 0.5
    click_at "$main" 18 77  # inside the output frame, where it presses nothing
    sleep 0.3
    xdotool key alt+a
    sleep 0.5
    import -window "$main" "$artifacts/dpi$dpi-main.png"

    xdotool key alt+o
    settings=$(timeout 10 xdotool search --sync --onlyvisible --name '^Dialog$' 2>/dev/null | head -1)
    if [ -n "$settings" ]; then
        sleep 0.5
        import -window "$settings" "$artifacts/dpi$dpi-settings.png"
        click_at "$settings" 50 3  # its caption
        xdotool key Escape
        sleep 0.5
    fi

    click_at "$main" 18 77
    xdotool key F10 Down Return
    about=$(timeout 10 xdotool search --sync --onlyvisible --name '^About Quillmere$' 2>/dev/null | head -1)
    if [ -n "$about" ]; then
        sleep 0.5
        import -window "$about" "$artifacts/dpi$dpi-about.png"
        xdotool key Escape
        sleep 0.5
    fi
    [ -n "$settings" ] && [ -n "$about" ]
    verdict "screenshots of the three windows at $dpi DPI" $?

    xdotool key Escape
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    WINEPREFIX="$prefix" timeout 30 wineserver -w || WINEPREFIX="$prefix" wineserver -k 2>/dev/null
done

verdicts "screenshots in $artifacts"
