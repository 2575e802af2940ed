# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the command-line test scripts: a scratch folder removed at exit,
# and `check DESCRIPTION CONDITION` counting what passed and failed.
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
passed=0 failed=0

# The program speaks the language of the settings file beside it, else of
# the locale. The scripts run it in English unless they say otherwise, and
# through `isolated`, so that no settings file of the build folder decides.
export LC_ALL=C.UTF-8
unset LANGUAGE LC_MESSAGES

# A link to the program in a folder of its own (a copy where no link can be
# made): its settings file is that folder's sorvelini, none until written.
isolated() {  # program, folder name (default "bin")
    local folder=$work/${2:-bin}
    mkdir -p "$folder"
    ln -f "$1" "$folder/sorvel" 2>/dev/null || cp "$1" "$folder/sorvel"
    echo "$folder/sorvel"
}

check() {  # description, condition
    if eval "$2"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; fi
}

# The closing line of a script: its counts, and its exit status.
finish() {  # script name
    echo "$1: $passed passed, $failed failed"
    [[ $failed == 0 ]]
}

# Each command on each broken input: non-zero status, one line on standard
# error, no output file.
check_failures() {  # sorvel binary, data folder, commands...
    local sorvel=$1 data=$2 input cmd out status
    shift 2
    for input in "$work/missing.svl" "$data/not_a_score.txt" "$data/no_book.svl"; do
        for cmd in "$@"; do
            out="$work/out-$(basename "$input")$cmd"
            "$sorvel" $cmd "$input" "$out" 2>"$work/err"
            status=$?
            check "$cmd $(basename "$input") fails" "[[ $status != 0 ]]"
            check "$cmd $(basename "$input") says one line" "[[ \$(wc -l <'$work/err') == 1 ]]"
            check "$cmd $(basename "$input") writes nothing" "[[ ! -e '$out' ]]"
        done
    done
}
