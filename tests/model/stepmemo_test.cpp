// SPDX-License-Identifier: GPL-3.0-or-later
// What a tool keeps with a state of the book lives and leaves with its step.
#include <memory>

#include "modelfixture.h"

namespace sorvel::testing {
namespace {

struct Place : StepMemo {
    explicit Place(int v) : value(v) {}
    int value;
};

int MemoValue(const TUndo& undo, long stateId) {
    const auto* memo = dynamic_cast<const Place*>(undo.MemoOf(stateId));
    return memo ? memo->value : -1;
}

TEST_F(ModelTest, AMemoComesBackWithItsStateThroughUndoAndRedo) {
    TNote* note = AddNote(0, 100);
    const long fresh = undo.StateId();
    EXPECT_TRUE(undo.SetMemo(fresh, std::make_shared<Place>(0)));
    Step([&] { note->SetPosX(1); });
    const long first = undo.StateId();
    EXPECT_EQ(undo.MemoOf(first), nullptr);  // a new step starts without one
    undo.SetMemo(first, std::make_shared<Place>(1));
    Step([&] { note->SetPosX(2); });
    undo.SetMemo(undo.StateId(), std::make_shared<Place>(2));
    // Setting it again for the same state replaces it.
    undo.SetMemo(undo.StateId(), std::make_shared<Place>(22));
    undo.Undo();
    EXPECT_EQ(MemoValue(undo, undo.StateId()), 1);
    undo.Undo();
    EXPECT_EQ(MemoValue(undo, undo.StateId()), 0);
    undo.Redo();
    undo.Redo();
    EXPECT_EQ(MemoValue(undo, undo.StateId()), 22);
}

TEST_F(ModelTest, AMemoLeavesWithItsLostRedoStep) {
    TNote* note = AddNote(0, 100);
    Step([&] { note->SetPosX(1); });
    const long undone = undo.StateId();
    undo.SetMemo(undone, std::make_shared<Place>(1));
    undo.Undo();
    EXPECT_EQ(MemoValue(undo, undone), 1);  // still there to be redone
    Step([&] { note->SetPosX(2); });
    EXPECT_EQ(undo.MemoOf(undone), nullptr);
    EXPECT_FALSE(undo.SetMemo(undone, std::make_shared<Place>(3)));
    // The new step's slot is the one the lost step had: it starts empty.
    EXPECT_EQ(undo.MemoOf(undo.StateId()), nullptr);
}

TEST_F(ModelTest, TheOldestStepsMemoStaysWithTheStateTheHistoryNowStartsFrom) {
    TNote* note = AddNote(0, 100);
    const long fresh = undo.StateId();
    undo.SetMemo(fresh, std::make_shared<Place>(0));
    std::vector<long> states;
    for (int i = 1; i <= 60; ++i) {
        Step([&] { note->SetPosX(i); });
        states.push_back(undo.StateId());
        undo.SetMemo(undo.StateId(), std::make_shared<Place>(i));
    }
    EXPECT_EQ(undo.MemoOf(fresh), nullptr);
    for (int i = 1; i <= 9; ++i) EXPECT_EQ(undo.MemoOf(states[i - 1]), nullptr) << i;
    while (undo.CanUndo()) undo.Undo();
    // Ten steps left the ring; the state after the tenth is where it starts.
    EXPECT_EQ(undo.StateId(), states[9]);
    EXPECT_EQ(MemoValue(undo, undo.StateId()), 10);
    while (undo.CanRedo()) undo.Redo();
    EXPECT_EQ(MemoValue(undo, undo.StateId()), 60);
}

TEST_F(ModelTest, ClearDropsEveryMemo) {
    TNote* note = AddNote(0, 100);
    Step([&] { note->SetPosX(1); });
    const long before = undo.StateId();
    undo.SetMemo(before, std::make_shared<Place>(1));
    undo.Clear();
    EXPECT_EQ(undo.MemoOf(before), nullptr);
    EXPECT_EQ(undo.MemoOf(undo.StateId()), nullptr);
}

}  // namespace
}  // namespace sorvel::testing
