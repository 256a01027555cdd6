#!/usr/bin/env bash
# Both installers as a user's machine meets them, each in a fresh Wine prefix:
# a silent install, the installed program started, and a silent uninstall that
# must leave no file, shortcut or registry key of Quillmere behind. The MSI is
# also upgraded in place to a later version built here from the same sources,
# and puts the console program on PATH until it is removed. The Debian package
# passes lintian and installs into a throwaway root, never into this machine.
# tools/package itself must keep what else its output folder holds.
# Usage: install_test.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd) && source_dir=$(cd "$(dirname "$0")/../.." && pwd) || exit 1
work="$build/install-test"
prefix="$work/prefix"
. "$source_dir/tests/support/verdicts.sh" || exit 1
. "$source_dir/tools/wine-display.sh"
. "$source_dir/tools/packaging.sh"
# Wine would copy the shortcut into this machine's own desktop menus.
export WINEDLLOVERRIDES=winemenubuilder.exe=d
wine_in() { "$QUILL_WINE_RUN" "$prefix" "$@"; }
dir="$prefix/drive_c/Program Files/Quillmere"

# A new prefix, and what it holds already, which must not count as left behind.
# The old prefix's server is gone before its folder is: the new folder can
# take the old one's place on disk, and a dying server would answer for it.
fresh_prefix() {
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null
    WINEPREFIX="$prefix" timeout 30 wineserver -w 2>/dev/null
    rm -rf "${prefix:?}" "$prefix.lock"
    wine_in cmd /c exit 0 || wine_in cmd /c exit 0
    [ -d "$prefix/drive_c" ] || echo "no Wine prefix could be made in $prefix"
    find "$prefix/drive_c" | sort >"$work/before.txt"
}

# The Apps & features entries named Quillmere, one "KEY VERSION" line each.
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
entries() {
    local key
    for key in $(wine_in reg query "$uninstall_key" 2>/dev/null | tr -d '\r' | grep -o '\\[^\\]*$'); do
        wine_in reg query "$uninstall_key$key" 2>/dev/null | tr -d '\r' | grep -q 'DisplayName.*REG_SZ *Quillmere$' &&
            echo "$key $(wine_in reg query "$uninstall_key$key" /v DisplayVersion | tr -d '\r' |
                         sed -n 's/.*REG_SZ *//p')"
    done
}

# installed_as VERSION: the files, the shortcut and one entry of that version.
installed_as() {
    [ -f "$dir/Quillmere.exe" ] && [ -f "$dir/Quillmere.com" ] && [ -f "$dir/README.txt" ] && [ -f "$dir/LICENSE.txt" ]
    verdict "Quillmere.exe, Quillmere.com, README.txt and LICENSE.txt are in Program Files" $?
    [ -n "$(find "$prefix/drive_c" -path '*Start Menu/Programs/Quillmere.lnk')" ]
    verdict "a Start-menu shortcut is there" $?
    [ "$(entries | cut -d' ' -f2)" = "$1" ]
    verdict "Apps & features has one entry, version $1" $?
}

opens_and_closes() {
    quill_opens_and_closes "$prefix" 'C:\Program Files\Quillmere\Quillmere.exe'
    verdict "the installed program opens its window and closes cleanly" $?
}

# After an uninstall: nothing on drive C: that the fresh prefix lacked, but for
# the system's package cache folder, which msiexec makes once, and the copy of
# itself an NSIS uninstaller runs from, which Windows removes at the next start;
# no entry, and no registry line naming Quillmere.
nothing_left_behind() {
    quill_stop_wine "$prefix"
    local files registry
    files=$(find "$prefix/drive_c" | sort | comm -13 "$work/before.txt" - | grep -v -e '/drive_c/windows/Installer$' -e '/Temp/~nsu[^/]*\.tmp')
    [ -z "$files" ] || printf 'left behind:\n%s\n' "$files"
    [ -z "$files" ]
    verdict "$1 leaves no file and no shortcut on drive C:" $?
    registry=$(grep -i -h quillmere "$prefix/system.reg" "$prefix/user.reg")
    [ -z "$registry" ] || printf 'left behind:\n%s\n' "$registry"
    [ -z "$registry" ]
    verdict "$1 leaves no entry and no registry key or value naming Quillmere" $?
}

