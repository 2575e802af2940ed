#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Renders takes for the intonation check with their truth.

    render_practice.py --sorvel build/sorvel --out DIR [--reader TONEREADING] [--set dev|heldout] [TAKE ...]

As render_take.py (tune → book → expressive MIDI → player → FluidSynth →
room, hiss, format), and on top of the player: the tempo of the take, a
dozen notes out of tune (a pitch bend added over the note), one note played
a whole tone off, one bar left out (the take goes straight on to the next).
Writes DIR/NAME.<format>, DIR/NAME.svl (the book) and DIR/NAME.json: per
written note in play order, whether it was played and the cents it was
played at against the written pitch: what the synthesizer sounds for the
note without any bend (soundedpitch.py) plus the tuning and the detuning.
"""
import argparse
import json
import os
import random
import sys
import tempfile

import mido

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "listen"))
sys.path.insert(0, HERE)

import performer  # noqa: E402
import practicetakes  # noqa: E402
import render_take  # noqa: E402
import soundedpitch  # noqa: E402
import tunefile  # noqa: E402


def split_events(events):
    """Notes (onset, offset, pitch, velocity), bends (t, cents) and the rest."""
    notes = performer.notes_of(events)
    bends = [(e.t, performer.cents_of(e.msg.pitch)) for e in events if e.msg.type == "pitchwheel"]
    others = [e for e in events if e.msg.type not in ("note_on", "note_off", "pitchwheel")]
    return notes, bends, others


def join_events(notes, bends, others):
    out = list(others)
    for on, off, p, v in notes:
        out.append(performer.Event(on, mido.Message("note_on", note=p, velocity=v)))
        out.append(performer.Event(off, mido.Message("note_off", note=p, velocity=0)))
    for t, c in bends:
        out.append(performer.Event(t, mido.Message("pitchwheel", pitch=performer.pitch_of(c))))
    out.sort(key=performer.order_key)
    return out


def bend_at(bends, t):
    value = 0.0
    for bt, c in bends:
        if bt > t:
            break
        value = c
    return value


def detune(bends, spans):
    """Adds each span's cents to the bends over it: (start, end, cents)."""
    times = sorted({t for t, _ in bends} | {s for s, _, _ in spans} | {e for _, e, _ in spans})
    out = []
    for t in times:
        extra = sum(c for s, e, c in spans if s <= t < e)
        out.append((t, bend_at(bends, t) + extra))
    return out


def cut(notes, bends, others, start, end):
    """The take with [start, end) left out: what follows comes `end - start` earlier."""
    gap = end - start
    slack = 1e-3  # a note's onset may sit a rounding error before its beat

    def moved(t):
        return t if t < start else (start if t < end else t - gap)

    kept = [(on, min(off, start) if on < start else off, p, v)
            for on, off, p, v in notes if not start - slack <= on < end - slack]
    kept = [(on, off, p, v) if on < start - slack else (max(on, end), off, p, v)
            for on, off, p, v in kept]
    kept = [(moved(on), moved(off), p, v) for on, off, p, v in kept]
    before = [(t, c) for t, c in bends if t < start]
    after = [(t - gap, c) for t, c in bends if t >= end]
    bends = before + [(start, bend_at(bends, end))] + after
    for e in others:
        e.t = moved(e.t)
    return kept, bends, others


