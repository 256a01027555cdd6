#!/usr/bin/env bash
# The package's completions as people meet them: in bash and zsh a line typed
# in a terminal (tmux), Tab pressed where it says <Tab>, and the line run, so
# that the program itself tells whether it got the words meant; fish through
# its own engine, `complete -C`.
# Usage: completion_test.sh WORK_DIR PROGRAM COMPLETIONS_DIR
set -u
work=$1 program=$2 completions=$3
. "$(dirname "$0")/../support/verdicts.sh" || exit 1
fresh_work_dir "$work" || exit 1
# A folder named as a word, where the shells run.
mkdir -p "$work/bin" "$work/zsh" "$work/Gun"
ln -s "$program" "$work/bin/quillmere"
cp "$completions/quillmere.zsh-completion" "$work/zsh/_quillmere"
tmux=(tmux -S "$work/tmux.sock")
trap '"${tmux[@]}" kill-server 2>/dev/null' EXIT
setup_bash=". /usr/share/bash-completion/bash_completion; . '$completions/quillmere.bash-completion'"
setup_zsh="fpath=('$work/zsh' \$fpath); autoload -Uz compinit; compinit -u -d '$work/zcompdump'"

# The screen of SHELL after KEYS, their <Tab>s pressed, and Enter, once it
# shows LINE or after ten seconds.
typed_in() {
    local shell=$1 keys=$2 line=$3 setup=setup_$1 screen i
    "${tmux[@]}" kill-session -t test 2>/dev/null
    "${tmux[@]}" new-session -d -s test -x 200 -y 20 -c "$work" \
        env -i HOME="$work" TERM=xterm PATH="$work/bin:/usr/bin:/bin" LANG=C.UTF-8 "$shell" $([ "$shell" = bash ] && echo --norc --noprofile || echo -f)
    "${tmux[@]}" send-keys -t test -l "${!setup}; clear" && "${tmux[@]}" send-keys -t test Enter
    while [[ $keys == *'<Tab>'* ]]; do
        sleep 0.5
        "${tmux[@]}" send-keys -t test -l "${keys%%<Tab>*}" && "${tmux[@]}" send-keys -t test Tab
        keys=${keys#*<Tab>}
    done
    sleep 0.5
    "${tmux[@]}" send-keys -t test -l "$keys" && "${tmux[@]}" send-keys -t test Enter
    for ((i = 0; i < 50; i++)); do
        screen=$("${tmux[@]}" capture-pane -p -t test)
        grep -qxF -- "$line" <<<"$screen" && break
        sleep 0.2
    done
    printf '%s\n' "$screen"
}

# shell | keys typed | the words the program must get
while IFS='|' read -r shell keys meant; do
    shell=${shell// /} keys=${keys# } keys=${keys%"${keys##*[! ]}"}
    eval "set -- $meant"
    expected=$("$program" "$@")
    if [ "$shell" = fish ]; then
        # The one word offered, from the line up to the Tab.
        [ "$(fish --no-config -c "set PATH '$work/bin' \$PATH; source '$completions/quillmere.fish'; complete -C '${keys%<Tab>}'")" = "$3" ]
    else
        typed_in "$shell" "$keys" "$expected" | grep -qxF -- "$expected"
    fi
    verdict "$shell: $keys gives $meant" $?
done <<'TABLE'
bash | quillmere Evil Wounds "Broken H<Tab>  | Evil Wounds "Broken Heart"
bash | quillmere Evil Wounds Broken\ H<Tab>  | Evil Wounds "Broken Heart"
bash | quillmere Evil Wounds Brok<Tab>H<Tab> | Evil Wounds "Broken Heart"
bash | quillmere mutilated\ k<Tab>Heals Gar<Tab>   | "Mutilated Kittens" Heals Garden
bash | quillmere Evil Wounds Battering<Tab>  | Evil Wounds "Battering Ram"
bash | quillmere Evil Wounds G<Tab>          | Evil Wounds Gun
bash | quillmere Joy Heals G<Tab>            | Joy Heals Garden
zsh  | quillmere Evil Wounds Battering<Tab>  | Evil Wounds "Battering Ram"
zsh  | quillmere Evil Wounds "Broken H<Tab>  | Evil Wounds "Broken Heart"
zsh  | quillmere "meter maid" Wounds G<Tab>  | "Meter Maid" Wounds Gun
zsh  | quillmere Joy Heals G<Tab>            | Joy Heals Garden
fish | quillmere Evil Wounds Battering<Tab>  | Evil Wounds "Battering Ram"
fish | quillmere Evil Wounds "Broken H<Tab>  | Evil Wounds "Broken Heart"
fish | quillmere "meter maid" Wounds G<Tab>  | "Meter Maid" Wounds Gun
fish | quillmere Joy Heals G<Tab>            | Joy Heals Garden
TABLE
typed_in bash 'quillmere Evil Wounds "$(touch $HOME/ran)G<Tab>' '' >/dev/null
[ ! -e "$work/ran" ]
verdict "bash: Tab runs nothing typed" $?

verdicts
