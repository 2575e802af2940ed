# SPDX-License-Identifier: GPL-3.0-or-later
"""The takes of the listening corpus: which tune, how it is played and recorded.

Each take names its tune (tunes/NAME.tune) and the performance and recording:
  program      GM program, 0-based: 40 violin, 41 viola, 110 fiddle
  tuning       the instrument's offset from A=440, cents
  vibrato_cents, vibrato_hz   ranges each vibrato's depth (peak) and rate come from
  drift        peak tempo deviation over the piece (0.05 = 5 %)
  legato       share of the gaps between notes of different pitch closed
  reverb       sox reverberance 0–100 (0: dry), room: sox room scale
  hiss_db      white noise this many dB relative to the playing's RMS (None: none)
  peak_db      the loudest sample, dBFS
  channels, rate, format (wav flac ogg mp3), bits
  seed         the performance's and the hiss's random numbers
The dev set is for developing and tuning, the val set for checking that a
change helps tunes it was not made on; the heldout set's tunes appear
nowhere else and must not be tuned on; the test set is what the end-to-end
test renders (dev takes, so the figures agree with the published ones).
"""


def take(tune, seed, **kw):
    base = dict(tune=tune, seed=seed, program=40, tuning=0.0, vibrato_cents=(30, 45),
                vibrato_hz=(4.5, 7.0), drift=0.04, legato=0.6, reverb=30, room=70,
                hiss_db=-35.0, peak_db=-3.0, channels=1, rate=44100, format="wav")
    base.update(kw)
    return base


DEV = {
    "molihua-a": take("molihua", 101, tuning=23, format="wav"),
    "kangding-a": take("kangding", 102, program=110, tuning=-37, vibrato_cents=(35, 50),
                       drift=0.06, reverb=45, format="flac", channels=2, rate=48000),
    "odetojoy-a": take("odetojoy", 103, program=41, tuning=8, drift=0.03, legato=0.8,
                       reverb=20, format="ogg", rate=44100),
    "amazinggrace-a": take("amazinggrace", 104, tuning=-48, vibrato_hz=(4.0, 6.0),
                           drift=0.07, reverb=55, room=90, format="mp3", channels=2),
    "brahms-a": take("brahms", 105, program=41, tuning=41, drift=0.05, legato=0.4,
                     reverb=35, format="wav", rate=22050, bits=24),
    "silentnight-a": take("silentnight", 106, program=110, tuning=-15, vibrato_cents=(40, 50),
                          vibrato_hz=(5.5, 8.0), reverb=60, format="flac", rate=96000),
    "fengyang-a": take("fengyang", 107, tuning=31, drift=0.08, legato=0.3, reverb=25,
                       peak_db=-9.0, format="wav", channels=2),
    "xiaohe-a": take("xiaohe", 108, program=41, tuning=-26, vibrato_cents=(35, 50),
                     vibrato_hz=(4.0, 6.5), drift=0.05, legato=0.9, reverb=50, room=100,
                     format="ogg", rate=32000),
    "zizhu-a": take("zizhu", 109, program=110, tuning=12, drift=0.04, legato=0.7,
                    reverb=30, format="mp3", rate=44100),
    "bluedanube-a": take("bluedanube", 110, tuning=-44, vibrato_cents=(25, 40), drift=0.06,
                         legato=0.5, reverb=40, format="flac", channels=2),
    "songbie-a": take("songbie", 111, program=41, tuning=47, drift=0.03, legato=0.8,
                      reverb=45, peak_db=-6.0, format="wav", rate=48000),
    "greensleeves-a": take("greensleeves", 112, program=110, tuning=-8, drift=0.05,
                           legato=0.6, reverb=35, format="ogg", channels=2),
    "molihua-b": take("molihua", 201, program=110, tuning=-50, vibrato_cents=(40, 50),
                      vibrato_hz=(6.0, 8.0), drift=0.08, legato=0.9, reverb=60, room=100,
                      hiss_db=-32.0, format="flac", rate=16000),
    "odetojoy-b": take("odetojoy", 202, tuning=50, vibrato_cents=(25, 35), drift=0.06,
                       legato=0.2, reverb=0, hiss_db=None, format="wav", channels=2,
                       peak_db=-1.0),
    "amazinggrace-b": take("amazinggrace", 203, program=41, tuning=17, drift=0.04,
                           reverb=40, format="wav", rate=96000, bits=24),
    "bluedanube-b": take("bluedanube", 204, program=110, tuning=35, drift=0.03,
                         legato=0.7, reverb=50, format="ogg", rate=48000),
    "rowboat-a": take("rowboat", 113, program=41, tuning=-21, drift=0.05, legato=0.6,
                      reverb=40, format="flac"),
    "weasel-a": take("weasel", 114, program=110, tuning=36, drift=0.04, legato=0.4,
                     reverb=30, format="wav", channels=2),
    "santalucia-a": take("santalucia", 115, tuning=-40, vibrato_cents=(30, 50), drift=0.06,
                         legato=0.7, reverb=50, room=90, format="ogg"),
    "goinghome-a": take("goinghome", 116, program=41, tuning=14, vibrato_hz=(4.0, 6.0),
                        drift=0.05, legato=0.8, reverb=55, format="mp3"),
    "yankeedoodle-a": take("yankeedoodle", 117, program=110, tuning=-9, drift=0.05,
                           legato=0.5, reverb=25, format="wav", rate=48000),
    "twinkle-a": take("twinkle", 118, tuning=29, drift=0.06, legato=0.7, reverb=45,
                      format="flac", channels=2),
}

