// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The undo manager: commands recorded while a group is open make one step of
// a ring of 52 slots (at most 50 undoable steps); removed objects live in its
// container until no step of the history refers to them any more. Groups do
// not nest, and a history may refuse changes made while no group is open.
// A tool may keep a memo with a state (what it goes on with there).
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/usertext.h"
#include "model/commands.h"
#include "model/objcontainer.h"

namespace sorvel {

// What a tool keeps with a state of the book (rhythm entry: the typed run it
// goes on with there). The undo manager only holds it; the tool knows its type.
class StepMemo {
public:
    virtual ~StepMemo() = default;
};

class TUndo {
public:
    static constexpr int kCapacity = 52;
    // "このプロパティは有りません  <name>"
    static constexpr TextTemplate kNoSuchProperty =
        SORVEL_TEXT("sorvel::model", "このプロパティは有りません  %1");
    static constexpr TextTemplate kUnsupportedType =
        SORVEL_TEXT("sorvel::model", "このプロパティの型は現在使用できません");

    TUndo() = default;
    ~TUndo() { Clear(); }
    TUndo(const TUndo&) = delete;
    TUndo& operator=(const TUndo&) = delete;

    bool CanUndo() const { return count_ != 0; }
    // Names the state the book is in: each recorded step gets a number of its
    // own, and undoing or redoing returns to the number of the state reached.
    // A state no step leads back to any more never comes back.
    long StateId() const;
    bool CanRedo() const { return position_ != top_; }
    int UndoCount() const { return count_; }
    void Undo();
    void Redo();
    // Drops every step and destroys every object in the container.
    void Clear();

    // The memo kept with state `stateId`: the state the history starts from
    // or one a stored step leads to. It leaves with its step (dropped as the
    // oldest, or discarded as a lost redo step). SetMemo on a state that is
    // gone keeps nothing and returns false; MemoOf gives null.
    bool SetMemo(long stateId, std::shared_ptr<const StepMemo> memo);
    const StepMemo* MemoOf(long stateId) const;

    // Opens the group that becomes the next step, named `label` (for
    // diagnostics; empty for none). Opening a group while one is open is a
    // fault of the caller: an assertion in debug builds. A release build
    // keeps the open group and adds what follows to it, so nothing recorded
    // is lost, and only the outermost EndGroup closes it.
    void BeginGroup(std::string label = {});
    void EndGroup();
    void DiscardGroup();
    bool GroupOpen() const { return open_ != nullptr; }
    // The label of the step Undo would take back, or Redo put back.
    const std::string& UndoLabel() const;
    const std::string& RedoLabel() const;

    // From now on a property change recorded while no group is open is
    // refused: an assertion in debug builds (release builds leave it
    // unrecorded, as a history that allows them does). A book being built
    // says so with an UntrackedChanges scope.
    void RefuseChangesOutsideGroups() { refuseOutside_ = true; }
    bool RefusesChangesOutsideGroups() const { return refuseOutside_; }
    // Whether a property change made now would be refused.
    bool RefusesChangeNow() const { return refuseOutside_ && !open_ && untracked_ == 0; }

    // Recording, called by the model only. Nothing is recorded while no group
    // is open; removed objects are kept in the container either way.
    void RecordPropChange(Persistent& target, const std::string& prop, const std::string& oldText,
                          const std::string& newText);
    void RecordCreate(TMusicItem& item);
    void RecordDelete(std::unique_ptr<TMusicItem> item);
    void RecordLink(TMusicItem& item, TMusicItem& other);
    void RecordUnlink(TMusicItem& item, TMusicItem& other);
    void RecordSheetInsert(TMusicSheet& page, int index);
    void RecordSheetDelete(std::unique_ptr<TMusicSheet> page, int formerIndex);

    // Sets a published property from text, with the two messages for an
    // unknown property and for a type that cannot be set from text.
    bool SetPropertyByName(Persistent& target, const std::string& prop, const std::string& text);

    TObjContainer& Container() { return container_; }

    // Keeps `object` alive in the container, though no stored step names it
    // any more, for a tool that may put it back later (rhythm entry gives back
    // the bar lines its bars took over). Each Keep is ended by one LetGo;
    // Clear ends them all.
    void Keep(Persistent& object) { ++kept_[&object]; }
    void LetGo(Persistent* object);

