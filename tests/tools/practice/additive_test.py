#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The absolute accuracy of the intonation check: a take played by an
additive synthesizer whose every note sounds at a pitch known exactly (no
SoundFont's sample tuning in between), checked by `sorvel --intonation`.

    additive_test.py SORVEL [--tune NAME] [--seed N] [--keep DIR]

The synthesizer bows each written note with a sawtooth-like set of harmonics
at the instrument's tuning plus the note's own detuning (a dozen notes 15–45
cents off), a vibrato of ±40 cents at 5–6 Hz on the longer notes, glides into
some notes, bow noise on every attack and under the tone, a free tempo, a
room (sox reverb) and hiss. The truth of a note is its tuning plus
detuning, exactly. Passes when the cents of at least 90 % of the matched
notes are within 5 of it, and at least 95 % of the notes are matched. Skips
(exit 77) without sox or numpy.
"""
import argparse
import csv
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "listen"))

SKIP = 77
RATE = 44100
TOLERANCE = 5.0

try:
    import numpy as np
except ImportError:  # pragma: no cover - the skip below says so
    np = None


def timeline(notes, tempo, rng):
    """(onset, seconds) of each note: the written tempo, slowing and
    hurrying by up to 12 % over a few bars."""
    out = []
    t = 0.4
    phase = rng.uniform(0, 6.3)
    for n in notes:
        beat_seconds = 60.0 / tempo * (1 + 0.12 * np.sin(phase + 0.35 * float(n["onset"])))
        seconds = float(n["quarters"]) * beat_seconds
        out.append((t, seconds))
        t += seconds
    return out


def pitch_curve(midi, cents, seconds, glide_from, rng):
    """The note's pitch in fractional MIDI numbers, sample by sample."""
    n = int(seconds * RATE)
    t = np.arange(n) / RATE
    curve = np.full(n, midi + cents / 100.0)
    if seconds >= 0.35:
        depth = 0.40 * min(1.0, seconds / 0.6)
        rate = rng.uniform(5.0, 6.0)
        ramp = np.clip((t - 0.08) / 0.2, 0, 1)  # vibrato comes in after the attack
        curve += depth * ramp * np.sin(2 * np.pi * rate * t + rng.uniform(0, 6.3))
    if glide_from is not None:
        glide = min(0.09, seconds * 0.2)
        k = t < glide
        start = glide_from + cents / 100.0
        curve[k] = start + (curve[k] - start) * (t[k] / glide)
    return curve


def bowed(curve, seconds, rng):
    """Harmonics 1/k of the pitch curve, an attack and a release, bow noise."""
    n = len(curve)
    hz = 440.0 * 2 ** ((curve - 69) / 12)
    phase = 2 * np.pi * np.cumsum(hz) / RATE
    tone = np.zeros(n)
    for k in range(1, 16):
        if (hz * k).max() >= RATE / 2 - 1000:
            break
        tone += np.sin(k * phase + rng.uniform(0, 6.3)) / k ** 1.1
    t = np.arange(n) / RATE
    release = 0.05
    env = np.clip(t / 0.045, 0, 1) * np.clip((seconds - t) / release, 0, 1) ** 0.7
    env *= 1 + 0.08 * np.sin(2 * np.pi * 0.8 * t)  # the bow's pressure
    noise = rng.standard_normal(n)
    noise = np.convolve(noise, np.ones(6) / 6, mode="same")  # rosin hiss, darker
    scratch = np.exp(-t / 0.03) * 0.35  # the bow biting at the attack
    return env * (tone + noise * (0.04 + scratch))


def render(notes, tuning, detune, rng):
    times = timeline(notes, rng.uniform(0.9, 1.1) * 72, rng)
    total = times[-1][0] + times[-1][1] + 1.5
    out = np.zeros(int(total * RATE))
    previous = None
    for i, (n, (onset, seconds)) in enumerate(zip(notes, times)):
        cents = tuning + detune.get(i, 0.0)
        glide_from = previous if previous is not None and i % 5 == 3 else None
        sounding = seconds * 0.97 + 0.02  # the next note's attack overlaps a little
        curve = pitch_curve(n["midi"], cents, sounding, glide_from, rng)
        wave = bowed(curve, sounding, rng) * rng.uniform(0.7, 1.0)
        a = int(onset * RATE)
        out[a:a + len(wave)] += wave[: len(out) - a]
        previous = n["midi"]
    return out


def write_take(samples, path, work, seed):
    dry = os.path.join(work, "dry.f32")
    (samples / np.abs(samples).max() * 0.5).astype("<f4").tofile(dry)
    wet = os.path.join(work, "wet.f32")
    subprocess.run(["sox", "-R", "-t", "f32", "-r", str(RATE), "-c", "1", dry, "-t", "f32", wet,
                    "reverb", "40", "50", "70"], check=True, capture_output=True)
    x = np.fromfile(wet, dtype="<f4").astype(np.float64)
    if x.size % 2 == 0 and x.size > samples.size * 1.5:  # sox made it stereo
        x = x.reshape(-1, 2).mean(axis=1)
    level = np.sqrt(np.mean(x[np.abs(x) > 0.01 * np.abs(x).max()] ** 2))
    x += np.random.default_rng(seed).standard_normal(x.size) * level * 10 ** (-45 / 20)
    x *= 0.7 / np.abs(x).max()
    raw = os.path.join(work, "final.f32")
    x.astype("<f4").tofile(raw)
    subprocess.run(["sox", "-R", "-t", "f32", "-r", str(RATE), "-c", "1", raw,
                    "-e", "signed-integer", "-b", "16", path], check=True, capture_output=True)


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("sorvel")
    ap.add_argument("--tune", default="rowboat")
    ap.add_argument("--seed", type=int, default=7)
    ap.add_argument("--keep", help="write the take, the book and the report here")
    args = ap.parse_args(argv)
    if np is None or not shutil.which("sox"):
        print("skipped: needs numpy and sox")
        return SKIP
    import render_take  # noqa: E402  (needs numpy)
    import tunefile  # noqa: E402
    rng = np.random.default_rng(args.seed)
    tune = tunefile.read_tune(os.path.join(HERE, "..", "listen", "tunes", args.tune + ".tune"))
    notes = tune.sounding_notes()
    tuning = float(rng.uniform(-30, 30))
    chosen = rng.choice(len(notes), size=min(12, len(notes)), replace=False)
    detune = {int(i): float(rng.choice((-1, 1)) * rng.uniform(15, 45)) for i in chosen}
    with tempfile.TemporaryDirectory(prefix="additive-") as work:
        folder = args.keep or work
        os.makedirs(folder, exist_ok=True)
        _, svl, _, _ = render_take.make_book(args.sorvel, tune, work)
        book = os.path.join(folder, "additive.svl")
        shutil.copyfile(svl, book)
        take = os.path.join(folder, "additive.wav")
        write_take(render(notes, tuning, detune, rng), take, work, args.seed)
        report = os.path.join(folder, "additive.csv")
        done = subprocess.run([args.sorvel, "--intonation", book, take, report],
                              capture_output=True, text=True)
        if done.returncode != 0:
            print(f"FAIL exit {done.returncode}: {done.stderr.strip()}")
            return 1
        with open(report, encoding="utf-8") as f:
            rows = list(csv.DictReader(f))
    if len(rows) != len(notes):
        print(f"FAIL {len(rows)} lines for {len(notes)} notes")
        return 1
    truth = [tuning + detune.get(i, 0.0) for i in range(len(notes))]
    matched = [i for i, r in enumerate(rows) if r["status"] == "ok"]
    errors = np.array([float(rows[i]["cents"]) - truth[i] for i in matched])
    close = float(np.mean(np.abs(errors) <= TOLERANCE)) if matched else 0.0
    share = len(matched) / len(notes)
    print(f"{args.tune} seed {args.seed}: notes {len(notes)} matched {share:.3f} "
          f"close {close:.3f} mean error {errors.mean():+.2f} "
          f"median |error| {np.median(np.abs(errors)):.2f} tuning {tuning:+.1f}")
    failed = False
    if share < 0.95:
        print(f"  FAIL matched {share:.1%}")
        failed = True
    if close < 0.90:
        off = [(i + 1, rows[i]["cents"], round(truth[i], 1)) for i, e in zip(matched, errors)
               if abs(e) > TOLERANCE]
        print(f"  FAIL cents within {TOLERANCE:g} for {close:.1%}; off: {off}")
        failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
