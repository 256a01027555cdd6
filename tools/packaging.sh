# The steps that make Quillmere's release packages; tools/package runs them in
# order, and the package tests run single steps. Source it; every function
# fails with a message on stderr, and behaves the same under set -e or not:
# each command that can fail is checked where it runs.
#
# Nothing in a package depends on when or where it was built: file times are
# SOURCE_DATE_EPOCH (the commit's time), archives list their files in a fixed
# order, and the MSI's codes are derived from the version.

QUILL_SOURCE=${QUILL_SOURCE:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
QUILL_FILES=(Quillmere.exe Quillmere.com README.txt LICENSE.txt)
QUILL_WEB_FILES=(quillmere.html README.txt LICENSE.txt site/index.html site/sw.js site/manifest.webmanifest
                 site/robots.txt site/icon-192.png site/icon-512.png site/icon-maskable-512.png site/apple-touch-icon.png)

quill_fail() { echo "package: $*" >&2; return 1; }

# The value of NAME in BUILD_DIR's CMake cache.
quill_cache_value() {
    sed -n "s/^$2:[A-Z]*=//p" "$1/CMakeCache.txt"
}

# The commit's time, unless SOURCE_DATE_EPOCH already says when.
quill_source_date() {
    if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
        echo "$SOURCE_DATE_EPOCH"
    else
        git -C "$QUILL_SOURCE" log -1 --format=%ct 2>/dev/null ||
            quill_fail "not a git checkout: set SOURCE_DATE_EPOCH to the release's time"
    fi
}

# A GUID that stands for TEXT and nothing else (the form of a version-5 UUID).
quill_guid_for() {
    local hex
    hex=$(printf '%s' "$1" | sha1sum | cut -c1-32 | tr a-f A-F)
    local variant=$(( (16#${hex:16:1} & 3) | 8 ))
    printf '%s-%s-5%s-%X%s-%s\n' "${hex:0:8}" "${hex:8:4}" "${hex:13:3}" "$variant" "${hex:17:3}" "${hex:20:12}"
}

# Copies the shipped files from BUILD_DIR into STAGE, with Windows line ends
# for the texts and every file dated EPOCH.
quill_stage() {
    local build=$1 stage=$2 epoch=$3
    mkdir -p "$stage" || return 1
    cp "$build/bin/Quillmere.exe" "$build/bin/Quillmere.com" "$stage/" || return 1
    sed 's/\r*$/\r/' "$build/README.txt" >"$stage/README.txt" || return 1
    sed 's/\r*$/\r/' "$QUILL_SOURCE/LICENSE.txt" >"$stage/LICENSE.txt" || return 1
    chmod 644 "${QUILL_FILES[@]/#/$stage/}" && touch -d "@$epoch" "${QUILL_FILES[@]/#/$stage/}" ||
        quill_fail "cannot date the files in $stage"
}

# Whether BUILD_DIR may be built in: a folder that does not exist yet, an empty
# one, or a build folder whose CMake cache names this source folder. Any other
# folder is somebody else's (or the source itself), and nothing is built there.
quill_check_build_dir() {
    local build=$1 home
    [ -e "$build" ] || [ -L "$build" ] || return 0
    [ -d "$build" ] || quill_fail "$build is not a folder; give a new or empty folder to build in" || return 1
    [ "$(cd "$build" && pwd -P)" != "$(cd "$QUILL_SOURCE" && pwd -P)" ] ||
        quill_fail "$build is the source folder; give a new or empty folder to build in" || return 1
    [ -n "$(ls -A "$build")" ] || return 0
    if [ -f "$build/CMakeCache.txt" ]; then
        home=$(quill_cache_value "$build" CMAKE_HOME_DIRECTORY)
        [ -n "$home" ] && [ -d "$home" ] && [ "$(cd "$home" && pwd -P)" = "$(cd "$QUILL_SOURCE" && pwd -P)" ] ||
            quill_fail "$build is a build folder of ${home:-another project}, not of $QUILL_SOURCE" || return 1
        # Only a build for Windows, which has the Windows program's folder,
        # makes the packages; another would fail late, the web build inside it.
        [ -d "$build/shell" ] || quill_fail "$build is a build of this source, but not for Windows" || return 1
        return 0
    fi
    quill_fail "$build holds files of its own and is no Quillmere build folder; give a new or empty folder to build in"
}

# Whether OUT_DIR can take the packages named: an existing folder this user
# can write in, where none of those names is a folder, or a path whose nearest
# existing folder is writable, so that it can be made.
quill_check_out_dir() {
    local out=$1 name
    shift
    if [ -e "$out" ] || [ -L "$out" ]; then
        [ -d "$out" ] || quill_fail "$out is not a folder" || return 1
        { [ -w "$out" ] && [ -x "$out" ]; } || quill_fail "cannot write in $out" || return 1
        for name; do
            [ ! -d "$out/$name" ] || quill_fail "$out/$name is a folder" || return 1
        done
        return 0
    fi
    local parent=$out
    while [ ! -e "$parent" ] && [ ! -L "$parent" ]; do parent=$(dirname "$parent"); done
    [ -d "$parent" ] || quill_fail "$out cannot be made: $parent is not a folder" || return 1
    { [ -w "$parent" ] && [ -x "$parent" ]; } || quill_fail "$out cannot be made in $parent" || return 1
}

# Puts the named files from FROM into OUT_DIR, making it when missing. Each
# arrives complete through a rename within OUT_DIR, replacing only a file of
# its own name; nothing else there changes.
quill_place() {
    local from=$1 out=$2 name partial
    shift 2
    mkdir -p "$out" || quill_fail "cannot make $out" || return 1
    for name; do
        partial=$(mktemp -p "$out" ".$name.XXXXXX") || quill_fail "cannot write in $out" || return 1
        if ! { cp "$from/$name" "$partial" && chmod 644 "$partial" && mv -f -T "$partial" "$out/$name"; }; then
            rm -f "$partial"
            quill_fail "cannot write $out/$name"
            return 1
        fi
    done
}

# Copies the web edition's page, its read-me, the licence and the site to
# publish from WEB_BUILD_DIR into STAGE, every file dated EPOCH.
quill_stage_web() {
    local build=$1 stage=$2 epoch=$3
    mkdir -p "$stage/site" || return 1
    cp "$build/quillmere.html" "$build/README.txt" "$QUILL_SOURCE/LICENSE.txt" "$stage/" || return 1
    cp "$build"/site/* "$stage/site/" || return 1
    chmod 644 "${QUILL_WEB_FILES[@]/#/$stage/}" && touch -d "@$epoch" "${QUILL_WEB_FILES[@]/#/$stage/}" ||
        quill_fail "cannot date the files in $stage"
}

# A ZIP of the named files of STAGE (the portable program's unless named), in that order, with no extra attributes.
quill_make_zip() {
    local stage=$1 out=$2
    shift 2
    local files=("$@")
    [ ${#files[@]} -gt 0 ] || files=("${QUILL_FILES[@]}")
    rm -f "$out"
    (cd "$stage" && TZ=UTC zip -X -q -D "$out" "${files[@]}") || quill_fail "zip failed"
}

# The NSIS installer. PICTURES holds quillmere.ico and the installer's two
# pictures; SIGN_COMMAND (may be empty) signs the uninstaller it writes.
quill_make_installer() {
    local stage=$1 pictures=$2 version=$3 web_site=$4 out=$5 sign_command=${6:-}
    local defines=(-DVERSION="$version" -DSTAGE="$stage" -DPICTURES="$pictures"
                   -DWEB_SITE="$web_site" -DOUTFILE="$out")
    # Quoted for the shell that runs it, as its path and the uninstaller's may hold blanks.
    [ -z "$sign_command" ] || defines+=(-DSIGN="\"$sign_command\" \"%1\"")
    makensis -V2 -NOCD "${defines[@]}" "$QUILL_SOURCE/resources/installer.nsi" >/dev/null ||
        quill_fail "makensis failed on resources/installer.nsi"
}

# The MSI. wixl takes its sources from the current folder, stamps the package
# with the clock and a random package code, and drops IncludeMaximum; the clock
# is held at EPOCH and the rest set afterwards.
quill_make_msi() {
    local stage=$1 icon=$2 version=$3 web_site=$4 out=$5 epoch=$6
    local product_code package_code clock table="$stage/Upgrade.idt" built=0
    product_code=$(quill_guid_for "Quillmere product $version")
    package_code=$(quill_guid_for "Quillmere MSI package $version")
    clock=$(TZ=UTC date -d "@$epoch" '+%Y-%m-%d %H:%M:%S') || quill_fail "no date for $epoch" || return 1
    cp "$icon" "$stage/quillmere.ico" || quill_fail "cannot copy $icon into $stage" || return 1
    (cd "$stage" && TZ=UTC faketime "$clock" \
        wixl -a x64 -D Version="$version" -D ProductCode="$product_code" -D PackageCode="$package_code" \
             -D Icon=quillmere.ico -D WebSite="$web_site" -o "$out" "$QUILL_SOURCE/resources/quillmere.wxs") ||
        built=$?
    rm -f "$stage/quillmere.ico"
    [ $built -eq 0 ] || quill_fail "wixl failed on resources/quillmere.wxs" || return 1
    # Versions that differ only in their fourth field replace each other too.
    { msiinfo export "$out" Upgrade >"$table" &&
        sed -i 's/\t256\t\tEARLIER_QUILLMERE/\t768\t\tEARLIER_QUILLMERE/' "$table" &&
        grep -q '768.*EARLIER_QUILLMERE' "$table" &&
        TZ=UTC faketime "$clock" msibuild "$out" -i "$table" &&
        quill_msi_path "$out" "$stage" "$clock" &&
        TZ=UTC faketime "$clock" msibuild "$out" -s "Quillmere $version" Quillmere "x64;1033" "{$package_code}"; } ||
        built=$?
    rm -f "$table"
    [ $built -eq 0 ] || quill_fail "msibuild could not finish $out"
}

# The MSI puts its folder at the end of the system's PATH and takes it off
# at uninstall ("=-*": set at install, removed at uninstall, the machine's),
# written through the standard actions at their standard places.
quill_msi_path() {
    local msi=$1 stage=$2 clock=$3
    printf 'Environment\tName\tValue\tComponent_\ns72\tl255\tL255\ts72\nEnvironment\tEnvironment\n%s\n' \
        $'QuillmerePath\t=-*PATH\t[~];[INSTALLDIR]\tConsole' >"$stage/Environment.idt" &&
        msiinfo export "$msi" InstallExecuteSequence >"$stage/InstallExecuteSequence.idt" &&
        printf 'RemoveEnvironmentStrings\t\t3300\r\nWriteEnvironmentStrings\t\t5200\r\n' \
            >>"$stage/InstallExecuteSequence.idt" &&
        (cd "$stage" && TZ=UTC faketime "$clock" msibuild "$msi" -i Environment.idt InstallExecuteSequence.idt)
    local built=$?
    rm -f "$stage/Environment.idt" "$stage/InstallExecuteSequence.idt"
    return $built
}

# The Debian package of the console program, quillmere_VERSION_ARCH.deb:
# built natively in DEB_BUILD with Debian's hardening flags, installed under
# /usr into STAGE with its manual page, completions, copyright and
# changelog, its dependencies read off the binary by dpkg-shlibdeps. lintian
# is the judge of it.
quill_make_deb() {
    local deb_build=$1 stage=$2 version=$3 web_site=$4 out=$5 epoch=$6
    local maintainer="Quillmere developers <developers@$(sed 's|^[a-z]*://||; s|/.*||' <<<"$web_site")>"
    local doc="$stage/usr/share/doc/quillmere" depends architecture
    architecture=$(dpkg --print-architecture) || quill_fail "dpkg cannot tell this machine's architecture" || return 1
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
        LDFLAGS=$(dpkg-buildflags --get LDFLAGS) SOURCE_DATE_EPOCH=$epoch \
        cmake -S "$QUILL_SOURCE" -B "$deb_build" -G Ninja -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF \
              -DCMAKE_INSTALL_PREFIX=/usr >/dev/null &&
        cmake --build "$deb_build" --target quillmere_cli >/dev/null &&
        DESTDIR="$stage" cmake --install "$deb_build" --strip >/dev/null ||
        quill_fail "the console program did not build in $deb_build" || return 1
    mkdir -p "$doc" "$stage/DEBIAN" "$deb_build/shlibs/debian" &&
        gzip -9n "$stage/usr/share/man/man1/quillmere.1" &&
        {
            printf 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n'
            printf 'Upstream-Name: quillmere\nSource: %s\n\nFiles: *\n' "$web_site"
            printf 'Copyright: %s\n' "$(sed -n 's/^Copyright (c) //p' "$QUILL_SOURCE/LICENSE.txt")"
            printf 'License: Expat\n'
            sed -n '/^Permission/,$p' "$QUILL_SOURCE/LICENSE.txt" | sed 's/^$/./; s/^/ /'
        } >"$doc/copyright" &&
        {
            printf 'quillmere (%s) unstable; urgency=medium\n\n' "$version"
            printf '  * Release %s: the console program beside the Windows program and the\n' "$version"
            printf '    web edition.\n\n'
            printf ' -- %s  %s\n' "$maintainer" "$(LC_ALL=C date -u -R -d "@$epoch")"
        } | gzip -9n >"$doc/changelog.gz" &&
        printf 'Source: quillmere\n\nPackage: quillmere\nArchitecture: %s\n' "$architecture" >"$deb_build/shlibs/debian/control" &&
        depends=$(cd "$deb_build/shlibs" && dpkg-shlibdeps -O -e"$stage/usr/bin/quillmere" 2>/dev/null |
                  sed -n 's/^shlibs:Depends=//p') && [ -n "$depends" ] ||
        quill_fail "could not lay out the Debian package in $stage" || return 1
    {
        printf 'Package: quillmere\nVersion: %s\nArchitecture: %s\n' "$version" "$architecture"
        printf 'Maintainer: %s\nInstalled-Size: %s\nDepends: %s\n' "$maintainer" \
            "$(du -s -k --exclude=DEBIAN "$stage" | cut -f1)" "$depends"
        printf 'Section: text\nPriority: optional\nHomepage: %s\n' "$web_site"
        printf 'Description: metaphors and similes from a concept, an action and an object\n'
        printf ' Quillmere builds one-sentence figures of speech from three words: a concept\n'
        printf ' ("Evil"), an action ("Wounds") and an object ("War") give the metaphor\n'
        printf ' "Wounding evil is a war." or the simile "Evil is like a wounding war.".\n .\n'
        printf ' This is its console program: one sentence, Auto Generate'"'"'s random ones\n'
        printf ' (repeatable with a seed), every sentence or the vocabulary, as text, TSV\n'
        printf ' or JSON lines, exactly as the Windows program makes them.\n'
    } >"$stage/DEBIAN/control" &&
        find "$stage" -type d -exec chmod 755 {} + && find "$stage" -type f -exec chmod 644 {} + &&
        chmod 755 "$stage/usr/bin/quillmere" &&
        (cd "$stage" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum >DEBIAN/md5sums) &&
        find "$stage" -exec touch -h -d "@$epoch" {} + &&
        SOURCE_DATE_EPOCH=$epoch dpkg-deb --root-owner-group -Zxz --build "$stage" "$out" >/dev/null ||
        quill_fail "dpkg-deb could not build $out"
}

# Signing. QUILL_SIGN_CERT and QUILL_SIGN_KEY name PEM files, and
# QUILL_SIGN_PASSWORD opens the key if it is encrypted. quill_check_signing
# answers 1 (with no message) when neither is given, and stops with a message
# naming the problem when they cannot sign.
quill_check_signing() {
    local cert=${QUILL_SIGN_CERT:-} key=${QUILL_SIGN_KEY:-}
    [ -z "$cert" ] && [ -z "$key" ] && return 1
    [ -n "$cert" ] || quill_fail "QUILL_SIGN_KEY is set but QUILL_SIGN_CERT is not" || return 2
    [ -n "$key" ] || quill_fail "QUILL_SIGN_CERT is set but QUILL_SIGN_KEY is not" || return 2
    [ -f "$cert" ] && [ -r "$cert" ] || quill_fail "cannot read the certificate $cert" || return 2
    [ -f "$key" ] && [ -r "$key" ] || quill_fail "cannot read the key $key" || return 2
    local cert_public key_public
    cert_public=$(openssl x509 -in "$cert" -noout -pubkey 2>/dev/null) ||
        quill_fail "$cert is not a PEM certificate" || return 2
    key_public=$(QUILL_SIGN_PASSWORD=${QUILL_SIGN_PASSWORD:-} \
                 openssl pkey -in "$key" -passin env:QUILL_SIGN_PASSWORD -pubout 2>/dev/null) || {
        if grep -q ENCRYPTED "$key"; then
            quill_fail "QUILL_SIGN_PASSWORD does not open the key $key"
        else
            quill_fail "$key is not a PEM private key"
        fi
        return 2
    }
    [ "$cert_public" = "$key_public" ] ||
        quill_fail "the key $key does not belong to the certificate $cert" || return 2
    return 0
}

# Writes an executable script SCRIPT that signs the file it is given in place.
# Every value goes into it quoted, so a path may hold any character.
quill_write_signer() {
    local script=$1 web_site=$2
    {
        echo '#!/usr/bin/env bash'
        echo 'set -e'
        printf 'osslsigncode sign -certs %q -key %q' "$QUILL_SIGN_CERT" "$QUILL_SIGN_KEY"
        # The password from the environment through a pipe: in no file, which a
        # killed run could leave behind, and in no process list.
        [ -z "${QUILL_SIGN_PASSWORD:-}" ] || printf ' -readpass <(printf %%s "$QUILL_SIGN_PASSWORD")'
        printf ' -h sha256 -n Quillmere -i %q -in "$1" -out "$1.signed" >/dev/null\n' "$web_site"
        echo 'mv "$1.signed" "$1"'
    } >"$script" && chmod +x "$script" || quill_fail "cannot write the signing script $script"
}
