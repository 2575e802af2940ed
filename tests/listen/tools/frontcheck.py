#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures the listening front on a folder of takes and shows its errors.

    frontcheck.py --hear BUILD/tests/listen/listen_hearnotes --takes DIR
                  [--out DIR] [--show] [--frames] [TAKE ...]

Runs listen_hearnotes on every take's recording (into --out, default a
folder under /tmp), then scores the note lists as the corpus's evaluate.py
--notes does (pitch-sequence accuracy, onset F and note F within 50 ms) and
adds the median onset error of the notes matched within 50 ms. --show prints
each take's alignment of written and heard notes with every error marked.
Needs the corpus tools (scoring.py): SORVEL_LISTEN_TOOLS, else
tests/tools/listen of this repository, else of the worktree ../ldata beside it.
"""
import argparse
import json
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "../../.."))
TOOLS = os.environ.get("SORVEL_LISTEN_TOOLS") or next(
    (d for d in (os.path.join(ROOT, "tests/tools/listen"),
                 os.path.join(ROOT, "../ldata/tests/tools/listen"))
     if os.path.exists(os.path.join(d, "scoring.py"))), "")
sys.path.insert(0, TOOLS)

import scoring  # noqa: E402


def read_heard(path):
    notes = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            body, _, rest = line.partition("#")
            parts = body.split()
            if parts:
                n = scoring.Note(float(parts[0]), float(parts[1]), int(parts[2]))
                n.marks = rest.strip()
                notes.append(n)
    return notes


def onset_errors(truth, heard):
    """Signed heard - truth onset of greedy nearest matches within 50 ms."""
    errors, used = [], set()
    for t in truth:
        best = None
        for j, h in enumerate(heard):
            d = h.onset - t.onset
            if j not in used and abs(d) <= scoring.ONSET_WINDOW and (best is None or abs(d) < abs(best[1])):
                best = (j, d)
        if best:
            used.add(best[0])
            errors.append(best[1])
    return errors


def median(v):
    v = sorted(v)
    return v[len(v) // 2] if v else float("nan")


def show(truth_json, truth, heard):
    _, pairs = scoring.align([n.midi for n in truth], [n.midi for n in heard])
    paired_t = {i: j for i, j in pairs}
    paired_h = {j for _, j in pairs}
    rows, j = [], 0
    for i, t in enumerate(truth):
        if i in paired_t:
            while j < paired_t[i]:
                h = heard[j]
                rows.append(f"{'':36s} | EXTRA {h.onset:7.3f} {h.offset:7.3f} {h.midi:3d}  {h.marks}")
                j += 1
            h = heard[j]
            j += 1
            d = h.onset - t.onset
            flag = "PITCH" if h.midi != t.midi else ("LATE " if d > 0.05 else "EARLY" if d < -0.05 else "     ")
            rows.append(f"{i:3d} {t.onset:7.3f} {t.offset:7.3f} {t.midi:3d} {','.join(truth_json['written'][i]['marks']):10s} | "
                        f"{flag} {h.onset:7.3f} {h.offset:7.3f} {h.midi:3d} {d * 1000:+5.0f}ms {h.marks}")
        else:
            rows.append(f"{i:3d} {t.onset:7.3f} {t.offset:7.3f} {t.midi:3d} {','.join(truth_json['written'][i]['marks']):10s} | MISSED")
    for h in heard[j:]:
        rows.append(f"{'':36s} | EXTRA {h.onset:7.3f} {h.offset:7.3f} {h.midi:3d}  {h.marks}")
    print("\n".join(rows))


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--hear", required=True)
    ap.add_argument("--takes", required=True)
    ap.add_argument("--out", default="/tmp/frontcheck")
    ap.add_argument("--show", action="store_true")
    ap.add_argument("--frames", action="store_true")
    ap.add_argument("names", nargs="*")
    args = ap.parse_args(argv)
    names = args.names or sorted(f[:-5] for f in os.listdir(args.takes) if f.endswith(".json"))
    truths = []
    for name in names:
        with open(os.path.join(args.takes, name + ".json"), encoding="utf-8") as f:
            truths.append(json.load(f))
    audio = [os.path.join(args.takes, t["audio"]) for t in truths]
    subprocess.run([args.hear] + (["--frames"] if args.frames else []) + [args.out] + audio, check=True)
    print(f"{'take':18s} {'notes':>7s} {'acc':>5s} {'onsF':>5s} {'noteF':>5s} {'medErr':>6s} {'|med|':>6s}")
    sums = [0.0, 0.0, 0.0, 0.0]
    for t in truths:
        truth = scoring.truth_notes(t)
        heard = read_heard(os.path.join(args.out, os.path.splitext(t["audio"])[0] + ".notes.txt"))
        s = scoring.score(truth, heard, align_start=False)
        errs = onset_errors(truth, heard)
        med, amed = median(errs) * 1000, median([abs(e) for e in errs]) * 1000
        print(f"{t['take']:18s} {len(heard):3d}/{len(truth):<3d} {s.accuracy:5.3f} {s.onset_f:5.3f} "
              f"{s.note_f:5.3f} {med:+6.1f} {amed:6.1f}")
        for k, v in enumerate((s.accuracy, s.onset_f, s.note_f, amed)):
            sums[k] += v
        if args.show:
            show(t, truth, heard)
    n = len(truths)
    print(f"{'mean':18s} {'':7s} {sums[0] / n:5.3f} {sums[1] / n:5.3f} {sums[2] / n:5.3f} {'':6s} {sums[3] / n:6.1f}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
