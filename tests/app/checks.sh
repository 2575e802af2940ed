# Shared by the command-line test scripts: a scratch folder removed at exit,
# and `check DESCRIPTION CONDITION` counting what passed and failed.
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
passed=0 failed=0

check() {  # description, condition
    if eval "$2"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; fi
}

# The closing line of a script: its counts, and its exit status.
finish() {  # script name
    echo "$1: $passed passed, $failed failed"
    [[ $failed == 0 ]]
}
