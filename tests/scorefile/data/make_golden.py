#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the golden score files of tests/scorefile byte for byte, as the file format
prescribes them (CP932, CR LF after every line). The outputs are committed;
run this only to change them:  /usr/bin/python3 make_golden.py"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
HEADER = "二胡数字譜データVer1.0"
RATE_KEYS = ["OffsetRateX_PF", "OffsetRateX_3ren", "OffsetRateX_Bow", "OffsetRateX_Kakko",
             "OffsetRateX_FingerNo", "OffsetRateX_String", "OffsetRateX_Crese", "OffsetRateX_Slur",
             "OffsetRateX_Branch", "OffsetRateX_Ornament", "OffsetRateX_Speed"]
DEFAULT_RATES = [-170, 120, 270, 170, 170, 220, -120, 120, 320, 170, 320]
LAYOUT = [("NoteFontSize", 18), ("TitleHeight", 150), ("TopSpace", 20), ("BottomSpace", 20),
          ("LeftSpace", 40), ("RightSpace", 20), ("BarParRow", 4), ("DivParBar", 9),
          ("RowDivNum", 8), ("GridDivNum", 36), ("GridSize", 25)]


def block(cls, pairs):
    return ["class " + cls] + ["  %s=%s" % (k, v) for k, v in pairs] + ["end   " + cls]


def book(title, layout=None, grid=1, row=146, rates=None):
    layout = layout or LAYOUT
    rates = rates or DEFAULT_RATES
    return block("TMusicBook", [("Title", title)] + layout + [("isDispGrid", grid),
                 ("RowInterval", row)] + list(zip(RATE_KEYS, rates)))


def page(title="", writer="", speed="", count=0, key="", layout=None, row=146, rates=None):
    layout = layout or LAYOUT
    rates = rates or DEFAULT_RATES
    return block("TMusicSheet", [("Title", title), ("Writer", writer), ("PlaySpeed", speed),
                 ("PlayCount", count), ("KeyCode", key), ("PageWidth", 964), ("PageHeight", 1365)]
                 + layout + [("RowInterval", row)] + list(zip(RATE_KEYS, rates)))


def item(cls, name, x, y, content, links=(), extra=()):
    pairs = [("Name", name), ("PosX", x), ("PosY", y), ("Content", content)]
    pairs += [("LinkMusicItem", l) for l in links]
    return block(cls, pairs + list(extra))


def note(name, x, y, content, links=(), futen=0, length=0, rinji="", octave=0,
         offs=(-85, -60, 60, 20)):
    return item("TNote", name, x, y, content, links,
                [("Futen", futen), ("Length", length), ("Rinji", rinji), ("Octave", octave),
                 ("OffsetX_Rinji", offs[0]), ("OffsetY_Rinji", offs[1]),
                 ("OffsetX_Futen", offs[2]), ("OffsetY_Futen", offs[3])])


def wh(w, h):
    return [("Width", w), ("Height", h)]


def write(name, lines, ends="\r\n"):
    data = "".join(l + ends for l in lines).encode("cp932")
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def named_items(specs, pairs):
    """Item blocks in item order (PosY, then PosX; positions are distinct), named
    "%.3d" by index, each link written as the other item's name. Link lines are in
    ascending index order, the order the reader's resolution gives them back."""
    specs = sorted(specs, key=lambda s: (s[3], s[2]))
    index = {s[0]: i for i, s in enumerate(specs)}
    linked = {s[0]: set() for s in specs}
    for a, b in pairs:
        linked[a].add(b)
        linked[b].add(a)
    L = []
    for i, (key, cls, x, y, content, extra) in enumerate(specs):
        links = ["%03d" % j for j in sorted(index[k] for k in linked[key])]
        if cls == "TNote":
            L += note("%03d" % i, x, y, content, links, **extra)
        else:
            L += item(cls, "%03d" % i, x, y, content, links, extra)
    return L


