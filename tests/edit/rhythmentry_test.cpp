// Rhythm entry on a book of the default layout: 36 slots of 25 units from
// x = 20, a bar's share of 8 slots and its bar line, rows 146 units apart
// from y = 243, eight rows a page.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "edit/pageoperations.h"
#include "edit/rhythmentry.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/undo.h"
#include "model/workspace.h"

namespace sorvel {
namespace {

constexpr int kRow0 = 243;
constexpr int kRowInterval = 146;
int X(int slot) {
    return 20 + 25 * slot;
}
int Y(int row) {
    return kRow0 + kRowInterval * row;
}

// One item as the tests compare it: "5" at slot 10 with one underline is
// {"5", 10, 0, 1, 0, 0}; bar lines and ties have only content and slot.
struct Seen {
    std::string content;
    int slot, row, length, futen, octave;
    bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Seen& s) {
    return os << s.content << "@" << s.slot << "/" << s.row << " len" << s.length << " dot"
              << s.futen << " oct" << s.octave;
}

std::vector<Seen> SymbolsOf(const TMusicSheet& page) {
    std::vector<Seen> out;
    for (int i = 0; i < page.ItemCount(); ++i) {
        const TMusicItem& item = *page.GetItem(i);
        if (!item.IsSymbol()) continue;
        Seen s{
            item.Content(), (item.PosX() - 20) / 25, (item.PosY() - kRow0) / kRowInterval, 0, 0, 0};
        if (const TNote* note = dynamic_cast<const TNote*>(&item)) {
            s.length = note->Length();
            s.futen = note->Futen();
            s.octave = note->Octave();
        }
        out.push_back(s);
    }
    std::sort(out.begin(), out.end(), [](const Seen& a, const Seen& b) {
        return a.row != b.row ? a.row < b.row : a.slot < b.slot;
    });
    return out;
}

int CountClass(const TMusicSheet& page, ItemClass kind) {
    int n = 0;
    for (int i = 0; i < page.ItemCount(); ++i) n += page.GetItem(i)->Class() == kind;
    return n;
}

// A book with the entry started at `at`; every key is one undo step.
class Typing : public TWorkspace {
public:
    explicit Typing(EntryPlace at = {0, X(0), Y(0)}) : entry(*book_(), layout, glyphs) {
        entry.Resume(undo.StateId(), at);
    }

    // Keys as the editor maps them: digits, x z 9 c v - and B for Backspace.
    void Keys(const std::string& keys) {
        for (char key : keys) {
            if (key == ' ') continue;
            // After an undo the editor puts the cursor where the kept run goes on.
            entry.Resume(undo.StateId(), entry.NextOf(undo.StateId()).value_or(entry.Next()));
            undo.BeginGroup();
            switch (key) {
                case 'x':
                    entry.ShiftOctave(1);
                    break;
                case 'z':
                    entry.ShiftOctave(-1);
                    break;
                case '9':
                    entry.ToggleDot();
                    break;
                case 'c':
                    entry.Halve();
                    break;
                case 'v':
                    entry.Double();
                    break;
                case '-':
                    entry.AddBeat();
                    break;
                case 'B':
                    entry.RemoveLast();
                    break;
                default:
                    entry.Type(key);
                    break;
            }
            undo.EndGroup();
            entry.Remember(undo.StateId());
        }
    }

    TMusicSheet& Page(int i) { return *book->GetSheet(i); }

