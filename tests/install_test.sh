#!/usr/bin/env bash
# The Windows installer, as a user's machine meets it: a silent install into a
# fresh Wine prefix, the installed program started from where the installer put
# it, then a silent uninstall that must leave nothing of Quillmere behind.
# Usage: install_test.sh BUILD_DIR WINE_RUN
set -u
build=$(cd "$1" && pwd) wine_run=$2
source_dir=$(cd "$(dirname "$0")/.." && pwd)
prefix="$build/install-test-prefix"
. "$(dirname "$0")/verdicts.sh"
. "$(dirname "$0")/program_window.sh"
# Wine would copy the shortcut into this machine's own desktop menus.
export WINEDLLOVERRIDES=winemenubuilder.exe=d
wine_in() { "$wine_run" "$prefix" "$@"; }
registry_has() { wine_in reg query "$1" >/dev/null 2>&1; }

"$source_dir/tools/package" "$build" "$build/install-test-packages" >"$build/install-test-package.txt" 2>&1 ||
    { cat "$build/install-test-package.txt"; echo "FAILED: tools/package"; exit 1; }
installer=$(ls "$build"/install-test-packages/Quillmere-*-win64.exe)
version=$(basename "$installer" | sed 's/^Quillmere-\(.*\)-win64\.exe$/\1/')

WINEPREFIX="$prefix" wineserver -k 2>/dev/null
rm -rf "$prefix" "$prefix.lock"
# What a new prefix holds already must not count as left behind.
wine_in cmd /c exit 0
find "$prefix/drive_c" | sort >"$build/install-test-before.txt"

wine_in "$installer" /S
dir="$prefix/drive_c/Program Files/Quillmere"
[ -f "$dir/Quillmere.exe" ] && [ -f "$dir/README.txt" ] && [ -f "$dir/LICENSE.txt" ]
verdict "installs Quillmere.exe, README.txt and LICENSE.txt into Program Files" $?
shortcut=$(find "$prefix/drive_c" -path '*Start Menu/Programs/Quillmere.lnk' | head -1)
[ -n "$shortcut" ]
verdict "puts a Start-menu shortcut" $?
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillmere'
wine_in reg query "$key" /v DisplayVersion 2>/dev/null | grep -q "$version"
verdict "registers in Apps & features with version $version" $?
wine_in reg query "$key" /v UninstallString 2>/dev/null | grep -qi 'Uninstall.exe'
verdict "registers its uninstaller" $?

program_opens_and_closes "$wine_run" "$prefix" 'C:\Program Files\Quillmere\Quillmere.exe'
verdict "the installed program opens its window and closes cleanly" $?

# The uninstaller copies itself away and returns at once; wait for its work.
wine_in 'C:\Program Files\Quillmere\Uninstall.exe' /S
for _ in $(seq 150); do [ -e "$dir" ] || break; sleep 0.2; done
WINEPREFIX="$prefix" timeout 60 wineserver -w
[ ! -e "$dir" ]
verdict "uninstalling removes the program folder" $?
[ -z "$(find "$prefix/drive_c" -path '*Start Menu/Programs/Quillmere*')" ]
verdict "uninstalling removes the Start-menu shortcuts" $?
! registry_has "$key" && ! registry_has 'HKLM\Software\Quillmere'
verdict "uninstalling removes its registry entries" $?
find "$prefix/drive_c" | sort >"$build/install-test-after.txt"
left=$(comm -13 "$build/install-test-before.txt" "$build/install-test-after.txt" | grep -i quillmere)
[ -z "$left" ] || printf 'left behind:\n%s\n' "$left"
[ -z "$left" ]
verdict "no file of Quillmere is left on drive C:" $?

WINEPREFIX="$prefix" timeout 60 wineserver -w || WINEPREFIX="$prefix" wineserver -k
verdicts
