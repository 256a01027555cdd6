#!/usr/bin/env bash
# The package's completions as people meet them: in bash and zsh a line typed
# in a terminal (tmux), Tab pressed where it says <Tab> and the line run, so the
# program itself tells whether it got the words meant; fish by `complete -C`.
# Usage: completion_test.sh WORK_DIR PROGRAM COMPLETIONS_DIR
set -u
work=$1 program=$2 completions=$3
. "$(dirname "$0")/../support/verdicts.sh" || exit 1
fresh_work_dir "$work" || exit 1
# The shells run in a folder named as a word.
mkdir -p "$work/bin" "$work/zsh" "$work/Gun" && ln -s "$program" "$work/bin/quillmere" &&
    cp "$completions/quillmere.zsh-completion" "$work/zsh/_quillmere" || exit 1
tmux=(tmux -S "$work/tmux.sock")
# A session kept open, so that the server does not end with each test's.
"${tmux[@]}" new-session -d -s keep && trap '"${tmux[@]}" kill-server 2>/dev/null' EXIT || exit 1
bash=(bash --norc --noprofile ". /usr/share/bash-completion/bash_completion; . '$completions/quillmere.bash-completion'")
zsh=(zsh -f "fpath=('$work/zsh' \$fpath); autoload -Uz compinit; compinit -u -d '$work/zcompdump'")

# Whether SHELL shows LINE within ten seconds of KEYS, their <Tab>s pressed, and Enter.
typed_in() {
    local -n shell=$1
    local keys=$2 i
    "${tmux[@]}" kill-session -t test 2>/dev/null
    "${tmux[@]}" new-session -d -s test -x 200 -y 20 -c "$work" \
        env -i HOME="$work" TERM=xterm PATH="$work/bin:/usr/bin:/bin" LANG=C.UTF-8 "${shell[@]:0:${#shell[@]}-1}"
    "${tmux[@]}" send-keys -t test -l "${shell[-1]}; clear" && "${tmux[@]}" send-keys -t test Enter
    while [[ $keys == *'<Tab>'* ]]; do
        sleep 0.5
        "${tmux[@]}" send-keys -t test -l "${keys%%<Tab>*}" && "${tmux[@]}" send-keys -t test Tab
        keys=${keys#*<Tab>}
    done
    sleep 0.5
    "${tmux[@]}" send-keys -t test -l "$keys" && "${tmux[@]}" send-keys -t test Enter
    for ((i = 0; i < 50; i++)); do
        "${tmux[@]}" capture-pane -p -t test | grep -qxF -- "$3" && return 0
        sleep 0.2
    done
    return 1
}

# shell | keys typed | the words the program must get
while IFS='|' read -r shell keys meant; do
    shell=${shell// /} keys=${keys# } keys=${keys%"${keys##*[! ]}"}
    eval "set -- $meant"
    if [ "$shell" = fish ]; then
        [ "$(fish --no-config -c "set PATH '$work/bin' \$PATH; source '$completions/quillmere.fish'; complete -C '${keys%<Tab>}'")" = "${*: -1}" ]
    else
        typed_in "$shell" "$keys" "$("$program" "$@")"
    fi
    verdict "$shell: $keys gives $meant" $?
done <<'TABLE'
bash | quillmere Evil Wounds "Broken H<Tab>           | Evil Wounds "Broken Heart"
bash | quillmere Evil Wounds Broken\ H<Tab>           | Evil Wounds "Broken Heart"
bash | quillmere Evil Wounds Brok<Tab>H<Tab>          | Evil Wounds "Broken Heart"
bash | quillmere mutilated\ k<Tab>Heals Gar<Tab>      | "Mutilated Kittens" Heals Garden
bash | quillmere Evil Wounds Battering<Tab>           | Evil Wounds "Battering Ram"
bash | quillmere --figure simile Evil Wounds G<Tab>   | --figure simile Evil Wounds Gun
zsh  | quillmere Evil Wounds Battering<Tab>           | Evil Wounds "Battering Ram"
zsh  | quillmere Evil Wounds "Broken H<Tab>           | Evil Wounds "Broken Heart"
zsh  | quillmere --figure simile "meter maid" Wounds G<Tab> | --figure simile "Meter Maid" Wounds Gun
fish | quillmere Evil Wounds Battering<Tab>           | Evil Wounds "Battering Ram"
fish | quillmere Evil Wounds "Broken H<Tab>           | Evil Wounds "Broken Heart"
fish | quillmere --figure simile "meter maid" Wounds G<Tab> | --figure simile "Meter Maid" Wounds Gun
TABLE
typed_in bash 'quillmere Evil Wounds "$(touch $HOME/ran)G<Tab>' '>' && [ ! -e "$work/ran" ]
verdict "bash: Tab runs nothing typed" $?

verdicts
