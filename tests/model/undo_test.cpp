// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <vector>

#include "model/musicmark.h"
#include "model/textbox.h"
#include "modelfixture.h"

namespace sorvel::testing {
namespace {

TEST_F(ModelTest, RingHoldsFiftySteps) {
    TNote* note = AddNote(0, 100);
    for (int i = 1; i <= 50; ++i) Step([&] { note->SetPosX(i); });
    EXPECT_EQ(undo.UndoCount(), 50);
    Step([&] { note->SetPosX(51); });  // the first step is dropped
    EXPECT_EQ(undo.UndoCount(), 50);
    int undos = 0;
    while (undo.CanUndo()) {
        undo.Undo();
        ++undos;
    }
    EXPECT_EQ(undos, 50);
    EXPECT_EQ(note->PosX(), 1);
    while (undo.CanRedo()) undo.Redo();
    EXPECT_EQ(note->PosX(), 51);
}

TEST_F(ModelTest, RingKeepsWorkingAcrossManyWraps) {
    TNote* note = AddNote(0, 100);
    for (int i = 1; i <= 500; ++i) {
        Step([&] { note->SetPosX(i); });
        if (i % 7 == 0) {
            undo.Undo();
            undo.Undo();
            undo.Redo();
        }
    }
    EXPECT_LE(undo.UndoCount(), 50);
    int before = note->PosX();
    undo.Undo();
    EXPECT_NE(note->PosX(), before);
    undo.Redo();
    EXPECT_EQ(note->PosX(), before);
}

// The state id is what "unsaved changes" is measured by: the id at saving
// must come back exactly when the saved state does.
TEST_F(ModelTest, StateIdReturnsWithTheStateItNames) {
    TNote* note = AddNote(0, 100);
    const long fresh = undo.StateId();
    Step([&] { note->SetPosX(1); });
    const long saved = undo.StateId();
    EXPECT_NE(saved, fresh);
    undo.Undo();
    EXPECT_EQ(undo.StateId(), fresh);
    undo.Redo();
    EXPECT_EQ(undo.StateId(), saved);
    Step([&] { note->SetPosX(2); });
    undo.Undo();
    EXPECT_EQ(undo.StateId(), saved);
    // A new step after undoing the saved one: the saved state is gone for good.
    undo.Undo();
    Step([&] { note->SetPosX(3); });
    EXPECT_NE(undo.StateId(), saved);
    undo.Undo();
    EXPECT_EQ(undo.StateId(), fresh);
    undo.Clear();
    EXPECT_NE(undo.StateId(), fresh);
}

TEST_F(ModelTest, StateIdSurvivesTheOldestStepLeavingTheRing) {
    TNote* note = AddNote(0, 100);
    Step([&] { note->SetPosX(1); });
    const long afterFirst = undo.StateId();
    for (int i = 2; i <= 51; ++i) Step([&] { note->SetPosX(i); });
    // The first step left the ring: undoing everything reaches the state after it.
    while (undo.CanUndo()) undo.Undo();
    EXPECT_EQ(note->PosX(), 1);
    EXPECT_EQ(undo.StateId(), afterFirst);
    std::vector<long> seen;
    for (int i = 0; i < 200; ++i) {
        Step([&] { note->SetPosX(100 + i); });
        seen.push_back(undo.StateId());
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end());
}

TEST_F(ModelTest, NewActionAfterUndoDropsRedo) {
    TNote* note = AddNote(0, 100);
    Step([&] { note->SetPosX(1); });
    Step([&] { note->SetPosX(2); });
    undo.Undo();
    EXPECT_TRUE(undo.CanRedo());
    Step([&] { note->SetPosX(3); });
    EXPECT_FALSE(undo.CanRedo());
    undo.Undo();
    EXPECT_EQ(note->PosX(), 1);
}

TEST_F(ModelTest, EmptyOrDiscardedGroupsPushNoStep) {
    TNote* note = AddNote(0, 100);
    Step([] {});
    EXPECT_FALSE(undo.CanUndo());
    undo.BeginGroup();
    note->SetPosX(40);
    undo.DiscardGroup();
    EXPECT_EQ(note->PosX(), 40);  // the change stays in the document
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_FALSE(undo.GroupOpen());
}

// Groups do not nest. The second BeginGroup used to start afresh and lose
// what the outer group had recorded; a debug build now stops there, and a
// release build keeps every command in the outer group's one step.
TEST_F(ModelTest, NestedGroupIsAFaultThatLosesNothing) {
    TNote* note = AddNote(0, 100);
#ifndef NDEBUG
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            undo.BeginGroup("outer");
            undo.BeginGroup("inner");
        },
        "groups do not nest");
#else
    undo.BeginGroup("outer");
    note->SetPosX(1);
    undo.BeginGroup("inner");
    note->SetPosX(2);
    undo.EndGroup();
    EXPECT_TRUE(undo.GroupOpen());
    note->SetPosX(3);
    undo.EndGroup();
    EXPECT_FALSE(undo.GroupOpen());
    EXPECT_EQ(undo.UndoCount(), 1);
    EXPECT_EQ(undo.UndoLabel(), "outer");
    undo.Undo();
    EXPECT_EQ(note->PosX(), 0);
#endif
    EXPECT_EQ(note->PosX(), 0);
}

