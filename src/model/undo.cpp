#include "model/undo.h"

#include "model/musicitem.h"
#include "model/musicsheet.h"

namespace sorvel {

void TUndo::Undo() {
    if (!CanUndo()) return;
    position_ = Previous(position_);
    if (Group* group = slots_[position_].get()) {
        for (auto it = group->rbegin(); it != group->rend(); ++it) (*it)->Undo(*this);
    }
    --count_;
}

void TUndo::Redo() {
    if (!CanRedo()) return;
    if (Group* group = slots_[position_].get()) {
        for (auto& command : *group) command->Redo(*this);
    }
    position_ = Next(position_);
    ++count_;
}

void TUndo::Clear() {
    open_.reset();
    for (auto& slot : slots_) slot.reset();
    position_ = 1;
    top_ = 1;
    bottom_ = 0;
    count_ = 0;
    container_.Clear();
}

void TUndo::BeginGroup() { open_ = std::make_unique<Group>(); }

void TUndo::EndGroup() {
    std::unique_ptr<Group> group = std::move(open_);
    if (group && !group->empty()) Push(std::move(group));
}

void TUndo::DiscardGroup() { open_.reset(); }

const std::vector<std::unique_ptr<TCommand>>* TUndo::OpenGroupCommands() const {
    return open_.get();
}

void TUndo::Push(std::unique_ptr<Group> group) {
    DiscardRedoSteps();
    slots_[position_] = std::move(group);
    position_ = top_ = Next(position_);
    if (position_ != bottom_) {
        ++count_;
        return;
    }
    bottom_ = Next(bottom_);
    DropOldest(std::move(slots_[bottom_]));
}

void TUndo::DiscardRedoSteps() {
    // Newest first, the order in which they were undone. An object a
    // discarded step created is in the container (the step is undone) and
    // only that step and later ones, all discarded too, can refer to it:
    // older steps ran before it existed.
    while (top_ != position_) {
        top_ = Previous(top_);
        std::unique_ptr<Group> group = std::move(slots_[top_]);
        if (!group) continue;
        for (auto it = group->rbegin(); it != group->rend(); ++it) {
            if (TPersistent* object = (*it)->CreatedObject()) container_.Take(object).reset();
        }
    }
}

void TUndo::DropOldest(std::unique_ptr<Group> group) {
    if (!group) return;
    for (auto& command : *group) {
        if (TPersistent* object = command->DeletedObject()) {
            // Destroyed here, unless its deletion was undone (it is back in the book).
            container_.Take(object).reset();
        }
        command.reset();
    }
}

void TUndo::Record(std::unique_ptr<TCommand> command) {
    if (!open_) return;
    open_->push_back(std::move(command));
    if (onModified) onModified();
}

void TUndo::RecordPropChange(TPersistent& target, const std::string& prop,
                             const std::string& oldText, const std::string& newText) {
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

bool TUndo::SetPropertyByName(TPersistent& target, const std::string& prop,
                              const std::string& text) {
    const PropertyInfo* info = target.Properties().Find(prop);
    if (!info) {
        if (onMessage) onMessage(std::string(kNoSuchProperty) + prop);
        return false;
    }
    if (info->type == PropType::Enumeration || !info->set) {
        if (onMessage) onMessage(kUnsupportedType);
        return false;
    }
    info->set(target, text);  // integers from text fall back to 0
    return true;
}

}  // namespace sorvel
