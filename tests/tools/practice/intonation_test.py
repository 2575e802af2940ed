#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end test of the intonation check: takes rendered now with known
detuning, tempo, a wrong note and a bar left out, checked by
`sorvel --intonation`, the report compared with the truth note by note.

    intonation_test.py SORVEL [--set dev|heldout] [--keep DIR] [TAKE ...]

Per take: at least 95 % of the played notes matched, the cents of at least
90 % of the matched ones within 5 of the truth, every note of the bar left
out reported missed, and the five notes played furthest off among the six
the report puts furthest off (notes too short for a steady pitch count for
matching only, at most a tenth of them). Skips (exit 77) without sox, FluidSynth or a
General MIDI SoundFont.
"""
import argparse
import csv
import io
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import practicetakes  # noqa: E402
import render_practice  # noqa: E402
import soundedpitch  # noqa: E402

SKIP = 77
CENTS_TOLERANCE = 5.0


def check(sorvel, folder, info):
    report = os.path.join(folder, info["take"] + ".csv")
    done = subprocess.run([sorvel, "--intonation", os.path.join(folder, info["book"]),
                           os.path.join(folder, info["audio"]), report],
                          capture_output=True, text=True)
    if done.returncode != 0:
        return [f"exit {done.returncode}: {done.stderr.strip()}"], {}
    with open(report, encoding="utf-8") as f:
        text = f.read()
    rows = list(csv.DictReader(io.StringIO(text)))
    truth = info["notes"]
    problems = []
    if text.splitlines()[0] != "note,page,bar,written,cents,timing_ms,status":
        problems.append("wrong header")
    if len(rows) != len(truth):
        return problems + [f"{len(rows)} lines for {len(truth)} notes"], {}
    for k, (row, t) in enumerate(zip(rows, truth)):
        if int(row["note"]) != k + 1 or int(row["written"]) != t["midi"]:
            problems.append(f"line {k + 1}: note {row['note']} written {row['written']}, "
                            f"expected {k + 1} and {t['midi']}")
            break
    played = [k for k, t in enumerate(truth) if t["played"]]
    # A note too short for a steady part (a sixteenth in a quick tune) has
    # no measurable truth: it counts for matching, not for the cents.
    unread = [k for k in played if truth[k]["cents"] is None]
    if len(unread) > 0.1 * len(played):
        return problems + [f"no steady pitch in the synthesizer's notes {unread}"], {}
    matched = [k for k in played if rows[k]["status"] == "ok"]
    measured = [k for k in matched if k not in unread]
    close = [k for k in measured
             if abs(float(rows[k]["cents"]) - truth[k]["cents"]) <= CENTS_TOLERANCE]
    skipped = [k for k, t in enumerate(truth) if not t["played"]]
    skipped_missed = [k for k in skipped if rows[k]["status"] == "missed"]
    reported = sorted((k for k, r in enumerate(rows) if r["status"] == "ok"),
                      key=lambda k: -abs(float(rows[k]["cents"])))[:6]
    worst = sorted((k for k in played if k not in unread),
                   key=lambda k: -abs(truth[k]["cents"]))[:5]
    figures = {"notes": len(truth), "played": len(played), "matched": len(matched) / len(played),
               "close": len(close) / max(len(measured), 1), "unread": len(unread),
               "skipped_missed": f"{len(skipped_missed)}/{len(skipped)}",
               "worst_in_top6": sum(k in reported for k in worst)}
    if figures["matched"] < 0.95:
        problems.append(f"matched {figures['matched']:.1%} of the played notes")
    if figures["close"] < 0.90:
        off = [(k + 1, rows[k]["cents"], truth[k]["cents"]) for k in measured if k not in close]
        problems.append(f"cents within {CENTS_TOLERANCE:g} for {figures['close']:.1%}; off: {off}")
    if len(skipped_missed) != len(skipped):
        problems.append(f"bar left out: {figures['skipped_missed']} notes reported missed")
    if figures["worst_in_top6"] < len(worst):
        problems.append(f"furthest off: {[k + 1 for k in worst]}, report's six: "
                        f"{[k + 1 for k in reported]}")
    return problems, figures


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("sorvel")
    ap.add_argument("--set", default="dev", choices=sorted(practicetakes.SETS))
    ap.add_argument("--keep", help="render into this folder and keep it")
    ap.add_argument("--reader", help="practice_tonereading (default: beside SORVEL's build)")
    ap.add_argument("names", nargs="*")
    args = ap.parse_args(argv)
    if missing := render_practice.render_take.missing_tools():
        print(f"skipped: missing {missing}")
        return SKIP
    chosen = practicetakes.SETS[args.set]
    reader = args.reader or soundedpitch.default_reader(args.sorvel)
    failed = 0
    with tempfile.TemporaryDirectory(prefix="intonation-") as temp:
        folder = args.keep or temp
        os.makedirs(folder, exist_ok=True)
        for name in args.names or list(chosen):
            info = render_practice.render(args.sorvel, reader, name, chosen[name], folder)
            problems, figures = check(args.sorvel, folder, info)
            shown = " ".join(f"{k} {v:.3f}" if isinstance(v, float) else f"{k} {v}"
                             for k, v in figures.items())
            print(f"{name}: {shown}")
            for p in problems:
                print(f"  FAIL {p}")
            failed += bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
