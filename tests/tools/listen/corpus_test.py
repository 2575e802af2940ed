#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Tests of the listening corpus tools: the tune format, the scoring, the
performer, the libsndfile reader, and every tune through the editor.

    corpus_test.py SORVEL [unittest options]

The last group imports each tune with `sorvel --import-musicxml` and reads
the book back through its MIDI and MusicXML exports: the book must play the
tune's pitches and write its lengths, key and metre, or the truth of the
takes would be wrong.
"""
import os
import sys
import tempfile
import unittest
import wave
from fractions import Fraction

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import bookread  # noqa: E402
import performer  # noqa: E402
import scoring  # noqa: E402
import sndread  # noqa: E402
import tunefile  # noqa: E402

if __name__ == "__main__" and len(sys.argv) > 1 and not sys.argv[1].startswith("-"):
    os.environ["SORVEL_BIN"] = sys.argv.pop(1)
TUNES = os.path.join(HERE, "tunes")


def tune_from(text, header="key: D\nmeter: 2/4\ntempo: 60"):
    with tempfile.NamedTemporaryFile("w", suffix=".tune", delete=False, encoding="utf-8") as f:
        f.write(f"title: t\n{header}\n---\n{text}\n")
    try:
        return tunefile.read_tune(f.name)
    finally:
        os.remove(f.name)


class TuneFormatTest(unittest.TestCase):
    def test_lengths_pitches_and_marks(self):
        t = tune_from("1 2/ 3// 4// | 5- | [3 1'/ 7/ 6/] 5/. 4// | 5-~:v | 5/ 0/ #4 |")
        n = t.notes
        self.assertEqual([x.midi for x in n[:4]], [62, 64, 66, 67])
        self.assertEqual([x.quarters for x in n[:4]], [1, Fraction(1, 2), Fraction(1, 4), Fraction(1, 4)])
        self.assertEqual(n[4].quarters, 2)
        self.assertEqual([x.quarters for x in n[5:8]], [Fraction(1, 3)] * 3)
        self.assertEqual([x.triplet for x in n[5:8]], [1, 2, 3])
        self.assertEqual((n[8].quarters, n[9].midi, n[9].quarters), (Fraction(3, 4), 67, Fraction(1, 4)))
        self.assertTrue(n[10].tie)
        self.assertEqual(n[10].marks, ["vibrato"])
        self.assertEqual((n[12].midi, n[13].midi), (0, 68))

    def test_ties_merge_and_rests_drop_in_the_sounding_notes(self):
        t = tune_from("1 2~ | 2 0 | 3/ 3/ 3 |")
        s = t.sounding_notes()
        self.assertEqual([(x["midi"], x["quarters"]) for x in s],
                         [(62, 1), (64, 2), (66, Fraction(1, 2)), (66, Fraction(1, 2)), (66, 1)])

    def test_pickup_and_keys(self):
        t = tune_from("5, | 1 3/ 1/ 3 | 2- |", "key: G\nmeter: 3/4\ntempo: 84")
        self.assertEqual(t.pickup, 1)
        self.assertEqual(t.notes[0].midi, 62)  # 5, in G is D4
        self.assertEqual(tune_from("3, 4, |", "key: Bb\nmeter: 2/4\ntempo: 60").notes[0].midi, 62)

    def test_faults_are_reported(self):
        for text, header in (("1 2 3 | 1 2 |", None),          # a full bar too long
                             ("1 2 | 3 | 1 2 |", None),          # a middle bar too short
                             ("1 2~ | 3 4 |", None),             # a tie between pitches
                             ("1 2 | 1 2~ |", None),             # the last note tied
                             ("1, 2 |", None),                   # D3: below the erhu
                             ("1 2 |", "key: H\nmeter: 2/4\ntempo: 60"),
                             ("1 2 |", "key: D\nmeter: 5/4\ntempo: 60"),
                             ("1 x |", None),
                             ("[3 1/ 2/] 1 |", None)):
            with self.subTest(text=text, header=header):
                with self.assertRaises(tunefile.TuneError):
                    tune_from(text, header) if header else tune_from(text)

    def test_musicxml_spells_in_the_key(self):
        xml = tunefile.musicxml(tune_from("4 #4 |", "key: F\nmeter: 2/4\ntempo: 60"))
        self.assertIn("<fifths>-1</fifths>", xml)
        self.assertIn("<step>B</step><alter>-1</alter><octave>4</octave>", xml)
        self.assertIn("<step>B</step><octave>4</octave>", xml)
        xml = tunefile.musicxml(tune_from("#4 b7 |", "key: D\nmeter: 2/4\ntempo: 60"))
        self.assertIn("<step>G</step><alter>1</alter><octave>4</octave>", xml)
        self.assertIn("<step>C</step><octave>5</octave>", xml)


class ScoringTest(unittest.TestCase):
    def test_edit_distance_and_pairs(self):
        self.assertEqual(scoring.align([1, 2, 3], [1, 2, 3]), (0, [(0, 0), (1, 1), (2, 2)]))
        d, pairs = scoring.align([1, 2, 3, 4], [1, 3, 4, 5])
        self.assertEqual(d, 2)
        self.assertEqual(pairs, [(0, 0), (2, 1), (3, 2)])
        self.assertEqual(scoring.align([], [1])[0], 1)
        self.assertEqual(scoring.align([1, 2], [])[0], 2)

    def notes(self, onsets, pitches, quarters=None):
        return [scoring.Note(t, t + 0.4, p, None if quarters is None else Fraction(q))
                for t, p, q in zip(onsets, pitches, quarters or [None] * len(onsets))]

    def test_a_book_is_moved_onto_the_first_truth_note(self):
        truth = self.notes([1.0, 1.5, 2.0], [62, 64, 66], [1, 1, 2])
        book = self.notes([5.0, 5.52, 6.0], [62, 64, 66], [1, "1/2", 2])
        s = scoring.score(truth, book, align_start=True)
        self.assertEqual((s.accuracy, s.onset_f, s.note_f), (1.0, 1.0, 1.0))
        self.assertAlmostEqual(s.lengths, 2 / 3)
        self.assertEqual(scoring.score(truth, book, align_start=False).onset_f, 0.0)

    def test_onsets_outside_50_ms_and_wrong_pitches_count(self):
        truth = self.notes([0, 1, 2, 3], [62, 64, 66, 67])
        found = self.notes([0, 1.06, 2.0, 3.0], [62, 64, 65, 67])
        s = scoring.score(truth, found, align_start=False)
        self.assertAlmostEqual(s.onset_f, 0.75)
        self.assertAlmostEqual(s.note_f, 0.5)
        self.assertAlmostEqual(s.accuracy, 0.75)
        self.assertIsNone(s.lengths)

    def test_nothing_found_scores_zero(self):
        s = scoring.score(self.notes([0, 1], [62, 64]), [], align_start=True)
        self.assertEqual((s.accuracy, s.onset_f, s.note_f), (0.0, 0.0, 0.0))
        many = self.notes(np.arange(10.0), [70] * 10)
        self.assertEqual(scoring.score(self.notes([0, 1], [62, 64]), many, True).accuracy, 0.0)


class PerformerTest(unittest.TestCase):
    def test_vibrato_runs_leave_slides_out(self):
        slide = [(0.0, -200), (0.025, -166), (0.05, -133), (0.075, -100), (0.1, -66), (0.125, -33), (0.15, 0)]
        vib = [(0.2 + 0.03 * i, 30 * np.sin(i * np.pi / 3)) for i in range(12)]
        runs = performer.vibrato_runs(slide + vib)
        self.assertEqual(len(runs), 1)
        a, b = runs[0]
        self.assertGreaterEqual(a, len(slide) - 1)
        self.assertEqual(b, len(slide) + len(vib) - 1)

    def test_time_warp_is_monotonic_and_bounded(self):
        perf = performer.Performance(drift=0.08, seed=3)
        perf.rng = __import__("random").Random(3)
        warp = performer.TimeWarp(30.0, perf)
        times = [warp(t) for t in np.arange(0, 30, 0.5)]
        self.assertTrue(all(b > a for a, b in zip(times, times[1:])))
        steps = np.diff(times) / 0.5
        self.assertTrue(np.all(steps > 1 / 1.081) and np.all(steps < 1 / 0.919))


class SoundFileTest(unittest.TestCase):
    def test_reads_what_wave_wrote_and_finds_a_lag(self):
        rng = np.random.default_rng(1)
        x = rng.standard_normal(8000) * 0.2
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "a.wav")
            with wave.open(path, "wb") as w:
                w.setnchannels(1)
                w.setsampwidth(2)
                w.setframerate(8000)
                w.writeframes((x * 32767).astype("<i2").tobytes())
            y, rate = sndread.read(path)
            self.assertEqual((rate, y.shape), (8000, (8000, 1)))
            self.assertLess(np.abs(y[:, 0] - x).max(), 1e-3)
            late = np.concatenate([np.zeros(37), x])[:8000]
            self.assertEqual(sndread.lag(x, late, 200), 37)
            with open(os.path.join(d, "b.wav"), "w") as f:
                f.write("not audio")
            with self.assertRaises(OSError):
                sndread.read(os.path.join(d, "b.wav"))


@unittest.skipUnless(os.environ.get("SORVEL_BIN"), "needs the sorvel binary")
class TunesThroughTheEditorTest(unittest.TestCase):
    def test_every_tune_becomes_a_book_that_plays_and_writes_it(self):
        for name in sorted(os.listdir(TUNES)):
            with self.subTest(tune=name):
                tune = tunefile.read_tune(os.path.join(TUNES, name))
                with tempfile.TemporaryDirectory() as d:
                    xml, svl = os.path.join(d, "t.musicxml"), os.path.join(d, "t.svl")
                    with open(xml, "w", encoding="utf-8") as f:
                        f.write(tunefile.musicxml(tune))
                    bookread.run([os.environ["SORVEL_BIN"], "--import-musicxml", xml, svl])
                    notes, written = bookread.read_book(os.environ["SORVEL_BIN"], svl)
                want = tune.sounding_notes()
                self.assertEqual([n.midi for n in notes], [n["midi"] for n in want])
                self.assertEqual([n.quarters for n in notes], [n["quarters"] for n in want])
                self.assertEqual((written.key, written.meter), (tune.key, tune.meter))
                beat = 60.0 / tune.tempo
                first = notes[0].onset
                for n, w in zip(notes, want):
                    self.assertAlmostEqual(n.onset - first, float(w["onset"] - want[0]["onset"]) * beat,
                                           delta=0.03)


if __name__ == "__main__":
    unittest.main()