# A validation set of tunes of its own, to judge changes on beside the dev set
# (a change that helps one and hurts the other fits the dev set).
VAL = {
    "ohsusanna-v": take("ohsusanna", 301, program=41, tuning=-29, drift=0.05, legato=0.6,
                        reverb=40, format="flac"),
    "jinglebells-v": take("jinglebells", 302, program=110, tuning=19, drift=0.04, legato=0.5,
                          reverb=55, room=90, format="wav", channels=2),
    "clementine-v": take("clementine", 303, tuning=-45, vibrato_cents=(35, 50), drift=0.06,
                         legato=0.7, reverb=35, format="ogg"),
    "threeblindmice-v": take("threeblindmice", 304, program=41, tuning=33, drift=0.05,
                             legato=0.6, reverb=45, format="mp3"),
    "tannenbaum-v": take("tannenbaum", 305, program=110, tuning=-12, vibrato_hz=(4.0, 6.0),
                         drift=0.04, legato=0.8, reverb=30, format="wav", rate=48000),
    "drunkensailor-v": take("drunkensailor", 306, tuning=42, drift=0.07, legato=0.4,
                            reverb=60, room=100, format="flac", channels=2),
    "saints-v": take("saints", 307, program=41, tuning=-5, drift=0.05, legato=0.7,
                     reverb=40, format="ogg", rate=32000),
    "frerejacques-v": take("frerejacques", 308, program=110, tuning=26, drift=0.03,
                           legato=0.5, reverb=50, format="wav"),
}

HELDOUT = {
    "yimeng-h": take("yimeng", 901, program=40, tuning=-33, vibrato_cents=(35, 50),
                     drift=0.06, legato=0.7, reverb=45, format="flac"),
    "happybirthday-h": take("happybirthday", 902, program=110, tuning=28, drift=0.05,
                            legato=0.5, reverb=35, format="wav", channels=2, rate=48000),
    "auldlangsyne-h": take("auldlangsyne", 903, program=41, tuning=-19, drift=0.07,
                           legato=0.6, reverb=50, room=90, format="mp3"),
    "furelise-h": take("furelise", 904, program=40, tuning=44, drift=0.04, legato=0.5,
                       reverb=30, format="ogg"),
    "mengjiangnv-h": take("mengjiangnv", 905, program=110, tuning=-42, vibrato_cents=(30, 50),
                          drift=0.05, legato=0.8, reverb=40, format="wav"),
}

TEST = {name: DEV[name] for name in (
    "molihua-a", "kangding-a", "amazinggrace-a", "brahms-a", "xiaohe-a")}

SETS = {"dev": DEV, "val": VAL, "heldout": HELDOUT, "test": TEST}