TEST_F(ModelTest, StepsKeepTheirLabelsThroughUndoAndRedo) {
    TNote* note = AddNote(0, 100);
    undo.BeginGroup("move");
    note->SetPosX(1);
    undo.EndGroup();
    undo.BeginGroup("raise");
    note->SetPosY(50);
    undo.EndGroup();
    EXPECT_EQ(undo.UndoLabel(), "raise");
    EXPECT_EQ(undo.RedoLabel(), "");
    undo.Undo();
    EXPECT_EQ(undo.UndoLabel(), "move");
    EXPECT_EQ(undo.RedoLabel(), "raise");
    undo.Undo();
    EXPECT_EQ(undo.UndoLabel(), "");
    undo.BeginGroup("other");
    note->SetPosX(2);
    undo.EndGroup();
    EXPECT_EQ(undo.UndoLabel(), "other");
    EXPECT_EQ(undo.RedoLabel(), "");  // the lost redo steps took their labels along
    undo.Clear();
    EXPECT_EQ(undo.UndoLabel(), "");
}

// A history that refuses changes outside a group still allows them inside
// one and while a book is being built; everything else is a fault.
TEST_F(ModelTest, ChangesOutsideGroupsAreRefusedWhereTheHistoryAsks) {
    TNote* note = AddNote(0, 100);
    EXPECT_FALSE(undo.RefusesChangeNow());  // the default: tests and batch books edit freely
    undo.RefuseChangesOutsideGroups();
    EXPECT_TRUE(undo.RefusesChangeNow());
    Step([&] { note->SetPosX(5); });
    EXPECT_EQ(undo.UndoCount(), 1);
    undo.Undo();  // replaying a step records nothing and is no fault
    EXPECT_EQ(note->PosX(), 0);
    undo.Redo();
    EXPECT_EQ(note->PosX(), 5);
    {
        const UntrackedChanges building(&undo);
        EXPECT_FALSE(undo.RefusesChangeNow());
        note->SetPosX(6);
    }
    EXPECT_EQ(undo.UndoCount(), 1);  // nothing recorded
    EXPECT_TRUE(undo.RefusesChangeNow());
    NewBook();  // a new book is built untracked
    EXPECT_TRUE(undo.RefusesChangeNow());
#ifndef NDEBUG
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TNote* fresh = nullptr;
    Step([&] { fresh = AddNote(0, 100, "5", book->GetSheet(0)); });
    EXPECT_DEATH(fresh->SetPosX(7), "outside an undo group");
#endif
}

