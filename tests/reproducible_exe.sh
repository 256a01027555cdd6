#!/usr/bin/env bash
# The same sources build to the same Quillmere.exe: a second build of this
# checkout, in another folder and at a later time, must match the tested one
# byte for byte (tools/reproduce does the same for every package).
# Usage: reproducible_exe.sh SOURCE_DIR TOOLCHAIN_FILE TESTED_EXE WORK_DIR
set -u
source=$1 toolchain=$2 tested=$3 work=$4
. "$(dirname "$0")/verdicts.sh"

rm -rf "$work"
cmake -S "$source" -B "$work" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
      -DBUILD_TESTING=OFF >/dev/null &&
    cmake --build "$work" --target Quillmere >/dev/null
verdict "a second build in $work succeeds" $?
cmp "$tested" "$work/bin/Quillmere.exe"
verdict "the second build's Quillmere.exe is identical to the tested one" $?

WINEPREFIX="$work/wineprefix" timeout 60 wineserver -w 2>/dev/null || WINEPREFIX="$work/wineprefix" wineserver -k 2>/dev/null
verdicts
