#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs Sorvel's desktop entry and icons for the current user, so that the
# desktop's menus and file managers know the program:
#   $XDG_DATA_HOME/applications/sorvel.desktop          (Exec = the executable)
#   $XDG_DATA_HOME/icons/hicolor/{48x48,256x256}/apps/sorvel.png
#   $XDG_DATA_HOME/icons/hicolor/scalable/apps/sorvel.svg
# ($XDG_DATA_HOME defaults to ~/.local/share.) Usage:
#   scripts/install-desktop-entry.sh [EXECUTABLE]     (default: build/sorvel)
# Files are written only when their content changes, and the desktop's caches
# are refreshed only then, so running it again is quiet and changes nothing.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
executable=$(realpath -ms -- "${1:-$root/build/sorvel}")

data=${XDG_DATA_HOME:-}
[[ $data == /* ]] || data=$HOME/.local/share   # a relative XDG_DATA_HOME counts as unset
applications=$data/applications
hicolor=$data/icons/hicolor

# Puts `source` at `target` unless it already holds the same bytes; counts
# the files written in `written`.
written=0
place() {
    local source=$1 target=$2
    if cmp -s -- "$source" "$target"; then
        return 0
    fi
    mkdir -p -- "$(dirname -- "$target")"
    local temporary
    temporary=$(mktemp -- "$target.XXXXXX")
    cat -- "$source" > "$temporary"
    chmod 644 -- "$temporary"
    mv -f -- "$temporary" "$target"
    written=$((written + 1))
}

# The executable as one argument of the entry's Exec key: quoted when it holds
# a character the Exec syntax reserves, with the escapes of a quoted argument
# doubled for the key's string value, and % written as %%.
exec_argument() {
    local path=$1
    if [[ $path =~ [[:space:]\"\'\\\>\<~\|\&\;\$\*\?\#\(\)\`] ]]; then
        path=$(printf '%s' "$path" | sed -e 's/\\/\\\\\\\\/g' -e 's/["`$]/\\\\&/g' -e 's/%/%%/g')
        printf '"%s"' "$path"
    else
        printf '%s' "${path//%/%%}"
    fi
}

work=$(mktemp -d)
trap 'rm -rf -- "$work"' EXIT

entry=$(<"$root/resources/desktop/sorvel.desktop.in")
argument=$(exec_argument "$executable")
printf '%s\n' "${entry//@SORVEL_EXECUTABLE@/"$argument"}" > "$work/sorvel.desktop"
place "$work/sorvel.desktop" "$applications/sorvel.desktop"
entry_written=$written

place "$root/resources/icons/sorvel-48.png" "$hicolor/48x48/apps/sorvel.png"
place "$root/resources/icons/sorvel-256.png" "$hicolor/256x256/apps/sorvel.png"
place "$root/resources/icons/sorvel.svg" "$hicolor/scalable/apps/sorvel.svg"
icons_written=$((written - entry_written))

# The caches are the desktop's business: refreshed where its tools exist,
# and a failure there does not undo the installed files.
if ((entry_written)) && command -v update-desktop-database > /dev/null 2>&1; then
    update-desktop-database -q "$applications" > /dev/null 2>&1 || true
fi
if ((icons_written)) && command -v gtk-update-icon-cache > /dev/null 2>&1; then
    gtk-update-icon-cache -q -f -t "$hicolor" > /dev/null 2>&1 || true
fi
