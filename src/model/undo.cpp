// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/undo.h"

#include <cassert>
#include <unordered_set>

#include "model/musicitem.h"
#include "model/musicsheet.h"

namespace sorvel {

void TUndo::Undo() {
    if (!CanUndo()) return;
    // Taking a step back changes the book without recording anything.
    const UntrackedChanges replaying(this);
    position_ = Previous(position_);
    if (Group* group = slots_[position_].get()) {
        for (auto it = group->rbegin(); it != group->rend(); ++it) (*it)->Undo(*this);
    }
    --count_;
}

void TUndo::Redo() {
    if (!CanRedo()) return;
    const UntrackedChanges replaying(this);
    if (Group* group = slots_[position_].get()) {
        for (auto& command : *group) command->Redo(*this);
    }
    position_ = Next(position_);
    ++count_;
}

long TUndo::StateId() const {
    return count_ == 0 ? baseSerial_ : serials_[Previous(position_)];
}

void TUndo::Clear() {
    open_.reset();
    openDepth_ = 0;
    for (auto& label : labels_) label.clear();
    baseSerial_ = nextSerial_++;
    for (auto& slot : slots_) slot.reset();
    for (auto& memo : memos_) memo.reset();
    position_ = 1;
    top_ = 1;
    bottom_ = 0;
    count_ = 0;
    named_.clear();
    kept_.clear();
    container_.Clear();
    deferredFrees_.clear();
}

void TUndo::ReleaseFrees() {
    if (freeHolds_ > 0 && --freeHolds_ == 0) deferredFrees_.clear();
}

void TUndo::BeginGroup(std::string label) {
    assert(!open_ && "an undo group is already open: groups do not nest");
    if (open_) {
        ++openDepth_;
        return;
    }
    open_ = std::make_unique<Group>();
    openLabel_ = std::move(label);
    openDepth_ = 1;
}

void TUndo::EndGroup() {
    if (openDepth_ > 1) {
        --openDepth_;
        return;
    }
    openDepth_ = 0;
    std::unique_ptr<Group> group = std::move(open_);
    if (!group || group->empty()) return;
    labels_[position_] = std::move(openLabel_);
    Push(std::move(group));
    if (onStepRecorded) onStepRecorded();
}

void TUndo::DiscardGroup() {
    open_.reset();
    openDepth_ = 0;
}

const std::string& TUndo::UndoLabel() const {
    static const std::string kNone;
    return CanUndo() ? labels_[Previous(position_)] : kNone;
}

const std::string& TUndo::RedoLabel() const {
    static const std::string kNone;
    return CanRedo() ? labels_[position_] : kNone;
}

const std::vector<std::unique_ptr<TCommand>>* TUndo::OpenGroupCommands() const {
    return open_.get();
}

void TUndo::Push(std::unique_ptr<Group> group) {
    std::vector<Persistent*> released;
    DiscardRedoSteps(released);
    Hold(*group);
    slots_[position_] = std::move(group);
    serials_[position_] = nextSerial_++;
    memos_[position_].reset();
    position_ = top_ = Next(position_);
    if (position_ != bottom_) {
        ++count_;
    } else {
        // The ring is full: the oldest step leaves it.
        memos_[bottom_].reset();
        bottom_ = Next(bottom_);
        baseSerial_ = serials_[bottom_];
        if (std::unique_ptr<Group> oldest = std::move(slots_[bottom_])) Release(*oldest, released);
    }
    // Only now, with the new step held: it may name what the dropped ones named.
    FreeUnused(released);
}

void TUndo::DiscardRedoSteps(std::vector<Persistent*>& released) {
    while (top_ != position_) {
        top_ = Previous(top_);
        memos_[top_].reset();
        if (std::unique_ptr<Group> group = std::move(slots_[top_])) Release(*group, released);
    }
}

int TUndo::SlotOfState(long stateId) const {
    if (stateId == baseSerial_) return bottom_;
    for (int i = Next(bottom_); i != top_; i = Next(i)) {
        if (serials_[i] == stateId) return i;
    }
    return -1;
}

bool TUndo::SetMemo(long stateId, std::shared_ptr<const StepMemo> memo) {
    const int slot = SlotOfState(stateId);
    if (slot < 0) return false;
    memos_[slot] = std::move(memo);
    return true;
}

const StepMemo* TUndo::MemoOf(long stateId) const {
    const int slot = SlotOfState(stateId);
    return slot < 0 ? nullptr : memos_[slot].get();
}

void TUndo::Hold(const Group& group) {
    std::vector<Persistent*> targets;
    for (const auto& command : group) command->AddTargets(targets);
    for (Persistent* object : targets) ++named_[object];
}

void TUndo::Release(const Group& group, std::vector<Persistent*>& released) {
    const size_t first = released.size();
    for (const auto& command : group) command->AddTargets(released);
    for (size_t i = first; i < released.size(); ++i) {
        auto it = named_.find(released[i]);
        if (it != named_.end() && --it->second == 0) named_.erase(it);
    }
}

void TUndo::LetGo(Persistent* object) {
    // Compared by address only: after Clear the object may be gone.
    const auto it = kept_.find(object);
    if (it == kept_.end()) return;
    if (--it->second > 0) return;
    kept_.erase(it);
    FreeUnused({object});
}

bool TUndo::InUse(const Persistent& object) const {
    if (Held(&object)) return true;
    if (object.Kind() != ObjectKind::Sheet) return false;
    const auto& page = static_cast<const TMusicSheet&>(object);
    for (int i = 0; i < page.ItemCount(); ++i) {
        if (Held(page.GetItem(i))) return true;
    }
    // A deleted item keeps its page: undoing its deletion (or a tool that
    // keeps it) puts it back there.
    bool needed = false;
    container_.ForEach([&](const Persistent& held) {
        if (!needed && held.Kind() == ObjectKind::Item && Held(&held) &&
            &static_cast<const TMusicItem&>(held).Sheet() == &page) {
            needed = true;
        }
    });
    return needed;
}

void TUndo::FreeUnused(const std::vector<Persistent*>& released) {
    // Decide everything first, then destroy: a destroyed page takes the items
    // on it along, and some of them may be among `released`.
    std::unordered_set<const Persistent*> examined;
    std::vector<Persistent*> doomed;
    auto examine = [&](Persistent* object) {
        if (!container_.Contains(object) || !examined.insert(object).second) return;
        if (!InUse(*object)) doomed.push_back(object);
    };
    for (Persistent* object : released) {
        examine(object);
        // An item lies on a page, or was taken off one that a step would put
        // it back on; either way that page may be in the container.
        if (object->Kind() == ObjectKind::Item) examine(&static_cast<TMusicItem*>(object)->Sheet());
    }
    for (Persistent* object : doomed) {
        std::unique_ptr<Persistent> owned = container_.Take(object);
        if (freeHolds_ > 0) deferredFrees_.push_back(std::move(owned));
    }
}

void TUndo::Record(std::unique_ptr<TCommand> command) {
    if (!open_) return;
    open_->push_back(std::move(command));
}

void TUndo::RecordPropChange(Persistent& target, const std::string& prop,
                             const std::string& oldText, const std::string& newText) {
    assert(!RefusesChangeNow() && "a change of the book outside an undo group");
    if (!open_) return;
    switch (target.Kind()) {
        case ObjectKind::Book:
            Record(std::make_unique<TSetPropCommand_Book>(target, prop, oldText, newText));
            break;
        case ObjectKind::Sheet:
            Record(std::make_unique<TSetPropCommand_Sheet>(target, prop, oldText, newText));
            break;
        case ObjectKind::Item:
            Record(std::make_unique<TSetPropCommand>(target, prop, oldText, newText));
            break;
    }
}

void TUndo::RecordCreate(TMusicItem& item) {
    if (open_) Record(std::make_unique<TCreateCommand>(item));
}

void TUndo::RecordDelete(std::unique_ptr<TMusicItem> item) {
    TMusicItem& ref = *item;
    container_.Add(std::move(item));
    if (open_) Record(std::make_unique<TDeleteCommand>(ref));
}

void TUndo::RecordLink(TMusicItem& item, TMusicItem& other) {
    if (open_) Record(std::make_unique<TConnectCommand>(item, other));
}

void TUndo::RecordUnlink(TMusicItem& item, TMusicItem& other) {
    if (open_) Record(std::make_unique<TDisConnectCommand>(item, other));
}

void TUndo::RecordSheetInsert(TMusicSheet& page, int index) {
    if (open_) Record(std::make_unique<TInsertCommand_Sheet>(page, index));
}

void TUndo::RecordSheetDelete(std::unique_ptr<TMusicSheet> page, int formerIndex) {
    TMusicSheet& ref = *page;
    container_.Add(std::move(page));
    if (open_) Record(std::make_unique<TDeleteCommand_Sheet>(ref, formerIndex));
}

bool TUndo::SetPropertyByName(Persistent& target, const std::string& prop,
                              const std::string& text) {
    const PropertyInfo* info = target.Properties().Find(prop);
    if (!info) {
        if (onMessage) onMessage(UserText(kNoSuchProperty, {UserText::Plain(prop)}));
        return false;
    }
    if (info->type == PropType::Enumeration || !info->set) {
        if (onMessage) onMessage(UserText(kUnsupportedType));
        return false;
    }
    info->set(target, text);  // integers from text fall back to 0
    return true;
}

}  // namespace sorvel
