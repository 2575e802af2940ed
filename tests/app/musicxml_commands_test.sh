#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The MusicXML batch commands as a user runs them: real files of other
# programs in, books out with a one-line summary; books out as MusicXML that
# the 4.0 schema accepts; bad input refused in one line with nothing written.
set -u
source "$(dirname "$0")/checks.sh"
sorvel=$(isolated "$1") demo=$2 musicxml=$3
export LC_ALL=ja_JP.UTF-8  # the checks below read the summary in Japanese
samples=$musicxml/samples

validate() {  # file
    XML_CATALOG_FILES="$musicxml/schema/catalog.xml" \
        xmllint --noout --nonet --schema "$musicxml/schema/musicxml.xsd" "$1" 2>"$work/xmllint"
}

for f in "$samples"/*; do
    name=$(basename "$f")
    "$sorvel" --import-musicxml "$f" "$work/$name.svl" 2>"$work/err"
    check "import $name succeeds" "[[ $? == 0 && -s '$work/$name.svl' ]]"
    check "import $name says one line of what it read" \
        "[[ \$(wc -l <'$work/err') == 1 ]] && grep -q 'MusicXMLを読み込みました' '$work/err'"
    "$sorvel" --resave "$work/$name.svl" "$work/$name.re.svl"
    check "the book of $name reads as a score" "[[ $? == 0 ]]"
    "$sorvel" --export-musicxml "$work/$name.svl" "$work/$name.musicxml"
    check "export of the book of $name succeeds" "[[ $? == 0 && -s '$work/$name.musicxml' ]]"
    if command -v xmllint >/dev/null; then
        check "export of the book of $name is valid MusicXML 4.0" "validate '$work/$name.musicxml'"
    fi
done

# A song of voice and piano: the voice comes first, the piano second.
second=2 beyond=9 none=0
"$sorvel" --import-musicxml "$samples/Dichterliebe01.xml" "$work/piano.svl" --part "$second" 2>"$work/err"
check "choosing the second of two imports the piano" "[[ $? == 0 ]] && grep -q 'パート 2/' '$work/err'"
"$sorvel" --import-musicxml "$samples/HelloWorld.xml" "$work/p9.svl" --part "$beyond" 2>"$work/err"
check "a number beyond the score fails in one line" \
    "[[ $? == 1 && ! -e '$work/p9.svl' && \$(wc -l <'$work/err') == 1 ]]"
"$sorvel" --import-musicxml "$samples/HelloWorld.xml" "$work/p0.svl" --part "$none" 2>/dev/null
check "a number below 1 is refused" "[[ $? == 2 && ! -e '$work/p0.svl' ]]"

# The demonstration book goes out with its erhu marks.
"$sorvel" --export-musicxml "$demo" "$work/demo.musicxml"
check "export of the demo succeeds" "[[ $? == 0 ]]"
for element in down-bow up-bow '<string>' '<fingering>' strings.erhu; do
    check "the demo's MusicXML holds $element" "grep -q -- '$element' '$work/demo.musicxml'"
done
if command -v xmllint >/dev/null; then
    check "the demo's MusicXML is valid MusicXML 4.0" "validate '$work/demo.musicxml'"
fi

# Broken input: one line, status 1, no output.
printf 'not xml at all' >"$work/bad.musicxml"
printf '<?xml version="1.0"?><score-timewise version="4.0"/>' >"$work/timewise.musicxml"
printf 'PK\003\004 truncated zip' >"$work/bad.mxl"
for input in "$work/missing.musicxml" "$work/bad.musicxml" "$work/timewise.musicxml" "$work/bad.mxl" "$demo"; do
    out="$work/out-$(basename "$input").svl"
    "$sorvel" --import-musicxml "$input" "$out" 2>"$work/err"
    status=$?
    check "import of $(basename "$input") fails" "[[ $status == 1 && ! -e '$out' ]]"
    check "import of $(basename "$input") says one line" "[[ \$(wc -l <'$work/err') == 1 ]]"
done
"$sorvel" --export-musicxml "$work/missing.svl" "$work/none.musicxml" 2>"$work/err"
check "export of a missing book fails" "[[ $? == 1 && ! -e '$work/none.musicxml' ]]"

# Texts through every door: a yen sign and a composer of three lines come
# back out as they went in; a character XML cannot hold is left out, counted
# in one line, and the file stays valid XML.
cat >"$work/texts.musicxml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?><score-partwise version="4.0"><work><work-title>¥100 の歌&#xFFFF;</work-title></work><identification><creator type="composer">by Liu Tianhua
https://example.org/erhu
1932-05-01</creator></identification><part-list><score-part id="P1"><part-name>Erhu</part-name></score-part></part-list><part id="P1"><measure number="1"><attributes><divisions>1</divisions><key><fifths>2</fifths></key><time><beats>4</beats><beat-type>4</beat-type></time></attributes><note><pitch><step>D</step><octave>4</octave></pitch><duration>4</duration><type>whole</type></note></measure></part></score-partwise>
XML
"$sorvel" --import-musicxml "$work/texts.musicxml" "$work/texts.svl" 2>/dev/null
"$sorvel" --resave "$work/texts.svl" "$work/texts.re.svl"
"$sorvel" --export-musicxml "$work/texts.re.svl" "$work/texts.out.musicxml" 2>"$work/err"
check "texts: export succeeds and counts what it left out in one line" \
    "[[ $? == 0 && \$(wc -l <'$work/err') == 1 ]] && grep -q '1個省きました' '$work/err'"
check "texts: the yen sign comes back" "grep -q '<work-title>¥100 の歌</work-title>' '$work/texts.out.musicxml'"
check "texts: the composer keeps its three lines" \
    "grep -A2 '<creator' '$work/texts.out.musicxml' | grep -q '^1932-05-01</creator>'"
if command -v xmllint >/dev/null; then
    check "texts: the export is valid MusicXML 4.0" "validate '$work/texts.out.musicxml'"
fi

finish musicxml_commands
