#!/usr/bin/env bash
# The seal of the page's policy: script and style hashed as openssl hashes the
# same text, CRLF line ends as LF; a page whose script or style is not one plain
# inline element, or would end early, refused; the check failing a policy that
# lets in more or a page changed after its seal, and passing any valid order.
# Usage: seal_test.sh NODE WORK_DIR
set -u
node=$1 work=$2
seal=$(dirname "$0")/../../web/seal_policy.mjs
. "$(dirname "$0")/../support/verdicts.sh" || exit 1
fresh_work_dir "$work" || exit 1
script=$'\nlet a = 1;\nrun(a);\n' style=$'\nb { color: red; }\n'
policy="default-src 'none'; script-src 'sha256-@SCRIPT@' 'wasm-unsafe-eval'; style-src 'sha256-@STYLE@'; img-src data:"
page() { printf '<meta http-equiv="Content-Security-Policy" content="%s">%s<noscript>off</noscript>\n' "$policy" "$1" >"$work/$2"; }
known() { printf %s "$1" | openssl dgst -sha256 -binary | base64; }

page "<style>$style</style><script>$script</script>" lf.html
page "<style>${style//$'\n'/$'\r\n'}</style><script>${script//$'\n'/$'\r\n'}</script>" crlf.html
expected="script-src 'sha256-$(known "$script")' 'wasm-unsafe-eval'; style-src 'sha256-$(known "$style")';"
"$node" "$seal" seal "$work/lf.html" && "$node" "$seal" seal "$work/crlf.html" &&
    grep -qF "$expected" "$work/lf.html" && grep -qF "$expected" "$work/crlf.html"
verdict "script and style hashed as openssl hashes them, CRLF line ends as LF" $?

# Each change to a sealed page, and the check's status after it.
for case in "0 s/script-src \('[^']*'\) \('wasm-unsafe-eval'\)/script-src \2 \1/" "1 s/run(a)/run(b)/" \
    "1 s/'wasm-unsafe-eval'/& 'unsafe-inline'/" "1 s/img-src/script-src-elem 'unsafe-inline'; &/" \
    "1 s/default-src 'none'; /&script-src 'unsafe-inline'; /" \
    "1 s/script-src \('[^']*'\)\([^\"]*\"\)>/script-src 'unsafe-inline'\2><!-- script-src \1 -->/"; do
    sed "${case#* }" "$work/lf.html" >"$work/changed.html"
    "$node" "$seal" check "$work/changed.html" 2>/dev/null; [ $? -eq "${case%% *}" ]
    verdict "the check answers ${case%% *} after ${case#* }" $?
done

s="<style>$style</style>"
for body in "$s<script type=\"module\">run();</script>" "$s<script>a();</script><script>b();</script>" \
    "$s<SCRIPT>run();</SCRIPT>" "$s<script>a('</SCRIPT>');</script>" \
    "<style>b::after { content: '</script>'; }</style><script>run();</script>"; do
    page "$body" refused.html
    ! "$node" "$seal" seal "$work/refused.html" 2>/dev/null && grep -q "@SCRIPT@" "$work/refused.html"
    verdict "refused, and left as it was: ${body//$'\n'/ }" $?
done

"$node" "$seal" 2>/dev/null; [ $? -eq 2 ]
verdict "no page named is a usage error" $?
verdicts
