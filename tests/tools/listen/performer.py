# SPDX-License-Identifier: GPL-3.0-or-later
"""A player's take of a book: the editor's expressive MIDI export made human.

The editor plays a book's marks as MIDI (slides and vibrato as pitch bends,
trills as quick notes) in strict time, on its default instrument. A take
changes that performance the way a real player and instrument would and
keeps the truth of what was played:
  - the melody program becomes a bowed string (violin, viola, fiddle);
  - the whole instrument is detuned by a fixed number of cents (a bend
    added to every bend);
  - each vibrato gets its own depth and rate (the export plays all of them
    alike), with a short onset;
  - the tempo drifts smoothly by a few per cent over the piece;
  - notes of a phrase are joined (legato) where the export leaves a gap,
    except repeated pitches, which keep their bow change;
  - velocities vary a little.
Everything comes from a seeded random generator, so a take is reproducible.
"""
import math
import random
from dataclasses import dataclass, field

import mido
import numpy as np

BEND_RANGE_CENTS = 1200  # the export sets the bend range to 12 semitones
OUT_TICKS = 960
OUT_TEMPO = 500000  # microseconds a quarter in the written file: ticks are plain time


@dataclass
class Event:
    t: float  # seconds
    msg: mido.Message


@dataclass
class Performance:
    program: int = 40  # 0-based GM program: 40 violin, 41 viola, 110 fiddle
    tuning_cents: float = 0.0
    vibrato_cents: tuple = (30.0, 30.0)  # range of peak depths
    vibrato_hz: tuple = (5.5, 5.5)
    drift: float = 0.0  # peak tempo deviation, 0.05 = 5 %
    drift_cycles: float = 1.0  # slow waves of tempo over the piece
    legato: float = 0.0  # share of gaps closed between notes of different pitch
    velocity_spread: float = 0.0
    seed: int = 0
    rng: random.Random = field(default=None, repr=False)


def absolute_events(path):
    """Channel messages of a MIDI file with their times in seconds."""
    mid = mido.MidiFile(path)
    events, now = [], 0.0
    for msg in mid:
        now += msg.time
        if not msg.is_meta:
            events.append(Event(now, msg.copy(time=0)))
    return events


def notes_of(events):
    """(onset, offset, pitch, velocity) of every note, in onset order."""
    open_notes, notes = {}, []
    for e in events:
        m = e.msg
        if m.type == "note_on" and m.velocity > 0:
            open_notes[m.note] = (e.t, m.velocity)
        elif m.type in ("note_off", "note_on") and m.note in open_notes:
            on, vel = open_notes.pop(m.note)
            notes.append((on, e.t, m.note, vel))
    notes.sort()
    return notes


def cents_of(pitch):
    return pitch * BEND_RANGE_CENTS / 8192.0


def pitch_of(cents):
    return max(-8192, min(8191, int(round(cents * 8192.0 / BEND_RANGE_CENTS))))


def vibrato_runs(bends):
    """Index ranges of the export's vibrato: runs of small bends of both signs
    at its steady pace. A slide's glide leaves the run (its bends are larger)."""
    runs, start = [], None
    for i, (t, c) in enumerate(bends):
        small = abs(c) <= 31
        joined = start is not None and t - bends[i - 1][0] <= 0.08
        if small and joined:
            continue
        if start is not None:
            runs.append((start, i - 1))
        start = i if small else None
    if start is not None:
        runs.append((start, len(bends) - 1))
    out = []
    for a, b in runs:
        values = [c for _, c in bends[a:b + 1]]
        if b - a >= 4 and min(values) < -5 and max(values) > 5:
            out.append((a, b))
    return out


def new_vibrato(t0, t1, end_cents, perf):
    """A vibrato from t0 to t1: its own depth and rate, swelling in over a
    tenth of a second, and the export's last bend at t1."""
    rng = perf.rng
    depth = rng.uniform(*perf.vibrato_cents)
    rate = rng.uniform(*perf.vibrato_hz)
    out, t, phase = [], t0, 0.0
    while t < t1:
        swell = min(1.0, (t - t0) / 0.1)
        out.append((t, depth * swell * math.sin(phase)))
        phase += 2 * math.pi * rate * 0.01 * (1 + 0.04 * math.sin(3.1 * (t - t0)))
        t += 0.01
    out.append((t1, end_cents))
    return out


