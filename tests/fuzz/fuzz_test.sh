#!/usr/bin/env bash
# The link fuzzer for a fixed time from its seeds, into a corpus of its own
# that goes with the run: only a failing input stays, in WORK_DIR, a folder
# this test makes anew. Skipped (77) where the fuzz preset has not built it,
# as where clang's libFuzzer is missing.
# Usage: fuzz_test.sh FUZZER SEEDS SECONDS WORK_DIR
set -u
fuzzer=$1 seeds=$2 seconds=$3 work=$4
if [ ! -x "$fuzzer" ]; then
    echo "skipped: no fuzzer at $fuzzer (cmake --preset fuzz && cmake --build --preset fuzz, with clang and libFuzzer)"
    exit 77
fi
. "$(dirname "$0")/../support/verdicts.sh" || exit 1
fresh_work_dir "$work" && mkdir "$work/corpus" || exit 1
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" "$seeds"
status=$?
rm -rf "${work:?}/corpus"
exit $status
