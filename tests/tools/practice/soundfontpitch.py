# SPDX-License-Identifier: GPL-3.0-or-later
"""The pitch a SoundFont really sounds for each note of a program.

General MIDI SoundFonts are not in tune: a sample stretched over several
keys can sit 20 cents off (FluidR3's violin plays C#5 18 cents flat). The
truth of a take is what the synthesizer sounded, so each note of the
program is rendered alone, held three seconds without bends, and its
fundamental measured from a long, zero-padded spectrum (to a tenth of a cent).
"""
import os
import subprocess
import sys
import tempfile

import mido
import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "listen"))

import sndread  # noqa: E402

HOLD, GAP = 1.5, 0.5  # seconds a note sounds, silence after it


def _peak_hz(spectrum, freqs, low, high, rate, size):
    mask = (freqs > low) & (freqs < high)
    i = int(np.argmax(np.where(mask, spectrum, 0)))
    a, b, c = np.log(spectrum[i - 1:i + 2] + 1e-12)
    shift = 0.5 * (a - c) / (a - 2 * b + c)
    return spectrum[i], freqs[i] + shift * rate / size


def _cents(segment, midi, rate):
    f0 = 440.0 * 2 ** ((midi - 69) / 12)
    size = 1 << 20
    spectrum = np.abs(np.fft.rfft(segment * np.hanning(len(segment)), size))
    freqs = np.fft.rfftfreq(size, 1 / rate)
    best = max(_peak_hz(spectrum, freqs, f0 * h * 2 ** (-0.8 / 12), f0 * h * 2 ** (0.8 / 12),
                        rate, size) + (h,) for h in (1, 2, 3))
    return 1200 * np.log2(best[1] / best[2] / f0)


def offsets(soundfont, program, notes):
    """{midi: cents} of the notes as the program sounds them."""
    notes = sorted(set(notes))
    with tempfile.TemporaryDirectory(prefix="sfpitch-") as work:
        mid = mido.MidiFile(type=0, ticks_per_beat=1000)
        track = mido.MidiTrack()
        mid.tracks.append(track)
        track.append(mido.MetaMessage("set_tempo", tempo=1000000, time=0))
        track.append(mido.Message("program_change", program=program, time=0))
        for n in notes:
            track.append(mido.Message("note_on", note=n, velocity=90, time=0))
            track.append(mido.Message("note_on", note=n, velocity=0, time=int(HOLD * 1000)))
            track.append(mido.Message("control_change", control=121, value=0,
                                      time=int(GAP * 1000)))
        path, wav = os.path.join(work, "notes.mid"), os.path.join(work, "notes.wav")
        mid.save(path)
        subprocess.run(["fluidsynth", "-ni", "-q", "-g", "1.0", "-r", "44100", "-F", wav,
                        soundfont, path], check=True, capture_output=True)
        x, rate = sndread.read(wav)
        x = x.mean(axis=1)
        out = {}
        for k, n in enumerate(notes):
            start = k * (HOLD + GAP) + 0.4
            out[n] = float(_cents(x[int(start * rate):int((start + 0.9) * rate)], n, rate))
        return out
