#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line speaks the interface language: every message of the batch
# commands, --help, --version and the line without a display, in each
# language chosen by the locale or by the settings file, with the exit
# statuses of a Linux program (0 done, 1 failed, 2 a wrong command line).
#   language_commands_test.sh SORVEL DEMO.svl DATA_FOLDER
set -u
source "$(dirname "$0")/checks.sh"
sorvel=$(isolated "$1") demo=$2 data=$3

# Kana (full and half width) and Chinese characters, by their code points:
# punctuation shared by Chinese and Japanese is neither.
japanese='[\x{3041}-\x{3096}\x{30A1}-\x{30FA}\x{FF66}-\x{FF9D}]'
han='[\x{3400}-\x{4DBF}\x{4E00}-\x{9FFF}\x{F900}-\x{FAFF}]'
cjk="$japanese|$han"
matches() {  # Perl pattern, file
    LC_ALL=C.UTF-8 grep -qP "$1" "$2"
}
# Whether every line of the file fits a terminal of 80 columns, East Asian
# wide characters taking two.
fits_80_columns() {  # file
    python3 -c '
import sys, unicodedata
width = lambda line: sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in line)
sys.exit(any(width(l.rstrip("\n")) > 80 for l in open(sys.argv[1], encoding="utf-8")))' "$1"
}

# The demo with a coda sign and a D.C. that lead nowhere: a walk error, which
# the play commands report as a warning and play past.
awk '/^class /{sign=($0 ~ /^class TMusicSign\r?$/); if (sign) n++}
     sign && /^  Content=/ { if (n == 1) sub(/=.*/, "=l\r"); if (n == 3) sub(/=.*/, "=m\r") }
     { print }' "$demo" >"$work/walk.svl"
printf 'not xml at all' >"$work/bad.musicxml"

# Each case: its name, the exit status it ends with, whether its line holds a
# text of ours (else only names and the system's words), and the arguments.
cases=(
    "missing-file|1|yes|--export-pdf $work/missing.svl $work/out.pdf"
    "not-a-score|1|yes|--resave $data/not_a_score.txt $work/out.svl"
    "no-pages|1|yes|--export-midi $data/no_book.svl $work/out.mid"
    "page-beyond|1|yes|--export-png $demo $work/out.png --page 9"
    "folder-missing|1|no|--export-midi $demo $work/no/such/folder/out.mid"
    "soundfont|1|yes|--render-wav $demo $work/out.wav"
    "bad-musicxml|1|yes|--import-musicxml $work/bad.musicxml $work/out.svl"
    "walk-warning|0|yes|--export-midi $work/walk.svl $work/walk.mid"
    "unknown-option|2|yes|--bogus"
    "no-number|2|yes|--export-png $demo $work/out.png --page"
    "bad-number|2|yes|--export-png $demo $work/out.png --page=0"
    "no-output|2|yes|--export-pdf $demo"
    "not-taken|2|yes|--export-pdf $demo $work/out.pdf --page 2"
    "no-command|2|yes|--metronome $demo"
    "two-commands|2|yes|--resave --export-pdf $demo $work/out.pdf"
)

# Runs every case in one language and checks its line: English holds no
# Japanese or Chinese at all; Japanese holds kana; Chinese holds Chinese and
# no kana (kana would be Japanese left untranslated).
check_language() {  # language code, locale, program
    local code=$1 locale=$2 program=$3 entry name status ours args
    for entry in "${cases[@]}"; do
        IFS='|' read -r name status ours args <<<"$entry"
        rm -f "$work"/out.* "$work/walk.mid"
        # shellcheck disable=SC2086
        LC_ALL=$locale SORVEL_SOUNDFONT="$work/none.sf2" "$program" $args >"$work/stdout" 2>"$work/err"
        check "$code $name: status $status" "[[ $? == $status ]]"
        check "$code $name: one line on stderr" "[[ \$(wc -l <'$work/err') == 1 && ! -s '$work/stdout' ]]"
        check "$code $name: no output file" "[[ -z \$(ls '$work' | grep '^out\\.') ]]"
        check_words "$code $name" "$code" "$ours" "$work/err"
    done
}