fresh_work_dir "$work" && mkdir -p "$work/packages/notes" "$work/users-folder" || exit 1
# Every name under FOLDER with the hash of each file, to compare before and after.
inventory() { (cd "$1" && find . | sort && find . -type f -print0 | sort -z | xargs -0 -r sha256sum); }

# A file given as the output folder is refused, and stays as it was.
printf 'a letter\r\n' >"$work/letter.txt"
cp "$work/letter.txt" "$work/letter.before"
refused "$work/letter.txt is not a folder" "$source_dir/tools/package" --build-dir "$build" --out "$work/letter.txt" &&
    cmp -s "$work/letter.txt" "$work/letter.before"
verdict "tools/package refuses a file as its output folder and leaves the file as it was" $?
# A folder of the user's own, or the source folder, is no build folder.
printf 'my own read-me\r\n' >"$work/users-folder/README.txt"
inventory "$work/users-folder" >"$work/users-folder.before"
refused "$work/users-folder holds files of its own" "$source_dir/tools/package" --build-dir "$work/users-folder" &&
    inventory "$work/users-folder" | cmp -s - "$work/users-folder.before"
verdict "tools/package refuses a folder of the user's as its build folder and leaves it byte for byte" $?
refused "is the source folder" "$source_dir/tools/package" --build-dir "$source_dir" &&
    [ ! -e "$source_dir/CMakeCache.txt" ] && [ ! -e "$source_dir/CMakeFiles" ] && [ ! -e "$source_dir/packages" ]
verdict "tools/package refuses the source folder as its build folder and configures nothing there" $?
# A build folder of this source for another system than Windows.
cmake -S "$source_dir" -B "$work/native-build" -G Ninja -DBUILD_TESTING=OFF >/dev/null &&
    refused "not for Windows" "$source_dir/tools/package" --build-dir "$work/native-build"
verdict "tools/package refuses a build folder of this source that is not for Windows" $?
# A folder that holds the user's own files, an older release's package among them.
printf 'chapter one\r\n' >"$work/packages/novel.txt"
printf 'to do\n' >"$work/packages/notes/list.txt"
printf 'an older release\n' >"$work/packages/Quillmere-0.9-win64.zip"
(cd "$work/packages" && sha256sum novel.txt notes/list.txt Quillmere-0.9-win64.zip) >"$work/users-files.txt"
"$source_dir/tools/package" --build-dir "$build" --out "$work/packages" >"$work/package.txt" 2>&1 ||
    { cat "$work/package.txt"; echo "FAILED: tools/package"; exit 1; }
(cd "$work/packages" && sha256sum --quiet -c "$work/users-files.txt")
verdict "tools/package leaves the other files in its output folder as they were" $?
version=$(quill_cache_value "$build" CMAKE_PROJECT_VERSION)
web_site=$(quill_cache_value "$build" QUILL_WEB_SITE)
installer=$(ls "$work/packages"/Quillmere-*-win64.exe)
msi=$(ls "$work/packages"/Quillmere-*-win64.msi)

echo "The installer:"
fresh_prefix
wine_in "$installer" /S
installed_as "$version"
wine_in reg query "$uninstall_key\\Quillmere" /v UninstallString 2>/dev/null | grep -qi 'Uninstall.exe'
verdict "the entry names the uninstaller" $?
opens_and_closes
# The uninstaller copies itself away and returns at once; wait for its work.
wine_in 'C:\Program Files\Quillmere\Uninstall.exe' /S
for _ in $(seq 150); do [ -e "$dir" ] || break; sleep 0.2; done
nothing_left_behind "uninstalling"

