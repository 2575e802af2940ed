// SPDX-License-Identifier: GPL-3.0-or-later
// Rhythm entry's pitches: the octave nearest the note before (at a fourth,
// at a tritone both ways, after x and z, past rests, with accidentals),
// accidentals typed onto the note just typed without moving the run, and
// grace notes typed before a note, written as the palette's group of grace
// notes; each step one undo step.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "edit/nearestoctave.h"
#include "edit/rhythmentry.h"
#include "model/daon.h"
#include "model/glyphinfotable.h"

#include "rhythmentryfixture.h"

namespace sorvel {
namespace {

using namespace rhythmentrytest;

// Every numeral of the page in reading order as a player names it: the
// accidental ("#", "b", "n"), the digit, a "'" or "," for each octave dot.
std::vector<std::string> Pitches(const TMusicSheet& page) {
    std::vector<std::string> out;
    std::vector<const TNote*> notes;
    for (int i = 0; i < page.ItemCount(); ++i) {
        if (const TNote* note = dynamic_cast<const TNote*>(page.GetItem(i))) notes.push_back(note);
    }
    std::sort(notes.begin(), notes.end(), [](const TNote* a, const TNote* b) {
        return a->PosY() != b->PosY() ? a->PosY() < b->PosY() : a->PosX() < b->PosX();
    });
    for (const TNote* note : notes) {
        if (note->Content() == "8") continue;
        std::string text;
        if (note->Rinji() == "`") text += "#";
        if (note->Rinji() == "a") text += "b";
        if (note->Rinji() == "b") text += "n";
        text += note->Content();
        text += std::string(static_cast<std::size_t>(std::max(0, note->Octave())), '\'');
        text += std::string(static_cast<std::size_t>(std::max(0, -note->Octave())), ',');
        out.push_back(text);
    }
    return out;
}

using Texts = std::vector<std::string>;

// Typing with the nearest-octave rule on.
struct Nearest : Typing {
    Nearest() { entry.SetNearestOctave(true); }
};

TEST(NearestOctave, ADegreeGoesWithinAFourthOfThePitchBefore) {
    const int g = SoundingPitch('5', 0, {}), c = SoundingPitch('1', 0, {});
    EXPECT_EQ(NearestOctave('1', g, 0, 0), 1);   // G up a fourth to C
    EXPECT_EQ(NearestOctave('5', c, 0, 0), -1);  // C down a fourth to G
    EXPECT_EQ(NearestOctave('3', SoundingPitch('6', 0, {}), 0, 0), 0);
    EXPECT_EQ(NearestOctave('5', g, 0, 0), 0);  // the same degree stays
    // Accidentals count: C down to an F sharp below is a tritone, to an F
    // natural above a fifth, so F natural goes down a fourth.
    EXPECT_EQ(NearestOctave('4', SoundingPitch('7', 0, "a"), 0, 0), 0);  // B flat down to F
    EXPECT_EQ(NearestOctave('4', SoundingPitch('7', 0, "`"), 0, 0), 1);  // B sharp (C) up to F
    // The octaves end at three dots either way.
    EXPECT_EQ(NearestOctave('1', SoundingPitch('7', 3, {}), 3, 0), 3);
    EXPECT_EQ(NearestOctave('7', SoundingPitch('1', -3, {}), -3, 0), -3);
}

TEST(NearestOctave, ATritoneGoesTheWayTheMelodyMoves) {
    const int f = SoundingPitch('4', 0, {}), b = SoundingPitch('7', 0, {});
    EXPECT_EQ(NearestOctave('7', f, 0, 1), 0);    // up to the B above
    EXPECT_EQ(NearestOctave('7', f, 0, -2), -1);  // down to the B below
    EXPECT_EQ(NearestOctave('7', f, 0, 0), 0);    // no step: in F's octave
    EXPECT_EQ(NearestOctave('4', b, 0, 2), 1);
    EXPECT_EQ(NearestOctave('4', b, 0, -1), 0);
    EXPECT_EQ(NearestOctave('1', SoundingPitch('4', 0, "`"), 0, 2), 1);  // F sharp up to C
}

TEST(RhythmEntryOctave, EachDigitGoesNearTheNoteBeforeAndTheRunStartsInTheMiddle) {
    Nearest t;
    t.Keys("5 1 3 6 2 5 1");  // each a fourth up: on up to the highest octave
    EXPECT_EQ(Pitches(t.Page(0)), (Texts{"5", "1'", "3'", "6'", "2''", "5''", "1'''"}));
    // Past a rest the note before it counts.
    Nearest u;
    u.Keys("1 0 5");
    EXPECT_EQ(Pitches(u.Page(0)), (Texts{"1", "0", "5,"}));
    // A new run starts in the middle octave again.
    Nearest v;
    v.Keys("5 1 3");
    v.KeysAt({0, X(1), Y(3)}, "3");
    EXPECT_EQ(Pitches(v.Page(0)), (Texts{"5", "1'", "3'", "3"}));
}

TEST(RhythmEntryOctave, AtATritoneTheLastStepDecides) {
    Nearest up;
    up.Keys("3 4 7 4");  // E F up, B above F, then F above B
    EXPECT_EQ(Pitches(up.Page(0)), (Texts{"3", "4", "7", "4'"}));
    Nearest down;
    down.Keys("2 1 7 4");  // down to B below C, on down to F below B
    EXPECT_EQ(Pitches(down.Page(0)), (Texts{"2", "1", "7,", "4,"}));
    Nearest same;
    same.Keys("4 4 7");  // no step: in F's octave
    EXPECT_EQ(Pitches(same.Page(0)), (Texts{"4", "4", "7"}));
}

TEST(RhythmEntryOctave, XAndZMoveTheNoteAndTheNextNotesFollowFromThere) {
    Nearest t;
    t.Keys("5 1 z 2 3 x 2");
    EXPECT_EQ(Pitches(t.Page(0)), (Texts{"5", "1", "2", "3'", "2'"}));
    // Off, the digits take the middle octave as typed.
    Typing off;
    off.Keys("5 1 3 6 2");
    EXPECT_EQ(Pitches(off.Page(0)), (Texts{"5", "1", "3", "6", "2"}));
}

TEST(RhythmEntryOctave, TheNoteBeforeSoundsWithItsAccidental) {
    Nearest natural;
    natural.Keys("3 4 1");  // F down a fourth to C
    EXPECT_EQ(Pitches(natural.Page(0)), (Texts{"3", "4", "1"}));
    Nearest sharp;
    sharp.Keys("3 4 # 1");  // F sharp to C is a tritone; the melody rose
    EXPECT_EQ(Pitches(sharp.Page(0)), (Texts{"3", "#4", "1'"}));
    Nearest rising;
    rising.Keys("6 7 4");  // B to F is a tritone; the melody rose
    EXPECT_EQ(Pitches(rising.Page(0)), (Texts{"6", "7", "4'"}));
    Nearest flat;
    flat.Keys("6 7 b 4");  // B flat down a fourth to F
    EXPECT_EQ(Pitches(flat.Page(0)), (Texts{"6", "b7", "4"}));
}

TEST(RhythmEntryAccidental, TypedOnTheNoteJustTypedWithoutMovingTheRun) {
    Typing t;
    t.Keys("1 2 3");
    const int steps = t.undo.UndoCount();
    t.Keys("#");
    EXPECT_EQ(t.undo.UndoCount(), steps + 1);
    EXPECT_EQ(Pitches(t.Page(0)), (Texts{"1", "2", "#3"}));
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(7), Y(0)}));
    // The next digit goes after the note, and the full bar gets its line.
    t.Keys("4 n");
    EXPECT_EQ(SymbolsOf(t.Page(0)), (std::vector<Seen>{{"1", 1, 0, 0, 0, 0},
                                                       {"2", 3, 0, 0, 0, 0},
                                                       {"3", 5, 0, 0, 0, 0},
                                                       {"4", 7, 0, 0, 0, 0},
                                                       {"c", 9, 0, 0, 0, 0}}));
    EXPECT_EQ(Pitches(t.Page(0)), (Texts{"1", "2", "#3", "n4"}));
    t.Keys("n b");  // the same key takes it off; another one replaces it
    EXPECT_EQ(Pitches(t.Page(0)), (Texts{"1", "2", "#3", "b4"}));
    t.Keys("5");
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"5", 10, 0, 0, 0, 0}));
    // Each accidental undoes on its own; the run goes on where it was.
    t.undo.Undo();
    t.undo.Undo();  // the 5 and the flat: the second n had taken the natural off
    EXPECT_EQ(Pitches(t.Page(0)), (Texts{"1", "2", "#3", "4"}));
    t.Keys("6");
    EXPECT_EQ(Pitches(t.Page(0)), (Texts{"1", "2", "#3", "4", "6"}));
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"6", 10, 0, 0, 0, 0}));
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 1);
}