    // While a hold is active (a play whose sequence names items of the
    // history), objects that no stored step needs any more are kept alive
    // instead of being destroyed; the last release destroys them. Clear
    // destroys them at once.
    void HoldFrees() { ++freeHolds_; }
    void ReleaseFrees();
    std::size_t DeferredFreeCount() const { return deferredFrees_.size(); }

    // Called whenever a group with commands closed as a new step.
    std::function<void()> onStepRecorded;
    // Shows a message to the user (UTF-8).
    std::function<void(const UserText&)> onMessage;

    // The open group's commands (tests and diagnostics).
    const std::vector<std::unique_ptr<TCommand>>* OpenGroupCommands() const;

private:
    using Group = std::vector<std::unique_ptr<TCommand>>;

    static int Next(int i) { return (i + 1) % kCapacity; }
    static int Previous(int i) { return i == 0 ? kCapacity - 1 : i - 1; }
    void Record(std::unique_ptr<TCommand> command);
    void Push(std::unique_ptr<Group> group);
    // Drops the steps that could be redone; the objects they named are added
    // to `released`.
    void DiscardRedoSteps(std::vector<Persistent*>& released);
    // The ring slot of state `stateId` (the base state's is bottom_), or -1.
    int SlotOfState(long stateId) const;

    // Reference counts of the objects the stored steps name: a step is held
    // when it enters the ring and released when it leaves it (dropped as the
    // oldest, or discarded as a lost redo step).
    void Hold(const Group& group);
    void Release(const Group& group, std::vector<Persistent*>& released);
    bool Named(const Persistent* object) const { return named_.count(object) != 0; }
    bool Held(const Persistent* object) const { return Named(object) || kept_.count(object) != 0; }
    // Whether a stored step still needs an object of the container: a step
    // names it or, for a page, an item on it or an item in the container that
    // a step would put back on it.
    bool InUse(const Persistent& object) const;
    // Destroys the objects of the container that hold a `released` object
    // (the object itself, or the page it lies on) and that no stored step
    // needs any more.
    void FreeUnused(const std::vector<Persistent*>& released);

    int position_ = 1;
    int top_ = 1;
    int bottom_ = 0;
    int count_ = 0;
    std::array<std::unique_ptr<Group>, kCapacity> slots_{};
    std::array<long, kCapacity> serials_{};
    std::array<std::shared_ptr<const StepMemo>, kCapacity> memos_{};
    long nextSerial_ = 1;
    long baseSerial_ = 0;  // the state before the oldest stored step
    std::unique_ptr<Group> open_;
    std::unordered_map<const Persistent*, int> named_;
    std::unordered_map<const Persistent*, int> kept_;
    TObjContainer container_;
    int freeHolds_ = 0;
    std::vector<std::unique_ptr<Persistent>> deferredFrees_;
    std::array<std::string, kCapacity> labels_{};
    std::string openLabel_;
    int openDepth_ = 0;  // above 1 only after a faulty nested BeginGroup
    bool refuseOutside_ = false;
    int untracked_ = 0;

    friend class UntrackedChanges;
};

// While it lives, changes that no step records are allowed on `undo`'s
// books: one being read from a file, imported or made new has no history
// yet. It does not stop a group that is open from recording.
class UntrackedChanges {
public:
    explicit UntrackedChanges(TUndo* undo) : undo_(undo) {
        if (undo_) ++undo_->untracked_;
    }
    ~UntrackedChanges() {
        if (undo_) --undo_->untracked_;
    }
    UntrackedChanges(const UntrackedChanges&) = delete;
    UntrackedChanges& operator=(const UntrackedChanges&) = delete;

private:
    TUndo* undo_;
};

// Opens an undo group and closes it however the scope is left, so a step
// that fails still ends the group: one user action, one undo step.
class UndoGroup {
public:
    explicit UndoGroup(TUndo& undo, std::string label = {}) : undo_(undo) {
        undo_.BeginGroup(std::move(label));
    }
    ~UndoGroup() { undo_.EndGroup(); }
    UndoGroup(const UndoGroup&) = delete;
    UndoGroup& operator=(const UndoGroup&) = delete;

private:
    TUndo& undo_;
};

}  // namespace sorvel
