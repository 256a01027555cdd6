# fish completion for quillmere: the options and their values, and the words
# by position (a concept, then an action, then an object) as the program lists
# them, the objects only those the concept typed can meet. fish quotes a word
# of several words as it inserts it.

# The words typed before the cursor that are neither an option nor an option's
# value; none at all after a command that takes no words.
function __quillmere_typed
    set -l tokens (commandline -opc)
    set -e tokens[1]
    while set -q tokens[1]
        switch $tokens[1]
            case --format --figure --convention --polarity --seed --concept
                set -e tokens[1]
            case --auto --all --words -h --help --version '--auto=*' '--words=*'
                return 1
            case '-*'
            case '*'
                echo $tokens[1]
        end
        set -e tokens[1]
    end
end

# Whether the word being typed is the one at this position (0 the concept).
function __quillmere_at
    set -l typed (__quillmere_typed); or return 1
    test (count $typed) -eq $argv[1]
end

function __quillmere_objects
    set -l typed (__quillmere_typed)
    quillmere --words object --concept $typed[1] 2>/dev/null
end

complete -c quillmere -f
complete -c quillmere -l simile -d 'the simile instead of the metaphor'
complete -c quillmere -l figure -x -a 'metaphor simile random' -d 'the figure'
complete -c quillmere -l format -x -a 'text tsv jsonl' -d 'the output format'
complete -c quillmere -l auto -d 'sentences as Auto Generate makes them'
complete -c quillmere -l convention -x -a 'conventional unconventional random' -d 'for --auto: the convention'
complete -c quillmere -l polarity -x -a 'negative positive random' -d 'for --auto: the polarity'
complete -c quillmere -l seed -x -d 'for --auto: the seed'
complete -c quillmere -l all -d 'every sentence a user can make'
complete -c quillmere -l words -x -a 'concept action object' -d 'the words of every list, or of one'
complete -c quillmere -l concept -x -a '(quillmere --words concept 2>/dev/null)' -d 'for --words: the concept'
complete -c quillmere -s h -l help -d 'the help'
complete -c quillmere -l version -d 'the version'
complete -c quillmere -n '__quillmere_at 0' -a '(quillmere --words concept 2>/dev/null)'
complete -c quillmere -n '__quillmere_at 1' -a '(quillmere --words action 2>/dev/null)'
complete -c quillmere -n '__quillmere_at 2' -a '(__quillmere_objects)'