def choose(tune, written, take, rng):
    """Which notes are out of tune and by how much, which is wrong, which bar goes."""
    bars = sorted({n["bar"] for n in written})
    skip = take["skip_bar"] if take["skip_bar"] is not None else bars[len(bars) // 2]
    playable = [i for i, n in enumerate(written) if n["bar"] != skip and n["quarters"] >= 0.5
                and 0 < i < len(written) - 1]
    wrong = rng.choice([i for i in playable if written[i]["bar"] > skip])
    candidates = [i for i in playable if i != wrong]
    detuned = sorted(rng.sample(candidates, min(take["detuned"], len(candidates))))
    cents = {i: rng.choice((-1, 1)) * rng.uniform(15, 45) for i in detuned}
    return skip, wrong, cents


def played_spans(written, starts, ends, notes, skip, cut_from, cut_to):
    """{written index: (onset, offset)} of the MIDI notes that play each
    written note in the take after the cut."""
    gap = cut_to - cut_from

    def moved(t):  # times of played notes: before the bar left out or after it
        return t if t < (cut_from + cut_to) / 2 else t - gap

    spans = {}
    for i, n in enumerate(written):
        if n["bar"] == skip:
            continue
        a, b = moved(starts[i]) - 1e-3, moved(ends[i]) - 1e-3
        mine = [(on, off) for on, off, _, _ in notes if a <= on < b]
        if mine:
            spans[i] = (min(on for on, _ in mine), max(off for _, off in mine))
    return spans


def render(sorvel, reader, name, take, out_dir):
    tune = tunefile.read_tune(os.path.join(HERE, "..", "listen", "tunes", take["tune"] + ".tune"))
    rng = random.Random(take["seed"])
    with tempfile.TemporaryDirectory(prefix="practice-") as work:
        xml, svl, plain, expressive = render_take.make_book(sorvel, tune, work)
        plain_notes = performer.notes_of(performer.absolute_events(plain))
        render_take.check_book(tune, plain_notes)
        perf = performer.Performance(
            program=take["program"], tuning_cents=take["tuning"],
            vibrato_cents=tuple(take["vibrato_cents"]), vibrato_hz=tuple(take["vibrato_hz"]),
            drift=take["drift"], legato=take["legato"], velocity_spread=6, seed=take["seed"])
        events, warp = performer.perform(expressive, perf)
        scale = take["tempo"]
        for e in events:
            e.t *= scale
        written = tune.sounding_notes()
        starts = [warp(on) * scale for on, _, _, _ in plain_notes]
        ends = starts[1:] + [warp(plain_notes[-1][1]) * scale]
        skip, wrong, cents = choose(tune, written, take, rng)
        notes, bends, others = split_events(events)
        wrong_step = rng.choice((-2, 2))
        notes = [(on, off, p + wrong_step if starts[wrong] - 1e-4 <= on < ends[wrong] - 1e-4 else p, v)
                 for on, off, p, v in notes]
        spans = [(starts[i] - 0.002, ends[i] - 0.002, c) for i, c in cents.items()]
        bends = detune(bends, spans)
        in_bar = [i for i, n in enumerate(written) if n["bar"] == skip]
        cut_from, cut_to = starts[in_bar[0]], starts[in_bar[-1] + 1]
        notes, bends, others = cut(notes, bends, others, cut_from, cut_to)
        performed = os.path.join(work, "performed.mid")
        performer.write_midi(join_events(notes, bends, others), performed)
        dry = os.path.join(work, "dry.wav")
        render_take.run(["fluidsynth", "-ni", "-q", "-g", "1.0", "-r", "44100", "-F", dry,
                         render_take.soundfont(), performed])
        spans = played_spans(written, starts, ends, notes, skip, cut_from, cut_to)
        sounded = soundedpitch.in_tune_cents(reader, notes, others, spans,
                                             [n["midi"] for n in written], work)
        sounded = soundedpitch.plausible(sounded, {wrong: wrong_step})
        audio = os.path.join(out_dir, f"{name}.{take['format']}")
        render_take.finish_audio(dry, take, audio, work)
        with open(svl, "rb") as f, open(os.path.join(out_dir, name + ".svl"), "wb") as g:
            g.write(f.read())
    truth = []
    for i, n in enumerate(written):
        played = n["bar"] != skip
        c = sounded.get(i)
        if c is not None:
            c = round(c + take["tuning"] + cents.get(i, 0.0), 2)
        truth.append({"midi": n["midi"], "played": played, "cents": c,
                      "detuned": i in cents, "wrong": i == wrong, "bar": n["bar"]})
    info = {"take": name, "audio": os.path.basename(audio), "book": name + ".svl",
            "tune": take["tune"], "skip_bar": skip, "notes": truth}
    with open(os.path.join(out_dir, name + ".json"), "w", encoding="utf-8") as f:
        json.dump(info, f, ensure_ascii=False, indent=1)
    return info


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--sorvel", required=True)
    ap.add_argument("--reader", help="practice_tonereading (default: beside SORVEL's build)")
    ap.add_argument("--out", required=True)
    ap.add_argument("--set", default="dev", choices=sorted(practicetakes.SETS))
    ap.add_argument("names", nargs="*")
    args = ap.parse_args(argv)
    if missing := render_take.missing_tools():
        print(f"cannot render: missing {missing}", file=sys.stderr)
        return 77
    chosen = practicetakes.SETS[args.set]
    os.makedirs(args.out, exist_ok=True)
    for name in args.names or list(chosen):
        info = render(args.sorvel, args.reader or soundedpitch.default_reader(args.sorvel), name,
                      chosen[name], args.out)
        print(f"{name}: {info['audio']}, {len(info['notes'])} notes, bar {info['skip_bar']} left out")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