TEST_F(ModelTest, UndoingADeleteRestoresTheItemAndBothLinkDirections) {
    TNote* note = AddNote(100, 100);
    auto* a = Add<TMusicSign>("P", 100, 60);
    auto* b = Add<TMusicSign>("R", 100, 40);
    for (TMusicItem* m : {static_cast<TMusicItem*>(a), static_cast<TMusicItem*>(b)}) {
        m->Link(*note);
        note->Link(*m);
    }
    Step([&] { note->Delete(); });
    EXPECT_EQ(page->IndexOfItem(note), -1);
    undo.Undo();
    EXPECT_GE(page->IndexOfItem(note), 0);
    EXPECT_FALSE(undo.Container().Contains(note));
    EXPECT_TRUE(note->IsLinkedTo(a) && note->IsLinkedTo(b));
    EXPECT_TRUE(a->IsLinkedTo(note) && b->IsLinkedTo(note));
    EXPECT_EQ(note->LinkCount(), 2);
    undo.Redo();
    EXPECT_EQ(page->IndexOfItem(note), -1);
    EXPECT_EQ(a->LinkCount(), 0);
    EXPECT_EQ(note->LinkCount(), 0);
}

TEST_F(ModelTest, UndoingACreationKeepsTheItemForRedo) {
    TNote* note = nullptr;
    Step([&] { note = AddNote(10, 10); });
    note->selected = true;
    undo.Undo();
    EXPECT_EQ(page->ItemCount(), 0);
    EXPECT_TRUE(undo.Container().Contains(note));
    undo.Redo();
    EXPECT_EQ(page->GetItem(0), note);
    EXPECT_FALSE(note->selected);
    EXPECT_EQ(note->PosX(), 10);
}

TEST_F(ModelTest, DroppingTheOldestStepFreesWhatOnlyItHeld) {
    TNote* gone = AddNote(10, 10);
    TNote* back = AddNote(20, 20);
    TNote* other = AddNote(30, 30);
    Step([&] { gone->Delete(); });
    Step([&] { back->Delete(); });
    undo.Undo();                        // `back` returns to the page
    Step([&] { other->SetPosX(31); });  // and its deletion step is gone for good
    EXPECT_EQ(undo.Container().Count(), 1u);
    for (int i = 0; i < 49; ++i) Step([&] { other->SetPosX(100 + i); });
    // The deletion of `gone` was the oldest step: dropping it destroyed the item.
    EXPECT_EQ(undo.Container().Count(), 0u);
    EXPECT_GE(page->IndexOfItem(back), 0);
    back->SetPosX(21);  // still alive (the sanitizer build checks this)
    EXPECT_EQ(page->ItemCount(), 2);
}

TEST_F(ModelTest, AKeptItemOutlivesItsDeletionStepUntilLetGo) {
    TNote* kept = AddNote(10, 10);
    TNote* other = AddNote(30, 30);
    Step([&] { kept->Delete(); });
    undo.Keep(*kept);
    for (int i = 0; i < 51; ++i) Step([&] { other->SetPosX(100 + i); });
    // The deletion step is gone; the item waits in the container.
    ASSERT_TRUE(undo.Container().Contains(kept));
    EXPECT_EQ(kept->PosX(), 10);  // still alive (the sanitizer build checks this)
    undo.LetGo(kept);
    EXPECT_EQ(undo.Container().Count(), 0u);
    // Kept while a page deleted later holds it: the page stays too.
    TMusicSheet* second = book->NewSheet();
    TNote* onSecond = AddNote(10, 10, "5", second);
    Step([&] { onSecond->Delete(); });
    undo.Keep(*onSecond);
    Step([&] { second->DeleteSheet(); });
    for (int i = 0; i < 51; ++i) Step([&] { other->SetPosX(200 + i); });
    EXPECT_TRUE(undo.Container().Contains(second));
    EXPECT_EQ(&onSecond->Sheet(), second);
    undo.LetGo(onSecond);
    EXPECT_EQ(undo.Container().Count(), 0u);
}