def two_pages():
    """Every item kind, links, a text box whose lines need quoting, Japanese titles."""
    layout = [(k, v) for k, v in LAYOUT]
    layout[0] = ("NoteFontSize", 20)
    L = [HEADER]
    L += book("二胡練習曲集", layout=layout, grid=0, row=150)
    L += page("賽馬", "黄海懐", "快板", 132, "１＝Ｄ　（１５弦）", layout=layout, row=150)
    L += named_items([
        ("beat", "TBeat", 60, 233, "$", []),
        ("tempo", "TTempo", 100, 200, "/", wh(60, 24) + [("Tempo", 132), ("TempoUnit", 0), ("PrintMode", 1)]),
        ("sign", "TMusicSign", 115, 205, "V", []),
        ("slur", "TSlur", 115, 210, "Y", wh(50, 20)),
        ("n5", "TNote", 115, 233, "5", dict(futen=1, length=1, rinji="`", octave=1, offs=(-80, -55, 65, 25))),
        ("dl", "TDaonLeft", 115, 240, "K", wh(25, 20) + [("AllNoteData", "13  3  3  3 "), ("Length", 1)]),
        ("n6", "TNote", 140, 233, "6", dict(length=2, octave=-2)),
        ("dr", "TDaonRight", 140, 240, "L", wh(25, 20) + [("AllNoteData", "64T53U72V15W"), ("Length", 3)]),
        ("dash", "TNote", 165, 233, "8", {}),
        ("bar", "TBarLine", 190, 233, "c", []),
        ("hbar", "THorizBar", 215, 233, "M", wh(100, 21) + [("BarNum", "12")]),
        ("cresc", "TCresc", 100, 300, "I", wh(75, 20)),
        ("renton", "TRenTon", 190, 300, "}", wh(50, 20)),
        ("kakko", "TKakko", 250, 300, "<", wh(100, 20)),
        ("ren3", "T3ren", 100, 330, "Z", wh(75, 20)),
        ("t1", "TNote", 115, 360, "1", dict(length=1)),
        ("t2", "TNote", 140, 360, "2", dict(length=1)),
        ("t3", "TNote", 165, 360, "0", dict(length=1)),
        ("end", "TBarLine", 190, 360, "h", []),
        ("text", "TTextBox", 300, 400, "O",
         wh(120, 40) + [("CSVText", '"a b",c,"say ""hi""","日本語,カンマ",ソルベル,'),
                        ("FontName", "ＭＳ ゴシック"), ("FontSize", 12), ("FrameLineWidth", 1),
                        ("RowSpace", 2), ("FrameWidth", 100), ("FrameHeight", 30)]),
    ], [("sign", "n5"), ("slur", "n5"), ("slur", "n6"), ("dl", "n5"), ("dr", "n6"), ("ren3", "t1")])
    # Page 2: empty header texts, a rate of its own.
    L += page(rates=[-160] + DEFAULT_RATES[1:])
    L += named_items([
        ("beat", "TBeat", 60, 233, "&", []),
        ("n3", "TNote", 100, 233, "3", dict(rinji="a")),
        ("sign", "TMusicSign", 100, 205, "T", []),
        ("text", "TTextBox", 200, 300, "O",
         wh(20, 20) + [("CSVText", "テキスト入力"), ("FontName", "ＭＳ ゴシック"), ("FontSize", 10),
                       ("FrameLineWidth", 0), ("RowSpace", 0), ("FrameWidth", 0), ("FrameHeight", 0)]),
    ], [("sign", "n3")])
    return L


def defaults_in():
    """Missing keys and malformed integers: the reader's defaults."""
    L = [HEADER, "class TMusicBook", "  Title=既定値", "  NoteFontSize=30", "end   TMusicBook",
         "class TMusicSheet", "end   TMusicSheet"]
    L += ["class TNote", "  Content=5", "end   TNote"]
    L += ["class TNote", "  PosY=10", "  Content=3", "  Futen=1", "  Length=9999999999",
          "  Octave=x", "end   TNote"]
    L += ["class TBarLine", "  PosY=20", "  PosX=abc", "end   TBarLine"]
    L += ["class TBeat", "  PosY=30", "end   TBeat"]
    L += ["class THorizBar", "  PosY=40", "end   THorizBar"]
    L += ["class TMusicSign", "  PosY=50", "end   TMusicSign"]
    for i, cls in enumerate(["TCresc", "TSlur", "TRenTon", "TKakko", "T3ren"]):
        L += ["class " + cls, "  PosY=%d" % (60 + i), "end   " + cls]
    L += ["class TDaonLeft", "  PosY=70", "end   TDaonLeft"]
    L += ["class TDaonRight", "  PosY=71", "  AllNoteData=1x3", "  Length=", "end   TDaonRight"]
    L += ["class TTempo", "  PosY=80", "  Tempo=2147483648", "end   TTempo"]
    L += ["class TTextBox", "  PosY=90", "  FontSize=-5", "end   TTextBox"]
    return L


