#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end check of a page of a book against a take that plays on past
it: `sorvel --render-wav BOOK --page N` plays the whole piece around the
page through the built-in synthesizer (in tune, in time), and
`sorvel --intonation BOOK TAKE --page N` checks the page's notes in it.

    pagetake_test.py SORVEL BOOK [--page N] [--keep DIR]

Passes when at least 95 % of the page's notes are matched, at least 95 % of
the matched ones lie within 10 cents of the written pitch (the
synthesizer's samples are tuned to a few cents) and within 60 ms of their
beat. Skips (exit 77) when the synthesizer cannot render.
"""
import argparse
import csv
import os
import subprocess
import sys
import tempfile

SKIP = 77
CENTS = 10.0
TIMING_MS = 60.0
SHARE = 0.95


def figures(rows):
    matched = [r for r in rows if r["status"] == "ok"]
    in_tune = [r for r in matched if abs(float(r["cents"])) <= CENTS]
    in_time = [r for r in matched if abs(float(r["timing_ms"])) <= TIMING_MS]
    count = max(len(matched), 1)
    return {"notes": len(rows), "matched": len(matched) / max(len(rows), 1),
            "in_tune": len(in_tune) / count, "in_time": len(in_time) / count,
            "worst_ms": max((abs(float(r["timing_ms"])) for r in matched), default=0.0)}


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("sorvel")
    ap.add_argument("book")
    ap.add_argument("--page", type=int, default=1)
    ap.add_argument("--keep", help="write the take and the report here")
    args = ap.parse_args(argv)
    with tempfile.TemporaryDirectory(prefix="pagetake-") as temp:
        folder = args.keep or temp
        os.makedirs(folder, exist_ok=True)
        take = os.path.join(folder, f"page{args.page}.wav")
        report = os.path.join(folder, f"page{args.page}.csv")
        page = ["--page", str(args.page)]
        done = subprocess.run([args.sorvel, "--render-wav", args.book, take] + page,
                              capture_output=True, text=True)
        if done.returncode != 0:
            print(f"skipped: no render ({done.stderr.strip()})")
            return SKIP
        done = subprocess.run([args.sorvel, "--intonation", args.book, take, report] + page,
                              capture_output=True, text=True)
        if done.returncode != 0:
            print(f"FAIL exit {done.returncode}: {done.stderr.strip()}")
            return 1
        with open(report, encoding="utf-8") as f:
            rows = list(csv.DictReader(f))
    shown = figures(rows)
    print(" ".join(f"{k} {v:.3f}" if isinstance(v, float) else f"{k} {v}"
                   for k, v in shown.items()))
    failed = [k for k in ("matched", "in_tune", "in_time") if shown[k] < SHARE]
    if not rows or failed:
        off = [(r["note"], r["status"], r["cents"], r["timing_ms"]) for r in rows
               if r["status"] != "ok" or abs(float(r["cents"])) > CENTS
               or abs(float(r["timing_ms"])) > TIMING_MS]
        print(f"FAIL {' '.join(failed) or 'no notes'}: {off}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