TEST(RhythmEntryAccidental, ARestOrNothingTakesNone) {
    Typing t;
    t.Keys("#");
    EXPECT_EQ(t.undo.UndoCount(), 0);
    t.Keys("5 0 #");
    EXPECT_EQ(Pitches(t.Page(0)), (Texts{"5", "0"}));
    EXPECT_EQ(t.undo.UndoCount(), 2);
}

TEST(RhythmEntryAccidental, ASharpOnANoteTiedOverTheBarLineKeepsTheTie) {
    Typing t;
    t.Keys("1 2 3 4 v #");  // the half note on the fourth beat is tied over
    EXPECT_EQ(Pitches(t.Page(0)), (Texts{"1", "2", "3", "#4", "4"}));
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::Slur), 1);
    t.Keys("5");  // a half note after the tied quarter, in the second bar
    EXPECT_EQ(Pitches(t.Page(0)), (Texts{"1", "2", "3", "#4", "4", "5"}));
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 1);
}

// The one group of grace notes of a page.
const TDaonLeft* GroupOf(const TMusicSheet& page) {
    const TDaonLeft* found = nullptr;
    for (int i = 0; i < page.ItemCount(); ++i) {
        if (const auto* group = page.GetItem(i)->As<TDaonLeft>()) {
            EXPECT_EQ(found, nullptr) << "a second group";
            found = group;
        }
    }
    return found;
}

