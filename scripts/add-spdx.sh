#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Gives every source file of ours the line that names its licence,
#   // SPDX-License-Identifier: GPL-3.0-or-later    (C++)
#   # SPDX-License-Identifier: GPL-3.0-or-later     (shell, Python, CMake)
# as its first line, or after its "#!" line (and a Python coding line).
# Files that name a licence already are left alone, so running it again
# changes nothing. The files of others (the MusicXML test files and schema,
# fuzz seeds, any data file) are never touched: only source files are chosen.
#   add-spdx.sh           adds the line where it is missing
#   add-spdx.sh --check   lists the files without it, and fails if there are any
set -euo pipefail
cd "$(dirname "$0")/.."

readonly licence="SPDX-License-Identifier: GPL-3.0-or-later"

# The source files of ours: C++, scripts and build files of the tree.
sources() {
    local listed
    if listed=$(git ls-files --cached --others --exclude-standard 2>/dev/null); then
        printf '%s\n' "$listed"
    else
        find . -path './build*' -prune -o -type f -print | sed 's|^\./||'
    fi | grep -E '^((src|tests|bench|fuzz)/.*\.(cpp|h|py|sh|cmake)|scripts/.*\.(sh|py)|resources/font/[^/]*\.(py|sh)|examples/[^/]*\.py|(.*/)?CMakeLists\.txt|.*\.cmake)$' |
        grep -Ev '^(tests/interchange/data/musicxml/|fuzz/[^/]*/corpus/|build[^/]*/)' |
        sort -u
}

comment_of() {  # file
    case $1 in
        *.cpp | *.h) echo "// $licence" ;;
        *) echo "# $licence" ;;
    esac
}

# How many lines stand before the licence line: a "#!" line, and a Python
# coding line after it (which must stay within the first two lines).
preamble_lines() {  # file
    local first second
    first=$(head -n 1 -- "$1")
    [[ $first == '#!'* ]] || { echo 0; return; }
    second=$(sed -n 2p -- "$1")
    if [[ $1 == *.py && $second =~ ^#.*coding[:=] ]]; then echo 2; else echo 1; fi
}

has_licence() {  # file
    local skip
    skip=$(preamble_lines "$1")
    head -n $((skip + 1)) -- "$1" | grep -q 'SPDX-License-Identifier:'
}

add_licence() {  # file
    local skip line tmp
    skip=$(preamble_lines "$1")
    line=$(comment_of "$1")
    tmp=$(mktemp "$1.XXXXXX")
    { head -n "$skip" -- "$1"; printf '%s\n' "$line"; tail -n +$((skip + 1)) -- "$1"; } > "$tmp"
    chmod --reference="$1" "$tmp"
    mv -- "$tmp" "$1"
}

missing=()
while IFS= read -r file; do
    [[ -f $file ]] || continue
    has_licence "$file" || missing+=("$file")
done < <(sources)

if [[ ${1:-} == --check ]]; then
    if ((${#missing[@]})); then
        echo "Files without \"$licence\" (bash scripts/add-spdx.sh adds it):"
        printf '  %s\n' "${missing[@]}"
        exit 1
    fi
    exit 0
fi
for file in "${missing[@]}"; do add_licence "$file"; done
echo "add-spdx: ${#missing[@]} files given the licence line"
