# SPDX-License-Identifier: GPL-3.0-or-later
"""The pitch the synthesizer really sounds for each note of a take.

General MIDI SoundFonts are not in tune, and not even steady: a sample
stretched over several keys can sit 20 cents off, and a recorded sample's
attack sits elsewhere than its loop, so a short note of a key sounds up to
15 cents away from a long one. The truth of a take is therefore measured,
not assumed: the take's notes (same program, keys, lengths and velocities)
are rendered again with every pitch bend taken out (no tuning, no detuning,
no vibrato, no slides) and each note is read over its own span with the
check's own measurement (practice_tonereading). What the player meant to
play on top of that (the tuning and a note's detuning, pure bends) is added
by the caller.

A SoundFont's samples sit within a few tens of cents of their keys, so a
reading of the unbent render further than IMPLAUSIBLE_CENTS from the key
played is not the note's pitch but its neighbour's (a sixteenth whose span still
holds the note before ringing): such a note has no truth, like a note too
short to read.
"""
import os
import subprocess
import sys

import mido

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "listen"))

import performer  # noqa: E402
import render_take  # noqa: E402

IMPLAUSIBLE_CENTS = 50.0


def default_reader(sorvel):
    """practice_tonereading in the build tree that holds SORVEL."""
    return os.path.join(os.path.dirname(os.path.abspath(sorvel)), "tests", "practice",
                        "practice_tonereading")


def read_spans(reader, audio, spans):
    """[cents or None] of each (onset, offset, midi) of `audio`, read as the
    check reads a note."""
    args = [reader, audio]
    for on, off, midi in spans:
        args += [f"{on:.4f}", f"{off:.4f}", str(midi)]
    done = subprocess.run(args, capture_output=True, text=True, check=True)
    out = []
    for line in done.stdout.splitlines():
        first = line.split()[0]
        out.append(None if first == "none" else float(first))
    return out


def in_tune_cents(reader, notes, others, spans, written_midi, work):
    """{written index: cents against its written pitch} of the take's notes
    `notes` (onset, offset, pitch, velocity) played without any bend, each
    written note read over its span {index: (onset, offset)}."""
    events = list(others)
    for on, off, p, v in notes:
        events.append(performer.Event(on, mido.Message("note_on", note=p, velocity=v)))
        events.append(performer.Event(off, mido.Message("note_off", note=p,
                                                                  velocity=0)))
    events.sort(key=performer.order_key)
    mid, wav = os.path.join(work, "in_tune.mid"), os.path.join(work, "in_tune.wav")
    performer.write_midi(events, mid)
    render_take.run(["fluidsynth", "-ni", "-q", "-g", "1.0", "-r", "44100", "-F", wav,
                     render_take.soundfont(), mid])
    order = sorted(spans)
    readings = read_spans(reader, wav, [(*spans[i], written_midi[i]) for i in order])
    return {i: c for i, c in zip(order, readings) if c is not None}


def plausible(sounded, played_steps):
    """The readings of `sounded` {index: cents against the written pitch}
    within IMPLAUSIBLE_CENTS of the key played ({index: semitones from the
    written pitch} for notes played wrong)."""
    return {i: c for i, c in sounded.items()
            if abs(c - 100 * played_steps.get(i, 0)) <= IMPLAUSIBLE_CENTS}
