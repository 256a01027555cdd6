#!/usr/bin/env bash
# Signing the release: tools/package refuses a certificate and key it cannot
# sign with before building anything, and with good ones signs both programs
# inside the ZIP, the installer and the MSI so that each verifies, and a signed file
# with one byte changed does not. The signed program still runs.
# Usage: signing_test.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd) && source_dir=$(cd "$(dirname "$0")/../.." && pwd) || exit 1
work="$build/signing-test"
. "$source_dir/tests/support/verdicts.sh" || exit 1
. "$source_dir/tools/wine-display.sh"
fresh_work_dir "$work" || exit 1

# A throwaway code-signing certificate, its key encrypted, and a stranger's key.
openssl req -x509 -newkey rsa:2048 -days 2 -subj "/CN=Quillmere test signer" \
    -addext extendedKeyUsage=codeSigning -addext keyUsage=critical,digitalSignature \
    -keyout "$work/key.pem" -out "$work/cert.pem" -passout pass:right-password 2>/dev/null
openssl genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:2048 -out "$work/other-key.pem" 2>/dev/null
echo "not a certificate" >"$work/junk.pem"

# package CERT KEY PASSWORD [SOURCE BUILD OUT]: tools/package of SOURCE (this
# checkout), from BUILD ($build) into OUT ($work/packages).
package() {
    QUILL_SIGN_CERT=$1 QUILL_SIGN_KEY=$2 QUILL_SIGN_PASSWORD=$3 \
        "${4:-$source_dir}/tools/package" --build-dir "${5:-$build}" --out "${6:-$work/packages}"
}
# A certificate or key it cannot sign with stops it with a message naming the
# problem, and leaves no package.
for case in "cannot read the certificate $work/none.pem|$work/none.pem|$work/key.pem|right-password" \
            "QUILL_SIGN_KEY is set but QUILL_SIGN_CERT is not||$work/key.pem|right-password" \
            "$work/junk.pem is not a PEM certificate|$work/junk.pem|$work/key.pem|right-password" \
            "QUILL_SIGN_PASSWORD does not open the key|$work/cert.pem|$work/key.pem|wrong-password" \
            "does not belong to the certificate|$work/cert.pem|$work/other-key.pem|"; do
    IFS='|' read -r message cert key password <<<"$case"
    refused "$message" package "$cert" "$key" "$password" && [ ! -e "$work/packages" ]
    verdict "stops with \"$message\" and makes no package" $?
done

package "$work/cert.pem" "$work/key.pem" right-password >"$work/output.txt" 2>&1
verdict "with a good certificate and key tools/package succeeds" $?
mkdir -p "$work/zip" && (cd "$work/zip" && unzip -q "$work/packages"/Quillmere-*-win64.zip)
[ "$(ls "$work/zip" | tr '\n' ' ')" = "LICENSE.txt Quillmere.com Quillmere.exe README.txt " ]
verdict "the ZIP holds Quillmere.exe, Quillmere.com, README.txt and LICENSE.txt" $?
verifies() { osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >/dev/null 2>&1; }
verifies "$work/zip/Quillmere.exe" && verifies "$work/zip/Quillmere.com"
verdict "the window's and the console's programs inside the ZIP verify" $?
verifies "$(ls "$work/packages"/Quillmere-*-win64.exe)"
verdict "the installer verifies" $?
verifies "$(ls "$work/packages"/Quillmere-*-win64.msi)"
verdict "the MSI verifies" $?
(cd "$work/packages" && sha256sum -c --quiet SHA256SUMS)
verdict "SHA256SUMS holds the signed packages' hashes" $?

# One byte of the program's code changed, well inside the signed part.
cp "$work/zip/Quillmere.exe" "$work/tampered.exe"
size=$(stat -c %s "$work/tampered.exe")
printf '\x5a' | dd of="$work/tampered.exe" bs=1 seek=$((size / 3)) conv=notrunc 2>/dev/null
[ -s "$work/tampered.exe" ] && ! cmp -s "$work/tampered.exe" "$work/zip/Quillmere.exe" && ! verifies "$work/tampered.exe"
verdict "a signed exe with one byte changed does not verify" $?

# A key kept without a password signs too.
openssl req -x509 -newkey rsa:2048 -noenc -days 2 -subj "/CN=Quillmere test signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$work/plain-key.pem" -out "$work/plain-cert.pem" 2>/dev/null
rm -rf "$work/packages"
package "$work/plain-cert.pem" "$work/plain-key.pem" "" >"$work/output.txt" 2>&1 &&
    osslsigncode verify -CAfile "$work/plain-cert.pem" -in "$(ls "$work/packages"/Quillmere-*-win64.msi)" >/dev/null 2>&1
verdict "a key with no password signs as well" $?

# A release from a checkout, into a build folder and an output folder whose
# names hold blanks, with a certificate and key whose paths hold a blank,
# quotes, a dollar sign and a backtick. The checkout is a copy of this one's
# files, its npm packages this one's, untouched.
odd="$work/signing files \"quoted\" \$HOME \`id\`"
copy="$work/My Projects/quillmere"
mkdir -p "$odd" "$copy" && cp "$work/cert.pem" "$work/key.pem" "$odd/" &&
    (cd "$source_dir" && git ls-files -z --cached --others --exclude-standard | xargs -0 cp -p --parents -t "$copy") &&
    ln -s "$source_dir/node_modules" "$copy/node_modules" &&
    package "$odd/cert.pem" "$odd/key.pem" right-password "$copy" "$work/My build" "$work/My packages" \
        >"$work/output.txt" 2>&1 &&
    verifies "$(ls "$work/My packages"/Quillmere-*-win64.msi)" && verifies "$(ls "$work/My packages"/Quillmere-*-win64.exe)"
verdict "a release from folders whose names hold blanks, signed with a key in one that holds quotes, a \$ and a backtick" $?

quill_opens_and_closes "$build/wineprefix" "$work/zip/Quillmere.exe"
verdict "the signed Quillmere.exe opens its window and closes cleanly" $?
"$QUILL_WINE_RUN" "$build/wineprefix" "$work/zip/Quillmere.com" Evil Wounds War | grep -q '^Wounding evil is a war\.'
verdict "the signed Quillmere.com writes its sentence" $?
verdicts
