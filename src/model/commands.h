// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recorded changes of the document. Each command undoes and redoes
// itself; commands refer to their targets without owning them.
#include <string>
#include <vector>

namespace sorvel {

class TUndo;
class Persistent;
class TMusicBook;
class TMusicSheet;
class TMusicItem;

class TCommand {
public:
    explicit TCommand(std::string displayName) : name_(std::move(displayName)) {}
    virtual ~TCommand() = default;
    const std::string& DisplayName() const { return name_; }
    virtual void Undo(TUndo& undo) = 0;
    virtual void Redo(TUndo& undo) = 0;
    // Appends the objects that undoing or redoing this command touches. The
    // undo manager keeps each of them alive while the command is in its history.
    virtual void AddTargets(std::vector<Persistent*>& out) const = 0;

private:
    std::string name_;
};

// One value-change command for every property of every class: undo and redo
// set the property by name to the old or the new text.
class SetPropCommandBase : public TCommand {
public:
    SetPropCommandBase(Persistent& target, std::string prop, std::string oldText,
                       std::string newText);
    void Undo(TUndo& undo) override;
    void Redo(TUndo& undo) override;
    void AddTargets(std::vector<Persistent*>& out) const override;
    const std::string& OldText() const { return old_; }
    const std::string& NewText() const { return new_; }

private:
    Persistent& target_;
    std::string prop_, old_, new_;
};

class TSetPropCommand_Book : public SetPropCommandBase {
    using SetPropCommandBase::SetPropCommandBase;
};
class TSetPropCommand_Sheet : public SetPropCommandBase {
    using SetPropCommandBase::SetPropCommandBase;
};
class TSetPropCommand : public SetPropCommandBase {
    using SetPropCommandBase::SetPropCommandBase;
};

class TCreateCommand : public TCommand {
public:
    explicit TCreateCommand(TMusicItem& item) : TCommand("Create"), item_(item) {}
    void Undo(TUndo& undo) override;
    void Redo(TUndo& undo) override;
    void AddTargets(std::vector<Persistent*>& out) const override;

private:
    TMusicItem& item_;
};

class TDeleteCommand : public TCommand {
public:
    explicit TDeleteCommand(TMusicItem& item) : TCommand("Delete"), item_(item) {}
    void Undo(TUndo& undo) override;
    void Redo(TUndo& undo) override;
    void AddTargets(std::vector<Persistent*>& out) const override;

private:
    TMusicItem& item_;
};

class TConnectCommand : public TCommand {
public:
    TConnectCommand(TMusicItem& item, TMusicItem& other)
        : TCommand("Link作成"), item_(item), other_(other) {}
    void Undo(TUndo& undo) override;
    void Redo(TUndo& undo) override;
    void AddTargets(std::vector<Persistent*>& out) const override;

private:
    TMusicItem& item_;
    TMusicItem& other_;
};

class TDisConnectCommand : public TCommand {
public:
    TDisConnectCommand(TMusicItem& item, TMusicItem& other)
        : TCommand("Link切断"), item_(item), other_(other) {}
    void Undo(TUndo& undo) override;
    void Redo(TUndo& undo) override;
    void AddTargets(std::vector<Persistent*>& out) const override;

private:
    TMusicItem& item_;
    TMusicItem& other_;
};

class TInsertCommand_Sheet : public TCommand {
public:
    TInsertCommand_Sheet(TMusicSheet& page, int index)
        : TCommand("MusicSheet挿入"), page_(page), index_(index) {}
    void Undo(TUndo& undo) override;
    void Redo(TUndo& undo) override;
    void AddTargets(std::vector<Persistent*>& out) const override;

private:
    TMusicSheet& page_;
    int index_;
};

class TDeleteCommand_Sheet : public TCommand {
public:
    TDeleteCommand_Sheet(TMusicSheet& page, int index)
        : TCommand("MusicSheet削除"), page_(page), index_(index) {}
    void Undo(TUndo& undo) override;
    void Redo(TUndo& undo) override;
    void AddTargets(std::vector<Persistent*>& out) const override;

private:
    TMusicSheet& page_;
    int index_;
};

}  // namespace sorvel
