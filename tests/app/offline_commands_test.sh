#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs --export-midi and --render-wav on the demo score and on bad input:
# exit status, messages, the files' headers, the same bytes on every run, and
# no output file left behind by a failure.
set -u
source "$(dirname "$0")/checks.sh"
sorvel=$(isolated "$1") demo=$2 data=$3
# Unsigned integer of $3 bytes at offset $2 of file $1, as od reads it (little-endian).
u() { od -An -tu"$3" -j"$2" -N"$3" "$1" | tr -d ' '; }
# Big-endian 16-bit value at offset $2 of file $1.
be16() { od -An -tu1 -j"$2" -N2 "$1" | awk '{ print $1 * 256 + $2 }'; }

# MIDI: format 1, 48 ticks a quarter, a conductor and a melody track; the
# metronome adds a third. Nothing on stderr.
"$sorvel" --export-midi "$demo" "$work/demo.mid" 2>"$work/err"
check "export-midi succeeds" "[[ $? == 0 ]]"
check "export-midi is silent" "[[ ! -s '$work/err' ]]"
check "export-midi writes an SMF" "[[ \$(head -c 4 '$work/demo.mid') == MThd ]]"
check "format 1" "[[ \$(be16 '$work/demo.mid' 8) == 1 ]]"
check "two tracks" "[[ \$(be16 '$work/demo.mid' 10) == 2 ]]"
check "48 ticks a quarter" "[[ \$(be16 '$work/demo.mid' 12) == 48 ]]"
"$sorvel" --export-midi "$demo" "$work/again.mid"
check "export-midi gives the same bytes again" "cmp -s '$work/demo.mid' '$work/again.mid'"
"$sorvel" --export-midi "$demo" "$work/clicks.mid" --metronome
check "--metronome adds a track" "[[ \$(be16 '$work/clicks.mid' 10) == 3 ]]"
# --expressive plays the marks: the same two tracks, with pitch bends, the
# bend range (RPN 0) and expression controllers that the plain file lacks.
"$sorvel" --export-midi "$demo" "$work/expr.mid" --expressive 2>"$work/err"
check "--expressive succeeds silently" "[[ $? == 0 && ! -s '$work/err' ]]"
check "--expressive keeps two tracks" "[[ \$(be16 '$work/expr.mid' 10) == 2 ]]"
hexof() { od -An -tx1 -v "$1" | tr -d ' \n'; }
check "--expressive sets the bend range" "hexof '$work/expr.mid' | grep -q 'b06500.*b06400.*b0060c'"
check "--expressive writes pitch-bend messages" "hexof '$work/expr.mid' | grep -q '00e0'"
check "the plain file has no bends" "! hexof '$work/demo.mid' | grep -q 'b0060c'"
"$sorvel" --export-midi "$demo" "$work/expr2.mid" --expressive
check "--expressive gives the same bytes again" "cmp -s '$work/expr.mid' '$work/expr2.mid'"
"$sorvel" --render-wav "$demo" "$work/expr.wav" --expressive 2>"$work/err"
check "--render-wav --expressive succeeds" "[[ $? == 0 && -s '$work/expr.wav' && ! -s '$work/err' ]]"
"$sorvel" --export-midi "$demo" "$work/p2.mid" --page 2
check "--page 2 succeeds" "[[ $? == 0 && -s '$work/p2.mid' ]]"

# WAV: 44.1 kHz 16-bit stereo PCM, the same bytes from two processes.
"$sorvel" --render-wav "$demo" "$work/demo.wav" 2>"$work/err"
check "render-wav succeeds" "[[ $? == 0 ]]"
check "render-wav is silent" "[[ ! -s '$work/err' ]]"
check "RIFF WAVE" "[[ \$(head -c 4 '$work/demo.wav') == RIFF && \$(tail -c +9 '$work/demo.wav' | head -c 4) == WAVE ]]"
check "PCM stereo" "[[ \$(u '$work/demo.wav' 20 2) == 1 && \$(u '$work/demo.wav' 22 2) == 2 ]]"
check "44100 Hz 16-bit" "[[ \$(u '$work/demo.wav' 24 4) == 44100 && \$(u '$work/demo.wav' 34 2) == 16 ]]"
check "data size matches the file" "[[ \$(( \$(u '$work/demo.wav' 40 4) + 44 )) == \$(stat -c %s '$work/demo.wav') ]]"
check "longer than ten seconds" "[[ \$(u '$work/demo.wav' 40 4) -gt \$((441000 * 4)) ]]"
"$sorvel" --render-wav "$demo" "$work/again.wav"
check "render-wav gives the same bytes again" "cmp -s '$work/demo.wav' '$work/again.wav'"

# A walk error of the score is a warning: the play goes ahead with what was
# walked. The demo's first mark becomes a coda sign and its third a D.C.
awk '/^class /{sign=($0 ~ /^class TMusicSign\r?$/); if (sign) n++}
     sign && /^  Content=/ { if (n == 1) sub(/=.*/, "=l\r"); if (n == 3) sub(/=.*/, "=m\r") }
     { print }' "$demo" >"$work/walk.svl"
for cmd in --export-midi --render-wav; do
    "$sorvel" $cmd "$work/walk.svl" "$work/walk$cmd" 2>"$work/err"
    check "$cmd with a walk error succeeds" "[[ $? == 0 && -s '$work/walk$cmd' ]]"
    check "$cmd with a walk error warns in one line" \
        "[[ \$(wc -l <'$work/err') == 1 ]] && grep -q '^sorvel: warning: ' '$work/err'"
done

# Failures: one line on stderr, non-zero status, no output file.
check_failures "$sorvel" "$data" --export-midi --render-wav
for cmd in --export-midi --render-wav; do
    "$sorvel" $cmd "$demo" "$work/p9$cmd" --page 9 2>"$work/err"
    check "$cmd of a page beyond the book fails" "[[ $? != 0 && ! -e '$work/p9$cmd' ]]"
    check "$cmd of a page beyond the book says one line" "[[ \$(wc -l <'$work/err') == 1 ]]"
done
SORVEL_SOUNDFONT="$work/none.sf2" "$sorvel" --render-wav "$demo" "$work/nosf.wav" 2>"$work/err"
check "a missing SoundFont fails" "[[ $? != 0 && ! -e '$work/nosf.wav' ]]"
check "a missing SoundFont says one line" "[[ \$(wc -l <'$work/err') == 1 ]]"

# A folder that cannot be written: failure, and no temporary file left in it.
if [[ $(id -u) != 0 ]]; then
    mkdir "$work/ro" && chmod 0555 "$work/ro"
    for cmd in --export-midi --render-wav; do
        "$sorvel" $cmd "$demo" "$work/ro/out" 2>/dev/null
        check "$cmd into a read-only folder fails" "[[ $? != 0 ]]"
        check "$cmd leaves the read-only folder empty" "[[ -z \$(ls -A '$work/ro') ]]"
    done
fi
"$sorvel" --export-midi "$demo" "$work/no/such/folder/x.mid" 2>"$work/err"
check "a missing folder fails with one line" "[[ $? != 0 && \$(wc -l <'$work/err') == 1 ]]"

finish offline_commands