    RhythmEntry entry;

private:
    TMusicBook* book_() {
        NewBook();
        return book.get();
    }
};

void PutMeter(TMusicSheet& page, char code, int slot, int row) {
    TBeat* beat = CreateItem<TBeat>(page);
    beat->SetContent(std::string(1, code));
    beat->SetPosX(X(slot));
    beat->SetPosY(Y(row));
}

void PutBarLine(TMusicSheet& page, char code, int slot, int row) {
    TBarLine* line = CreateItem<TBarLine>(page);
    line->SetContent(std::string(1, code));
    line->SetPosX(X(slot));
    line->SetPosY(Y(row));
}

// The bar lines of a row: slot and kind, in slot order.
std::vector<std::pair<int, std::string>> BarLinesOf(const TMusicSheet& page, int row) {
    std::vector<std::pair<int, std::string>> lines;
    for (const Seen& s : SymbolsOf(page)) {
        if (s.row == row && s.content >= "c" && s.content <= "h") {
            lines.push_back({s.slot, s.content});
        }
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

TEST(RhythmEntry, TwoBarsOfFourFourWithBarLinesAndLengths) {
    Typing t;
    t.Keys("1 2 3 4 5 c 5 6 v 5 -");
    const std::vector<Seen> expected = {
        {"1", 1, 0, 0, 0, 0},  {"2", 3, 0, 0, 0, 0},  {"3", 5, 0, 0, 0, 0},  {"4", 7, 0, 0, 0, 0},
        {"c", 9, 0, 0, 0, 0},  {"5", 10, 0, 1, 0, 0}, {"5", 11, 0, 1, 0, 0}, {"6", 12, 0, 0, 0, 0},
        {"5", 14, 0, 0, 0, 0}, {"8", 16, 0, 0, 0, 0}, {"c", 18, 0, 0, 0, 0},
    };
    EXPECT_EQ(SymbolsOf(t.Page(0)), expected);
    EXPECT_EQ(t.entry.CurrentTicks(), 48);
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(19), Y(0)}));
}

// A note as heard: scale digit, octave, onset and length in ticks.
struct Heard {
    char digit;
    int octave, onset, ticks;
    bool operator==(const Heard&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Heard& h) {
    return os << h.digit << "(" << h.octave << ")@" << h.onset << "+" << h.ticks;
}

// The notes of a page read as a player reads them, in row and slot order:
// a numeral lasts by its underlines and dot, a dash adds a beat to the note
// before it, a time signature takes no time. Every bar line must stand where
// a bar of `barTicks` ends.
std::vector<Heard> ReadBack(const TMusicSheet& page, int barTicks) {
    std::vector<Heard> heard;
    int onset = 0;
    for (const Seen& s : SymbolsOf(page)) {
        if (s.content == "c") {
            EXPECT_EQ(onset % barTicks, 0) << "a bar line at " << onset;
        } else if (s.content == "8") {
            heard.back().ticks += 48;
            onset += 48;
        } else if (s.content >= "0" && s.content <= "7") {
            const int ticks = (48 >> s.length) * (s.futen ? 3 : 2) / 2;
            heard.push_back({s.content[0], s.octave, onset, ticks});
            onset += ticks;
        }
    }
    return heard;
}

// A bar of a melody: digit, octave and length in ticks of each note.
struct Sung {
    char digit;
    int octave, ticks;
};
using Melody = std::vector<std::vector<Sung>>;

std::vector<Heard> Timed(const Melody& bars, std::size_t count) {
    std::vector<Heard> out;
    int onset = 0;
    for (std::size_t b = 0; b < count; ++b) {
        for (const Sung& n : bars[b]) {
            out.push_back({n.digit, n.octave, onset, n.ticks});
            onset += n.ticks;
        }
    }
    return out;
}

int KeysOf(const std::vector<std::string>& bars, std::size_t count) {
    int keys = 0;
    for (std::size_t b = 0; b < count; ++b) {
        keys += static_cast<int>(
            std::count_if(bars[b].begin(), bars[b].end(), [](char c) { return c != ' '; }));
    }
    return keys;
}

constexpr int s = 12, e = 24, de = 36, q = 48, dq = 72, h = 96;

// 茉莉花 (Jasmine Flower), the common Jiangsu version: He Fang's arrangement
// "好一朵美丽的茉莉花" as school songbooks print it, 2/4, the whole song in
// 27 bars (numbered notation reads the same in any key: 1=D, or the 1=E
// and 1=F of songbooks). One bar a line; "_" is an underline, "'" a high
// dot, "," a low dot.
const Melody kJasmine = {
    {{'3', 0, q}, {'3', 0, e}, {'5', 0, e}},                //  1: 3 3_5_
    {{'6', 0, e}, {'1', 1, e}, {'1', 1, e}, {'6', 0, e}},   //  2: 6_1'_ 1'_6_
    {{'5', 0, q}, {'5', 0, e}, {'6', 0, e}},                //  3: 5 5_6_
    {{'5', 0, h}},                                          //  4: 5 -
    {{'3', 0, q}, {'3', 0, e}, {'5', 0, e}},                //  5: 3 3_5_
    {{'6', 0, e}, {'1', 1, e}, {'1', 1, e}, {'6', 0, e}},   //  6: 6_1'_ 1'_6_
    {{'5', 0, q}, {'5', 0, e}, {'6', 0, e}},                //  7: 5 5_6_
    {{'5', 0, h}},                                          //  8: 5 -
    {{'5', 0, q}, {'5', 0, q}},                             //  9: 5 5
    {{'5', 0, q}, {'3', 0, e}, {'5', 0, e}},                // 10: 5 3_5_
    {{'6', 0, q}, {'6', 0, q}},                             // 11: 6 6
    {{'5', 0, h}},                                          // 12: 5 -
    {{'3', 0, q}, {'2', 0, e}, {'3', 0, e}},                // 13: 3 2_3_
    {{'5', 0, q}, {'3', 0, e}, {'2', 0, e}},                // 14: 5 3_2_
    {{'1', 0, q}, {'1', 0, e}, {'2', 0, e}},                // 15: 1 1_2_
    {{'1', 0, h}},                                          // 16: 1 -
    {{'3', 0, e}, {'2', 0, e}, {'1', 0, e}, {'3', 0, e}},   // 17: 3_2_ 1_3_
    {{'2', 0, dq}, {'3', 0, e}},                            // 18: 2. 3_
    {{'5', 0, q}, {'6', 0, e}, {'1', 1, e}},                // 19: 5 6_1'_
    {{'5', 0, h}},                                          // 20: 5 -
    {{'2', 0, q}, {'3', 0, e}, {'5', 0, e}},                // 21: 2 3_5_
    {{'2', 0, e}, {'3', 0, e}, {'1', 0, e}, {'6', -1, e}},  // 22: 2_3_ 1_6,_
    {{'5', -1, h}},                                         // 23: 5, -
    {{'6', -1, q}, {'1', 0, q}},                            // 24: 6, 1
    {{'2', 0, dq}, {'3', 0, e}},                            // 25: 2. 3_
    {{'1', 0, e}, {'2', 0, e}, {'1', 0, e}, {'6', -1, e}},  // 26: 1_2_ 1_6,_
    {{'5', -1, h}},                                         // 27: 5, -
};

// The same bars as typed, the current length carrying on from bar to bar.
const std::vector<std::string> kJasmineKeys = {
    "3 3 c 5",   "6 1 x 1 x 6", "5 v 5 c 6", "5 -",     "3 v 3 c 5",   "6 1 x 1 x 6", "5 v 5 c 6",
    "5 -",       "5 v 5",       "5 3 c 5",   "6 v 6",   "5 -",         "3 2 c 3",     "5 v 3 c 2",
    "1 v 1 c 2", "1 -",         "3 2 1 3",   "2 v 9 3", "5 6 c 1 x",   "5 -",         "2 v 3 c 5",
    "2 3 1 6 z", "5 z -",       "6 z v 1",   "2 9 3",   "1 c 2 1 6 z", "5 z -",
};

// A 2/4 book with the entry started after the time signature.
struct TwoFour : Typing {
    TwoFour() : Typing({0, X(1), Y(0)}) {
        PutMeter(Page(0), '"', 0, 0);
        entry.Resume(-1, {0, X(1), Y(0)});
    }
};

TEST(RhythmEntry, SixteenBarsOfJasmineFlowerTakeAtMostFourKeysABar) {
    TwoFour t;
    for (std::size_t b = 0; b < 16; ++b) t.Keys(kJasmineKeys[b]);
    const int keys = KeysOf(kJasmineKeys, 16);
    EXPECT_LE(keys, 4 * 16);
    EXPECT_EQ(keys, 63);  // bar lines come by themselves; no slot is counted
    EXPECT_EQ(ReadBack(t.Page(0), 96), Timed(kJasmine, 16));
    // Sixteen bars of two beats: four rows, nothing tied, and the next note
    // starts the fifth row.
    int barLines = 0;
    for (const Seen& s : SymbolsOf(t.Page(0))) barLines += s.content == "c";
    EXPECT_EQ(barLines, 16);
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::Slur), 0);
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(1), Y(4)}));
}

