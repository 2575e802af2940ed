# SPDX-License-Identifier: GPL-3.0-or-later
"""Takes for checking intonation: a tune of the listening corpus played by a
player who is out of tune on some notes, plays one note wrong, leaves out a
bar and plays at a tempo of their own.

Each take: the performance of takes.py (program, tuning, vibrato, drift,
legato, room, hiss, format) and
  tempo      the player's tempo against the written one (1.13: 13 % slower)
  detuned    how many notes are played out of tune, each by 15–45 cents either way
  skip_bar   which bar (0-based in the tune, counting from the middle if None)
  wrong      whether one note is played a whole tone off
The dev takes are for developing; the heldout take's tune is one the
listening library keeps apart too, and is measured once, never tuned on.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "listen"))

import takes  # noqa: E402


def take(tune, seed, tempo, **kw):
    base = takes.take(tune, seed, **kw)
    base.update(tempo=tempo, detuned=12, skip_bar=kw.get("skip_bar"), wrong=True)
    return base


DEV = {
    "molihua-p": take("molihua", 301, 1.12, tuning=6, drift=0.05, format="wav"),
    "odetojoy-p": take("odetojoy", 302, 0.88, program=41, tuning=-9, drift=0.06,
                       format="flac", channels=2, rate=48000),
    "kangding-p": take("kangding", 303, 1.14, program=110, tuning=0, drift=0.04,
                       reverb=45, format="ogg"),
    "greensleeves-p": take("greensleeves", 304, 0.87, tuning=12, drift=0.06,
                           vibrato_cents=(35, 50), format="mp3"),
    "twinkle-p": take("twinkle", 305, 1.1, program=41, tuning=-4, drift=0.07,
                      legato=0.8, format="wav", rate=44100),
}

HELDOUT = {
    "auldlangsyne-p": take("auldlangsyne", 951, 1.13, program=40, tuning=7, drift=0.06,
                           legato=0.7, reverb=45, format="flac"),
    "yimeng-p": take("yimeng", 952, 0.9, program=41, tuning=-11, drift=0.05,
                     vibrato_cents=(30, 45), legato=0.8, reverb=35, format="ogg"),
}

SETS = {"dev": DEV, "heldout": HELDOUT}
