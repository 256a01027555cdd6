#!/usr/bin/env bash
# The seal of the page's policy: the script hashed as browsers hash it, with
# its line ends made LF; a page whose script is anything but one plain inline
# <script> refused; a script changed after its seal found out.
# Usage: seal_test.sh NODE WORK_DIR
set -u
node=$1 work=$2
seal=$(dirname "$0")/../../web/seal_policy.mjs
. "$(dirname "$0")/../support/verdicts.sh" || exit 1
fresh_work_dir "$work" || exit 1
page() { printf "<meta content=\"script-src 'sha256-@SCRIPT@' 'wasm-unsafe-eval'\">%s<noscript>off</noscript>\n" "$1" >"$work/$2"; }
policy() { grep -o "script-src '[^']*'" "$work/$1"; }

page $'<script>\nlet a = 1;\nrun(a);\n</script>' lf.html
page $'<script>\r\nlet a = 1;\r\nrun(a);\r\n</script>' crlf.html
"$node" "$seal" seal "$work/lf.html" && "$node" "$seal" seal "$work/crlf.html" &&
    [ "$(policy lf.html)" = "$(policy crlf.html)" ] && "$node" "$seal" check "$work/lf.html" "$work/crlf.html"
verdict "a script with CRLF line ends has the hash of the same script with LF ones" $?
sed -i 's/run(a)/run(b)/' "$work/lf.html"
! "$node" "$seal" check "$work/lf.html" 2>/dev/null
verdict "a script changed after its seal fails the check" $?
for script in '<script type="module">run();</script>' '<script>a();</script><script>b();</script>' '<SCRIPT>run();</SCRIPT>'; do
    page "$script" refused.html
    ! "$node" "$seal" seal "$work/refused.html" 2>/dev/null && grep -q "@SCRIPT@" "$work/refused.html"
    verdict "refused, and left as it was: $script" $?
done
verdicts
