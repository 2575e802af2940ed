# SPDX-License-Identifier: GPL-3.0-or-later
"""How well a transcription matches a take's truth.

The measures, each a number from 0 to 1:
  accuracy   pitch-sequence accuracy: 1 - edit distance / truth notes, over
             the written pitch sequences (ties merged, rests left out);
  lengths    of the pairs the edit alignment makes (matches and
             substitutions), the share whose written length in quarters is
             exactly the truth's (None when the transcription has no lengths);
  onset_f    onset F-measure within 50 ms (mir_eval.onset);
  note_f     note-level onset+pitch F-measure within 50 ms, offsets ignored
             (mir_eval.transcription).
A book's playback starts where the book starts, so its times are moved to put
its first note on the truth's first note before the onsets are compared;
notes found in the recording itself keep their times.
"""
from dataclasses import dataclass
from fractions import Fraction

import numpy as np

ONSET_WINDOW = 0.05


@dataclass
class Note:
    onset: float
    offset: float
    midi: int
    quarters: Fraction = None  # written length, when the transcription is written music


@dataclass
class Score:
    truth_notes: int
    found_notes: int
    accuracy: float
    lengths: float  # None: not measured
    onset_f: float
    note_f: float


def align(truth, found):
    """Edit distance between two sequences and the pairs (i, j) of the
    alignment that are matches or substitutions."""
    n, m = len(truth), len(found)
    d = np.zeros((n + 1, m + 1), dtype=np.int32)
    d[:, 0] = np.arange(n + 1)
    d[0, :] = np.arange(m + 1)
    for i in range(1, n + 1):
        for j in range(1, m + 1):
            cost = 0 if truth[i - 1] == found[j - 1] else 1
            d[i, j] = min(d[i - 1, j] + 1, d[i, j - 1] + 1, d[i - 1, j - 1] + cost)
    pairs, i, j = [], n, m
    while i > 0 and j > 0:
        cost = 0 if truth[i - 1] == found[j - 1] else 1
        if d[i, j] == d[i - 1, j - 1] + cost:
            pairs.append((i - 1, j - 1))
            i, j = i - 1, j - 1
        elif d[i, j] == d[i - 1, j] + 1:
            i -= 1
        else:
            j -= 1
    return int(d[n, m]), pairs[::-1]


def midi_hz(midi):
    return 440.0 * 2.0 ** ((np.asarray(midi, dtype=float) - 69) / 12)


def intervals(notes):
    if not notes:
        return np.zeros((0, 2))
    # mir_eval wants positive lengths.
    return np.array([[n.onset, max(n.offset, n.onset + 1e-3)] for n in notes])


def f_measures(truth, found):
    import mir_eval  # late: only the measures need it
    ref_on = np.array([n.onset for n in truth])
    est_on = np.array([n.onset for n in found])
    onset_f = mir_eval.onset.f_measure(ref_on, est_on, window=ONSET_WINDOW)[0] if len(est_on) else 0.0
    if not found:
        return onset_f, 0.0
    _, _, note_f, _ = mir_eval.transcription.precision_recall_f1_overlap(
        intervals(truth), midi_hz([n.midi for n in truth]),
        intervals(found), midi_hz([n.midi for n in found]),
        onset_tolerance=ONSET_WINDOW, pitch_tolerance=50.0, offset_ratio=None)
    return float(onset_f), float(note_f)


def score(truth, found, align_start):
    """Compares written truth notes with the found ones (lists of Note)."""
    if align_start and truth and found:
        shift = truth[0].onset - found[0].onset
        found = [Note(n.onset + shift, n.offset + shift, n.midi, n.quarters) for n in found]
    distance, pairs = align([n.midi for n in truth], [n.midi for n in found])
    accuracy = max(0.0, 1.0 - distance / len(truth)) if truth else 0.0
    lengths = None
    if found and all(n.quarters is not None for n in found):
        right = sum(1 for i, j in pairs if truth[i].quarters == found[j].quarters)
        lengths = right / len(pairs) if pairs else 0.0
    onset_f, note_f = f_measures(truth, found)
    return Score(len(truth), len(found), accuracy, lengths, onset_f, note_f)


def truth_notes(truth):
    """The written notes of a take's truth (its JSON as a dict)."""
    return [Note(n["onset"], n["offset"], n["midi"], Fraction(n["quarters"]))
            for n in truth["written"]]
