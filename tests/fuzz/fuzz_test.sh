#!/bin/sh
# The link fuzzer for a fixed time from its seeds, into a corpus of its own
# that goes with the run: only a failing input stays, in WORK_DIR. Skipped
# (77) where the fuzz preset has not built it, as where clang's libFuzzer is
# missing.
# Usage: fuzz_test.sh FUZZER SEEDS SECONDS WORK_DIR
fuzzer=$1 seeds=$2 seconds=$3 work=$4
if [ ! -x "$fuzzer" ]; then
    echo "skipped: no fuzzer at $fuzzer (cmake --preset fuzz && cmake --build --preset fuzz, with clang and libFuzzer)"
    exit 77
fi
mkdir -p "$work" && rm -rf "$work/corpus" && mkdir "$work/corpus" || exit 1
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" "$seeds"
status=$?
rm -rf "$work/corpus"
exit $status