TEST(RhythmEntry, TheWholeSongWithItsDottedNotesAndLowOctaves) {
    TwoFour t;
    for (const std::string& bar : kJasmineKeys) t.Keys(bar);
    EXPECT_LE(KeysOf(kJasmineKeys, kJasmine.size()), 4 * static_cast<int>(kJasmine.size()));
    EXPECT_EQ(ReadBack(t.Page(0), 96), Timed(kJasmine, kJasmine.size()));
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::Slur), 0);
}

// A decorated line on the tune (not a printed version): passing sixteenths,
// dotted eighths each completed by a sixteenth, a cadence to the low 5.
const Melody kDecorated = {
    {{'3', 0, q}, {'3', 0, e}, {'5', 0, e}},
    {{'6', 0, e}, {'1', 1, e}, {'6', 0, s}, {'5', 0, s}, {'3', 0, s}, {'5', 0, s}},
    {{'5', 0, q}, {'5', 0, e}, {'6', 0, e}},
    {{'5', 0, h}},
    {{'3', 0, q}, {'3', 0, e}, {'5', 0, e}},
    {{'6', 0, e}, {'1', 1, e}, {'6', 0, s}, {'5', 0, s}, {'3', 0, s}, {'5', 0, s}},
    {{'5', 0, de}, {'6', 0, s}, {'5', 0, e}, {'6', 0, e}},
    {{'5', 0, h}},
    {{'5', 0, q}, {'5', 0, q}},
    {{'5', 0, q}, {'3', 0, e}, {'5', 0, e}},
    {{'6', 0, q}, {'6', 0, q}},
    {{'5', 0, h}},
    {{'3', 0, de}, {'2', 0, s}, {'3', 0, e}, {'5', 0, e}},
    {{'5', 0, de}, {'3', 0, s}, {'2', 0, e}, {'1', 0, e}},
    {{'2', 0, q}, {'1', 0, e}, {'6', -1, e}},
    {{'5', -1, h}},
};
const std::vector<std::string> kDecoratedKeys = {
    "3 3 c 5",     "6 1 x 6 c 5 3 5", "5 v v 5 c 6", "5 -",
    "3 v 3 c 5",   "6 1 x 6 c 5 3 5", "5 v 9 6 5 6", "5 -",
    "5 v 5",       "5 3 c 5",         "6 v 6",       "5 -",
    "3 c 9 2 3 5", "5 9 3 2 1",       "2 v 1 c 6 z", "5 z -",
};

