// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/scoreblock.h"

#include <unordered_map>

#include "base/text.h"
#include "model/itemfactory.h"
#include "model/modelenv.h"
#include "model/musicbook.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/preferences.h"
#include "model/scorefile.h"

namespace sorvel::scorefile {
namespace {

constexpr std::string_view kClassPrefix = "class ";
constexpr std::string_view kEndPrefix = "end   ";
constexpr std::string_view kLinkKey = "LinkMusicItem";

void SetProperty(Persistent& object, const PropertyInfo& entry, const FileKey& key,
                 const std::string_view* value, const Preferences& prefs) {
    if (!entry.set) return;
    if (entry.type == PropType::Integer) {
        int parsed;
        if (value && TryStrToInt(*value, parsed)) {
            entry.set(object, std::string(*value));  // the setter parses it the same way
        } else {
            entry.set(object, IntToStr(DefaultOf(key, prefs)));
        }
    } else {
        entry.set(object, value ? std::string(*value) : std::string());
    }
}

// Sets every key of the class, in file order, from the block or its default.
void LoadKeys(Persistent& object, const ClassKeys& keys, const ScoreBlock& block,
              const Preferences& prefs) {
    const std::vector<const PropertyInfo*>& entries = keys.Entries(object);
    for (size_t i = 0; i < keys.Keys().size(); ++i) {
        const FileKey& key = keys.Keys()[i];
        const std::string_view* value = block.Find(key.id);
        switch (key.role) {
            case KeyRole::Property:
                if (entries[i]) SetProperty(object, *entries[i], key, value, prefs);
                break;
            case KeyRole::Name:
                static_cast<TMusicItem&>(object).SetName(value ? std::string(*value)
                                                               : std::string());
                break;
            case KeyRole::Links: {
                std::vector<std::string>& names = static_cast<TMusicItem&>(object).LinkNames();
                names.assign(block.LinkNames().begin(), block.LinkNames().end());
                break;
            }
            case KeyRole::DispGrid:
                static_cast<TMusicBook&>(object).isDispGrid =
                    StrToIntDef(value ? *value : std::string_view(), key.def) != 0;
                break;
            case KeyRole::PageWidth:
            case KeyRole::PageHeight:
                break;  // written, never read: the page keeps the current size
        }
    }
}

}  // namespace

bool LineCursor::Next(std::string_view& line) {
    const size_t n = text_.size();
    if (pos_ >= n) return false;
    size_t end = pos_;
    while (end < n && text_[end] != '\r' && text_[end] != '\n') ++end;
    line = text_.substr(pos_, end - pos_);
    if (end + 1 < n && text_[end] == '\r' && text_[end + 1] == '\n') {
        pos_ = end + 2;
    } else {
        pos_ = end + 1;
    }
    return true;
}

ScoreBlock::ScoreBlock() : csvTextId_(KnownKeyId("CSVText")) {}

void ScoreBlock::Start(std::string_view className) {
    className_ = className;
    present_.reset();
    linkNames_.clear();
}

void ScoreBlock::AddLine(std::string_view line) {
    if (line.substr(0, kLinkKey.size()) == kLinkKey) {
        // Characters 15 to 113: the text after "LinkMusicItem=".
        if (linkNames_.size() < static_cast<size_t>(kMaxLinksPerItem)) {
            linkNames_.push_back(line.size() > 14 ? line.substr(14, kMaxLinkNameLength)
                                                  : std::string_view());
        }
    }
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) return;
    const int id = KnownKeyId(line.substr(0, eq));
    if (id < 0 || present_.test(static_cast<size_t>(id))) return;
    present_.set(static_cast<size_t>(id));
    values_[static_cast<size_t>(id)] = line.substr(eq + 1);
}

long TextLineEstimate(std::string_view csvText) {
    long count = 1;
    for (char c : csvText) {
        if (c == ',' || static_cast<unsigned char>(c) <= 0x20) ++count;
    }
    return count;
}

long ScoreBlock::TextLineEstimate() const {
    const std::string_view* text = Find(csvTextId_);
    return text ? scorefile::TextLineEstimate(*text) : 0;
}

LineKind FeedLine(std::string_view raw, ScoreBlock& block) {
    const std::string_view t = Trim(raw);
    if (t.substr(0, kClassPrefix.size()) == kClassPrefix) {
        block.Start(t.substr(kClassPrefix.size(), kMaxClassNameLength));
        return LineKind::Class;
    }
    if (t.substr(0, kEndPrefix.size()) != kEndPrefix) {
        block.AddLine(t);
        return LineKind::Property;
    }
    return LineKind::End;
}

void LoadBook(TMusicBook& book, const ScoreBlock& block) {
    LoadKeys(book, BookKeys(), block, PrefsOrDefault(book.Env()));
}

void LoadSheet(TMusicSheet& page, const ScoreBlock& block) {
    LoadKeys(page, SheetKeys(), block, PrefsOrDefault(page.Book().Env()));
}

void LoadItem(TMusicItem& item, const ScoreBlock& block) {
    LoadKeys(item, ItemKeys(item.Class()), block, PrefsOrDefault(item.Env()));
}

MadeItem MakeItem(TMusicSheet& page, const ScoreBlock& block, int itemCount, long& textLines) {
    MadeItem made;
    if (itemCount >= kMaxItemsPerPage) {
        made.overLimit = true;
        return made;
    }
    if (block.ClassName() == "TTextBox") {
        textLines += block.TextLineEstimate();
        if (textLines > kMaxTextBoxLines) {
            made.overLimit = true;
            return made;
        }
    }
    made.item = CreateItemByClassName(block.ClassName(), page);
    if (made.item) LoadItem(*made.item, block);
    return made;
}

void ResolveLinksAndClearNames(TMusicSheet& page) {
    const int count = page.ItemCount();
    std::unordered_map<std::string_view, TMusicItem*> byName;
    byName.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        TMusicItem* item = page.GetItem(i);
        if (!item->Name().empty()) byName.emplace(item->Name(), item);  // the first one wins
    }
    for (int i = 0; i < count && !byName.empty(); ++i) {
        TMusicItem& item = *page.GetItem(i);
        for (const std::string& name : item.LinkNames()) {
            if (name.empty()) continue;  // a link to another page
            auto found = byName.find(name);
            if (found == byName.end() || found->second == &item) continue;
            TMusicItem& other = *found->second;
            if (item.LinkCount() >= kMaxLinksPerItem || other.LinkCount() >= kMaxLinksPerItem)
                continue;
            item.Link(other);
            other.Link(item);
        }
    }
    page.ClearItemNames();
}

}  // namespace sorvel::scorefile
