#!/usr/bin/env bash
# The same sources build to the same Quillmere.exe, Quillmere.com, web page and site: a
# second build of this checkout, in other folders and at a later time, must
# match the tested ones byte for byte, compared as tools/reproduce compares
# every package.
# Usage: reproducible_builds.sh SOURCE_DIR TOOLCHAIN_FILE TESTED_EXE TESTED_COM TESTED_PAGE WORK_DIR
set -u
source=$1 toolchain=$2 tested_exe=$3 tested_com=$4 tested_page=$5 work=$6
. "$(dirname "$0")/../support/verdicts.sh" || exit 1
. "$(dirname "$0")/../../tools/wine-display.sh" || exit 1

fresh_work_dir "$work" || exit 1
cmake -S "$source" -B "$work/exe" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
      -DBUILD_TESTING=OFF >/dev/null &&
    cmake --build "$work/exe" --target Quillmere quillmere_cli >/dev/null
verdict "a second build of the programs in $work/exe succeeds" $?
quill_same "$tested_exe" "$work/exe/bin/Quillmere.exe" && quill_same "$tested_com" "$work/exe/bin/Quillmere.com"
verdict "the second build's Quillmere.exe and Quillmere.com are identical to the tested ones" $?

cmake -S "$source" -B "$work/web" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$source/cmake/emscripten.cmake" \
      -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=OFF >/dev/null &&
    cmake --build "$work/web" --target quill_site >/dev/null
verdict "a second build of the web page and site in $work/web succeeds" $?
quill_same "$tested_page" "$work/web/quillmere.html"
verdict "the second build's quillmere.html is identical to the tested one" $?
quill_same "$(dirname "$tested_page")/site" "$work/web/site"
verdict "the second build's site is identical to the tested one" $?

quill_stop_wine "$work/exe/wineprefix"
verdicts
