#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The melody a staff-notation program plays from a MusicXML part.

This is an independent reading of MusicXML, written from the format's rules and
kept apart from the editor's reader, so that comparing the two finds faults in
either. It takes the line the editor imports (the first voice of the first
staff, chords reduced to their top note, grace notes left out, tied notes
sounding once) and unrolls the form as a player does: repeats with their
"times", numbered endings, D.C./D.S. (after which repeats are not taken again),
Fine, To Coda and Coda, read from <sound> and from the printed words and signs.

Prints one line a note, "onset pitch" with the onset in quarters as a fraction,
or is used as a module: melody(path, part_index) -> [(Fraction, int)].
"""
import re
import sys
import zipfile
import xml.etree.ElementTree as ET
from fractions import Fraction

STEPS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def load_root(path):
    if path.endswith(".mxl"):
        with zipfile.ZipFile(path) as z:
            container = ET.fromstring(z.read("META-INF/container.xml"))
            rootfile = next(e for e in container.iter() if e.tag.endswith("rootfile"))
            return ET.fromstring(z.read(rootfile.get("full-path")))
    return ET.parse(path).getroot()


def text(node, path, default=""):
    found = node.find(path)
    return found.text.strip() if found is not None and found.text else default


class Measure:
    def __init__(self):
        self.notes = []  # (offset in quarters, pitch, tie_start, tie_stop)
        self.length = Fraction(0)
        self.forward_repeat = False
        self.backward_times = 0
        self.endings = None  # set of pass numbers, or None
        self.segno = False
        self.coda = False
        self.tocoda = False
        self.tocoda_at_start = False  # the To Coda stands at the bar line before
        self.dacapo = False
        self.dalsegno = False
        self.fine = False


def read_part(root, part_index):
    parts = root.findall("part")
    part = parts[part_index]
    divisions = 1
    transpose = 0
    voice = None
    measures = []
    open_ending = None
    for xm in part.findall("measure"):
        m = Measure()
        pos = Fraction(0)
        maxpos = Fraction(0)
        last_onset = Fraction(0)
        if open_ending is not None:
            m.endings = open_ending
        for el in xm:
            tag = el.tag
            if tag == "attributes":
                if el.find("divisions") is not None:
                    divisions = Fraction(text(el, "divisions"))
                tr = el.find("transpose")
                if tr is not None:
                    transpose = int(text(tr, "chromatic", "0")) + 12 * int(text(tr, "octave-change", "0"))
            elif tag == "backup":
                pos -= Fraction(text(el, "duration")) / divisions
            elif tag == "forward":
                pos += Fraction(text(el, "duration")) / divisions
                maxpos = max(maxpos, pos)
            elif tag == "barline":
                rep = el.find("repeat")
                if rep is not None:
                    if rep.get("direction") == "forward":
                        m.forward_repeat = True
                    else:
                        m.backward_times = int(rep.get("times", "2"))
                end = el.find("ending")
                if end is not None:
                    numbers = {int(n) for n in re.findall(r"\d+", end.get("number", ""))}
                    if end.get("type") == "start":
                        m.endings = numbers
                        open_ending = numbers
                    else:
                        m.endings = m.endings or numbers
                        open_ending = None
                read_jumps(el, m, el.get("location") == "left")
            elif tag == "direction" or tag == "sound":
                offset = el.find("offset")
                shift = Fraction(offset.text.strip()) / divisions if offset is not None else 0
                read_jumps(el, m, pos + shift <= 0)
            elif tag == "note":
                read_jumps(el, m, False)
                if el.find("grace") is not None:
                    continue
                chord = el.find("chord") is not None
                duration = Fraction(text(el, "duration", "0")) / divisions
                onset = last_onset if chord else pos
                if not chord:
                    pos += duration
                    maxpos = max(maxpos, pos)
                    last_onset = onset
                staff = text(el, "staff", "1")
                v = text(el, "voice", "1")
                if staff != "1" or el.find("cue") is not None:
                    continue
                if voice is None:
                    voice = v
                if v != voice:
                    continue
                pitch = el.find("pitch")
                if pitch is None:
                    continue
                midi = (12 * (int(text(pitch, "octave")) + 1) + STEPS[text(pitch, "step")]
                        + round(float(text(pitch, "alter", "0"))) + transpose)
                ties = {t.get("type") for t in el.findall("tie")}
                note = [onset, midi, "start" in ties, "stop" in ties]
                if chord and m.notes and m.notes[-1][0] == onset:
                    if midi > m.notes[-1][1]:
                        m.notes[-1] = note
                else:
                    m.notes.append(note)
        m.length = maxpos
        measures.append(m)
    return measures


def read_jumps(el, m, at_start):
    """`at_start`: the element stands at the measure's start. MusicXML has a
    <sound> and its direction act at the time they stand at, so a To Coda
    there is taken at the bar line before the measure, which is then not
    played again (Noteflight writes "to coda" so). Elsewhere in a measure a
    jump is read, as players place its words, at the measure's end."""
    had_tocoda = m.tocoda
    tocoda = coda_sign = False
    for s in el.iter("sound"):
        m.segno |= s.get("segno") is not None
        m.coda |= s.get("coda") is not None
        tocoda |= s.get("tocoda") is not None
        m.dacapo |= s.get("dacapo") == "yes"
        m.dalsegno |= s.get("dalsegno") is not None
        m.fine |= s.get("fine") is not None
    for dt in el.iter("direction-type"):
        if dt.find("segno") is not None:
            m.segno = True
        coda_sign |= dt.find("coda") is not None
        for w in dt.findall("words"):
            words = (w.text or "").strip().lower()
            if "to coda" in words:
                tocoda = True
            elif words.startswith("d.s") or words.startswith("dal segno"):
                m.dalsegno = True
            elif words.startswith("d.c") or words.startswith("da capo"):
                m.dacapo = True
            elif words == "fine":
                m.fine = True
    # The coda sign printed with a To Coda (its words or its <sound tocoda>)
    # is that mark's, where the play leaves; standing alone, or with a
    # <sound coda>, it is the coda, where the play goes on.
    m.tocoda |= tocoda
    m.coda |= coda_sign and not tocoda
    if m.tocoda and not had_tocoda and at_start:
        m.tocoda_at_start = True
    # A coda sign that is the target of "To Coda" and the To Coda sign itself
    # are both <coda/>: the one that comes first is the departure.


