#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Check that resources/TMusicFont.ttf is exactly what make_tmusicfont.py
# generates: regenerate it into a temporary directory and compare the two
# files byte for byte.
#
# Exit status: 0 the files are identical; 1 they differ (or the generator
# failed); 77 the check cannot run here: fontTools is not importable by
# /usr/bin/python3, or it is another fontTools version than the one the
# committed font was made with (CTest reports 77 as "skipped").
#
# SORVEL_FONT_PYTHON overrides the interpreter (default /usr/bin/python3).
set -u

here=$(cd "$(dirname "$0")" && pwd)
committed="$here/../TMusicFont.ttf"
python=${SORVEL_FONT_PYTHON:-/usr/bin/python3}

if [ ! -x "$python" ] || ! "$python" -c 'import fontTools' >/dev/null 2>&1; then
    echo "check_font: fontTools is not importable by $python; skipped"
    exit 77
fi

# The outlines go through fontTools (curve conversion, table compilers); its
# version is part of the recipe.
have=$("$python" -c 'import fontTools; print(fontTools.version)')
want=$(sed -n 's/^FONTTOOLS_VERSION = "\(.*\)"$/\1/p' "$here/make_tmusicfont.py")
if [ "$have" != "$want" ]; then
    echo "check_font: the font is made with fontTools $want, $python has $have; skipped"
    exit 77
fi

if [ ! -f "$committed" ]; then
    echo "check_font: $committed is missing"
    exit 1
fi

tmp=$(mktemp -d) || exit 1
trap 'rm -rf "$tmp"' EXIT
trap 'exit 1' INT TERM

if ! PYTHONDONTWRITEBYTECODE=1 "$python" "$here/make_tmusicfont.py" -o "$tmp/TMusicFont.ttf"; then
    echo "check_font: make_tmusicfont.py failed"
    exit 1
fi

if cmp -s "$committed" "$tmp/TMusicFont.ttf"; then
    echo "check_font: TMusicFont.ttf matches its generator"
    exit 0
fi

echo "check_font: resources/TMusicFont.ttf differs from what resources/font/make_tmusicfont.py generates."
echo "Regenerate it with:  /usr/bin/python3 resources/font/make_tmusicfont.py   and commit both."
exit 1
