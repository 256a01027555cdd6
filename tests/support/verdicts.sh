# Sourced by the shell tests: `verdict NAME STATUS` counts and prints one check,
# `verdicts` prints the count and fails when any check failed,
# `fresh_work_dir DIR` gives a test a work folder of its own, and `refused`
# tells whether a command stopped with the message it should.
passed=0 failed=0

verdict() {
    if [ "$2" -eq 0 ]; then
        passed=$((passed + 1))
        echo "ok: $1"
    else
        failed=$((failed + 1))
        echo "FAILED: $1"
    fi
}

verdicts() {
    echo "$passed passed, $failed failed${1:+; $1}"
    [ "$failed" -eq 0 ]
}

# fresh_work_dir DIR: the test's work folder, made anew; one it did not make is
# left alone, and the test fails.
. "$(dirname "${BASH_SOURCE[0]}")/../../tools/work-dir.sh"
fresh_work_dir() { quill_fresh_dir "$1" || { echo "FAILED: $1 is not the test's own"; return 1; }; }

# refused MESSAGE COMMAND...: whether COMMAND fails and says MESSAGE.
refused() {
    local message=$1 output
    shift
    output=$("$@" 2>&1) && return 1
    grep -q -F -- "$message" <<<"$output"
}
