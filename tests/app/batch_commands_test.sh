#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the batch commands on good and bad input and checks exit status,
# messages, and that a failure leaves no output file behind.
set -u
source "$(dirname "$0")/checks.sh"
sorvel=$(isolated "$1") demo=$2 data=$3

# Resaving a score the program wrote gives the same bytes.
"$sorvel" --resave "$demo" "$work/re.svl"
check "resave succeeds" "[[ $? == 0 ]]"
check "resave is byte-identical" "cmp -s '$demo' '$work/re.svl'"

# Failures: one line on stderr, non-zero status, no output file.
check_failures "$sorvel" "$data" --resave --export-png --export-pdf

# What is no regular file, behind a name like a score's: a pipe without a
# writer, an endless device, a folder, and a kernel file that waits for new
# messages (only root can open it). Each fails at once in one line; none
# waits or reads forever (the time limit would end it with status 124).
mkfifo "$work/pipe.svl"
ln -s /dev/zero "$work/zero.svl"
mkdir "$work/folder.svl"
ln -s /proc/kmsg "$work/kmsg.svl"
specials=(pipe.svl zero.svl folder.svl)
[[ -r /proc/kmsg ]] && specials+=(kmsg.svl)
for name in "${specials[@]}"; do
    for cmd in --resave --export-pdf --import-musicxml; do
        out="$work/special-$name$cmd"
        timeout 60 "$sorvel" $cmd "$work/$name" "$out" 2>"$work/err"
        status=$?
        check "$cmd $name fails at once" "[[ $status == 1 && ! -e '$out' ]]"
        check "$cmd $name says it is no regular file" \
            "[[ \$(wc -l <'$work/err') == 1 ]] && grep -q 'not a regular file' '$work/err'"
    done
done

# A failing write keeps the old file as it was.
echo "old contents" >"$work/keep.svl"
chmod 0444 "$work/keep.svl"
mkdir "$work/ro" && cp "$work/keep.svl" "$work/ro/keep.svl" && chmod 0555 "$work/ro"
"$sorvel" --resave "$demo" "$work/ro/keep.svl" 2>/dev/null
status=$?
if [[ $(id -u) != 0 ]]; then
    check "write into a read-only folder fails" "[[ $status != 0 ]]"
fi
check "the old file is intact" "grep -q 'old contents' '$work/ro/keep.svl' || [[ $(id -u) == 0 ]]"
chmod 0755 "$work/ro"

# Exports: page images of one pixel per page unit, a PDF of every page.
"$sorvel" --export-png "$demo" "$work/p2.png" --page 2
check "png export succeeds" "[[ $? == 0 ]]"
check "png is a PNG" "head -c 8 '$work/p2.png' | od -An -c | grep -q 'P   N   G'"
"$sorvel" --export-bmp "$demo" "$work/p1.bmp"
check "bmp export succeeds" "[[ $? == 0 ]]"
check "bmp is 964 x 1365" "[[ \$(od -An -tu4 -j18 -N8 '$work/p1.bmp' | tr -s ' ') == ' 964 1365' ]]"
"$sorvel" --export-png "$demo" "$work/p9.png" --page 9 2>"$work/err"
check "a page beyond the book fails" "[[ $? != 0 && ! -e '$work/p9.png' ]]"
"$sorvel" --export-pdf "$demo" "$work/demo.pdf"
check "pdf export succeeds" "[[ $? == 0 ]]"
check "pdf has two pages" "[[ \$(grep -ac '/Type /Page\b' '$work/demo.pdf') == 2 ]]"
"$sorvel" --export-png "$demo" 2>/dev/null
check "a missing output name is refused" "[[ $? != 0 ]]"
"$sorvel" --export-png "$demo" "$work/x.png" --page 0 2>/dev/null
check "page 0 is refused" "[[ $? != 0 && ! -e '$work/x.png' ]]"

# Output names are bytes: one that is not UTF-8 is written under exactly that
# name, and nothing else appears beside it.
mkdir "$work/names"
latin1=$'caf\xe9'
for cmd in --resave --export-png --export-bmp --export-pdf; do
    "$sorvel" $cmd "$demo" "$work/names/$latin1$cmd"
    check "$cmd to a Latin-1 name succeeds" "[[ $? == 0 && -s \"\$work/names/\$latin1\"$cmd ]]"
done
check "only the four files are in the folder" "[[ \$(ls -A '$work/names' | wc -l) == 4 ]]"

# Without any display the editor says so in one line instead of failing
# inside Qt; an unknown option is refused.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$sorvel" "$demo" >"$work/out" 2>"$work/err"
check "no display: status 1" "[[ $? == 1 ]]"
check "no display: one line naming the batch commands" \
    "[[ \$(wc -l <'$work/err') == 1 ]] && grep -q 'batch commands' '$work/err'"
"$sorvel" --no-such-option 2>"$work/err"
check "an unknown option ends with status 2" "[[ $? == 2 && \$(wc -l <'$work/err') == 1 ]]"

finish batch_commands
