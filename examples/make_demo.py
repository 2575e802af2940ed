#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes demo.svl, the demonstration book of Sorvel: page 1 a folk tune with
erhu bowings, fingerings and strings; page 2 every glyph and item kind.

    /usr/bin/python3 examples/make_demo.py

The file is written exactly as the program writes scores: CP932 bytes, CR LF
after every line, every key of every block.
"""
import os

HEADER = "二胡数字譜データVer1.0"
LEFT, TOP, TITLE, ROWS, ROWINT, GRID = 40, 20, 150, 8, 146, 25
RATES = [("OffsetRateX_PF", -170), ("OffsetRateX_3ren", 120), ("OffsetRateX_Bow", 270),
         ("OffsetRateX_Kakko", 170), ("OffsetRateX_FingerNo", 170), ("OffsetRateX_String", 220),
         ("OffsetRateX_Crese", -120), ("OffsetRateX_Slur", 120), ("OffsetRateX_Branch", 320),
         ("OffsetRateX_Ornament", 170), ("OffsetRateX_Speed", 320)]
LAYOUT = [("NoteFontSize", 18), ("TitleHeight", TITLE), ("TopSpace", TOP), ("BottomSpace", 20),
          ("LeftSpace", LEFT), ("RightSpace", 20), ("BarParRow", 4), ("DivParBar", 9),
          ("RowDivNum", ROWS), ("GridDivNum", 36), ("GridSize", GRID)]
H8 = 21  # height of "8" at the note size


def row_y(r):
    return TOP + TITLE + ROWINT // 2 + r * ROWINT


def slot_x(k):
    return LEFT + k * GRID


def above(y, rate):
    return y - H8 * rate // 100


class Item:
    def __init__(self, cls, content, x, y, **props):
        self.cls, self.content, self.x, self.y, self.props = cls, content, x, y, props
        self.links = []


def link(a, b):
    a.links.append(b)
    b.links.append(a)


def note(x, y, c, length=0, octave=0, futen=0, rinji=""):
    return Item("TNote", c, x, y, Futen=futen, Length=length, Rinji=rinji, Octave=octave,
                OffsetX_Rinji=-85, OffsetY_Rinji=-60, OffsetX_Futen=60, OffsetY_Futen=20)


def sign(n, c, rate, dx=0):
    s = Item("TMusicSign", c, n.x + dx, above(n.y, rate))
    link(s, n)
    return s


def mark2(cls, c, x, y, w, h=20, **extra):
    return Item(cls, c, x, y, Width=w, Height=h, **extra)


def block_lines(cls, props):
    out = ["class " + cls]
    for k, v in props:
        out.append("  %s=%s" % (k, v))
    out.append("end   " + cls)
    return out


def page_lines(page):
    head = [("Title", page["title"]), ("Writer", page.get("writer", "")),
            ("PlaySpeed", page.get("speed", "")), ("PlayCount", page.get("count", 0)),
            ("KeyCode", page.get("key", "")), ("PageWidth", 964), ("PageHeight", 1365)]
    head += LAYOUT + [("RowInterval", ROWINT)] + RATES
    lines = block_lines("TMusicSheet", head)
    items = sorted(page["items"], key=lambda i: (i.y, i.x))
    names = {id(it): "%03d" % n for n, it in enumerate(items)}
    for it in items:
        props = [("Name", names[id(it)]), ("PosX", it.x), ("PosY", it.y),
                 ("Content", it.content)]
        props += [("LinkMusicItem", names[id(o)]) for o in it.links]
        props += list(it.props.items())
        lines += block_lines(it.cls, props)
    return lines


def tune():
    """Jasmine Flower, in four-four, with erhu marks."""
    bars = [
        [("3", 0), ("3", 1), ("5", 1), ("6", 0), ("1", 1, 1), ("6", 1)],
        [("5", 0), ("5", 1), ("6", 1), ("5", 0), ("8", 0)],
        [("3", 0), ("3", 1), ("5", 1), ("6", 0), ("1", 1, 1), ("6", 1)],
        [("5", 0), ("5", 1), ("6", 1), ("5", 0), ("8", 0)],
        [("5", 0), ("5", 0), ("5", 0), ("3", 1), ("5", 1)],
        [("6", 0), ("6", 0), ("5", 0), ("8", 0)],
        [("3", 0), ("2", 1), ("3", 1), ("5", 0), ("3", 1), ("2", 1)],
        [("1", 0), ("1", 1), ("2", 1), ("1", 0), ("8", 0)],
    ]
    items, notes = [], []
    for b, bar in enumerate(bars):
        r, first = b // 4, (b % 4) * 9
        y = row_y(r)
        k = first + 1
        if b == 0:
            items.append(Item("TBeat", "$", slot_x(0), y))
        bar_notes = []
        for entry in bar:
            n = note(slot_x(k), y, entry[0], entry[1], entry[2] if len(entry) > 2 else 0)
            items.append(n)
            bar_notes.append(n)
            k += 1 if entry[1] else 2
        notes.append(bar_notes)
        end = "e" if b == len(bars) - 1 else "c"
        items.append(Item("TBarLine", end, slot_x(first + 9), y))
    # Bowing: a down-bow at every bar start, up-bows on the off-beats.
    for b, bar_notes in enumerate(notes):
        items.append(sign(bar_notes[0], "P", 270))
        items.append(sign(bar_notes[1], "Q", 270))
    # Inner string, then outer; finger numbers on the high notes.
    items.append(sign(notes[0][0], "R", 220, dx=0))
    items.append(sign(notes[4][0], "S", 220))
    for b in (0, 2):
        items.append(sign(notes[b][4], "X", 170))
        items.append(sign(notes[b][3], "W", 170))
    items.append(sign(notes[6][3], "U", 170))
    # Slurs over the eighth pairs, dynamics, a hairpin, a trill, a slide.
    for b in (0, 2):
        s = mark2("TSlur", "Y", notes[b][1].x - 5, above(notes[b][1].y, 120), 35, 20)
        link(s, notes[b][1])
        items.append(s)
    items.append(Item("TMusicSign", "D", notes[0][0].x, above(notes[0][0].y, -170)))
    items.append(mark2("TCresc", "I", notes[4][0].x, above(notes[4][0].y, -120), 150, 20))
    items.append(sign(notes[5][2], "[", 170))
    items.append(Item("TMusicSign", "^", notes[7][0].x - 21, notes[7][0].y))
    items.append(mark2("TTempo", "/", slot_x(30), row_y(0) - 75, 60, 20,
                       Tempo=72, TempoUnit=0, PrintMode=1))
    d = mark2("TDaonLeft", "K", notes[6][0].x, notes[6][0].y - 12, 25, 21,
              AllNoteData="53 43  3  3 ", Length=2)
    link(d, notes[6][0])
    items.append(d)
    return items


def gallery():
    """Every glyph of the music font on a page, by kind, and every item kind."""
    items = []
    y = row_y(0)
    for k, c in enumerate("01234567"):
        items.append(note(slot_x(1 + 2 * k), y, c))
    n = note(slot_x(17), y, "5", 1, 1)
    items.append(n)
    items.append(note(slot_x(18), y, "5", 1, -1, rinji="a"))
    items.append(note(slot_x(20), y, "5", 2, 2, futen=1, rinji="`"))
    items.append(note(slot_x(21), y, "5", 3, -2, rinji="b"))
    items.append(note(slot_x(23), y, "4", 0, 0, futen=1))
    items.append(note(slot_x(26), y, "8"))
    items.append(note(slot_x(28), y, "0"))
    y = row_y(1)
    for k, c in enumerate("!\"#$%&'()"):
        items.append(Item("TBeat", c, slot_x(1 + 3 * k), y))
    y = row_y(2)
    for k, c in enumerate("cdefgh"):
        items.append(Item("TBarLine", c, slot_x(2 + 4 * k), y))
    hb = Item("THorizBar", "M", slot_x(26), y, Width=100, Height=21, BarNum="12")
    items.append(hb)
    y = row_y(3)
    for k, c in enumerate("@ABCDEFGH"):
        items.append(Item("TMusicSign", c, slot_x(1 + 3 * k), y))
    items.append(mark2("TCresc", "I", slot_x(28), y, 60))
    items.append(mark2("TCresc", "J", slot_x(31), y, 60))
    y = row_y(4)
    for k, c in enumerate("PQRSTUVWX."):
        items.append(Item("TMusicSign", c, slot_x(1 + 3 * k), y))
    y = row_y(5)
    for k, c in enumerate("[\\]pswvxyz"):
        items.append(Item("TMusicSign", c, slot_x(1 + 3 * k), y))
    items.append(Item("TMusicSign", "o", slot_x(31), y))
    items.append(Item("TMusicSign", "q", slot_x(33), y))
    items.append(Item("TMusicSign", "r", slot_x(35), y))
    y = row_y(6)
    for k, c in enumerate("^_{|ijklmnut"):
        items.append(Item("TMusicSign", c, slot_x(1 + 3 * k), y))
    y = row_y(7)
    base = note(slot_x(2), y, "3", 1)
    items.append(base)
    items.append(note(slot_x(3), y, "2", 1))
    items.append(note(slot_x(4), y, "1", 1))
    t = mark2("T3ren", "Z", slot_x(2) - 8, above(y, 120), 66, 20)
    link(t, base)
    items.append(t)
    items.append(mark2("TSlur", "Y", slot_x(6), above(y, 120), 60))
    items.append(mark2("TRenTon", "}", slot_x(9), above(y, 120), 60))
    for k, c in enumerate("<=>?"):
        items.append(mark2("TKakko", c, slot_x(12 + 3 * k), above(y, 170), 60))
    for cls, c, x, data in (("TDaonLeft", "K", 26, "53T62U 3  3 "),
                            ("TDaonRight", "L", 28, "13 43 63 54 ")):
        items.append(note(slot_x(x), y, "5"))
        items.append(mark2(cls, c, slot_x(x), y - 12, 25, 21, AllNoteData=data, Length=1))
    items.append(mark2("TTempo", "/", slot_x(32), y, 60, 20, Tempo=120, TempoUnit=1, PrintMode=1))
    items.append(mark2("TTextBox", "O", slot_x(18), row_y(7) + 60, 300, 20,
                       CSVText='"音符 numerals, 拍子 signatures","記号 marks, 弓 bowing"',
                       FontName="ＭＳ ゴシック", FontSize=10, FrameLineWidth=1, RowSpace=20,
                       FrameWidth=0, FrameHeight=0))
    return items


def main():
    lines = [HEADER]
    lines += block_lines("TMusicBook", [("Title", "二胡の練習帳")] + LAYOUT +
                         [("isDispGrid", 1), ("RowInterval", ROWINT)] + RATES)
    lines += page_lines({"title": "茉莉花", "writer": "江蘇民謡", "speed": "中速",
                         "count": 72, "key": "１＝Ｄ　（１５弦）", "items": tune()})
    lines += page_lines({"title": "", "items": gallery()})
    data = "".join(str(line) + "\r\n" for line in lines).encode("cp932")
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "demo.svl")
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
