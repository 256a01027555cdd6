# Sourced by the shell tests: `verdict NAME STATUS` counts and prints one check,
# `verdicts` prints the count and fails when any check failed.
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
