#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""`sorvel --transcribe` on hostile and odd recordings, run as a user runs it.

    hostile_test.py SORVEL DATA_DIR

DATA_DIR holds the small files kept with the sources (tests/listen/data); the
rest are made now (hostile.py). Every run must end within its time, by
itself (no signal), with status 0 or a failure status below 126, and:
  - unreadable input (empty, no samples, one sample, not audio, a missing
    file, a FIFO nobody writes a recording to): a message on stderr, a
    failure status, no book;
  - silence, noise, a take 70 dB down, a clipped take: a message on stderr;
    if a book is written it holds no notes (silence, noise) — a clipped or
    quiet melody may be transcribed;
  - the melody at 8 kHz, 96 kHz/24-bit/stereo, in OGG and MP3, and a
    recording written into a FIFO: a book that plays D4 A4 D5 A5 F#5;
  - cut-off files: whatever was read, or a clean failure;
  - with SORVEL_LISTEN_LONG=1, a two-hour file: finished within 20 minutes
    using under 1 GB of memory (the reader streams it).
"""
import os
import resource
import shutil
import subprocess
import sys
import tempfile
import threading

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import bookread  # noqa: E402
import hostile  # noqa: E402
import recordings_test  # noqa: E402

SKIP = 77
MELODY = hostile.MELODY
UNREADABLE = ["empty.wav", "header-only.wav", "one-sample.wav", "non-audio.wav", "truncated.ogg",
              "missing.wav"]
NO_NOTES = ["silent.wav", "noise.wav"]
WARNED = ["quiet.wav", "clipped.wav"]
MELODIES = ["melody-8k.wav", "melody-96k.flac", "melody-48k.ogg", "melody.mp3"]
CUT_OFF = ["truncated.wav", "truncated.flac", "truncated.mp3"]


class Run:
    def __init__(self, sorvel, audio, out_dir, timeout=300):
        self.book = os.path.join(out_dir, os.path.basename(audio) + ".svl")
        try:
            done = subprocess.run([sorvel, "--transcribe", audio, self.book],
                                  capture_output=True, text=True, timeout=timeout)
            self.status, self.stderr = done.returncode, done.stderr.strip()
        except subprocess.TimeoutExpired:
            self.status, self.stderr = None, "did not finish"

    def sane(self):
        """A problem with how the run ended, or ''."""
        if self.status is None:
            return "did not finish in time"
        if self.status < 0 or self.status >= 126:
            return f"ended by signal or with status {self.status}: {self.stderr[-300:]}"
        if self.status != 0 and os.path.exists(self.book):
            return "failed but left a book behind"
        if self.status == 0 and not os.path.exists(self.book):
            return "succeeded without writing the book"
        return ""

    def pitches(self, sorvel):
        notes, _ = bookread.read_book(sorvel, self.book)
        return [n.midi for n in notes]


def check(sorvel, path, kind, out_dir):
    run = Run(sorvel, path, out_dir)
    if problem := run.sane():
        return problem
    if kind in ("unreadable", "no notes", "warned") and not run.stderr:
        return "no message"
    if kind == "unreadable" and run.status == 0:
        return "read as if it were a recording"
    if kind == "no notes" and run.status == 0 and run.pitches(sorvel):
        return f"notes in a book of {os.path.basename(path)}: {run.pitches(sorvel)}"
    if kind == "melody":
        if run.status != 0:
            return f"failed: {run.stderr}"
        if (found := run.pitches(sorvel)) != MELODY:
            return f"plays {found}, not {MELODY}"
    if kind == "cut off" and run.status == 0:
        run.pitches(sorvel)  # the book must at least read back
    return ""


def fifo_check(sorvel, source, out_dir, write):
    """A FIFO as the input: a recording written into it, or nothing at all."""
    fifo = os.path.join(out_dir, "pipe.wav")
    os.mkfifo(fifo)

    def writer():
        try:
            with open(fifo, "wb") as f:
                if write:
                    with open(source, "rb") as s:
                        shutil.copyfileobj(s, f)
        except OSError:
            pass  # the reader went away

    thread = threading.Thread(target=writer, daemon=True)
    thread.start()
    run = Run(sorvel, fifo, out_dir, timeout=120)
    # Unblock a writer still waiting for a reader that never came.
    try:
        os.close(os.open(fifo, os.O_RDONLY | os.O_NONBLOCK))
    except OSError:
        pass
    thread.join(5)
    os.remove(fifo)
    if problem := run.sane():
        return problem
    if write and run.status == 0 and run.pitches(sorvel) != MELODY:
        return f"plays {run.pitches(sorvel)} from the FIFO"
    if not write and (run.status == 0 or not run.stderr):
        return "an empty FIFO was not reported"
    return ""


def long_check(sorvel, work):
    hostile.long_file(work)
    before = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    run = Run(sorvel, os.path.join(work, "long-2h.wav"), work, timeout=1200)
    peak_mb = max(before, resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss) / 1024
    if problem := run.sane():
        return problem
    return f"used {peak_mb:.0f} MB" if peak_mb > 1024 else ""


def main(argv):
    if len(argv) != 2:
        print("usage: hostile_test.py SORVEL DATA_DIR", file=sys.stderr)
        return 2
    sorvel, data = argv
    if not shutil.which("sox"):
        print("skipped: sox is missing")
        return SKIP
    if not recordings_test.has_transcribe(sorvel):
        print(f"{sorvel} has no --transcribe", file=sys.stderr)
        return 1
    failures = []
    with tempfile.TemporaryDirectory(prefix="listen-hostile-") as work:
        files = os.path.join(work, "files")
        hostile.main(["--out", files])
        for name in os.listdir(data):
            if name.endswith((".wav", ".flac", ".ogg", ".mp3")):
                shutil.copy(os.path.join(data, name), files)
        cases = ([(n, "unreadable") for n in UNREADABLE] + [(n, "no notes") for n in NO_NOTES]
                 + [(n, "warned") for n in WARNED] + [(n, "melody") for n in MELODIES]
                 + [(n, "cut off") for n in CUT_OFF])
        for name, kind in cases:
            problem = check(sorvel, os.path.join(files, name), kind, work)
            print(f"{name:18s} {kind:10s} {problem or 'ok'}")
            if problem:
                failures.append(f"{name}: {problem}")
        for write in (True, False):
            problem = fifo_check(sorvel, os.path.join(files, "melody-8k.wav"), work, write)
            label = "FIFO" if write else "empty FIFO"
            print(f"{label:18s} {'fifo':10s} {problem or 'ok'}")
            if problem:
                failures.append(f"{label}: {problem}")
        if os.environ.get("SORVEL_LISTEN_LONG") == "1":
            problem = long_check(sorvel, work)
            print(f"{'long-2h.wav':18s} {'long':10s} {problem or 'ok'}")
            if problem:
                failures.append(f"long-2h.wav: {problem}")
    for f in failures:
        print(f, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