TEST(RhythmEntry, DecoratedBarsNeedNoKeyForTheSixteenthAfterADottedEighth) {
    TwoFour t;
    for (const std::string& bar : kDecoratedKeys) t.Keys(bar);
    EXPECT_EQ(ReadBack(t.Page(0), 96), Timed(kDecorated, kDecorated.size()));
    EXPECT_EQ(KeysOf(kDecoratedKeys, kDecoratedKeys.size()), 73);
}

TEST(RhythmEntry, OpenBarStandsInProportionAndTheCursorFollows) {
    Typing t;
    t.Keys("1 c 2");
    EXPECT_EQ(t.entry.CurrentTicks(), 24);
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(3), Y(0)}));
    t.Keys("3 9");
    // 1 and 2 eighths, 3 a dotted eighth: the next onset is at 84 of 192 ticks.
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"3", 3, 0, 1, 1, 0}));
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(4), Y(0)}));
}

TEST(RhythmEntry, OctaveDotHalveAndDoubleActOnTheNoteJustTyped) {
    Typing t;
    t.Keys("5 x x");
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"5", 1, 0, 0, 0, 2}));
    t.Keys("z 9");
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"5", 1, 0, 0, 1, 1}));
    t.Keys("9");  // the dot again takes it off
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"5", 1, 0, 0, 0, 1}));
    t.Keys("c c");
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"5", 1, 0, 2, 0, 1}));
    EXPECT_EQ(t.entry.CurrentTicks(), 12);
    t.Keys("v");
    EXPECT_EQ(t.entry.CurrentTicks(), 24);
    t.Keys("0 x");  // a rest has no octave
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"0", 2, 0, 1, 0, 0}));
}