TEST(RhythmEntryGrace, GAndADigitMakeAGraceNoteOfTheNoteAfterIt) {
    Nearest t;
    t.entry.SetEightSize({12, 21});
    t.Keys("3");
    const int steps = t.undo.UndoCount();
    t.Keys("g 5");  // two keys; nothing written until its note comes
    EXPECT_EQ(t.undo.UndoCount(), steps);
    EXPECT_EQ(t.entry.WaitingGraces(), (std::vector<RhythmEntry::Grace>{{'5', 0}}));
    t.Keys("3");
    EXPECT_EQ(t.undo.UndoCount(), steps + 1);  // the note and its grace note are one step
    const TDaonLeft* group = GroupOf(t.Page(0));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->AllNoteData(), "53  3  3  3 ");
    EXPECT_EQ(group->Content(), "K");
    EXPECT_EQ(group->Length(), 1);
    // Placed and linked as the palette places a grace-note group.
    const TNote* three = t.entry.LastNote();
    ASSERT_EQ(group->LinkCount(), 1);
    EXPECT_EQ(group->GetLink(0), three);
    EXPECT_TRUE(three->IsLinkedTo(group));
    EXPECT_EQ(group->PosX(), three->PosX());
    EXPECT_EQ(group->PosY(), three->PosY() - 21 * t.glyphs.Lookup('K').OffsetRate / 100);
    EXPECT_TRUE(t.entry.WaitingGraces().empty());
    // The time is the main note's alone.
    EXPECT_EQ(ReadBack(t.Page(0), 192), (std::vector<Heard>{{'3', 0, 0, 48}, {'3', 0, 48, 48}}));
    t.undo.Undo();
    EXPECT_EQ(GroupOf(t.Page(0)), nullptr);
}

