#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Renders takes of the listening corpus: recordings of tunes with their truth.

    render_take.py --sorvel build/sorvel --out DIR [--set dev|heldout|test] [TAKE ...]

For each take (takes.py): the tune becomes MusicXML, the editor imports it as
a book (--import-musicxml) and exports it as MIDI, plain and --expressive
(the book's slides, vibrato and trills as pitch bends and notes); performer.py
makes a player's take of the expressive MIDI (bowed-string program, detuning,
varied vibrato, tempo drift, legato); FluidSynth renders it with the General
MIDI SoundFont the editor's synthesizer uses; then a room (sox reverb), hiss a
set number of dB below the playing, the level, mono or stereo, the sample rate
and the file format (WAV, FLAC, OGG, MP3 through sox).

Writes DIR/NAME.<format> and DIR/NAME.json (the truth, see README.md), and
keeps the book and the performed MIDI in DIR/books/.
"""
import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile
from fractions import Fraction

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import performer  # noqa: E402
import sndread  # noqa: E402
import takes  # noqa: E402
import tunefile  # noqa: E402

SOUNDFONTS = ["/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/default-GM.sf2"]


class RenderError(Exception):
    pass


def soundfont():
    chosen = os.environ.get("SORVEL_SOUNDFONT")
    for path in ([chosen] if chosen else []) + SOUNDFONTS:
        if path and os.path.exists(path):
            return path
    return None


def missing_tools():
    """What rendering needs and this machine lacks, as one line, or ''."""
    missing = [t for t in ("sox", "fluidsynth") if not shutil.which(t)]
    if not soundfont():
        missing.append("a General MIDI SoundFont (fluid-soundfont-gm)")
    return ", ".join(missing)


def run(cmd):
    done = subprocess.run(cmd, capture_output=True, text=True)
    if done.returncode != 0:
        raise RenderError(f"{' '.join(cmd)}: {done.stderr.strip() or done.stdout.strip()}")
    return done


def make_book(sorvel, tune, work):
    xml = os.path.join(work, "tune.musicxml")
    svl = os.path.join(work, "book.svl")
    with open(xml, "w", encoding="utf-8") as f:
        f.write(tunefile.musicxml(tune))
    run([sorvel, "--import-musicxml", xml, svl])
    plain = os.path.join(work, "plain.mid")
    expressive = os.path.join(work, "expressive.mid")
    run([sorvel, "--export-midi", svl, plain])
    run([sorvel, "--export-midi", svl, expressive, "--expressive"])
    return xml, svl, plain, expressive


def check_book(tune, plain_notes):
    """The book must play the tune: the same pitches in the same order."""
    want = [n["midi"] for n in tune.sounding_notes()]
    got = [p for _, _, p, _ in plain_notes]
    if want != got:
        raise RenderError(f"{tune.path}: the imported book plays {len(got)} notes, "
                          f"the tune has {len(want)} (first difference at "
                          f"{next((i for i, (a, b) in enumerate(zip(want, got)) if a != b), min(len(want), len(got)))})")


def read_raw(path, channels):
    """32-bit float samples as sox writes them with -t f32."""
    return np.fromfile(path, dtype="<f4").astype(np.float64).reshape(-1, channels)


def playing_rms(x, rate):
    """RMS of the 50 ms frames within 30 dB of the loudest: the playing, not
    the silence between phrases."""
    mono = x.mean(axis=1)
    hop = int(rate * 0.05)
    frames = mono[: len(mono) // hop * hop].reshape(-1, hop)
    rms = np.sqrt((frames ** 2).mean(axis=1) + 1e-20)
    loud = rms[rms > rms.max() * 10 ** (-30 / 20)]
    return float(np.sqrt((loud ** 2).mean()))


def finish_audio(dry_wav, take, out_path, work):
    """Room, hiss, level, channels, rate and format."""
    wet = os.path.join(work, "wet.f32")
    effects = []
    if take["reverb"]:
        effects = ["reverb", str(take["reverb"]), "50", str(take.get("room", 70))]
    run(["sox", "-R", dry_wav, "-t", "f32", "-c", "2", wet] + effects)
    x, rate = read_raw(wet, 2), 44100
    if take["channels"] == 1:
        x = x.mean(axis=1, keepdims=True)
    level = playing_rms(x, rate)
    rng = np.random.default_rng(take["seed"])
    if take["hiss_db"] is not None:
        noise = rng.standard_normal(x.shape) * level * 10 ** (take["hiss_db"] / 20)
        x = x + noise
    gain = 10 ** (take["peak_db"] / 20) / max(np.abs(x).max(), 1e-9)
    x = x * gain
    raw = os.path.join(work, "final.f32")
    x.astype("<f4").tofile(raw)
    pre = os.path.join(work, "pre.wav")
    run(["sox", "-R", "-t", "f32", "-r", str(rate), "-c", str(x.shape[1]), raw,
         "-e", "floating-point", "-b", "32", pre, "rate", "-v", str(take["rate"])])
    fmt = take["format"]
    encoding = {"wav": ["-e", "signed-integer", "-b", str(take.get("bits", 16))],
                "flac": ["-b", str(take.get("bits", 16))],
                "ogg": ["-C", "5"], "mp3": ["-C", "192"]}[fmt]
    run(["sox", "-R", pre] + encoding + [out_path])
    return {"playing_rms_dbfs": round(20 * np.log10(level * gain), 1),
            "decoder_delay_s": decoder_delay(pre, out_path)}


def decoder_delay(pre, final):
    """How much later the music comes in the final file than before encoding,
    as libsndfile decodes it (an MP3 keeps its encoder's delay)."""
    a, rate = sndread.read(pre)
    b, _ = sndread.read(final)
    samples = sndread.lag(a.mean(axis=1)[: rate * 20], b.mean(axis=1)[: rate * 20], rate // 10)
    return round(samples / rate, 5)


def written_truth(tune, plain_notes, played, warp):
    """The written notes (ties merged) with their times in the take."""
    sounding = tune.sounding_notes()
    per_quarter = Fraction(int(tune.meter.split("/")[1]), 4)
    onsets = [warp(on) for on, _, _, _ in plain_notes]
    out = []
    for i, (n, (on, off, _, _)) in enumerate(zip(sounding, plain_notes)):
        start = onsets[i]
        nxt = onsets[i + 1] if i + 1 < len(onsets) else float("inf")
        mine = [p for p in played if start - 1e-4 <= p["onset"] < nxt - 1e-4]
        end = max((p["offset"] for p in mine), default=warp(off))
        out.append({"midi": n["midi"], "onset": round(start, 4), "offset": round(end, 4),
                    "onset_quarters": str(n["onset"]), "quarters": str(n["quarters"]),
                    "beats": str(n["quarters"] * per_quarter),
                    "bar": n["bar"], "marks": n["marks"]})
    return out


def render(sorvel, name, take, out_dir):
    tune = tunefile.read_tune(os.path.join(HERE, "tunes", take["tune"] + ".tune"))
    os.makedirs(os.path.join(out_dir, "books"), exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="take-") as work:
        xml, svl, plain, expressive = make_book(sorvel, tune, work)
        plain_notes = performer.notes_of(performer.absolute_events(plain))
        check_book(tune, plain_notes)
        perf = performer.Performance(
            program=take["program"], tuning_cents=take["tuning"],
            vibrato_cents=tuple(take["vibrato_cents"]), vibrato_hz=tuple(take["vibrato_hz"]),
            drift=take["drift"], drift_cycles=take.get("drift_cycles", 1.0),
            legato=take["legato"], velocity_spread=take.get("velocity_spread", 6), seed=take["seed"])
        events, warp = performer.perform(expressive, perf)
        performed = os.path.join(out_dir, "books", name + ".performed.mid")
        performer.write_midi(events, performed)
        dry = os.path.join(work, "dry.wav")
        run(["fluidsynth", "-ni", "-q", "-g", "1.0", "-r", "44100", "-F", dry, soundfont(), performed])
        audio = os.path.join(out_dir, f"{name}.{take['format']}")
        measured = finish_audio(dry, take, audio, work)
        delay = measured["decoder_delay_s"]
        played = [{"onset": round(on + delay, 4), "offset": round(off + delay, 4), "midi": p}
                  for on, off, p, _ in performer.notes_of(events)]
        written = written_truth(tune, plain_notes, played, lambda t: warp(t) + delay)
        shutil.copy(svl, os.path.join(out_dir, "books", take["tune"] + ".svl"))
        shutil.copy(xml, os.path.join(out_dir, "books", take["tune"] + ".musicxml"))
    truth = {
        "take": name, "audio": os.path.basename(audio), "tune": take["tune"],
        "title": tune.title, "origin": tune.header.get("origin", ""),
        "key": tune.key, "meter": tune.meter, "tempo": tune.tempo,
        "pickup_quarters": str(tune.pickup),
        "seconds": round(max(p["offset"] for p in played), 3),
        "effects": {k: v for k, v in take.items() if k != "tune"} | measured,
        "written": written, "played": played,
    }
    with open(os.path.join(out_dir, name + ".json"), "w", encoding="utf-8") as f:
        json.dump(truth, f, ensure_ascii=False, indent=1)
    return truth


def write_index(out_dir):
    """index.txt: one line per take in the folder."""
    lines = []
    for name in sorted(os.listdir(out_dir)):
        if not name.endswith(".json"):
            continue
        with open(os.path.join(out_dir, name), encoding="utf-8") as f:
            t = json.load(f)
        e = t["effects"]
        lines.append(f"{t['take']:18s} {t['tune']:14s} 1={t['key']:2s} {t['meter']:3s} "
                     f"{t['seconds']:5.1f}s {len(t['written']):3d} notes {e['format']:4s} "
                     f"{e['rate']:5d}Hz {e['channels']}ch program {e['program'] + 1:3d} "
                     f"tuning {e['tuning']:+4.0f}c drift {e['drift']:.2f} reverb {e['reverb']:2d} "
                     f"hiss {e['hiss_db']} peak {e['peak_db']}")
    with open(os.path.join(out_dir, "index.txt"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--sorvel", required=True)
    ap.add_argument("--out", required=True)
    ap.add_argument("--set", default="dev", choices=sorted(takes.SETS))
    ap.add_argument("names", nargs="*")
    args = ap.parse_args(argv)
    if missing := missing_tools():
        print(f"cannot render: missing {missing}", file=sys.stderr)
        return 77
    chosen = takes.SETS[args.set]
    names = args.names or list(chosen)
    os.makedirs(args.out, exist_ok=True)
    for name in names:
        if name not in chosen:
            print(f"no take {name} in set {args.set}", file=sys.stderr)
            return 2
        try:
            truth = render(args.sorvel, name, chosen[name], args.out)
        except (RenderError, tunefile.TuneError) as e:
            print(e, file=sys.stderr)
            return 1
        print(f"{name}: {truth['audio']} {truth['seconds']:.1f} s, {len(truth['written'])} notes, "
              f"1={truth['key']} {truth['meter']}")
    write_index(args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