TEST(RhythmEntry, ADottedNoteEndingBetweenBeatsIsCompletedByTheNextNote) {
    Typing t;
    t.Keys("5 c 9");  // a dotted eighth: a sixteenth completes its beat
    EXPECT_EQ(t.entry.NextTicks(), 12);
    EXPECT_EQ(t.entry.CurrentTicks(), 24);
    t.Keys("6 5");  // then the length goes back to the eighth
    EXPECT_EQ(ReadBack(t.Page(0), 192),
              (std::vector<Heard>{{'5', 0, 0, 36}, {'6', 0, 36, 12}, {'5', 0, 48, 24}}));
    t.Keys("B");  // taken back, the sixteenth is next again
    EXPECT_EQ(t.entry.NextTicks(), 24);
    t.Keys("B");
    EXPECT_EQ(t.entry.NextTicks(), 12);
    t.Keys("9");  // the dot taken off, nothing is left to complete
    EXPECT_EQ(t.entry.NextTicks(), 24);
}

TEST(RhythmEntry, ADottedQuarterIsCompletedByAnEighthAndADottedNoteOnTheBeatByNothing) {
    Typing t;
    t.Keys("5 9 6 5");
    EXPECT_EQ(ReadBack(t.Page(0), 192),
              (std::vector<Heard>{{'5', 0, 0, 72}, {'6', 0, 72, 24}, {'5', 0, 96, 48}}));
    // A dotted half from the bar's start ends on the fourth beat: the next
    // note keeps the current length.
    Typing u;
    u.Keys("1 v 9");
    EXPECT_EQ(u.entry.NextTicks(), 96);
}

TEST(RhythmEntry, DottedQuartersFollowEachOtherInSixEight) {
    Typing t({0, X(1), Y(0)});
    PutMeter(t.Page(0), '&', 0, 0);
    t.entry.Resume(-1, {0, X(1), Y(0)});
    ASSERT_EQ(t.entry.NextTicks(), 48);
    // The beat of 6/8 is the eighth: a dotted quarter ends on one.
    t.Keys("5 9 6 9");
    EXPECT_EQ(ReadBack(t.Page(0), 144), (std::vector<Heard>{{'5', 0, 0, 72}, {'6', 0, 72, 72}}));
}

TEST(RhythmEntry, ADottedCurrentLengthAlternatesWithItsCompletion) {
    Typing t;
    t.Keys("5 9 c 6 5 6");  // halving the dotted quarter makes the dotted eighth current
    EXPECT_EQ(ReadBack(t.Page(0), 192),
              (std::vector<Heard>{
                  {'5', 0, 0, 36}, {'6', 0, 36, 12}, {'5', 0, 48, 36}, {'6', 0, 84, 12}}));
}

TEST(RhythmEntry, ADashAfterANoteEndingBetweenBeatsHoldsItToTheBeatFirst) {
    Typing t;
    t.Keys("3 c 5 c -");  // an eighth, then a sixteenth held to the beat and one more
    EXPECT_EQ(ReadBack(t.Page(0), 192), (std::vector<Heard>{{'3', 0, 0, 24}, {'5', 0, 24, 72}}));
    Typing u;
    u.Keys("5 c -");  // "5 -": a quarter and its dash, as numbered notation writes it
    EXPECT_EQ(SymbolsOf(u.Page(0)),
              (std::vector<Seen>{{"5", 1, 0, 0, 0, 0}, {"8", 3, 0, 0, 0, 0}}));
    EXPECT_EQ(u.entry.CurrentTicks(), 24);
}

TEST(RhythmEntry, NoteOverflowingTheBarIsTiedOverTheBarLine) {
    Typing t;
    t.Keys("1 2 3 4 v");
    // The half note from beat 4 keeps a quarter in bar 1 and one in bar 2.
    std::vector<Seen> expected = {
        {"1", 1, 0, 0, 0, 0}, {"2", 3, 0, 0, 0, 0}, {"3", 5, 0, 0, 0, 0},
        {"4", 7, 0, 0, 0, 0}, {"c", 9, 0, 0, 0, 0}, {"4", 10, 0, 0, 0, 0},
    };
    EXPECT_EQ(SymbolsOf(t.Page(0)), expected);
    ASSERT_EQ(CountClass(t.Page(0), ItemClass::Slur), 1);
    TMusicItem* tie = nullptr;
    for (int i = 0; i < t.Page(0).ItemCount(); ++i) {
        if (t.Page(0).GetItem(i)->Class() == ItemClass::Slur) tie = t.Page(0).GetItem(i);
    }
    EXPECT_EQ(tie->Content(), "Y");
    EXPECT_EQ(tie->PosX(), X(7));
    EXPECT_EQ(tie->Width(), X(10) - X(7));
    EXPECT_EQ(tie->LinkCount(), 1);
    // Lengthened by a beat: the tied part becomes a quarter and a dash.
    t.Keys("-");
    expected.push_back({"8", 12, 0, 0, 0, 0});
    EXPECT_EQ(SymbolsOf(t.Page(0)), expected);
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::Slur), 1);
    t.Keys("c");  // halved to a dotted quarter: an eighth is left for bar 2
    expected.resize(5);
    expected.push_back({"4", 10, 0, 1, 0, 0});
    EXPECT_EQ(SymbolsOf(t.Page(0)), expected);
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::Slur), 1);
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(11), Y(0)}));
    t.Keys("B");  // the whole note goes: both parts, the tie and the bar line
    expected.resize(3);
    EXPECT_EQ(SymbolsOf(t.Page(0)), expected);
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::Slur), 0);
}

