#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end test of listening: recordings rendered now, transcribed by
`sorvel --transcribe`, measured against their truth.

    recordings_test.py SORVEL [--set test] [--min-accuracy 0.95]
                       [--min-lengths 0.85] [--min-onset-f 0.85]

Renders the takes of the set (takes.py; seeded, so they are the published
ones) into a temporary folder, then runs evaluate.py on them with the
thresholds. Skips (exit 77) only when sox, FluidSynth or the General MIDI
SoundFont is missing.
"""
import argparse
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import evaluate  # noqa: E402
import render_take  # noqa: E402

SKIP = 77


def has_transcribe(sorvel):
    """Whether the program offers the batch transcription (its usage says so)."""
    done = subprocess.run([sorvel, "--help"], capture_output=True, text=True)
    return "--transcribe" in done.stdout + done.stderr


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("sorvel")
    ap.add_argument("--set", default="test")
    ap.add_argument("--min-accuracy", default="0.95")
    ap.add_argument("--min-lengths", default="0.85")
    ap.add_argument("--min-onset-f", default="0.85")
    args = ap.parse_args(argv)
    if missing := render_take.missing_tools():
        print(f"skipped: cannot render recordings without {missing}")
        return SKIP
    if not has_transcribe(args.sorvel):
        print(f"{args.sorvel} has no --transcribe", file=sys.stderr)
        return 1
    with tempfile.TemporaryDirectory(prefix="listen-takes-") as takes:
        if render_take.main(["--sorvel", args.sorvel, "--out", takes, "--set", args.set]) != 0:
            print("rendering the takes failed", file=sys.stderr)
            return 1
        return evaluate.main(["--sorvel", args.sorvel, "--takes", takes, "--run",
                              "--min-accuracy", args.min_accuracy,
                              "--min-lengths", args.min_lengths,
                              "--min-onset-f", args.min_onset_f])


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
