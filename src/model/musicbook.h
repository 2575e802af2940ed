// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document: a book of pages with the layout settings new pages take.
#include <memory>
#include <string>
#include <vector>

#include "model/layoutsettings.h"
#include "model/modelenv.h"

namespace sorvel {

class TMusicSheet;

class TMusicBook : public LayoutSettings {
public:
    explicit TMusicBook(ModelEnv& env);
    ~TMusicBook() override;

    const char* ClassName() const override { return "TMusicBook"; }
    const PropertyTable& Properties() const override;
    TUndo* Undo() const override { return env_.undo; }
    ModelEnv& Env() const { return env_; }

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& v) { ChangeString(title_, v, "Title"); }
    // Whether the page view draws the grid; a plain field, never recorded.
    bool isDispGrid = true;

    int SheetCount() const { return static_cast<int>(sheets_.size()); }
    TMusicSheet* GetSheet(int index) const;
    int IndexOfSheet(const TMusicSheet* page) const;
    // Page creation: a new page appended to the book, with the book's layout.
    TMusicSheet* NewSheet();
    // The tools of the undo commands and page commands; they record nothing.
    void InsertSheet(int index, std::unique_ptr<TMusicSheet> page);
    std::unique_ptr<TMusicSheet> RemoveSheet(TMusicSheet* page, int* formerIndex = nullptr);
    void MoveSheet(int from, int to);

    // Sets the layout values and rates from the preference defaults.
    void ApplyDefaultLayout();

private:
    ModelEnv& env_;
    std::string title_;
    std::vector<std::unique_ptr<TMusicSheet>> sheets_;
};

}  // namespace sorvel