check_words() {  # description, language code, holds a text of ours, file
    case $2 in
        en) check "$1 is English" "! matches '$cjk' '$4'" ;;
        ja) [[ $3 == no ]] || check "$1 is Japanese" "matches '$japanese' '$4'" ;;
        zh_*)
            check "$1 has no Japanese kana" "! matches '$japanese' '$4'"
            [[ $3 == no ]] || check "$1 is Chinese" "matches '$han' '$4'"
            ;;
    esac
}

for pair in en:en_US.UTF-8 ja:ja_JP.UTF-8 zh_CN:zh_CN.UTF-8 zh_TW:zh_TW.UTF-8; do
    code=${pair%%:*} locale=${pair#*:}
    check_language "$code" "$locale" "$sorvel"

    LC_ALL=$locale "$sorvel" --help >"$work/help" 2>"$work/err"
    check "$code --help: status 0, nothing on stderr" "[[ $? == 0 && ! -s '$work/err' ]]"
    check_words "$code --help" "$code" yes "$work/help"
    check "$code --help: lines fit 80 columns" "fits_80_columns '$work/help'"

    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=$locale "$sorvel" "$demo" \
        >"$work/stdout" 2>"$work/err"
    check "$code without a display: status 1, one line" "[[ $? == 1 && \$(wc -l <'$work/err') == 1 ]]"
    check_words "$code without a display" "$code" yes "$work/err"
done

# Every command of the table is in the help, with its arguments.
LC_ALL=C.UTF-8 "$sorvel" --help >"$work/help"
for command in --resave --export-png --export-bmp --export-pdf --export-midi --render-wav \
               --import-musicxml --export-musicxml --page --part --metronome --expressive --version; do
    check "--help names $command" "grep -q -- '$command' '$work/help'"
done
check "-h is --help" "cmp -s <('$sorvel' -h) '$work/help'"

# --version: the name and the version first, then the licence; status 0.
"$sorvel" --version >"$work/version" 2>"$work/err"
check "--version: status 0" "[[ $? == 0 && ! -s '$work/err' ]]"
check "--version: 'sorvel VERSION' first" "head -n 1 '$work/version' | grep -qx 'sorvel [0-9][0-9.]*'"
check "--version: the licence" "grep -q 'GPL' '$work/version'"
check "--version answers before anything else" "'$sorvel' --export-pdf --version >/dev/null 2>&1"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$sorvel" --bogus 2>"$work/err"
check "an unknown option is refused even without a display" "[[ $? == 2 ]] && grep -q -- '--bogus' '$work/err'"
"$sorvel" "$demo" --bogus 2>/dev/null
check "an unknown option after a file is refused" "[[ $? == 2 ]]"
"$sorvel" -x 2>/dev/null
check "an unknown short option is refused" "[[ $? == 2 ]]"
# After "--" a name that starts with "-" is a file: the editor would open it.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$sorvel" -- --bogus 2>"$work/err"
check "after --, --bogus is a file name" "[[ $? == 1 ]] && ! grep -q -- '--bogus' '$work/err'"
"$sorvel" --export-png "$demo" "$work/p2.png" --page=2
check "--page=2 is --page 2" "[[ $? == 0 && -s '$work/p2.png' ]]"
"$sorvel" --page 2 --export-png "$demo" "$work/p2b.png"
check "options may stand before the command" "cmp -s '$work/p2.png' '$work/p2b.png'"

# The language chosen in the settings file wins over the locale; "auto"
# follows the locale.
chosen=$(isolated "$1" chosen)
printf '[Editor]\nLanguage=zh_TW\n' >"$work/chosen/sorvelini"
LC_ALL=en_US.UTF-8 "$chosen" --export-pdf "$work/missing.svl" "$work/out.pdf" 2>"$work/err"
check_words "the settings' zh_TW over an English locale" zh_TW yes "$work/err"
printf '[Editor]\nLanguage=ja\n' >"$work/chosen/sorvelini"
LC_ALL=zh_CN.UTF-8 "$chosen" --bogus 2>"$work/err"
check_words "the settings' ja over a Chinese locale" ja yes "$work/err"
printf '[Editor]\nLanguage=auto\n' >"$work/chosen/sorvelini"
LC_ALL=en_US.UTF-8 "$chosen" --bogus 2>"$work/err"
check_words "auto follows the English locale" en yes "$work/err"
LANGUAGE=ja LC_ALL=en_US.UTF-8 "$chosen" --bogus 2>"$work/err"
check_words "LANGUAGE comes before the locale" ja yes "$work/err"

finish language_commands