TEST(RhythmEntryGrace, SeveralMakeAGroupWithTheirOwnOctaves) {
    Nearest t;
    t.Keys("5 g 6 g 1 x g 6 5");  // after the 5: grace 6, a high 1 raised again, 6
    const TDaonLeft* group = GroupOf(t.Page(0));
    ASSERT_NE(group, nullptr);
    // 6 near 5; 1 near 6 is the high one, x raises it once more; 6 near it.
    EXPECT_EQ(group->AllNoteData(), "63 15 64  3 ");
    // The main note follows the last grace note: 5 near the high 6.
    EXPECT_EQ(Pitches(t.Page(0)), (Texts{"5", "5'"}));
}

TEST(RhythmEntryGrace, KeysThatCannotApplyAreRefusedWithAWord) {
    Typing t;
    t.Keys("1 g 5");
    t.Keys("#");
    EXPECT_EQ(t.entry.Notice(), EntryNotice::kGraceNoAccidental);
    t.Keys("c");
    EXPECT_EQ(t.entry.Notice(), EntryNotice::kGraceWaits);
    EXPECT_EQ(t.entry.CurrentTicks(), 48);
    t.Keys("0");  // grace notes lead to a sounding note
    EXPECT_EQ(t.entry.Notice(), EntryNotice::kGraceWaits);
    t.Keys("g 6 g 5 g 6 g");
    EXPECT_EQ(t.entry.Notice(), EntryNotice::kGraceFull);
    EXPECT_EQ(t.entry.WaitingGraces().size(), 4u);
    t.Keys("3");
    EXPECT_EQ(GroupOf(t.Page(0))->AllNoteData(), "53 63 53 63 ");
    EXPECT_EQ(Pitches(t.Page(0)), (Texts{"1", "3"}));
}

TEST(RhythmEntryGrace, BackspaceTakesBackTheGraceNotesOneByOne) {
    Typing t;
    t.Keys("1 g 5 g 6 B");
    EXPECT_EQ(t.entry.WaitingGraces(), (std::vector<RhythmEntry::Grace>{{'5', 0}}));
    t.Keys("g B");  // an armed g goes first
    EXPECT_FALSE(t.entry.GraceArmed());
    t.Keys("B 2");
    EXPECT_EQ(GroupOf(t.Page(0)), nullptr);
    EXPECT_EQ(Pitches(t.Page(0)), (Texts{"1", "2"}));
    // The note goes with its group.
    t.Keys("g 3 4 B");
    EXPECT_EQ(GroupOf(t.Page(0)), nullptr);
    EXPECT_EQ(Pitches(t.Page(0)), (Texts{"1", "2"}));
}

TEST(RhythmEntryGrace, TheGroupMovesWithItsNoteWhenTheBarIsLaidOutAgain) {
    Typing t;
    t.Keys("c c 1 2 3 4 5 6 7 g 5 1");  // nine sixteenths: one slot a numeral
    const TNote* one = t.entry.LastNote();
    const TDaonLeft* group = GroupOf(t.Page(0));
    ASSERT_NE(group, nullptr);
    const int dx = group->PosX() - one->PosX(), dy = group->PosY() - one->PosY();
    t.Keys("2 3 4 5 6 7 1 2 3 4 5");  // more notes, the bar spreads again
    EXPECT_EQ(group->PosX() - one->PosX(), dx);
    EXPECT_EQ(group->PosY() - one->PosY(), dy);
}

}  // namespace
}  // namespace sorvel
