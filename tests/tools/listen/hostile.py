#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Hostile and odd audio files for the listening tests, made deterministically.

    hostile.py --out DIR [--long]

Writes into DIR (see tests/listen/data/README.md for what a reader should
make of each):
  empty.wav           0 bytes
  header-only.wav     a valid WAV header and no samples
  one-sample.wav      one sample at 44.1 kHz
  truncated.wav       a header promising 2 s, 0.1 s of samples
  non-audio.wav       text with a .wav name
  truncated.flac, truncated.ogg, truncated.mp3   a melody cut off mid-file
  silent.wav          3 s of digital silence
  quiet.wav           the melody peaking at -70 dBFS
  clipped.wav         the melody driven 20 dB into full scale
  noise.wav           3 s of white noise at -20 dBFS
  melody-8k.wav       the melody at 8 kHz
  melody-96k.flac     the melody at 96 kHz, 24-bit, stereo
  melody-48k.ogg, melody.mp3   the melody in the lossy formats
  long-2h.wav         (with --long) two hours at 8 kHz: hiss with a phrase every
                      minute, written in blocks (115 MB)
The melody: D4 A4 D5 A5 F#5, half a second each, a harmonic tone with a bow-like
attack, so a transcriber can be checked to find five notes.
"""
import argparse
import os
import struct
import subprocess
import sys
import wave

import numpy as np

MELODY = [62, 69, 74, 81, 78]
NOTE_SECONDS = 0.5


def tone(midi, seconds, rate):
    t = np.arange(int(seconds * rate)) / rate
    f0 = 440.0 * 2 ** ((midi - 69) / 12)
    x = sum(np.sin(2 * np.pi * k * f0 * t) / k for k in range(1, 9) if k * f0 < rate / 2)
    attack = np.minimum(1.0, t / 0.04)
    release = np.minimum(1.0, (seconds - t) / 0.05)
    return x * attack * release


def melody(rate, peak=0.5):
    x = np.concatenate([tone(m, NOTE_SECONDS, rate) for m in MELODY] + [np.zeros(rate // 4)])
    return x * (peak / np.abs(x).max())


def write_wav(path, x, rate, channels=1):
    data = np.clip(np.asarray(x), -1, 1)
    if channels == 2 and data.ndim == 1:
        data = np.stack([data, 0.8 * data], axis=1)
    with wave.open(path, "wb") as w:
        w.setnchannels(channels)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes((data * 32767).astype("<i2").tobytes())


def sox(src, dst, options=(), effects=()):
    subprocess.run(["sox", "-R", src, *options, dst, *effects], check=True, capture_output=True)


def truncate(path, keep):
    with open(path, "r+b") as f:
        f.truncate(int(os.path.getsize(path) * keep))


def small_files(out):
    """The ones small enough to keep with the sources."""
    open(os.path.join(out, "empty.wav"), "wb").close()
    write_wav(os.path.join(out, "header-only.wav"), np.zeros(0), 44100)
    write_wav(os.path.join(out, "one-sample.wav"), np.array([0.25]), 44100)
    rate = 8000
    head = struct.pack("<4sI4s4sIHHIIHH4sI", b"RIFF", 36 + 2 * rate * 2, b"WAVE", b"fmt ", 16,
                       1, 1, rate, 2 * rate, 2, 16, b"data", 2 * rate * 2)
    samples = (melody(rate)[: rate // 10] * 32767).astype("<i2").tobytes()
    with open(os.path.join(out, "truncated.wav"), "wb") as f:
        f.write(head + samples)
    with open(os.path.join(out, "non-audio.wav"), "w", encoding="utf-8") as f:
        f.write("This is not a recording.\n" * 40)
    src = os.path.join(out, "melody-source.wav")
    write_wav(src, melody(8000), 8000)
    for ext, options in (("flac", []), ("ogg", ["-C", "0"]), ("mp3", ["-C", "32"])):
        path = os.path.join(out, "truncated." + ext)
        sox(src, path, options)
        truncate(path, 0.5)
    os.remove(src)


def generated_files(out):
    """The larger ones, made at test time."""
    rng = np.random.default_rng(7)
    write_wav(os.path.join(out, "silent.wav"), np.zeros(3 * 8000), 8000)
    write_wav(os.path.join(out, "quiet.wav"), melody(22050, peak=10 ** (-70 / 20)), 22050)
    loud = np.clip(melody(22050, peak=10.0), -1, 1)
    write_wav(os.path.join(out, "clipped.wav"), loud, 22050)
    write_wav(os.path.join(out, "noise.wav"), rng.standard_normal(3 * 8000) * 0.1, 8000)
    write_wav(os.path.join(out, "melody-8k.wav"), melody(8000), 8000)
    src = os.path.join(out, "melody-44k.wav")
    write_wav(src, melody(44100), 44100, channels=2)
    sox(src, os.path.join(out, "melody-96k.flac"), ["-b", "24"], ["rate", "96000"])
    sox(src, os.path.join(out, "melody-48k.ogg"), [], ["rate", "48000"])
    sox(src, os.path.join(out, "melody.mp3"), ["-C", "128"])
    os.remove(src)


def long_file(out, hours=2.0, rate=8000):
    """Two hours written block by block: hiss, and the melody once a minute."""
    rng = np.random.default_rng(11)
    phrase = melody(rate, peak=0.3)
    minute = rate * 60
    with wave.open(os.path.join(out, "long-2h.wav"), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        for _ in range(int(hours * 60)):
            block = rng.standard_normal(minute) * 0.003
            block[: len(phrase)] += phrase
            w.writeframes((np.clip(block, -1, 1) * 32767).astype("<i2").tobytes())


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", required=True)
    ap.add_argument("--long", action="store_true", help="also the two-hour file")
    ap.add_argument("--small-only", action="store_true", help="only the files kept with the sources")
    args = ap.parse_args(argv)
    os.makedirs(args.out, exist_ok=True)
    small_files(args.out)
    if not args.small_only:
        generated_files(args.out)
    if args.long:
        long_file(args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