def unroll(measures):
    order = []
    i = 0
    repeat_start = 0
    passes = {}  # index of the backward repeat -> passes taken
    jumped = False
    guard = 0
    coda_marks = [k for k, m in enumerate(measures) if m.coda]
    while i < len(measures) and guard < 100000:
        guard += 1
        m = measures[i]
        if m.forward_repeat and not jumped:
            repeat_start = i
        current_pass = passes.get(("pass", repeat_start), 1)
        if m.endings is not None and not jumped and current_pass not in m.endings:
            i += 1
            continue
        if m.endings is not None and jumped and max(m.endings) != max(
                e for mm in measures if mm.endings for e in mm.endings):
            i += 1
            continue
        if jumped and m.tocoda_at_start and not m.coda:
            later = [k for k in coda_marks if k > i]
            if later:
                i = later[0]
                continue
        order.append(i)
        if jumped and m.fine:
            break
        if jumped and m.tocoda and not m.coda:
            later = [k for k in coda_marks if k > i]
            if later:
                i = later[0]
                continue
        if m.backward_times and not jumped:
            taken = passes.get(("pass", repeat_start), 1)
            if taken < m.backward_times:
                passes[("pass", repeat_start)] = taken + 1
                i = repeat_start
                continue
            passes[("pass", repeat_start)] = 1
            repeat_start = i + 1
        if not jumped and (m.dalsegno or m.dacapo):
            jumped = True
            if m.dacapo:
                i = 0
            else:
                segnos = [k for k, mm in enumerate(measures) if mm.segno and k <= i]
                i = segnos[-1] if segnos else 0
            continue
        i += 1
    return order


def melody(path, part_index=0):
    measures = read_part(load_root(path), part_index)
    out = []
    time = Fraction(0)
    sounding = None
    for k in unroll(measures):
        m = measures[k]
        for onset, pitch, tie_start, tie_stop in m.notes:
            if tie_stop and sounding == pitch:
                sounding = pitch if tie_start else None
                continue
            out.append((time + onset, pitch))
            sounding = pitch if tie_start else None
        time += m.length
    return out


def main():
    part = int(sys.argv[2]) - 1 if len(sys.argv) > 2 else 0
    for onset, pitch in melody(sys.argv[1], part):
        print(onset, pitch)


if __name__ == "__main__":
    main()