TEST_F(ModelTest, NewStepAfterUndoFreesWhatTheLostRedoStepsCreated) {
    TNote* note = AddNote(0, 100);
    TMusicSheet* second = nullptr;
    Step([&] { AddNote(10, 10); });
    Step([&] {
        second = book->NewSheet();
        undo.RecordSheetInsert(*second, 1);
        AddNote(20, 20, "5", second);
    });
    Step([&] {
        TMusicSign* mark = Add<TMusicSign>("P", 0, 60);
        mark->Link(*note);
        note->Link(*mark);
    });
    for (int i = 0; i < 3; ++i) undo.Undo();
    // What the three steps created waits in the container: two notes, the
    // page and the mark.
    EXPECT_EQ(undo.Container().Count(), 4u);
    EXPECT_EQ(note->LinkCount(), 0);
    Step([&] { note->SetPosX(5); });
    EXPECT_FALSE(undo.CanRedo());
    EXPECT_EQ(undo.Container().Count(), 0u);
    EXPECT_EQ(book->SheetCount(), 1);
    EXPECT_EQ(page->ItemCount(), 1);
    undo.Undo();
    EXPECT_EQ(note->PosX(), 0);
}

TEST_F(ModelTest, LostRedoStepsFreeOnlyWhatTheyCreated) {
    TNote* kept = AddNote(10, 10);
    TNote* made = nullptr;
    Step([&] { made = AddNote(20, 20); });
    Step([&] { made->Delete(); });  // created, then deleted, in two later steps
    Step([&] { kept->Delete(); });  // an item older than every step
    for (int i = 0; i < 3; ++i) undo.Undo();
    EXPECT_EQ(undo.Container().Count(), 1u);  // `made`, whose creation is undone
    Step([&] { kept->SetPosX(11); });
    EXPECT_EQ(undo.Container().Count(), 0u);  // freed once, by its creation step
    EXPECT_EQ(page->GetItem(0), kept);        // its deletion was undone: it stays
    EXPECT_EQ(page->ItemCount(), 1);
    undo.Undo();
    EXPECT_EQ(kept->PosX(), 10);
}

TEST_F(ModelTest, LinkedItemsFreedFromTheContainerLeaveNoDanglingLinks) {
    TNote* note = AddNote(10, 10);
    TMusicSign* mark = nullptr;
    Step([&] {
        mark = Add<TMusicSign>("P", 10, 0);
        mark->Link(*note);
        note->Link(*mark);
    });
    undo.Undo();  // the mark goes to the container, unlinked both ways
    EXPECT_EQ(note->LinkCount(), 0);
    undo.Clear();  // destroys the mark
    Step([&] { note->Delete(); });
    undo.Undo();
    EXPECT_EQ(note->LinkCount(), 0);
}

TEST_F(ModelTest, PageInsertAndDeleteUndoAndRedo) {
    TMusicSheet* second = nullptr;
    Step([&] {
        second = book->NewSheet();
        undo.RecordSheetInsert(*second, 1);
    });
    undo.Undo();
    EXPECT_EQ(book->SheetCount(), 1);
    EXPECT_TRUE(undo.Container().Contains(second));
    undo.Redo();
    EXPECT_EQ(book->GetSheet(1), second);

    AddNote(5, 5, "1", second);
    Step([&] { second->DeleteSheet(); });
    EXPECT_EQ(book->SheetCount(), 1);
    undo.Undo();
    EXPECT_EQ(book->GetSheet(1), second);
    EXPECT_EQ(second->ItemCount(), 1);
    undo.Redo();
    // Drop the deletion off the end of the ring: the page and its items go.
    TNote* note = AddNote(0, 100);
    for (int i = 0; i < 52; ++i) Step([&] { note->SetPosX(i + 1); });
    EXPECT_FALSE(undo.Container().Contains(second));
    EXPECT_EQ(book->SheetCount(), 1);
}