TEST(RhythmEntry, BarsFollowTheMeterInForceAndRunOnToNewRowsAndPages) {
    Typing t({0, X(1), Y(0)});
    PutMeter(t.Page(0), '"', 0, 0);  // 2/4, before the cursor
    t.entry.Resume(-1, {0, X(1), Y(0)});
    t.Keys("1 2 3 4 5 6 7 1 2");
    // Four bars of two quarters fill the row; the fifth starts row 2.
    std::vector<Seen> row0;
    for (const Seen& s : SymbolsOf(t.Page(0))) {
        if (s.row == 0 && s.content == "c") row0.push_back(s);
    }
    ASSERT_EQ(row0.size(), 4u);
    EXPECT_EQ(row0[3].slot, 36);
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"2", 1, 1, 0, 0, 0}));
    // 32 bars fill the page; the next note begins a new page.
    for (int i = 0; i < 55; ++i) t.Keys("5");
    EXPECT_EQ(t.entry.Next().page, 1) << "the page for the next bar is there already";
    ASSERT_EQ(t.book->SheetCount(), 2);
    t.Keys("6");
    EXPECT_EQ(SymbolsOf(t.Page(1)), (std::vector<Seen>{{"6", 1, 0, 0, 0, 0}}));
    // Backspace back over the page break leaves the page it made.
    t.Keys("B");
    EXPECT_TRUE(SymbolsOf(t.Page(1)).empty());
    EXPECT_EQ(t.book->SheetCount(), 2);
}

TEST(RhythmEntry, TheBarLinesOfANewPageServeAsTheTypedBarLines) {
    Typing t;
    PlaceBlankPageBarLines(t.Page(0));  // a new book's first row: bar lines at 9, 18, 27, 36
    t.entry.Resume(-1, {0, X(0), Y(0)});
    t.Keys("1 2 3 4 5 c 5 6 v 5 -");
    const std::vector<Seen> expected = {
        {"1", 1, 0, 0, 0, 0},  {"2", 3, 0, 0, 0, 0},  {"3", 5, 0, 0, 0, 0},  {"4", 7, 0, 0, 0, 0},
        {"c", 9, 0, 0, 0, 0},  {"5", 10, 0, 1, 0, 0}, {"5", 11, 0, 1, 0, 0}, {"6", 12, 0, 0, 0, 0},
        {"5", 14, 0, 0, 0, 0}, {"8", 16, 0, 0, 0, 0}, {"c", 18, 0, 0, 0, 0}, {"c", 27, 0, 0, 0, 0},
        {"c", 36, 0, 0, 0, 0},
    };
    EXPECT_EQ(SymbolsOf(t.Page(0)), expected);
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 4);
    // Taken back note by note, the page keeps its own bar lines and no other.
    t.Keys("B B B B B B B B");
    const std::vector<std::pair<int, std::string>> blank = {
        {9, "c"}, {18, "c"}, {27, "c"}, {36, "c"}};
    EXPECT_EQ(BarLinesOf(t.Page(0), 0), blank);
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 4);
}

TEST(RhythmEntry, BarLinesStackedAtTheRowStartBecomeOneWhileTheRowIsTyped) {
    Typing t;
    for (int i = 0; i < 3; ++i) PutBarLine(t.Page(0), 'c', 0, 1);
    PutBarLine(t.Page(0), 'f', 0, 1);  // a start repeat among them stays
    t.entry.Resume(-1, {0, X(0), Y(1)});
    t.Keys("1 2 3 4 5");
    EXPECT_EQ(BarLinesOf(t.Page(0), 1),
              (std::vector<std::pair<int, std::string>>{{0, "f"}, {9, "c"}}));
    t.Keys("B B B B B");
    EXPECT_EQ(BarLinesOf(t.Page(0), 1),
              (std::vector<std::pair<int, std::string>>{{0, "c"}, {0, "c"}, {0, "c"}, {0, "f"}}));
}

