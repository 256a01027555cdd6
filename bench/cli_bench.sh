#!/usr/bin/env bash
# The console program's figures, each against a baseline measured in the same
# run: every sentence as TSV through a pipe against cat writing the same bytes
# from a file through the same pipe (the goal: at most 2), and the memory of a
# million Auto Generates against that of one (the goal: no growth).
# Usage: cli_bench.sh PROGRAM WORK_DIR RUNS
set -euo pipefail
program=$1 work=$2 runs=$3
mkdir -p "$work"
"$program" --all --format tsv >"$work/all.tsv"

# The median of RUNS wall-clock times of a pipeline, in milliseconds.
median_ms() {
    local i start times=()
    for ((i = 0; i < runs; i++)); do
        start=$(date +%s%N)
        bash -c "$1" >/dev/null
        times+=($((($(date +%s%N) - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { printf "%.1f", t[int((NR + 1) / 2)] / 1000 }'
}
# The largest resident memory of a command, in KiB.
peak_kib() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1; }

quill=$(median_ms "'$program' --all --format tsv | cat")
baseline=$(median_ms "cat '$work/all.tsv' | cat")
many=$(peak_kib "$program" --auto 1000000 --seed 1)
one=$(peak_kib "$program" --auto 1 --seed 1)
printf '| figure | quillmere | baseline | ratio |\n|---|---|---|---|\n'
printf '| --all --format tsv through a pipe (%s bytes) | %s ms | %s ms (cat of the same bytes) | %.2f |\n' \
    "$(stat -c %s "$work/all.tsv")" "$quill" "$baseline" "$(echo "$quill / $baseline" | bc -l)"
printf '| peak memory of --auto 1000000 | %s KiB | %s KiB (--auto 1) | %.2f |\n' \
    "$many" "$one" "$(echo "$many / $one" | bc -l)"