echo "The MSI:"
# The later version differs in its last field only, the smallest step a release takes.
later=${version%.*}.$(( ${version##*.} + 1 ))
quill_stage "$build" "$work/stage" "$(quill_source_date)" &&
    quill_make_msi "$work/stage" "$build/shell/quillmere.ico" "$later" "$web_site" \
                   "$work/later.msi" "$(quill_source_date)" 2>/dev/null
verdict "an MSI of version $later builds from the same sources" $?
# A tool of the MSI step that fails stops it with the step's own message,
# under set -e as tools/package runs it.
for tool in wixl msibuild; do
    mkdir -p "$work/failing-$tool" && printf '#!/bin/sh\nexit 1\n' >"$work/failing-$tool/$tool" &&
        chmod +x "$work/failing-$tool/$tool" || exit 1
    refused "package: $tool" env PATH="$work/failing-$tool:$PATH" bash -euo pipefail -c '. "$1"; shift; quill_make_msi "$@"' \
        - "$source_dir/tools/packaging.sh" "$work/stage" "$build/shell/quillmere.ico" "$later" "$web_site" "$work/failed.msi" 0
    verdict "a failing $tool stops the MSI step with its message" $?
done
fresh_prefix
# The system's PATH, an entry a line; Wine leaves an empty entry where one was taken off.
path_entries() {
    wine_in reg query 'HKLM\System\CurrentControlSet\Control\Session Manager\Environment' /v PATH |
        tr -d '\r' | sed -n 's/.*REG_[A-Z_]*SZ *//p' | tr ';' '\n' | grep -v '^$'
}
path_entries >"$work/path-before.txt"
wine_in msiexec /i "Z:${msi//\//\\}" /qn
verdict "msiexec /i installs it silently" $?
installed_as "$version"
[ "$(comm -13 <(sort "$work/path-before.txt") <(path_entries | sort))" = 'C:\Program Files\Quillmere\' ]
verdict "the MSI adds its folder to PATH" $?
[ "$(wine_in cmd /c 'cd /d C:\windows && quillmere --version' | tr -d '\r')" = "quillmere $version" ]
verdict "typed in a new console in another folder, quillmere runs the console program" $?
opens_and_closes
wine_in msiexec /i "Z:${work//\//\\}\\later.msi" /qn
verdict "msiexec /i of version $later upgrades it" $?
installed_as "$later"
wine_in msiexec /x "Z:${work//\//\\}\\later.msi" /qn
verdict "msiexec /x uninstalls it silently" $?
path_entries | cmp -s - "$work/path-before.txt"
verdict "msiexec /x takes its folder off PATH" $?
nothing_left_behind "msiexec /x"

echo "The Debian package:"
deb=$(ls "$work/packages"/quillmere_*_"$(dpkg --print-architecture)".deb)
lintian --fail-on error,warning "$deb" && (cd "$work/packages" && grep -q " $(basename "$deb")\$" SHA256SUMS)
verdict "lintian finds no error and no warning in $(basename "$deb"), and SHA256SUMS lists it" $?
# A root of the test's own, holding only what dpkg needs to keep its records.
root=$work/debian-root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" && touch "$root/var/lib/dpkg/status" &&
    (cd "$root" && find . | sort) >"$work/root-before.txt"
dpkg --root="$root" --log=/dev/null --force-depends -i "$deb" >/dev/null 2>&1 &&
    [ "$(LC_ALL=C man -l "$root/usr/share/man/man1/quillmere.1.gz" 2>/dev/null | grep -c 'quillmere --all')" -gt 0 ] &&
    [ "$("$root/usr/bin/quillmere" Evil Wounds War --simile)" = "Evil is like a wounding war." ] &&
    cmp -s "$root/usr/share/bash-completion/completions/quillmere" "$source_dir/cli/quillmere.bash-completion" &&
    cmp -s "$root/usr/share/zsh/vendor-completions/_quillmere" "$source_dir/cli/quillmere.zsh-completion" &&
    cmp -s "$root/usr/share/fish/vendor_completions.d/quillmere.fish" "$source_dir/cli/quillmere.fish"
verdict "dpkg installs it into a root of its own, with its manual page and completions, and it runs" $?
dpkg --root="$root" --log=/dev/null --purge quillmere >/dev/null 2>&1 &&
    (cd "$root" && find . | sort | grep -v '^./var/lib/dpkg/') | cmp -s - <(grep -v '^./var/lib/dpkg/' "$work/root-before.txt")
verdict "dpkg --purge removes it and leaves nothing behind" $?

quill_stop_wine "$prefix"
verdicts
