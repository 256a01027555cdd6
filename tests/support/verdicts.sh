# Sourced by the shell tests: `verdict NAME STATUS` counts and prints one check,
# `verdicts` prints the count and fails when any check failed, and
# `fresh_work_dir DIR` gives a test a work folder of its own.
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

# fresh_work_dir DIR: DIR made anew with this suite's mark in it. A DIR that is
# there without the mark is somebody else's: it is left alone, and this fails.
fresh_work_dir() {
    local mark=.made-by-quillmere-tests
    if { [ -e "$1" ] || [ -L "$1" ]; } && [ ! -f "$1/$mark" ]; then
        echo "FAILED: $1 was not made by this test; move it away first"
        return 1
    fi
    rm -rf "${1:?}" && mkdir -p "$1" && touch "$1/$mark"
}
