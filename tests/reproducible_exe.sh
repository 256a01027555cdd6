#!/usr/bin/env bash
# The same sources build to the same Quillmere.exe: a second build of this
# checkout, in another folder and at a later time, must match the tested one
# byte for byte (tools/reproduce does the same for every package).
# Usage: reproducible_exe.sh SOURCE_DIR TOOLCHAIN_FILE TESTED_EXE WORK_DIR
set -u
source=$1 toolchain=$2 tested=$3 work=$4
. "$(dirname "$0")/verdicts.sh" || exit 1
. "$(dirname "$0")/../tools/program.sh" || exit 1

# The work folder is the build's own, named by CMake: never empty, never the source.
[ -n "$work" ] && [ "$work" != "$source" ] || exit 1
rm -rf "$work"
cmake -S "$source" -B "$work" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
      -DBUILD_TESTING=OFF >/dev/null &&
    cmake --build "$work" --target Quillmere >/dev/null
verdict "a second build in $work succeeds" $?
cmp "$tested" "$work/bin/Quillmere.exe"
verdict "the second build's Quillmere.exe is identical to the tested one" $?

quill_stop_wine "$work/wineprefix"
verdicts
