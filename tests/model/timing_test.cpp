// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/timing.h"
#include "model/horizbar.h"
#include "model/musicmark.h"
#include "modelfixture.h"

namespace sorvel::testing {
namespace {

class TimingTest : public ModelTest {
protected:
    // Places items left to right on one row, 30 units apart.
    template <class T = TNote>
    T* Next(const std::string& content, int length = 0) {
        x_ += 30;
        T* item = Add<T>(content, x_, 200);
        if constexpr (std::is_same_v<T, TNote>) item->SetLength(length);
        return item;
    }
    // A triplet mark above `first`, linked both ways as the editor links it.
    void MarkTriplet(TNote& first) {
        auto* mark = Add<T3ren>("Z", first.PosX(), 150);
        first.Link(*mark);
        mark->Link(first);
    }
    int x_ = 0;
};

TEST_F(TimingTest, TripletIsTheLinkedNoteAndTheNextTwo) {
    TNote* a = Next("1");
    TNote* b = Next("2");
    TNote* c = Next("3");
    TNote* d = Next("4");
    MarkTriplet(*a);
    ComputeTiming(*page);
    EXPECT_EQ(a->StepTime, 32);
    EXPECT_EQ(b->StepTime, 32);
    EXPECT_EQ(c->StepTime, 32);
    EXPECT_EQ(d->StepTime, 48);
}

TEST_F(TimingTest, BarLineInsideATripletEndsIt) {
    TNote* a = Next("1");
    a->SetFuten(1);  // the dot is ignored within a triplet
    TNote* b = Next("2");
    Next<TBarLine>("c");
    TNote* c = Next("3");
    MarkTriplet(*a);
    ComputeTiming(*page);
    EXPECT_EQ(a->StepTime, 32);
    EXPECT_EQ(b->StepTime, 32);
    EXPECT_EQ(c->StepTime, 48);
}

TEST_F(TimingTest, EighthTripletsAndShortLengths) {
    TNote* a = Next("1", 1);
    TNote* b = Next("2", 6);
    MarkTriplet(*a);
    ComputeTiming(*page);
    EXPECT_EQ(a->StepTime, 16);
    EXPECT_EQ(b->StepTime, 1);
}

TEST_F(TimingTest, FourFourBeatsAndRuns) {
    Next<TBeat>("$");
    std::vector<TNote*> bar1, bar2;
    for (int i = 0; i < 4; ++i) bar1.push_back(Next("5"));
    Next<TBarLine>("c");
    for (int i = 0; i < 2; ++i) bar2.push_back(Next("3"));
    ComputeTiming(*page);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(bar1[i]->StepNo, i + 1);
    EXPECT_EQ(bar1[0]->RNote, bar1[1]);
    EXPECT_EQ(bar1[3]->RNote, nullptr);
    EXPECT_EQ(bar2[0]->StepNo, 1);
    EXPECT_EQ(bar2[1]->StepNo, 2);
    EXPECT_EQ(bar2[1]->RNote, nullptr);  // last item of the page
}

TEST_F(TimingTest, SixEightGroupsEighthsInThrees) {
    Next<TBeat>("&");
    std::vector<TNote*> notes;
    for (int i = 0; i < 6; ++i) notes.push_back(Next("1", 1));
    ComputeTiming(*page);
    std::vector<int> steps;
    for (TNote* n : notes) steps.push_back(n->StepNo);
    EXPECT_EQ(steps, (std::vector<int>{1, 1, 1, 2, 2, 2}));
}

TEST_F(TimingTest, DottedRhythmsShareBeatsByTicks) {
    Next<TBeat>("#");
    TNote* a = Next("1", 1);
    a->SetFuten(1);           // 36
    TNote* b = Next("2", 2);  // 12
    TNote* c = Next("3");
    ComputeTiming(*page);
    EXPECT_EQ(a->StepNo, 1);
    EXPECT_EQ(b->StepNo, 1);
    EXPECT_EQ(c->StepNo, 2);
}

TEST_F(TimingTest, MultiBarRestEndsTheRunAndMarksDoNot) {
    TNote* a = Next("1");
    Add<TMusicSign>("P", a->PosX() + 5, 200);  // a mark between does not end the run
    TNote* b = Next("2");
    Next<THorizBar>("M");
    TNote* c = Next("3");
    ComputeTiming(*page);
    EXPECT_EQ(a->RNote, b);
    EXPECT_EQ(b->RNote, nullptr);
    EXPECT_EQ(c->StepNo, 1);
}

TEST_F(TimingTest, LastSymbolOfSectionWalksUntitledPages) {
    page->SetTitle("Piece");
    TNote* onFirst = Next("1");
    TMusicSheet* second = book->NewSheet();
    TMusicSheet* third = book->NewSheet();  // empty: not a candidate
    TMusicSheet* fourth = book->NewSheet();
    fourth->SetTitle("  Next piece ");
    auto* last = Add<TBarLine>("e", 500, 300, second);
    Add<TMusicSign>("P", 600, 300, second);  // not a symbol
    AddNote(10, 10, "1", fourth);
    EXPECT_EQ(LastSymbolOfSection(*page), last);
    EXPECT_EQ(LastSymbolOfSection(*third), nullptr);
    third->SetTitle(" ");  // blank titles do not start a piece
    EXPECT_EQ(LastSymbolOfSection(*page), last);
    second->SetTitle("x");
    EXPECT_EQ(LastSymbolOfSection(*page), onFirst);
}

}  // namespace
}  // namespace sorvel::testing