TEST(RhythmEntry, BarLinesPlacedByHandAreTakenOverByTheTypedBars) {
    Typing t;
    const std::vector<std::pair<int, std::string>> byHand = {
        {5, "c"}, {9, "c"}, {9, "d"}, {16, "c"}};
    for (const auto& [slot, code] : byHand) PutBarLine(t.Page(0), code[0], slot, 2);
    t.entry.Resume(-1, {0, X(0), Y(2)});
    t.Keys("1 2 3 4 5 6 7 1");
    // The bar line inside the first bar goes, of the two where it ends the
    // double one stays, and the one inside the second bar moves to its end.
    EXPECT_EQ(BarLinesOf(t.Page(0), 2),
              (std::vector<std::pair<int, std::string>>{{9, "d"}, {18, "c"}}));
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 2);
    t.Keys("B");  // the open bar keeps the moved bar line where it will end
    EXPECT_EQ(BarLinesOf(t.Page(0), 2),
              (std::vector<std::pair<int, std::string>>{{9, "d"}, {18, "c"}}));
    t.Keys("B B B B B B B");
    EXPECT_EQ(BarLinesOf(t.Page(0), 2), byHand);
    // Undo gives the typed row back, and undo again the row as it was.
    t.undo.Undo();
    EXPECT_EQ(BarLinesOf(t.Page(0), 2),
              (std::vector<std::pair<int, std::string>>{{9, "d"}, {16, "c"}}));
    while (t.undo.CanUndo()) t.undo.Undo();
    EXPECT_EQ(BarLinesOf(t.Page(0), 2), byHand);
}

TEST(RhythmEntry, BarsWiderThanTheirShareTakeTheRowsBarLinesAlong) {
    Typing t;
    PlaceBlankPageBarLines(t.Page(0));
    t.entry.Resume(-1, {0, X(0), Y(0)});
    // Bars of sixteen sixteenths take sixteen slots: two fit in the row.
    t.Keys("1 c c" + std::string(31, '5'));
    const std::vector<std::pair<int, std::string>> twoBars = {{17, "c"}, {34, "c"}, {36, "c"}};
    EXPECT_EQ(BarLinesOf(t.Page(0), 0), twoBars);
    t.Keys("6");  // the third bar starts the next row and takes the rest of this one
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"6", 1, 1, 2, 0, 0}));
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 2);
    t.Keys("B");
    EXPECT_EQ(BarLinesOf(t.Page(0), 0), twoBars);
}

TEST(RhythmEntry, ABarStartedOnABarLineBeginsAfterIt) {
    Typing t;
    PlaceBlankPageBarLines(t.Page(0));
    t.entry.Resume(-1, {0, X(9), Y(0)});
    t.Keys("1 2 3 4");
    EXPECT_EQ(SymbolsOf(t.Page(0)).at(1), (Seen{"1", 10, 0, 0, 0, 0}));
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 4);
}

// Rows of twelve slots with a share of four a bar.
struct NarrowRows : Typing {
    explicit NarrowRows(int row = 0) : Typing({0, X(0), Y(row)}) {
        Page(0).SetGridDivNum(12);
        Page(0).SetDivParBar(5);
        entry.Resume(-1, {0, X(0), Y(row)});
    }
};

TEST(RhythmEntry, ABarTooLongForTheRowGoesOnInTheNextRowLikeAnImport) {
    NarrowRows t;
    t.Keys("1 c c 2 3 4 5 6 7 1 2 3 4");  // eleven sixteenths fill the row
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(1), Y(1)}));
    t.Keys("5 6 7 1 2");  // sixteen: one slot each, on into the next row
    std::vector<Seen> expected;
    const std::string digits = "1234567123456712";
    for (int i = 0; i < 16; ++i) {
        expected.push_back(
            {std::string(1, digits[i]), i < 11 ? 1 + i : i - 10, i < 11 ? 0 : 1, 2, 0, 0});
    }
    expected.push_back({"c", 6, 1, 0, 0, 0});
    EXPECT_EQ(SymbolsOf(t.Page(0)), expected);
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::Slur), 0);
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(7), Y(1)}));
    t.Keys("B");  // the bar opens again, its bar line goes
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 0);
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(5), Y(1)}));
}