// An item on a deleted page stays reachable through a link from another page:
// a later step (deleting the linked item) records the unlink and names it.
TEST_F(ModelTest, DroppedPageDeletionKeepsWhatLaterStepsStillName) {
    TMusicSheet* second = book->NewSheet();
    TNote* y = AddNote(10, 10);
    auto* x = Add<TMusicSign>("P", 10, 0, second);
    x->Link(*y);
    y->Link(*x);
    TNote* other = AddNote(50, 50);
    Step([&] { second->DeleteSheet(); });
    Step([&] { y->Delete(); });
    for (int i = 0; i < 49; ++i) Step([&] { other->SetPosX(i + 1); });
    // The page deletion has dropped out of the ring; y's deletion has not.
    EXPECT_EQ(undo.UndoCount(), 50);
    EXPECT_TRUE(undo.Container().Contains(second));
    while (undo.CanUndo()) undo.Undo();
    EXPECT_GE(page->IndexOfItem(y), 0);
    EXPECT_TRUE(y->IsLinkedTo(x));
    EXPECT_TRUE(x->IsLinkedTo(y));
    EXPECT_EQ(other->PosX(), 50);

    // A new step discards y's deletion: nothing names the page any more, and
    // freeing it takes x's link out of y.
    Step([&] { other->SetPosX(7); });
    EXPECT_FALSE(undo.Container().Contains(second));
    EXPECT_EQ(y->LinkCount(), 0);
    EXPECT_EQ(book->SheetCount(), 1);
    undo.Undo();
    EXPECT_EQ(other->PosX(), 50);
}

TEST_F(ModelTest, PageHeldForALaterStepIsFreedWhenThatStepDropsToo) {
    TMusicSheet* second = book->NewSheet();
    TNote* y = AddNote(10, 10);
    auto* x = Add<TMusicSign>("P", 10, 0, second);
    x->Link(*y);
    y->Link(*x);
    TNote* other = AddNote(50, 50);
    Step([&] { second->DeleteSheet(); });
    Step([&] { y->Delete(); });
    for (int i = 0; i < 49; ++i) Step([&] { other->SetPosX(i + 1); });
    // Back and forth over the dropped step's neighbour, with the ring wrapped.
    for (int round = 0; round < 3; ++round) {
        while (undo.CanUndo()) undo.Undo();
        EXPECT_TRUE(y->IsLinkedTo(x));
        while (undo.CanRedo()) undo.Redo();
        EXPECT_EQ(page->IndexOfItem(y), -1);
        EXPECT_FALSE(y->IsLinkedTo(x));
    }
    EXPECT_EQ(undo.Container().Count(), 2u);  // the page (with x) and y
    Step([&] { other->SetPosX(200); });       // y's deletion drops out now
    EXPECT_EQ(undo.Container().Count(), 0u);
    EXPECT_EQ(undo.UndoCount(), 50);
    while (undo.CanUndo()) undo.Undo();
    EXPECT_EQ(other->PosX(), 50);
    EXPECT_EQ(page->IndexOfItem(y), -1);  // its deletion can no longer be undone
}

// Random editing across pages with links between them, many times around the
// ring: every undo and redo must only touch live objects (the sanitizer build
// checks) and leave the links symmetric.
TEST_F(ModelTest, RandomEditingAcrossPagesKeepsEveryReachableObjectAlive) {
    unsigned state = 12345;
    auto random = [&state](int n) {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) % static_cast<unsigned>(n));
    };
    auto allItems = [this] {
        std::vector<TMusicItem*> items;
        for (int p = 0; p < book->SheetCount(); ++p) {
            TMusicSheet* s = book->GetSheet(p);
            for (int i = 0; i < s->ItemCount(); ++i) items.push_back(s->GetItem(i));
        }
        return items;
    };
    for (int n = 0; n < 3000; ++n) {
        std::vector<TMusicItem*> items = allItems();
        const int action = random(9);
        if (action == 0 && undo.CanUndo()) {
            undo.Undo();
        } else if (action == 1 && undo.CanRedo()) {
            undo.Redo();
        } else if (action == 2 && book->SheetCount() < 6) {
            Step([&] {
                TMusicSheet* added = book->NewSheet();
                undo.RecordSheetInsert(*added, book->SheetCount() - 1);
            });
        } else if (action == 3 && book->SheetCount() > 1) {
            Step([&] { book->GetSheet(random(book->SheetCount()))->DeleteSheet(); });
        } else if (action == 4 && items.size() >= 2) {
            TMusicItem* a = items[static_cast<size_t>(random(static_cast<int>(items.size())))];
            TMusicItem* b = items[static_cast<size_t>(random(static_cast<int>(items.size())))];
            if (a != b) {
                Step([&] {
                    a->Link(*b);
                    b->Link(*a);
                });
            }
        } else if (action == 5 && !items.empty()) {
            TMusicItem* item = items[static_cast<size_t>(random(static_cast<int>(items.size())))];
            Step([&] { item->Delete(); });
        } else if (action == 6 && !items.empty()) {
            TMusicItem* item = items[static_cast<size_t>(random(static_cast<int>(items.size())))];
            Step([&] { item->SetPosX(random(500)); });
        } else if (action == 7 && !items.empty()) {
            TMusicItem* item = items[static_cast<size_t>(random(static_cast<int>(items.size())))];
            Step([&] { item->SetOwnerPageNo(random(book->SheetCount()) + 1); });
        } else {
            TMusicSheet* on = book->GetSheet(random(book->SheetCount()));
            Step([&] { AddNote(random(500), random(500), "5", on); });
        }
        if (n % 100 == 99) {
            // The whole history back and forth: every reachable step runs.
            while (undo.CanUndo()) undo.Undo();
            while (undo.CanRedo()) undo.Redo();
        }
        for (TMusicItem* item : allItems()) {
            for (TMusicItem* linked : item->Links()) {
                ASSERT_TRUE(linked->IsLinkedTo(item)) << "after action " << n;
            }
        }
    }
}

