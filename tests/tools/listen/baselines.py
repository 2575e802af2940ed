#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Baselines for the listening corpus, measured as transcriptions are.

    baselines.py --takes DIR [--method aubionotes|rounded|all] [TAKE ...]

aubionotes   aubio's note tracker (aubio-tools) with its default settings;
rounded      aubio's pitch track (yinfft) rounded to semitones, runs of one
             semitone merged into notes and notes shorter than 60 ms left out.
Both read the take as libsndfile decodes it (written to a temporary WAV), so
that their times agree with the truth. They give notes in seconds without
written lengths, so the lengths column stays empty and the onsets are not
moved (see scoring.py).
"""
import argparse
import json
import os
import subprocess
import sys
import tempfile
import wave

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import scoring  # noqa: E402
import sndread  # noqa: E402

MIN_NOTE = 0.06


def write_wav(samples, rate, path):
    mono = np.clip(samples.mean(axis=1), -1, 1)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes((mono * 32767).astype("<i2").tobytes())


def aubio(cmd):
    done = subprocess.run(cmd, capture_output=True, text=True)
    if done.returncode != 0:
        raise OSError(f"{cmd[0]}: {done.stderr.strip()}")
    return done.stdout


def aubionotes(wav):
    notes = []
    for line in aubio(["aubionotes", "-i", wav]).splitlines():
        parts = line.split()
        if len(parts) == 3:
            midi, on, off = (float(p) for p in parts)
            notes.append(scoring.Note(on, off, int(round(midi))))
    return notes


def rounded_track(wav):
    frames = []
    for line in aubio(["aubiopitch", "-i", wav, "-p", "yinfft", "-u", "midi"]).splitlines():
        parts = line.split()
        if len(parts) == 2:
            frames.append((float(parts[0]), float(parts[1])))
    if len(frames) < 2:
        return []
    hop = frames[1][0] - frames[0][0]
    notes, start, current = [], None, None
    for t, midi in frames + [(frames[-1][0] + hop, 0.0)]:
        semitone = int(round(midi)) if midi > 0 else None
        if semitone != current:
            if current is not None and t - start >= MIN_NOTE:
                notes.append(scoring.Note(start, t, current))
            start, current = t, semitone
    return notes


METHODS = {"aubionotes": aubionotes, "rounded": rounded_track}


def measure(takes_dir, names, method):
    print(f"{method}:")
    print(f"{'take':18s} {'notes':>7s} {'acc':>5s} {'onsF':>5s} {'noteF':>5s}")
    scores = []
    for name in names:
        with open(os.path.join(takes_dir, name + ".json"), encoding="utf-8") as f:
            truth = json.load(f)
        samples, rate = sndread.read(os.path.join(takes_dir, truth["audio"]))
        with tempfile.TemporaryDirectory(prefix="baseline-") as work:
            wav = os.path.join(work, "take.wav")
            write_wav(samples, rate, wav)
            found = METHODS[method](wav)
        s = scoring.score(scoring.truth_notes(truth), found, align_start=False)
        scores.append(s)
        print(f"{name:18s} {s.found_notes:3d}/{s.truth_notes:<3d} {s.accuracy:5.2f} "
              f"{s.onset_f:5.2f} {s.note_f:5.2f}")
    means = [sum(getattr(s, k) for s in scores) / len(scores) for k in ("accuracy", "onset_f", "note_f")]
    print(f"{'mean':18s} {'':7s} {means[0]:5.2f} {means[1]:5.2f} {means[2]:5.2f}")
    lo, hi = min(s.accuracy for s in scores), max(s.accuracy for s in scores)
    print(f"accuracy from {lo:.2f} to {hi:.2f}\n")


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--takes", required=True)
    ap.add_argument("--method", default="all", choices=["all"] + sorted(METHODS))
    ap.add_argument("names", nargs="*")
    args = ap.parse_args(argv)
    names = args.names or sorted(f[:-5] for f in os.listdir(args.takes) if f.endswith(".json"))
    for method in METHODS if args.method == "all" else [args.method]:
        measure(args.takes, names, method)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
