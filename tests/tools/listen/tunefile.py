#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Tunes of the listening corpus: a small text format and its MusicXML.

A tune file (tunes/*.tune, UTF-8) holds a header of "name: value" lines ("#" lines are comments), a
line "---", and the melody in numbered notation, bar lines "|" between bars:

    title: 茉莉花            the book's title
    origin: 江苏民歌         free text
    key: F                  the major key (1=F): C D E F G A B, Bb Eb Ab, F# …
    meter: 2/4              2/4 3/4 4/4 3/8 6/8
    tempo: 66               quarter notes a minute
    ---                     then the melody; "%" starts a comment
    3/ 3/ 5/ 6/ | 1'/ 1'/ 6/ 5/ | 5 5/:v 6/ | 5- |

A note is a degree 1–7 (0 a rest) with, in this order:
  - an accidental before it: "#" or "b";
  - octave marks after it: "'" an octave up, "," an octave down (repeatable);
    the plain 1 is the tonic in the octave from middle C (1=F: F4, 1=A: A4);
  - its length: a quarter, halved by each "/", "." dots it (".." twice), and
    each "-" adds its own undotted length again (5- a half, 5-- a dotted half,
    5/-- three eighths);
  - "~" ties it to the next note (same pitch);
  - ":" and marks: v vibrato, s a slide into it from the note before (or from
    below when it is the first), u a scoop from below, t a trill.
"[3 a b c]" is a triplet: the three lengths take two thirds of their time.
The first bar may be shorter than the metre (a pickup); every other bar but
the last must be full. Lengths must be writable as one note each.
"""
import re
import sys
from dataclasses import dataclass, field
from fractions import Fraction
from xml.sax.saxutils import escape

KEYS = {"C": 0, "G": 7, "D": 2, "A": 9, "E": 4, "B": 11, "F#": 6,
        "F": 5, "Bb": 10, "Eb": 3, "Ab": 8, "Db": 1}
FIFTHS = {"C": 0, "G": 1, "D": 2, "A": 3, "E": 4, "B": 5, "F#": 6,
          "F": -1, "Bb": -2, "Eb": -3, "Ab": -4, "Db": -5}
MAJOR = [0, 2, 4, 5, 7, 9, 11]
METERS = {"2/4", "3/4", "4/4", "3/8", "6/8"}
MARKS = {"v": "vibrato", "s": "slide", "u": "scoop", "t": "trill"}
DIVISIONS = 24  # per quarter: sixteenths, triplets and dotted sixteenths are whole numbers

TOKEN = re.compile(r"([#b]?)([0-7])([',]*)(/*)(\.{0,2})(-*)(~?)(?::([vsut]+))?$")


class TuneError(Exception):
    pass


@dataclass
class Written:
    """One written note or rest as the tune gives it (ties not yet merged)."""
    midi: int  # 0 for a rest
    quarters: Fraction  # sounding length
    base: Fraction  # undotted, unscaled written value of one note
    dots: int
    extra: int  # dashes: repeats of the base length
    tie: bool = False
    marks: list = field(default_factory=list)
    triplet: int = 0  # 1 first, 2 middle, 3 last of a triplet
    bar: int = 0
    onset: Fraction = Fraction(0)  # quarters from the start


@dataclass
class Tune:
    path: str
    header: dict
    notes: list  # of Written
    bars: list  # (start in quarters, length in quarters)

    @property
    def title(self):
        return self.header["title"]

    @property
    def key(self):
        return self.header["key"]

    @property
    def meter(self):
        return self.header["meter"]

    @property
    def tempo(self):
        return float(self.header["tempo"])

    @property
    def bar_quarters(self):
        n, d = self.meter.split("/")
        return Fraction(int(n) * 4, int(d))

    @property
    def pickup(self):
        """Length of the pickup bar in quarters, 0 when the tune starts on a downbeat."""
        first = self.bars[0][1]
        return first if first < self.bar_quarters else Fraction(0)

    def sounding_notes(self):
        """The notes as played: ties merged, rests dropped. Each is a dict with
        midi, onset and length in quarters, and the marks of its first part."""
        out = []
        tied = False
        for n in self.notes:
            if n.midi == 0:
                tied = False
                continue
            if tied and out and out[-1]["midi"] == n.midi:
                out[-1]["quarters"] += n.quarters
            else:
                out.append({"midi": n.midi, "onset": n.onset, "quarters": n.quarters,
                            "marks": list(n.marks), "bar": n.bar})
            tied = n.tie
        return out


def parse_header(lines, path):
    header = {}
    for line in lines:
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        if ":" not in line:
            raise TuneError(f"{path}: header line without ':': {line}")
        name, value = line.split(":", 1)
        header[name.strip()] = value.strip()
    for needed in ("title", "key", "meter", "tempo"):
        if needed not in header:
            raise TuneError(f"{path}: no {needed}")
    if header["key"] not in KEYS:
        raise TuneError(f"{path}: unknown key {header['key']}")
    if header["meter"] not in METERS:
        raise TuneError(f"{path}: unknown meter {header['meter']}")
    return header


def note_of(token, tonic, path):
    m = TOKEN.match(token)
    if not m:
        raise TuneError(f"{path}: cannot read note '{token}'")
    acc, degree, octave, slashes, dots, dashes, tie, marks = m.groups()
    base = Fraction(1, 2 ** len(slashes))
    dotted = {0: Fraction(1), 1: Fraction(3, 2), 2: Fraction(7, 4)}[len(dots)]
    quarters = base * dotted + base * len(dashes)
    midi = 0
    if degree != "0":
        midi = 60 + tonic + MAJOR[int(degree) - 1] + 12 * (octave.count("'") - octave.count(","))
        midi += {"#": 1, "b": -1, "": 0}[acc]
    return Written(midi=midi, quarters=quarters, base=base, dots=len(dots), extra=len(dashes),
                   tie=bool(tie), marks=[MARKS[c] for c in (marks or "")])


def parse_tokens(text, tonic, path):
    """Bars of notes from the melody text."""
    text = text.replace("[3", " [3 ").replace("]", " ] ")
    bars, current, triplet = [], [], None
    for token in text.split():
        if token == "|":
            if triplet is not None:
                raise TuneError(f"{path}: a triplet crosses a bar line")
            bars.append(current)
            current = []
        elif token == "[3":
            triplet = []
        elif token == "]":
            if triplet is None or len(triplet) != 3:
                raise TuneError(f"{path}: a triplet needs three notes")
            for i, n in enumerate(triplet):
                n.quarters = n.quarters * Fraction(2, 3)
                n.triplet = i + 1
            current.extend(triplet)
            triplet = None
        else:
            n = note_of(token, tonic, path)
            (triplet if triplet is not None else current).append(n)
    if current:
        bars.append(current)
    return bars


def read_tune(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    if "\n---" not in text:
        raise TuneError(f"{path}: no '---' line before the melody")
    head, melody = text.split("\n---", 1)
    melody = "\n".join(line.split("%", 1)[0] for line in melody.splitlines())
    header = parse_header(head.splitlines(), path)
    tonic = KEYS[header["key"]]
    bars = parse_tokens(melody, tonic, path)
    tune = Tune(path, header, [], [])
    full = tune.bar_quarters
    at = Fraction(0)
    for i, bar in enumerate(bars):
        length = sum((n.quarters for n in bar), Fraction(0))
        if length > full or (length < full and 0 < i < len(bars) - 1):
            raise TuneError(f"{path}: bar {i + 1} holds {length} quarters, not {full}")
        for n in bar:
            n.bar = i
            n.onset = at
            at += n.quarters
            tune.notes.append(n)
        tune.bars.append((at - length, length))
    check_ties(tune)
    check_range(tune)
    return tune


LOWEST, HIGHEST = 62, 93  # the erhu's D4 to A6


def check_range(tune):
    for n in tune.notes:
        if n.midi and not LOWEST <= n.midi <= HIGHEST:
            raise TuneError(f"{tune.path}: bar {n.bar + 1}: MIDI {n.midi} is outside D4–A6")


def check_ties(tune):
    for a, b in zip(tune.notes, tune.notes[1:]):
        if a.tie and (a.midi == 0 or a.midi != b.midi):
            raise TuneError(f"{tune.path}: a tie in bar {a.bar + 1} joins different pitches")
    if tune.notes and tune.notes[-1].tie:
        raise TuneError(f"{tune.path}: the last note is tied")


TYPES = {Fraction(4): "whole", Fraction(2): "half", Fraction(1): "quarter",
         Fraction(1, 2): "eighth", Fraction(1, 4): "16th", Fraction(1, 8): "32nd"}
STEP_NAMES = ["C", "C", "D", "E", "E", "F", "F", "G", "G", "A", "B", "B"]
STEP_ALTER = [0, 1, 0, -1, 0, 0, 1, 0, 1, 0, -1, 0]


def pitch_xml(midi, flats):
    pc = midi % 12
    step, alter = STEP_NAMES[pc], STEP_ALTER[pc]
    if not flats and alter == -1:  # sharp keys spell black keys as sharps
        step, alter = "CDEFGAB"["CDEFGAB".index(step) - 1], 1
    if flats and alter == 1:
        step, alter = "CDEFGAB"[("CDEFGAB".index(step) + 1) % 7], -1
    octave = midi // 12 - 1
    if step == "C" and alter == -1:
        octave += 1
    if step == "B" and alter == 1:
        octave -= 1
    a = f"<alter>{alter}</alter>" if alter else ""
    return f"<pitch><step>{step}</step>{a}<octave>{octave}</octave></pitch>"


def pieces_of(n):
    """The written values (base, dots) a note of the tune is made of: one,
    or for dashes several tied ones that together give its length."""
    total = n.base * {0: Fraction(1), 1: Fraction(3, 2), 2: Fraction(7, 4)}[n.dots] + n.base * n.extra
    for base in TYPES:
        for dots, factor in ((0, Fraction(1)), (1, Fraction(3, 2)), (2, Fraction(7, 4))):
            if base * factor == total:
                return [(base, dots)]
    raise TuneError(f"a length of {total} quarters is not one written note")


def note_xml(n, flats, slide_start, slide_stop):
    base, dots = pieces_of(n)[0]
    dur = n.quarters * DIVISIONS
    if dur.denominator != 1:
        raise TuneError("a length finer than the divisions")
    parts = ["<note>"]
    parts.append(pitch_xml(n.midi, flats) if n.midi else "<rest/>")
    parts.append(f"<duration>{int(dur)}</duration>")
    if n.tie:
        parts.append('<tie type="start"/>')
    if n.tied_from:
        parts.append('<tie type="stop"/>')
    parts.append(f"<type>{TYPES[base]}</type>" + "<dot/>" * dots)
    if n.triplet:
        parts.append("<time-modification><actual-notes>3</actual-notes>"
                     "<normal-notes>2</normal-notes></time-modification>")
    notations = []
    if n.tie:
        notations.append('<tied type="start"/>')
    if n.tied_from:
        notations.append('<tied type="stop"/>')
    if n.triplet == 1:
        notations.append('<tuplet type="start" bracket="yes"/>')
    if n.triplet == 3:
        notations.append('<tuplet type="stop"/>')
    if slide_stop:
        notations.append('<slide type="stop" number="1"/>')
    if slide_start:
        notations.append('<slide type="start" number="1" line-type="solid"/>')
    if "scoop" in n.marks:
        notations.append("<articulations><scoop/></articulations>")
    ornaments = ""
    if "trill" in n.marks:
        ornaments += "<trill-mark/>"
    if "vibrato" in n.marks:
        ornaments += "<other-ornament>vibrato</other-ornament>"
    if ornaments:
        notations.append(f"<ornaments>{ornaments}</ornaments>")
    if notations:
        parts.append("<notations>" + "".join(notations) + "</notations>")
    parts.append("</note>")
    return "".join(parts)


def musicxml(tune):
    """The tune as a MusicXML 4.0 partwise score of one part."""
    flats = FIFTHS[tune.key] < 0
    num, den = tune.meter.split("/")
    notes = tune.notes
    for i, n in enumerate(notes):
        n.tied_from = i > 0 and notes[i - 1].tie
    # A slide mark joins the note before (the start) to the marked note.
    slide_start = {i - 1 for i, n in enumerate(notes) if "slide" in n.marks and i > 0
                   and notes[i - 1].midi}
    slide_stop = {i + 1 for i in slide_start}
    for i, n in enumerate(notes):
        if "slide" in n.marks and i not in slide_stop:
            n.marks = [m if m != "slide" else "scoop" for m in n.marks]
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<!DOCTYPE score-partwise PUBLIC "-//Recordare//DTD MusicXML 4.0 Partwise//EN" '
           '"http://www.musicxml.org/dtds/partwise.dtd">',
           '<score-partwise version="4.0">',
           f"<work><work-title>{escape(tune.title)}</work-title></work>",
           '<part-list><score-part id="P1"><part-name>Erhu</part-name></score-part></part-list>',
           '<part id="P1">']
    index = 0
    for b, (start, length) in enumerate(tune.bars):
        implicit = ' implicit="yes"' if b == 0 and tune.pickup else ""
        number = b if tune.pickup else b + 1
        out.append(f'<measure number="{number}"{implicit}>')
        if b == 0:
            out.append(f"<attributes><divisions>{DIVISIONS}</divisions>"
                       f"<key><fifths>{FIFTHS[tune.key]}</fifths><mode>major</mode></key>"
                       f"<time><beats>{num}</beats><beat-type>{den}</beat-type></time>"
                       "<clef><sign>G</sign><line>2</line></clef></attributes>")
            tempo = tune.header["tempo"]
            out.append('<direction placement="above"><direction-type><metronome>'
                       f"<beat-unit>quarter</beat-unit><per-minute>{tempo}</per-minute>"
                       f'</metronome></direction-type><sound tempo="{tempo}"/></direction>')
        while index < len(notes) and notes[index].bar == b:
            out.append(note_xml(notes[index], flats, index in slide_start, index in slide_stop))
            index += 1
        if b == len(tune.bars) - 1:
            out.append('<barline location="right"><bar-style>light-heavy</bar-style></barline>')
        out.append("</measure>")
    out.append("</part></score-partwise>")
    return "\n".join(out) + "\n"


def main(argv):
    if len(argv) != 3:
        print("usage: tunefile.py TUNE OUT.musicxml", file=sys.stderr)
        return 2
    try:
        tune = read_tune(argv[1])
        text = musicxml(tune)
    except (TuneError, OSError) as e:
        print(e, file=sys.stderr)
        return 1
    with open(argv[2], "w", encoding="utf-8") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