TEST(RhythmEntry, ABarWrappingFromThePagesLastRowGoesOnOnANewPage) {
    NarrowRows t(7);
    t.Keys("1 c c 2 3 4 5 6 7 1 2 3 4 5 6 7 1 2");
    ASSERT_EQ(t.book->SheetCount(), 2);
    EXPECT_EQ(SymbolsOf(t.Page(0)).size(), 11u);
    EXPECT_EQ(SymbolsOf(t.Page(1)).size(), 6u);  // five numerals and the bar line
    EXPECT_EQ(SymbolsOf(t.Page(1)).back(), (Seen{"c", 6, 0, 0, 0, 0}));
}

TEST(RhythmEntry, BackspaceRemovesTheLastNoteAndReopensItsBar) {
    Typing t;
    t.Keys("1 2 3 4");
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 1);
    t.Keys("B");
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 0);
    EXPECT_EQ(SymbolsOf(t.Page(0)).size(), 3u);
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(7), Y(0)}));
    t.Keys("B B B B");
    EXPECT_TRUE(SymbolsOf(t.Page(0)).empty());
    t.Keys("5");
    EXPECT_EQ(SymbolsOf(t.Page(0)), (std::vector<Seen>{{"5", 1, 0, 0, 0, 0}}));
}

TEST(RhythmEntry, BackspaceTakesTheNotesMarksAlong) {
    Typing t;
    t.Keys("1 2");
    TNote* last = t.entry.LastNote();
    ASSERT_NE(last, nullptr);
    TMusicSign* sign = CreateItem<TMusicSign>(t.Page(0));
    sign->SetContent("P");
    last->Link(*sign);
    sign->Link(*last);
    t.Keys("B");
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::MusicSign), 0);
}

TEST(RhythmEntry, MarksMoveWithTheirNoteWhenTheBarIsLaidOutAgain) {
    Typing t;
    t.Keys("1 c 2 3 4 5 6 7 1");  // eight eighths: one slot each, no room to spare
    TNote* first = t.Page(0).GetItem(0)->As<TNote>();
    ASSERT_EQ(first->PosX(), X(1));
    TMusicSign* sign = CreateItem<TMusicSign>(t.Page(0));
    sign->SetPosX(X(1));
    sign->SetPosY(Y(0) - 20);
    first->Link(*sign);
    sign->Link(*first);
    // The rest of the bar is already full, so a note must go to the next bar.
    t.Keys("2");
    EXPECT_EQ(first->PosX(), X(1));
    EXPECT_EQ(sign->PosX(), X(1));
}

TEST(RhythmEntry, EachKeyIsOneUndoStepAndUndoGivesTheRunBack) {
    Typing t;
    t.Keys("1 2 3 4 5");
    const long afterFour = [&] {
        t.undo.Undo();
        return t.undo.StateId();
    }();
    EXPECT_EQ(SymbolsOf(t.Page(0)).size(), 5u);  // four notes and the bar line
    t.undo.Undo();
    EXPECT_EQ(SymbolsOf(t.Page(0)).size(), 3u);  // the bar line went with the fourth
    t.undo.Redo();
    ASSERT_EQ(t.undo.StateId(), afterFour);
    // The cursor goes back to where the kept run goes on, and typing continues.
    const std::optional<EntryPlace> next = t.entry.NextOf(afterFour);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(*next, (EntryPlace{0, X(10), Y(0)}));
    t.Keys("6");
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"6", 10, 0, 0, 0, 0}));
    t.Keys("B");  // the run after redo still knows its notes
    t.Keys("B");
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 0);
}

TEST(RhythmEntry, ADifferentCursorStartsANewRun) {
    Typing t;
    t.Keys("1 2");
    t.entry.Resume(t.undo.StateId(), {0, X(0), Y(2)});
    t.undo.BeginGroup();
    t.entry.Type('3');
    t.undo.EndGroup();
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"3", 1, 2, 0, 0, 0}));
    EXPECT_FALSE(t.entry.RemoveLast() && t.entry.RemoveLast());
}

}  // namespace
}  // namespace sorvel
