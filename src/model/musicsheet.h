// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A page of the book: header texts, tempo, its own layout settings and the
// items placed on it, kept in order of (PosY, PosX).
#include <memory>
#include <string>
#include <vector>

#include "model/layoutsettings.h"

namespace sorvel {

class TMusicBook;
class TMusicItem;

class TMusicSheet : public LayoutSettings {
public:
    explicit TMusicSheet(TMusicBook& book);
    ~TMusicSheet() override;

    const char* ClassName() const override { return "TMusicSheet"; }
    const PropertyTable& Properties() const override;
    TUndo* Undo() const override;
    TMusicBook& Book() const { return book_; }

    // Creation steps after the page is in its book: page size from the
    // current layout, layout settings from the book (through the setters).
    void InitFromBook();

    const std::string& Title() const { return title_; }
    const std::string& Writer() const { return writer_; }
    const std::string& KeyCode() const { return keyCode_; }
    const std::string& PlaySpeed() const { return playSpeed_; }
    int PlayCount() const { return playCount_; }
    void SetTitle(const std::string& v) { ChangeString(title_, v, "Title"); }
    void SetWriter(const std::string& v) { ChangeString(writer_, v, "Writer"); }
    void SetKeyCode(const std::string& v) { ChangeString(keyCode_, v, "KeyCode"); }
    void SetPlaySpeed(const std::string& v) { ChangeString(playSpeed_, v, "PlaySpeed"); }
    void SetPlayCount(int v) { ChangeInt(playCount_, v, "PlayCount"); }

    // Plain fields: the page size in page units; setting them records nothing.
    int PageWidth = 0;
    int PageHeight = 0;

    int ItemCount() const { return static_cast<int>(items_.size()); }
    TMusicItem* GetItem(int index) const;
    int IndexOfItem(const TMusicItem* item) const;
    // Takes the item into the list at its place by position.
    void AddItem(std::unique_ptr<TMusicItem> item);
    // Takes the item out of the list without destroying it.
    std::unique_ptr<TMusicItem> RemoveItem(TMusicItem* item);
    // Moves the item to its place after a change of position.
    void Rekey(TMusicItem* item);
    void SuspendSorting() { sortSuspended_ = true; }
    void ResumeSorting();
    bool SortingSuspended() const { return sortSuspended_; }

    // Destroys every item without recording anything (scratch pages).
    void FreeAllItems();
    // "000", "001", ... by index; and back to empty names (and link names).
    void NameItems();
    void ClearItemNames();
    // Every item whose four corners lie inside the rectangle, in list order.
    std::vector<TMusicItem*> ItemsInRect(int x1, int y1, int x2, int y2) const;

    // Removes the page from its book as one recorded deletion; the page then
    // belongs to the undo manager. Returns false when it was not in the book.
    bool DeleteSheet();

private:
    struct ItemEntry {
        int keyY, keyX;
        std::unique_ptr<TMusicItem> item;
    };
    static bool KeyLess(const ItemEntry& a, const ItemEntry& b) {
        return a.keyY != b.keyY ? a.keyY < b.keyY : a.keyX < b.keyX;
    }
    std::vector<ItemEntry>::iterator Find(const TMusicItem* item);

    TMusicBook& book_;
    std::string title_, writer_, playSpeed_, keyCode_;
    int playCount_ = 0;
    bool sortSuspended_ = false;
    std::vector<ItemEntry> items_;
};

}  // namespace sorvel