// Undo and redo go through the setters, so a note's length in ticks follows
// its underlines and dot back and forth.
TEST_F(ModelTest, UndoAndRedoOfLengthAndDotRecomputeStepTime) {
    TNote* note = AddNote(0, 0);
    Step([&] { note->SetLength(1); });
    Step([&] { note->SetFuten(1); });
    Step([&] {
        note->SetLength(3);
        note->SetFuten(0);
    });
    EXPECT_EQ(note->StepTime, 6);
    undo.Undo();
    EXPECT_EQ(note->StepTime, 36);
    undo.Undo();
    EXPECT_EQ(note->StepTime, 24);
    undo.Undo();
    EXPECT_EQ(note->StepTime, 48);
    undo.Redo();
    EXPECT_EQ(note->StepTime, 24);
    undo.Redo();
    EXPECT_EQ(note->StepTime, 36);
    undo.Redo();
    EXPECT_EQ(note->StepTime, 6);
}

TEST_F(ModelTest, SettingByNameReportsUnknownAndUnusableProperties) {
    TNote* note = AddNote(0, 0);
    EXPECT_TRUE(undo.SetPropertyByName(*note, "posx", "12"));
    EXPECT_EQ(note->PosX(), 12);
    EXPECT_TRUE(undo.SetPropertyByName(*note, "PosX", "abc"));  // not a number: 0
    EXPECT_EQ(note->PosX(), 0);
    EXPECT_FALSE(undo.SetPropertyByName(*note, "Colour", "1"));
    EXPECT_FALSE(undo.SetPropertyByName(*note, "ContentKind", "1"));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "このプロパティは有りません  Colour");
    EXPECT_EQ(messages[1], "このプロパティの型は現在使用できません");
    EXPECT_TRUE(undo.SetPropertyByName(*page, "Writer", "w"));
    EXPECT_EQ(page->Writer(), "w");
}

TEST_F(ModelTest, EveryPublishedPropertyRoundTripsThroughItsText) {
    auto* box = Add<TTextBox>("O", 3, 4);
    for (const PropertyInfo& p : box->Properties().All()) {
        if (!p.set) continue;
        std::string before = p.get(*box);
        Step([&] { p.set(*box, p.type == PropType::Integer ? "7" : "x,\"y z\""); });
        if (undo.CanUndo()) {
            undo.Undo();
            EXPECT_EQ(p.get(*box), before) << p.name;
        }
    }
}

TEST_F(ModelTest, ClearEmptiesHistoryAndContainer) {
    TNote* note = AddNote(0, 0);
    Step([&] { note->Delete(); });
    undo.Clear();
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_FALSE(undo.CanRedo());
    EXPECT_EQ(undo.Container().Count(), 0u);
    Step([&] { AddNote(1, 1); });
    EXPECT_EQ(undo.UndoCount(), 1);
}

}  // namespace
}  // namespace sorvel::testing
