// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reading side shared by the file reader and the block reader: the lines
// of a text, the property lines of one block (indexed by key as they arrive,
// so a block costs the same however many lines it holds), the LoadProperties
// and LoadFromStrings of book, page and items, and link resolution.
#include <array>
#include <bitset>
#include <string>
#include <string_view>
#include <vector>

#include "model/scorekeys.h"

namespace sorvel {

class TMusicBook;
class TMusicSheet;
class TMusicItem;

namespace scorefile {

// Upper bound of the text-box lines a CSVText value (as read: the line
// trimmed) makes: every entry ends at a comma or a blank, or at the end.
long TextLineEstimate(std::string_view csvText);

// Walks text line by line; CR LF, LF and CR each end a line, and a line end
// at the very end adds no empty line.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : text_(text) {}
    bool Next(std::string_view& line);

private:
    std::string_view text_;
    size_t pos_ = 0;
};

// The property lines of the block being read. A key's value is that of the
// first line with the key (letter case ignored); keys no class has are never
// looked up, so they are not kept. Values are views into the text read.
class ScoreBlock {
public:
    ScoreBlock();
    // A class line: the class name, and no property lines.
    void Start(std::string_view className);
    // A trimmed line that is neither a class line nor an end line.
    void AddLine(std::string_view line);

    std::string_view ClassName() const { return className_; }
    // The value of a known key, or null when no line has it.
    const std::string_view* Find(int id) const {
        return id >= 0 && present_.test(static_cast<size_t>(id)) ? &values_[static_cast<size_t>(id)]
                                                                 : nullptr;
    }
    const std::vector<std::string_view>& LinkNames() const { return linkNames_; }
    // Upper bound of the text-box lines the block's CSVText makes.
    long TextLineEstimate() const;

private:
    std::string_view className_;
    std::array<std::string_view, kKnownKeyCapacity> values_{};
    std::bitset<kKnownKeyCapacity> present_;
    std::vector<std::string_view> linkNames_;
    int csvTextId_;
};

enum class LineKind { Class, End, Property };

// Step 4 of the reader for one line: trims it, and either starts a block,
// reports an end line, or adds it to the block's property lines.
LineKind FeedLine(std::string_view raw, ScoreBlock& block);

// LoadProperties of book and page, LoadFromStrings of an item.
void LoadBook(TMusicBook& book, const ScoreBlock& block);
void LoadSheet(TMusicSheet& page, const ScoreBlock& block);
void LoadItem(TMusicItem& item, const ScoreBlock& block);

// The factory at the end of an item block, within the limits of one reading:
// kMaxItemsPerPage items (`itemCount` is the reader's count so far) and
// kMaxTextBoxLines text-box lines (`textLines` adds up over the reading).
struct MadeItem {
    bool overLimit = false;      // nothing was made: the reading stops here
    TMusicItem* item = nullptr;  // null when the class is not an item class
};
MadeItem MakeItem(TMusicSheet& page, const ScoreBlock& block, int itemCount, long& textLines);

// Links every item to the items its link names name on the same page (both
// ways), then clears the names. Empty names and an item's own name link
// nothing; an item takes at most kMaxLinksPerItem links.
void ResolveLinksAndClearNames(TMusicSheet& page);

}  // namespace scorefile
}  // namespace sorvel