def defaults_out():
    L = [HEADER]
    L += book("既定値", layout=[("NoteFontSize", 30)] + LAYOUT[1:])
    L += page()
    L += note("000", 0, 0, "5")
    L += note("001", 0, 10, "3", futen=1)
    L += item("TBarLine", "002", 0, 20, "")
    L += item("TBeat", "003", 0, 30, "")
    L += item("THorizBar", "004", 0, 40, "", extra=wh(104, 21) + [("BarNum", "")])
    L += item("TMusicSign", "005", 0, 50, "")
    for i, cls in enumerate(["TCresc", "TSlur", "TRenTon", "TKakko", "T3ren"]):
        L += item(cls, "%03d" % (6 + i), 0, 60 + i, "", extra=wh(20, 20))
    L += item("TDaonLeft", "011", 0, 70, "", extra=wh(20, 20) + [("AllNoteData", "13  3  3  3 "), ("Length", 1)])
    L += item("TDaonRight", "012", 0, 71, "", extra=wh(20, 20) + [("AllNoteData", "13  3  3  3 "), ("Length", 1)])
    L += item("TTempo", "013", 0, 80, "", extra=wh(20, 20) + [("Tempo", 80), ("TempoUnit", 0), ("PrintMode", 0)])
    L += item("TTextBox", "014", 0, 90, "", extra=wh(20, 20) + [("CSVText", ""), ("FontName", ""), ("FontSize", -5),
              ("FrameLineWidth", 0), ("RowSpace", 0), ("FrameWidth", 0), ("FrameHeight", 0)])
    return L


def tolerant_in():
    """Keys in other letter case, unknown classes, blocks out of place, LF line ends."""
    L = [HEADER,
         "class TMusicSheet", "  Title=本より前の頁", "end   TMusicSheet",
         "class TNote", "  PosY=1", "end   TNote",
         "stray line outside any block",
         "class TMusicBook", "  TITLE=大文字", "  notefontsize=24", "  IsDispGrid=0",
         "  Title=二つ目は無視", "end   TMusicBook",
         "class TFooBar", "  Title=知らない型", "end   TFooBar",
         "class TMusicSheet", "  title=題 = 等号入り  ", "\t writer=  前の空白は残る", "end   TMusicSheet",
         "class TUnknownMark", "  PosX=5", "end   TUnknownMark",
         "class tnote", "  PosX=6", "end   tnote",
         "class TNote", "  name=a", "  posx=100", "  POSY=233", "  content=5",
         "  linkmusicitem=b", "  LinkMusicItem=b", "end   TNote",
         "class TMusicSign", "  Name=b", "  PosX=100", "  PosY=205", "  Content=V",
         "  LinkMusicItem=a", "  LinkMusicItem=nobody", "end   TMusicSign",
         "class TNote", "  Name=c", "  PosX=130", "  PosY=233", "  Content=6",
         "  LinkMusicItem=", "  LinkMusicItem=c", "end   TNote"]
    return L


def tolerant_out():
    layout = [("NoteFontSize", 24)] + LAYOUT[1:]
    L = [HEADER]
    L += book("大文字", layout=layout, grid=0)
    L += page(title="題 = 等号入り", writer="  前の空白は残る")
    L += item("TMusicSign", "000", 100, 205, "V", links=["001"])
    L += note("001", 100, 233, "5", links=["000"])
    L += note("002", 130, 233, "6")
    return L


if __name__ == "__main__":
    write("two_pages.svl", two_pages())
    write("defaults_in.svl", defaults_in())
    write("defaults_out.svl", defaults_out())
    write("tolerant_in.svl", tolerant_in(), ends="\n")
    write("tolerant_out.svl", tolerant_out())
    write("two_pages_cr.svl", two_pages(), ends="\r")
