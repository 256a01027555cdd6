#!/usr/bin/env bash
# Quillmere at 96, 144 and 192 DPI (the Wine prefix's LogPixels): its three
# windows opened from the keyboard and closed again at each, with screenshots
# to be looked at, and the in-process check that every text fits its
# control, run at each.
# Usage: dpi_screenshots.sh BIN_DIR BUILD_DIR ARTIFACT_DIR
set -u
bin=$1 build=$2 artifacts=$3
. "$(dirname "$0")/../support/verdicts.sh"
. "$(dirname "$0")/../../tools/wine-display.sh"
mkdir -p "$artifacts" || exit 1

# One prefix of its own, set to each DPI in turn; Wine reads the setting when
# its server starts again.
prefix="$build/wineprefix-dpi"
for dpi in 96 144 192; do
    "$QUILL_WINE_RUN" "$prefix" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    quill_stop_wine "$prefix"
    # What Windows programs are told here, not what was asked for.
    seen=$("$QUILL_WINE_RUN" "$prefix" "$bin/probe.exe" dpi 2>/dev/null | tr -d '\r')
    [ "$seen" = "$dpi" ]
    verdict "the prefix runs at $dpi DPI (programs see ${seen:-nothing})" $?
    [ "$seen" = "$dpi" ] || continue

    # The one layout test, and no filter that matches nothing and passes.
    "$QUILL_WINE_RUN" "$prefix" "$bin/shell_tests.exe" --gtest_brief=1 --gtest_filter='Layout.EveryTextFitsItsControl' \
        >"$artifacts/layout-$dpi.txt" 2>&1 && grep -q '^\[  PASSED  \] 1 test\.' "$artifacts/layout-$dpi.txt"
    verdict "every text fits its control at $dpi DPI" $?

    if ! quill_start "$prefix" "$bin/Quillmere.exe"; then
        verdict "Quillmere opens at $dpi DPI" 1
        continue
    fi
    xdotool key alt+a
    sleep 0.5
    quill_screenshot "$quill_wid" "$artifacts/dpi$dpi-main.png"

    xdotool key alt+o
    settings=$(quill_window Dialog)
    verdict "Alt+O opens the settings window at $dpi DPI" $?
    if [ -n "$settings" ]; then
        sleep 0.5
        quill_screenshot "$settings" "$artifacts/dpi$dpi-settings.png"
        quill_click "$settings" 50 3  # its caption
        xdotool key Escape
        sleep 0.5
        ! xdotool search --onlyvisible --name '^Dialog$' >/dev/null 2>&1
        verdict "Esc closes the settings window at $dpi DPI" $?
    fi

    quill_click "$quill_wid" 18 77
    xdotool key F10 Down Return
    about=$(quill_window 'About Quillmere')
    verdict "the menu bar opens the About window at $dpi DPI" $?
    [ -z "$about" ] || { sleep 0.5; quill_screenshot "$about" "$artifacts/dpi$dpi-about.png"; xdotool key Escape; sleep 0.5; }

    quill_running
    verdict "closing those windows leaves the program running at $dpi DPI" $?
    xdotool key Escape
    quill_ended
    verdict "Esc then ends the program at $dpi DPI" $?
done
quill_stop_wine "$prefix"

verdicts "screenshots in $artifacts"
