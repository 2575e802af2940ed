#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures the editor on real MusicXML files, as a musician would judge it.

For every file of the given folders, through the editor's batch commands:
  plays   the imported book plays the score's melody (the notes and onsets
          an independent reading of the file gives, see musicxml_melody.py);
  export  the book's MusicXML export is read by that same independent reading
          as the melody the book plays, so a staff program plays it alike;
  stable  exporting, importing that export and exporting again gives the same
          file.
Prints a table and the totals. With --expect FILE, exits non-zero when a file
listed there as passing a measure no longer does (one "name measure" a line).

usage: musicxml_realfiles.py SORVEL FOLDER... [--expect FILE] [--verbose]
"""
import os
import re
import subprocess
import sys
import tempfile
from fractions import Fraction

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from musicxml_melody import melody  # noqa: E402

MEASURES = ("plays", "export", "stable")


def read_varlen(data, i):
    value = 0
    while True:
        b = data[i]
        i += 1
        value = (value << 7) | (b & 0x7F)
        if not b & 0x80:
            return value, i


def midi_notes(path):
    """Note-ons of a standard MIDI file outside the drum channel, as
    (onset in quarters, key), in time order."""
    data = open(path, "rb").read()
    division = int.from_bytes(data[12:14], "big")
    i = 14
    notes = []
    while i + 8 <= len(data):
        length = int.from_bytes(data[i + 4:i + 8], "big")
        chunk, end = data[i + 4 + 4:i + 8 + length], None
        i += 8 + length
        if data[i - 8 - length:i - 4 - length] != b"MTrk":
            continue
        j, tick, status = 0, 0, 0
        while j < len(chunk):
            delta, j = read_varlen(chunk, j)
            tick += delta
            b = chunk[j]
            if b == 0xFF:
                length2, k = read_varlen(chunk, j + 2)
                j = k + length2
                continue
            if b in (0xF0, 0xF7):
                length2, k = read_varlen(chunk, j + 1)
                j = k + length2
                continue
            if b & 0x80:
                status = b
                j += 1
            kind, channel = status & 0xF0, status & 0x0F
            size = 1 if kind in (0xC0, 0xD0) else 2
            args = chunk[j:j + size]
            j += size
            if kind == 0x90 and args[1] > 0 and channel != 9:
                notes.append((Fraction(tick, division), args[0]))
        del end
    notes.sort()
    return notes, division


def same_melody(expected, played, division):
    """None when the two agree (onsets relative to the first note, within a
    tick; pitches alike up to one octave shift of the whole line), else the
    first difference."""
    if not expected and not played:
        return None
    if len(expected) != len(played):
        return f"{len(played)} notes played, {len(expected)} written"
    e0, p0 = expected[0][0], played[0][0]
    shift = played[0][1] - expected[0][1]
    if shift % 12:
        shift = 0
    tick = Fraction(1, division)
    for n, ((eo, ep), (po, pp)) in enumerate(zip(expected, played)):
        if abs((eo - e0) - (po - p0)) > tick or pp - ep != shift:
            return f"note {n + 1}: written {ep} at {eo - e0}, played {pp} at {po - p0}"
    return None


def comparable(path):
    text = open(path, encoding="utf-8").read()
    return re.sub(r"<encoding-date>[^<]*</encoding-date>", "", text)


def run(args):
    return subprocess.run(args, capture_output=True, text=True,
                          env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))


def measure(sorvel, path, work):
    result = {m: False for m in MEASURES}
    notes = {}
    svl, mid = os.path.join(work, "a.svl"), os.path.join(work, "a.mid")
    if run([sorvel, "--import-musicxml", path, svl]).returncode:
        return result, "import refused"
    if run([sorvel, "--export-midi", svl, mid]).returncode:
        return result, "no MIDI"
    played, division = midi_notes(mid)
    why = same_melody(melody(path), played, division)
    result["plays"] = why is None
    notes["plays"] = why
    e1, e2 = os.path.join(work, "e1.musicxml"), os.path.join(work, "e2.musicxml")
    svl2 = os.path.join(work, "b.svl")
    if run([sorvel, "--export-musicxml", svl, e1]).returncode:
        return result, "export refused"
    why = same_melody(melody(e1), played, division)
    result["export"] = why is None
    notes["export"] = why
    if (run([sorvel, "--import-musicxml", e1, svl2]).returncode
            or run([sorvel, "--export-musicxml", svl2, e2]).returncode):
        return result, "export not read back"
    result["stable"] = comparable(e1) == comparable(e2)
    notes["stable"] = None if result["stable"] else "second export differs"
    return result, "; ".join(f"{k}: {v}" for k, v in notes.items() if v)


def main():
    argv = sys.argv[1:]
    expect_file = None
    verbose = "--verbose" in argv
    argv = [a for a in argv if a != "--verbose"]
    if "--expect" in argv:
        k = argv.index("--expect")
        expect_file = argv[k + 1]
        del argv[k:k + 2]
    sorvel, folders = argv[0], argv[1:]
    files = sorted(os.path.join(f, name) for f in folders for name in os.listdir(f)
                   if name.endswith((".xml", ".musicxml", ".mxl")))
    totals = {m: 0 for m in MEASURES}
    passing = set()
    with tempfile.TemporaryDirectory() as work:
        for path in files:
            result, why = measure(sorvel, path, work)
            name = os.path.basename(path)
            for m in MEASURES:
                totals[m] += result[m]
                if result[m]:
                    passing.add((name, m))
            marks = " ".join(m if result[m] else "-" * len(m) for m in MEASURES)
            print(f"{marks}  {name}" + (f"  ({why})" if why and verbose else ""))
    print(" ".join(f"{m} {totals[m]}/{len(files)}" for m in MEASURES))
    if expect_file:
        lost = []
        for line in open(expect_file, encoding="utf-8"):
            line = line.split("#")[0].strip()
            if line:
                name, m = line.rsplit(" ", 1)
                if (name, m) not in passing:
                    lost.append(line)
        for line in lost:
            print("no longer passes:", line)
        return 1 if lost else 0
    return 0


if __name__ == "__main__":
    sys.exit(main())
