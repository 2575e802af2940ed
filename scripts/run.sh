#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Sorvel and starts it. Arguments go to the program, so the batch
# commands work too:  scripts/run.sh --export-pdf book.svl book.pdf
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target sorvel -j"$(nproc)" >/dev/null
# The editor in the desktop's menu, for this user (quiet, repeated harmlessly).
bash scripts/install-desktop-entry.sh || echo "run.sh: the desktop menu entry could not be installed" >&2
exec ./build/sorvel "$@"
