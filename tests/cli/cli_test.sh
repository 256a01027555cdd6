#!/usr/bin/env bash
# The console program as a shell or a script meets it: a table of command
# lines with what each must print or how it must fail, then properties of its
# sentences that a wrong word, order or format would break. Under Wine it is
# also compared with the native build, which must print the same sentences.
# Usage: QUILL_VERSION=VERSION cli_test.sh WORK_DIR PROGRAM... [-- NATIVE_PROGRAM]
set -u
work=$1
shift
program=() native=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do program+=("$1"); shift; done
[ $# -gt 0 ] && shift && native=("$@")
. "$(dirname "$0")/../support/verdicts.sh" || exit 1
fresh_work_dir "$work" || exit 1
out=$work/out err=$work/err

# Runs the program on ARGS; its output, with Windows line ends made Unix ones, in $out and $err.
run() {
    "${program[@]}" "$@" >"$out.raw" 2>"$err.raw"
    local status=$?
    tr -d '\r' <"$out.raw" >"$out" && tr -d '\r' <"$err.raw" >"$err"
    return $status
}

# arguments | exit status | for 0 the whole output, or "N lines" for a count of
# them; else a pattern the message matches, a usage error's then followed by
# the one line that points to the help
while IFS='|' read -r arguments status expected; do
    eval "set -- $arguments"
    run "$@"
    actual=$?
    expected=${expected# }
    expected=${expected//@VERSION@/$QUILL_VERSION}
    if [ "$status" -eq 0 ]; then
        [ "$actual" -eq 0 ] && [ ! -s "$err" ] &&
            if [[ $expected =~ ^([0-9]+)\ lines$ ]]; then [ "$(wc -l <"$out")" -eq "${BASH_REMATCH[1]}" ]; else [ "$(cat "$out")" = "$expected" ]; fi
    else
        [ "$actual" -eq "$status" ] && [ ! -s "$out" ] && grep -Eq -- "^quillmere: $expected" "$err" &&
            { [ "$(head -c 10 "$err")" = "quillmere:" ]; } &&
            { [ "$(wc -l <"$err")" -eq 1 ] || [ "$(sed -n 2p "$err")" = "Try 'quillmere --help' for more information." ]; }
    fi
    verdict "quillmere ${arguments%"${arguments##*[! ]}"}" $?
done <<'EOF'
Evil Wounds War --simile                          | 0 | Evil is like a wounding war.
Evil Wounds War                                   | 0 | Wounding evil is a war.
Myself Heals Fire --figure simile                 | 0 | I am like a healing fire.
Myself Heals Fire --figure=metaphor               | 0 | Healing me is a fire.
hell "provides for" BOMB                          | 0 | Providing for another, motivated by Hell is a bomb.
Contentment Soothes Truce --simile                | 0 | Contentment is like a Soothing truce.
"meter maid" Consumes fire                        | 0 | Consuming  meter maids are a fire.
--auto 010 --seed 1                               | 0 | 10 lines
--auto 08 --seed 4294967295 --format tsv          | 0 | 9 lines
--words object                                    | 0 | 60 lines
--version                                         | 0 | quillmere @VERSION@
Evil Destory War                                  | 2 | the action list has no "Destory"; did you mean "Destroys"\?$
Hare Wounds War                                   | 2 | the concept list has no "Hare"; did you mean "Harm" or "Hate"\?$
Evil Wounds Wer                                   | 2 | the object list has no "Wer"; did you mean "War"\?$
- - -                                             | 2 | the concept list has no "-"; 'quillmere --words concept' lists its words$
$'\e[31mRED\x7f' Wounds War                       | 2 | the concept list has no "\\x1B\[31mRED\\x7F";
$'a\rb\xc2' Wounds War                            | 2 | the concept list has no "a\\x0Db(\\xC2|�)";
Evil $'\xc2\x9b\xff' War                          | 2 | the action list has no "\\xC2\\x9B(\\xFF|�)";
Evil Heals Garden --simile                        | 2 | "Evil" is a negative concept and "Garden" a positive object
                                                  | 2 | give three words, --auto, --all or --words$
Evil Wounds                                       | 2 | give three words
Evil Wounds War Garden                            | 2 | "Garden" is an unexpected word$
Evil Wounds War --auto                            | 2 | three words and --auto do not go together
--auto 2 3                                        | 2 | "3" is an unexpected word$
Evil Wounds War --seed 1                          | 2 | --seed does not go with three words
Evil Wounds War --simile --figure metaphor        | 2 | --simile and --figure do not go together
Evil Wounds War --figure random                   | 2 | --figure random goes with --auto only
--auto 0                                          | 2 | --auto takes a number from 1 to 9223372036854775807, not "0"$
--auto 99999999999999999999                       | 2 | --auto takes a number from 1 to 9223372036854775807, not
--auto --seed 0x10                                | 2 | --seed takes a number from 0 to 4294967295, not "0x10"$
--auto -1                                         | 2 | --auto takes a number from 1 to 9223372036854775807, not "-1"$
--auto --seed=4294967296                          | 2 | --seed takes a number from 0 to 4294967295, not
--auto --seed ''                                  | 2 | --seed takes a number from 0 to 4294967295$
--auto 2 --simile                                 | 2 | --simile does not go with --auto
--auto --convention sideways                      | 2 | --convention takes conventional, unconventional or random, not "sideways"$
--all --format                                    | 2 | --format takes text, tsv or jsonl$
--all --format csv                                | 2 | --format takes text, tsv or jsonl, not "csv"$
--all --format tsv --format=jsonl                 | 2 | --format is given more than once$
--all --seed 1                                    | 2 | --seed does not go with --all
--words object --polarity negative                | 2 | --polarity does not go with --words
--words colour                                    | 2 | --words takes concept, action or object, not "colour"$
--words=                                          | 2 | --words takes concept, action or object$
--words --concept=                                | 2 | --concept takes a concept$
--frobnicate                                      | 2 | unknown option "--frobnicate"$
--simile=yes Evil Wounds War                      | 2 | --simile takes no value$
EOF

run --help
[ "$(awk 'length > 80' "$out")" = "" ] && grep -q '^Usage: quillmere CONCEPT ACTION OBJECT ' "$out" && grep -q '^ *or: *quillmere --all' "$out" &&
    grep -q '^Examples:' "$out" && ! grep -Eq 'TEXT|UINT|Print this help' "$out"
verdict "--help: the usage, the options and examples in our words, in 80 columns" $?

# The vocabulary: each word once, each with its polarity.
run --words --format tsv
sed 1d "$out" >"$work/words.tsv"
[ "$(cut -f1 "$work/words.tsv" | uniq -c | awk '{printf "%s %s ", $2, $1}')" = "concept 65 action 59 object 60 " ] &&
    [ "$(sort "$work/words.tsv" | uniq -d)" = "" ] &&
    grep -qx $'action\tnourishes\tpositive' "$work/words.tsv" && grep -qx $'object\tVirus\tnegative' "$work/words.tsv" &&
    run --words object --concept love --format tsv && sed 1d "$out" | cmp -s - <(grep $'^object\t.*\tpositive$' "$work/words.tsv")
verdict "--words: each list's words once, with their polarities; a concept's objects, its polarity's" $?

# Every sentence once for each three words and figure, none of a concept and an
# object of different polarities.
run --all --format tsv
sed 1d "$out" >"$work/all.tsv"
awk -F'\t' 'FNR == NR { polarity[$1 FS $2] = $3; next }
    { n++; seen[$1 FS $2 FS $3 FS $4]++
      if (polarity["concept" FS $1] == "" || polarity["concept" FS $1] != polarity["object" FS $3] ||
          polarity["action" FS $2] == "" || ($4 != "metaphor" && $4 != "simile") || NF != 5) bad++ }
    END { exit !(n == 230100 && length(seen) == n && bad == 0) }' "$work/words.tsv" "$work/all.tsv"
verdict "--all: 230,100 sentences, each once, concept and object of one polarity" $?
grep -qx $'Myself\tHeals\tFire\tsimile\tI am like a healing fire.' "$work/all.tsv" &&
    [ "$(sed -n '1p;2p' "$work/all.tsv" | cut -f1-4 | tr '\t\n' ' /')" = "Altruism Abuses A Caring Father metaphor/Altruism Abuses A Caring Father simile/" ]
verdict "--all: in the lists' order, the metaphor first" $?
run --all --format jsonl
cut -f5 "$work/all.tsv" | cmp -s - <(node -e 'for (const line of require("fs").readFileSync(0, "utf8").trim().split("\n")) {
    const s = JSON.parse(line);
    console.log(Object.keys(s).join() === "concept,action,object,figure,sentence" ? s.sentence : "");
}' <"$out")
verdict "--format jsonl: a JSON object a line, the same sentences" $?

# Auto Generate: the settings' modes hold, and a seed repeats its run.
run --auto 200 --seed 9 --convention unconventional --polarity positive --figure simile --format tsv
sed 1d "$out" | awk -F'\t' 'FNR == NR { polarity[$1 FS $2] = $3; next }
    { n++; if (polarity["concept" FS $1] != "positive" || polarity["object" FS $3] != "positive" ||
               polarity["action" FS $2] != "negative" || $4 != "simile") bad++ }
    END { exit !(n == 200 && bad == 0) }' "$work/words.tsv" -
verdict "--auto with fixed modes: positive concepts and objects, negative actions, similes" $?
run --auto 50 --seed 10 && cp "$out" "$work/seed10" && run --auto 50 --seed 010 && cmp -s "$out" "$work/seed10" &&
    run --auto 50 --seed 9 && ! cmp -s "$out" "$work/seed10"
verdict "--auto: the same seed, the same sentences, leading zeros and all; another seed, others" $?

if [ ${#native[@]} -gt 0 ]; then
    [ -x "${native[0]}" ] || echo "no native build of the program at ${native[0]}: run tools/test"
    "${native[@]}" --auto 300 --seed 4242 --format jsonl >"$work/native" &&
        run --auto 300 --seed 4242 --format jsonl && cmp -s "$out" "$work/native"
    verdict "the same seed gives the same sentences here and on Linux" $?
fi

# Output that cannot be written: a full disk fails with its reason; a closed
# pipe ends the run at once and quietly.
for command in --all --help --version; do
    "${program[@]}" $command >/dev/full 2>"$err"; [ $? -eq 1 ] && grep -q '^quillmere: write error: .*No space left on device' "$err"
    verdict "a full disk: a write error and status 1 ($command)" $?
done
# SIGPIPE ends the program on Linux (141); where it is ignored, the write's
# own error must end it, quietly and with 0.
for ignored in '' PIPE; do
    start=$(date +%s%N)
    (if [ -n "$ignored" ]; then trap '' PIPE; fi; "${program[@]}" --auto 100000000 2>"$err" | head -n 1 >/dev/null; exit "${PIPESTATUS[0]}")
    status=$?
    elapsed=$((($(date +%s%N) - start) / 1000000))
    { [ "$status" -eq 0 ] || { [ "$status" -eq 141 ] && [ -z "$ignored" ]; }; } && [ ! -s "$err" ] && [ "$elapsed" -lt 20000 ]
    verdict "a closed pipe${ignored:+, SIGPIPE ignored}: a quiet end at once (status $status, $elapsed ms)" $?
done

verdicts
