# Sourced by the tools and tests that build or work in folders of their own,
# and compare what two builds made.
# quill_fresh_dir DIR: DIR made anew, with a mark in it that says it is ours. A
# DIR that is there without the mark is somebody else's: it is left alone, and
# this fails with a message naming it.
quill_fresh_dir() {
    local mark=.made-by-quillmere
    if { [ -e "$1" ] || [ -L "$1" ]; } && [ ! -f "$1/$mark" ]; then
        echo "$1 was not made by Quillmere's tools or tests; move it away first" >&2
        return 1
    fi
    rm -rf "${1:?}" && mkdir -p "$1" && touch "$1/$mark"
}

# quill_same FIRST SECOND: whether two builds made the same file, or folder of
# files, byte for byte. Says "identical NAME" with the start of a file's hash,
# or "DIFFERENT NAME" and what differs.
quill_same() {
    local name differences
    name=$(basename "$1")
    if differences=$(diff -r -q "$1" "$2" 2>&1); then
        echo "identical  $name  $([ -d "$1" ] || sha256sum <"$1" | cut -c1-16)"
    else
        echo "DIFFERENT  $name"
        sed 's/^/  /' <<<"$differences"
        return 1
    fi
}
