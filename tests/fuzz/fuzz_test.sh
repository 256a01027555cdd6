#!/usr/bin/env bash
# The link fuzzer for a fixed time from its seeds, into a corpus of its own
# that goes with the run: only a failing input stays, in WORK_DIR, a folder
# this test makes anew. Skipped (77) only where the fuzz preset has not built
# it, as where clang's libFuzzer is missing; a fuzzer older than what it is
# built from fails, since it would fuzz code that is gone.
# Usage: fuzz_test.sh FUZZER SEEDS SECONDS WORK_DIR
set -u
fuzzer=$1 seeds=$2 seconds=$3 work=$4
if [ ! -x "$fuzzer" ]; then
    echo "skipped: no fuzzer at $fuzzer (cmake --preset fuzz && cmake --build --preset fuzz, with clang and libFuzzer)"
    exit 77
fi
# Its build tree, which holds bin/, knows whether it is up to date.
if ! dry=$(cmake --build "$(dirname "$(dirname "$fuzzer")")" --target link_fuzzer -- -n 2>&1); then
    echo "FAILED: cannot tell whether $fuzzer is up to date: $dry"
    exit 1
elif ! grep -q 'no work to do' <<<"$dry"; then
    echo "FAILED: $fuzzer is older than its sources; rebuild it: cmake --build --preset fuzz"
    exit 1
fi
. "$(dirname "$0")/../support/verdicts.sh" || exit 1
fresh_work_dir "$work" && mkdir "$work/corpus" || exit 1
# libFuzzer ends with 77, a skip to ctest, when the target aborts or traps.
status=0
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" "$seeds" || status=1
rm -rf "${work:?}/corpus"
exit $status
