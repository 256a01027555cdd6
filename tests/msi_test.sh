#!/usr/bin/env bash
# The MSI package, as an administrator deploys it: a silent install into a
# fresh Wine prefix, the installed program started, a silent upgrade to a later
# version built here from the same sources, then a silent uninstall that must
# leave no file, shortcut or registry key of Quillmere behind.
# Usage: msi_test.sh BUILD_DIR WINE_RUN
set -u
build=$(cd "$1" && pwd) wine_run=$2
source_dir=$(cd "$(dirname "$0")/.." && pwd)
work="$build/msi-test"
prefix="$work/prefix"
. "$(dirname "$0")/verdicts.sh"
. "$(dirname "$0")/program_window.sh"
. "$source_dir/tools/packaging.sh"
# Wine would copy the shortcut into this machine's own desktop menus.
export WINEDLLOVERRIDES=winemenubuilder.exe=d
wine_in() { "$wine_run" "$prefix" "$@"; }
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# The Apps & features entries named Quillmere, one "KEY VERSION" line each.
entries() {
    local key
    for key in $(wine_in reg query "$uninstall_key" 2>/dev/null | tr -d '\r' | grep -o '\\[^\\]*$'); do
        wine_in reg query "$uninstall_key$key" 2>/dev/null | tr -d '\r' | grep -q 'DisplayName.*REG_SZ *Quillmere$' &&
            echo "$key $(wine_in reg query "$uninstall_key$key" /v DisplayVersion | tr -d '\r' |
                         sed -n 's/.*REG_SZ *//p')"
    done
}

WINEPREFIX="$prefix" wineserver -k 2>/dev/null
rm -rf "$work" && mkdir -p "$work"
"$source_dir/tools/package" "$build" "$work/packages" >"$work/package.txt" 2>&1 ||
    { cat "$work/package.txt"; echo "FAILED: tools/package"; exit 1; }
msi=$(ls "$work/packages"/Quillmere-*-win64.msi)
version=$(quill_cache_value "$build" CMAKE_PROJECT_VERSION)
web_site=$(quill_cache_value "$build" QUILL_WEB_SITE)
# The later version differs in its last field only, the smallest step a release takes.
later=${version%.*}.$(( ${version##*.} + 1 ))
quill_stage "$build" "$work/stage" "$(quill_source_date)" &&
    quill_make_msi "$work/stage" "$build/shell/quillmere.ico" "$later" "$web_site" \
                   "$work/later.msi" "$(quill_source_date)" 2>/dev/null
verdict "an MSI of version $later builds from the same sources" $?

# What a new prefix holds already must not count as left behind.
wine_in cmd /c exit 0
find "$prefix/drive_c" | sort >"$work/before.txt"

wine_in msiexec /i "Z:${msi//\//\\}" /qn
verdict "msiexec /i installs it silently" $?
dir="$prefix/drive_c/Program Files/Quillmere"
[ -f "$dir/Quillmere.exe" ] && [ -f "$dir/README.txt" ] && [ -f "$dir/LICENSE.txt" ]
verdict "Quillmere.exe, README.txt and LICENSE.txt are in Program Files" $?
[ -n "$(find "$prefix/drive_c" -path '*Start Menu/Programs/Quillmere.lnk')" ]
verdict "a Start-menu shortcut is there" $?
[ "$(entries | cut -d' ' -f2)" = "$version" ]
verdict "Apps & features has one entry, version $version" $?
program_opens_and_closes "$wine_run" "$prefix" 'C:\Program Files\Quillmere\Quillmere.exe'
verdict "the installed program opens its window and closes cleanly" $?

wine_in msiexec /i "Z:${work//\//\\}\\later.msi" /qn
verdict "msiexec /i of version $later succeeds" $?
[ "$(entries | cut -d' ' -f2)" = "$later" ]
verdict "after the upgrade Apps & features has one entry, version $later" $?
[ -f "$dir/Quillmere.exe" ]
verdict "the program is still installed" $?

wine_in msiexec /x "Z:${work//\//\\}\\later.msi" /qn
verdict "msiexec /x uninstalls it silently" $?
[ -z "$(entries)" ]
verdict "Apps & features has no Quillmere entry" $?
[ ! -e "$dir" ] && [ -z "$(find "$prefix/drive_c" -iname 'Quillmere.lnk')" ]
verdict "the program folder and the shortcut are gone" $?
find "$prefix/drive_c" | sort >"$work/after.txt"
# msiexec makes the system's package cache folder, C:\Windows\Installer, once.
left=$(comm -13 "$work/before.txt" "$work/after.txt" | grep -v '/drive_c/windows/Installer$')
[ -z "$left" ] || printf 'left behind:\n%s\n' "$left"
[ -z "$left" ]
verdict "no file is left on drive C:" $?
WINEPREFIX="$prefix" timeout 60 wineserver -w || WINEPREFIX="$prefix" wineserver -k
left=$(grep -i -h quillmere "$prefix/system.reg" "$prefix/user.reg")
[ -z "$left" ] || printf 'left behind:\n%s\n' "$left"
[ -z "$left" ]
verdict "no registry key or value names Quillmere" $?
verdicts
