#!/usr/bin/env bash
# The shipped programs stand alone and are hardened: each imports only DLLs
# that come with Windows, and has ASLR (with high-entropy addresses) and DEP
# turned on. The window's is a GUI program, the console's (.com) a console one.
# Usage: check_exe.sh OBJDUMP PROGRAM...
set -u
objdump=$1
shift
failed=0
for exe; do
    echo "$exe:"
    headers=$("$objdump" -p "$exe") || exit 1

    system_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|advapi32|ole32|oleaut32|msvcrt|ucrtbase|api-ms-win-[a-z0-9-]+)\.dll$'
    imports=$(printf '%s\n' "$headers" | sed -n 's/^\s*DLL Name: //p')
    if [ -z "$imports" ]; then
        echo "no imports found: not a PE file?"
        failed=1
    fi
    for dll in $imports; do
        if printf '%s\n' "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$system_dlls"; then
            echo "imports $dll"
        else
            echo "FAILED: imports $dll, which Windows does not ship"
            failed=1
        fi
    done

    for flag in DYNAMIC_BASE NX_COMPAT HIGH_ENTROPY_VA; do
        if printf '%s\n' "$headers" | grep -q "^\s*$flag\$"; then
            echo "has $flag"
        else
            echo "FAILED: $flag is off"
            failed=1
        fi
    done
    subsystem=GUI
    [ "${exe%.com}" = "$exe" ] || subsystem=CUI
    if ! printf '%s\n' "$headers" | grep -q "Subsystem.*Windows $subsystem"; then
        echo "FAILED: not a Windows $subsystem program"
        failed=1
    fi
done
exit "$failed"