def reshape_bends(events, perf):
    """The bends with each vibrato replaced and the detuning added."""
    bends = [(e.t, cents_of(e.msg.pitch)) for e in events if e.msg.type == "pitchwheel"]
    others = [e for e in events if e.msg.type != "pitchwheel"]
    shaped, last = [], 0
    for a, b in vibrato_runs(bends):
        shaped.extend(bends[last:a])
        shaped.extend(new_vibrato(bends[a][0], bends[b][0], bends[b][1], perf))
        last = b + 1
    shaped.extend(bends[last:])
    if not shaped or shaped[0][0] > 0:
        shaped.insert(0, (0.0, 0.0))
    channel = next((e.msg.channel for e in events if hasattr(e.msg, "channel")), 0)
    out = [Event(t, mido.Message("pitchwheel", channel=channel,
                                 pitch=pitch_of(c + perf.tuning_cents))) for t, c in shaped]
    return others + out


def join_notes(events, perf):
    """Closes the gap after a note when the next note, of another pitch,
    follows within a quarter of a second: one bow carries both."""
    rng = perf.rng
    notes = notes_of(events)
    offs = {}
    for (on, off, p, _), (on2, _, p2, _) in zip(notes, notes[1:]):
        if p != p2 and 0 < on2 - off < 0.25 and rng.random() < perf.legato:
            offs[(p, round(off, 6))] = on2
    for e in events:
        m = e.msg
        if (m.type == "note_off" or (m.type == "note_on" and m.velocity == 0)):
            e.t = offs.get((m.note, round(e.t, 6)), e.t)
    return events


def vary_velocity(events, perf):
    rng = perf.rng
    for e in events:
        m = e.msg
        if m.type == "note_on" and m.velocity > 0 and perf.velocity_spread:
            v = m.velocity + rng.gauss(0, perf.velocity_spread)
            e.msg = m.copy(velocity=max(20, min(127, int(round(v)))))
    return events


def set_program(events, program):
    out = []
    for e in events:
        if e.msg.type == "program_change" and e.msg.channel == 0:
            continue  # the export's resets and its default instrument
        out.append(e)
    return [Event(0.0, mido.Message("program_change", channel=0, program=program))] + out


class TimeWarp:
    """Maps the export's strict time to the drifting time of the take."""

    def __init__(self, seconds, perf):
        self.grid = np.arange(0.0, seconds + 5.0, 0.001)
        phase = perf.rng.uniform(0, 2 * math.pi)
        span = max(seconds, 1.0)
        speed = 1 + perf.drift * np.sin(2 * math.pi * perf.drift_cycles * self.grid / span + phase)
        self.warped = np.concatenate([[0.0], np.cumsum(0.001 / speed[:-1])])

    def __call__(self, t):
        return float(np.interp(t, self.grid, self.warped))


def order_key(e):
    # At one time: bends and controls first, then note-offs, then note-ons.
    m = e.msg
    if m.type == "note_on" and m.velocity > 0:
        return (e.t, 2)
    if m.type in ("note_off", "note_on"):
        return (e.t, 1)
    return (e.t, 0)


def perform(expressive_mid, perf):
    """The performed events (times in seconds) and the warp applied to them."""
    perf.rng = random.Random(perf.seed)
    events = absolute_events(expressive_mid)
    events = set_program(events, perf.program)
    events = reshape_bends(events, perf)
    events = join_notes(events, perf)
    events = vary_velocity(events, perf)
    end = max(e.t for e in events)
    warp = TimeWarp(end, perf)
    for e in events:
        e.t = warp(e.t)
    events.sort(key=order_key)
    return events, warp


def write_midi(events, path):
    mid = mido.MidiFile(type=0, ticks_per_beat=OUT_TICKS)
    track = mido.MidiTrack()
    mid.tracks.append(track)
    track.append(mido.MetaMessage("set_tempo", tempo=OUT_TEMPO, time=0))
    ticks_per_second = OUT_TICKS * 1e6 / OUT_TEMPO
    last = 0
    for e in events:
        tick = int(round(e.t * ticks_per_second))
        track.append(e.msg.copy(time=tick - last))
        last = tick
    track.append(mido.MetaMessage("end_of_track", time=int(ticks_per_second)))
    mid.save(path)
