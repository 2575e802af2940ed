// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/commands.h"

#include "model/musicbook.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/undo.h"

namespace sorvel {
namespace {

// Moves an item between its page and the container. The item keeps its page
// reference while it is out of the page.
void ItemToContainer(TUndo& undo, TMusicItem& item) {
    item.selected = false;
    if (std::unique_ptr<TMusicItem> owned = item.Sheet().RemoveItem(&item)) {
        undo.Container().Add(std::move(owned));
    }
}

void ItemToPage(TUndo& undo, TMusicItem& item) {
    item.selected = false;
    std::unique_ptr<Persistent> owned = undo.Container().Take(&item);
    if (!owned) return;
    item.Sheet().AddItem(std::unique_ptr<TMusicItem>(static_cast<TMusicItem*>(owned.release())));
}

void SheetToContainer(TUndo& undo, TMusicSheet& page) {
    if (std::unique_ptr<TMusicSheet> owned = page.Book().RemoveSheet(&page)) {
        undo.Container().Add(std::move(owned));
    }
}

void SheetToBook(TUndo& undo, TMusicSheet& page, int index) {
    std::unique_ptr<Persistent> owned = undo.Container().Take(&page);
    if (!owned) return;
    page.Book().InsertSheet(
        index, std::unique_ptr<TMusicSheet>(static_cast<TMusicSheet*>(owned.release())));
}

}  // namespace

SetPropCommandBase::SetPropCommandBase(Persistent& target, std::string prop, std::string oldText,
                                       std::string newText)
    : TCommand(prop + "変更"),
      target_(target),
      prop_(std::move(prop)),
      old_(std::move(oldText)),
      new_(std::move(newText)) {}

void SetPropCommandBase::Undo(TUndo& undo) {
    undo.SetPropertyByName(target_, prop_, old_);
}
void SetPropCommandBase::Redo(TUndo& undo) {
    undo.SetPropertyByName(target_, prop_, new_);
}
void SetPropCommandBase::AddTargets(std::vector<Persistent*>& out) const {
    out.push_back(&target_);
}

void TCreateCommand::Undo(TUndo& undo) {
    ItemToContainer(undo, item_);
}
void TCreateCommand::Redo(TUndo& undo) {
    ItemToPage(undo, item_);
}
void TCreateCommand::AddTargets(std::vector<Persistent*>& out) const {
    out.push_back(&item_);
}

void TDeleteCommand::Undo(TUndo& undo) {
    ItemToPage(undo, item_);
}
void TDeleteCommand::Redo(TUndo& undo) {
    ItemToContainer(undo, item_);
}
void TDeleteCommand::AddTargets(std::vector<Persistent*>& out) const {
    out.push_back(&item_);
}

void TConnectCommand::Undo(TUndo&) {
    item_.Unlink(other_);
}
void TConnectCommand::Redo(TUndo&) {
    item_.Link(other_);
}
void TConnectCommand::AddTargets(std::vector<Persistent*>& out) const {
    out.push_back(&item_);
    out.push_back(&other_);
}

void TDisConnectCommand::Undo(TUndo&) {
    item_.Link(other_);
}
void TDisConnectCommand::Redo(TUndo&) {
    item_.Unlink(other_);
}
void TDisConnectCommand::AddTargets(std::vector<Persistent*>& out) const {
    out.push_back(&item_);
    out.push_back(&other_);
}

void TInsertCommand_Sheet::Undo(TUndo& undo) {
    SheetToContainer(undo, page_);
}
void TInsertCommand_Sheet::Redo(TUndo& undo) {
    SheetToBook(undo, page_, index_);
}
void TInsertCommand_Sheet::AddTargets(std::vector<Persistent*>& out) const {
    out.push_back(&page_);
}

void TDeleteCommand_Sheet::Undo(TUndo& undo) {
    SheetToBook(undo, page_, index_);
}
void TDeleteCommand_Sheet::Redo(TUndo& undo) {
    SheetToContainer(undo, page_);
}
void TDeleteCommand_Sheet::AddTargets(std::vector<Persistent*>& out) const {
    out.push_back(&page_);
}

}  // namespace sorvel
