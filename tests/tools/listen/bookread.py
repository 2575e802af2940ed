# SPDX-License-Identifier: GPL-3.0-or-later
"""What a book plays and how it is written, read through the editor's exports.

The playback (`sorvel --export-midi`) gives each note's time in seconds and
its pitch; the MusicXML export (`sorvel --export-musicxml`) gives the written
lengths, the key and the time signature. Tied notes are one note in both.
"""
import os
import subprocess
import tempfile
import xml.etree.ElementTree as ET
from dataclasses import dataclass, field
from fractions import Fraction

import performer
import scoring

STEPS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
FIFTHS_KEY = {0: "C", 1: "G", 2: "D", 3: "A", 4: "E", 5: "B", 6: "F#",
              -1: "F", -2: "Bb", -3: "Eb", -4: "Ab", -5: "Db", -6: "Gb"}


class BookError(Exception):
    pass


@dataclass
class Written:
    notes: list = field(default_factory=list)  # (midi, quarters), ties merged
    key: str = ""
    meter: str = ""


def read_musicxml(path):
    """The first part's first voice: pitched notes with their lengths."""
    root = ET.parse(path).getroot()
    part = root.find("part")
    if part is None:
        raise BookError(f"{path}: no part")
    out, divisions, tied = Written(), 1, False
    for measure in part.findall("measure"):
        for el in measure:
            if el.tag == "attributes":
                divisions = int(el.findtext("divisions", str(divisions)))
                fifths = el.find("key/fifths")
                if fifths is not None and not out.key:
                    out.key = FIFTHS_KEY.get(int(fifths.text), fifths.text)
                time = el.find("time")
                if time is not None and not out.meter:
                    out.meter = f"{time.findtext('beats')}/{time.findtext('beat-type')}"
            elif el.tag == "note":
                if el.find("grace") is not None or el.find("chord") is not None:
                    continue
                if el.findtext("voice", "1") != "1":
                    continue
                quarters = Fraction(int(el.findtext("duration", "0")), divisions)
                pitch = el.find("pitch")
                if pitch is None:
                    tied = False
                    continue
                midi = (STEPS[pitch.findtext("step")] + round(float(pitch.findtext("alter", "0")))
                        + 12 * (int(pitch.findtext("octave")) + 1))
                stops = any(t.get("type") == "stop" for t in el.findall("tie"))
                if stops and tied and out.notes and out.notes[-1][0] == midi:
                    out.notes[-1] = (midi, out.notes[-1][1] + quarters)
                else:
                    out.notes.append((midi, quarters))
                tied = any(t.get("type") == "start" for t in el.findall("tie"))
    return out


def run(cmd):
    done = subprocess.run(cmd, capture_output=True, text=True)
    if done.returncode != 0:
        raise BookError(f"{' '.join(cmd)}: {done.stderr.strip()}")


def read_book(sorvel, svl):
    """(notes as scoring.Note with seconds and written lengths, Written)."""
    with tempfile.TemporaryDirectory(prefix="book-") as work:
        mid = os.path.join(work, "book.mid")
        xml = os.path.join(work, "book.musicxml")
        run([sorvel, "--export-midi", svl, mid])
        run([sorvel, "--export-musicxml", svl, xml])
        played = performer.notes_of(performer.absolute_events(mid))
        written = read_musicxml(xml)
    lengths = [q for _, q in written.notes]
    same = [p for _, _, p, _ in played] == [m for m, _ in written.notes]
    notes = [scoring.Note(on, off, p, lengths[i] if same else None)
             for i, (on, off, p, _) in enumerate(played)]
    if not same and played:
        # The playback unrolls repeats the written notes keep: pair them by
        # the alignment of their pitches instead.
        _, pairs = scoring.align([m for m, _ in written.notes], [n.midi for n in notes])
        for i, j in pairs:
            notes[j].quarters = lengths[i]
        for n in notes:
            if n.quarters is None:
                n.quarters = Fraction(-1)
    return notes, written
