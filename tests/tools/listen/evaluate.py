#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures transcriptions of the corpus's takes against their truth.

    evaluate.py --sorvel BIN --takes DIR (--run | --books DIR | --truth-books | --notes DIR)
                [--out DIR] [--min-accuracy A] [--min-lengths L] [--min-onset-f F]
                [TAKE ...]

--run transcribes each take with `sorvel --transcribe AUDIO OUT.svl` (into
--out, or a temporary folder) and times it; --books takes DIR/TAKE.svl made
elsewhere; --truth-books measures the books the takes were rendered from
(what a perfect transcription with one tempo would score); --notes takes
notes heard in the recording, DIR/TAKE.notes.txt with a line "onset offset
midi" (seconds) a note, as the analysis finds them before they are written
as music (no lengths, times not moved). The books are
read through `--export-midi` (times, pitches) and `--export-musicxml`
(written lengths, key, metre); see scoring.py for the measures.

Prints a table per take and the mean, and exits with 1 when a mean is below
its --min-* threshold or a transcription failed.
"""
import argparse
import json
import os
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import bookread  # noqa: E402
import scoring  # noqa: E402

HEADER = (f"{'take':18s} {'notes':>7s} {'acc':>5s} {'len':>5s} {'onsF':>5s} {'noteF':>5s} "
          f"{'key':>7s} {'meter':>9s} {'audio':>6s} {'time':>6s} {'x rt':>6s}")


def load_truths(takes_dir, names):
    if not names:
        names = sorted(f[:-5] for f in os.listdir(takes_dir) if f.endswith(".json"))
    truths = []
    for name in names:
        path = os.path.join(takes_dir, name + ".json")
        with open(path, encoding="utf-8") as f:
            truths.append(json.load(f))
    return truths


def transcribe(sorvel, audio, svl):
    """Seconds taken, or raises BookError with the command's message."""
    start = time.monotonic()
    done = subprocess.run([sorvel, "--transcribe", audio, svl], capture_output=True, text=True)
    took = time.monotonic() - start
    if done.returncode != 0:
        raise bookread.BookError(f"--transcribe {os.path.basename(audio)}: "
                                 f"{done.stderr.strip() or 'exit ' + str(done.returncode)}")
    return took


def read_notes(path):
    """Notes of a note list: "onset offset midi" a line, "#" comments."""
    notes = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            parts = line.split("#", 1)[0].split()
            if parts:
                notes.append(scoring.Note(float(parts[0]), float(parts[1]), int(round(float(parts[2])))))
    return notes, bookread.Written()


def book_for(args, truth, out_dir):
    """(path of the book to measure, seconds its transcription took or None)."""
    name = truth["take"]
    if args.truth_books:
        return os.path.join(args.takes, "books", truth["tune"] + ".svl"), None
    if args.books:
        return os.path.join(args.books, name + ".svl"), None
    svl = os.path.join(out_dir, name + ".svl")
    return svl, transcribe(args.sorvel, os.path.join(args.takes, truth["audio"]), svl)


def row(truth, s, written, took):
    key = f"{written.key}{'' if written.key == truth['key'] else '≠'}" if written.key else "-"
    meter = f"{written.meter}{'' if written.meter == truth['meter'] else '≠'}" if written.meter else "-"
    length = "  -  " if s.lengths is None else f"{s.lengths:5.2f}"
    timing = ("     -      -" if took is None
              else f"{took:5.2f}s {truth['seconds'] / max(took, 1e-6):5.1f}x")
    return (f"{truth['take']:18s} {s.found_notes:3d}/{s.truth_notes:<3d} {s.accuracy:5.2f} {length} "
            f"{s.onset_f:5.2f} {s.note_f:5.2f} {key:>7s} {meter:>9s} {truth['seconds']:5.1f}s {timing}")


def mean(values):
    values = [v for v in values if v is not None]
    return sum(values) / len(values) if values else None


def summary(scores, times, audio_seconds, all_seconds):
    m = {k: mean([getattr(s, k) for s in scores]) for k in ("accuracy", "lengths", "onset_f", "note_f")}
    length = "  -  " if m["lengths"] is None else f"{m['lengths']:5.2f}"
    timing = ""
    if times:
        timing = f"{sum(times):5.2f}s {sum(audio_seconds) / max(sum(times), 1e-6):5.1f}x"
    line = (f"{'mean':18s} {'':7s} {m['accuracy']:5.2f} {length} {m['onset_f']:5.2f} "
            f"{m['note_f']:5.2f} {'':7s} {'':9s} {sum(all_seconds):5.0f}s {timing}")
    return m, line


def failures(m, args):
    out = []
    for name, limit, value in (("accuracy", args.min_accuracy, m["accuracy"]),
                               ("lengths", args.min_lengths, m["lengths"]),
                               ("onset F", args.min_onset_f, m["onset_f"])):
        if limit is not None and (value is None or value < limit):
            shown = "none" if value is None else f"{value:.3f}"
            out.append(f"mean {name} {shown} is below {limit}")
    return out


def evaluate(args, out_dir):
    scores, times, audio_seconds, failed = [], [], [], []
    print(HEADER)
    truths = load_truths(args.takes, args.names)
    for truth in truths:
        took = None
        try:
            if args.notes:
                found, written = read_notes(os.path.join(args.notes, truth["take"] + ".notes.txt"))
            else:
                svl, took = book_for(args, truth, out_dir)
                found, written = bookread.read_book(args.sorvel, svl)
        except (bookread.BookError, OSError, ValueError, IndexError) as e:
            failed.append(f"{truth['take']}: {e}")
            print(f"{truth['take']:18s} failed: {e}")
            scores.append(scoring.Score(len(truth["written"]), 0, 0.0, None if args.notes else 0.0,
                                        0.0, 0.0))
            continue
        s = scoring.score(scoring.truth_notes(truth), found, align_start=not args.notes)
        scores.append(s)
        if took is not None:
            times.append(took)
            audio_seconds.append(truth["seconds"])
        print(row(truth, s, written, took))
    if not scores:
        print("no takes", file=sys.stderr)
        return 2
    m, line = summary(scores, times, audio_seconds, [t["seconds"] for t in truths])
    print(line)
    problems = failed + failures(m, args)
    for p in problems:
        print(p, file=sys.stderr)
    return 1 if problems else 0


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--sorvel", required=True)
    ap.add_argument("--takes", required=True, help="folder of the takes and their truth")
    how = ap.add_mutually_exclusive_group(required=True)
    how.add_argument("--run", action="store_true", help="transcribe with sorvel --transcribe")
    how.add_argument("--books", help="folder of transcribed books TAKE.svl")
    how.add_argument("--truth-books", action="store_true", help="measure the rendered books")
    how.add_argument("--notes", help="folder of heard notes TAKE.notes.txt (onset offset midi)")
    ap.add_argument("--out", help="where --run puts its books (default: a temporary folder)")
    ap.add_argument("--min-accuracy", type=float)
    ap.add_argument("--min-lengths", type=float)
    ap.add_argument("--min-onset-f", type=float)
    ap.add_argument("names", nargs="*")
    args = ap.parse_args(argv)
    if args.out:
        os.makedirs(args.out, exist_ok=True)
        return evaluate(args, args.out)
    with tempfile.TemporaryDirectory(prefix="transcribed-") as out_dir:
        return evaluate(args, out_dir)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
