// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/scorekeys.h"

#include <array>
#include <memory>
#include <stdexcept>
#include <string>

#include "base/text.h"
#include "model/preferences.h"

namespace sorvel::scorefile {
namespace {

using R = KeyRole;

// The layout keys shared by book and page, up to GridSize, with defaults.
void AppendLayoutHead(std::vector<FileKey>& k) {
    k.insert(k.end(), {{"NoteFontSize", R::Property, 18},
                       {"TitleHeight", R::Property, 150},
                       {"TopSpace", R::Property, 20},
                       {"BottomSpace", R::Property, 20},
                       {"LeftSpace", R::Property, 40},
                       {"RightSpace", R::Property, 20},
                       {"BarParRow", R::Property, 4},
                       {"DivParBar", R::Property, 9},
                       {"RowDivNum", R::Property, 8},
                       {"GridDivNum", R::Property, 36},
                       {"GridSize", R::Property, 25}});
}

void AppendRates(std::vector<FileKey>& k) {
    k.insert(k.end(), {{"OffsetRateX_PF", R::Property, -170},
                       {"OffsetRateX_3ren", R::Property, 120},
                       {"OffsetRateX_Bow", R::Property, 270},
                       {"OffsetRateX_Kakko", R::Property, 170},
                       {"OffsetRateX_FingerNo", R::Property, 170},
                       {"OffsetRateX_String", R::Property, 220},
                       {"OffsetRateX_Crese", R::Property, -120},
                       {"OffsetRateX_Slur", R::Property, 120},
                       {"OffsetRateX_Branch", R::Property, 320},
                       {"OffsetRateX_Ornament", R::Property, 170},
                       {"OffsetRateX_Speed", R::Property, 320}});
}

// Room for the longest list up front (and no reallocation for GCC 12's
// -Wstringop-overflow to misjudge).
std::vector<FileKey> Reserved() {
    std::vector<FileKey> k;
    k.reserve(40);
    return k;
}

std::vector<FileKey> BookList() {
    std::vector<FileKey> k = Reserved();
    k.push_back({"Title"});
    AppendLayoutHead(k);
    k.push_back({"isDispGrid", R::DispGrid, 1});
    k.push_back({"RowInterval", R::Property, 146});
    AppendRates(k);
    return k;
}

std::vector<FileKey> SheetList() {
    std::vector<FileKey> k = Reserved();
    k.insert(k.end(), {{"Title"},
                       {"Writer"},
                       {"PlaySpeed"},
                       {"PlayCount", R::Property, 0},
                       {"KeyCode"},
                       {"PageWidth", R::PageWidth},
                       {"PageHeight", R::PageHeight}});
    AppendLayoutHead(k);
    k.push_back({"RowInterval", R::Property, 146});
    AppendRates(k);
    return k;
}

std::vector<FileKey> ItemList(ItemClass c) {
    std::vector<FileKey> k = Reserved();
    k.insert(k.end(),
             {{"Name", R::Name}, {"PosX"}, {"PosY"}, {"Content"}, {"LinkMusicItem", R::Links}});
    const std::vector<FileKey> size{{"Width", R::Property, 20}, {"Height", R::Property, 20}};
    switch (c) {
        case ItemClass::Note:
            k.insert(k.end(), {{"Futen"},
                               {"Length"},
                               {"Rinji"},
                               {"Octave"},
                               {"OffsetX_Rinji", R::Property, 0, DefaultFrom::RinjiX},
                               {"OffsetY_Rinji", R::Property, 0, DefaultFrom::RinjiY},
                               {"OffsetX_Futen", R::Property, 0, DefaultFrom::FutenX},
                               {"OffsetY_Futen", R::Property, 0, DefaultFrom::FutenY}});
            break;
        case ItemClass::BarLine:
        case ItemClass::Beat:
        case ItemClass::MusicSign:
            break;
        case ItemClass::HorizBar:
            k.insert(k.end(),
                     {{"Width", R::Property, 104}, {"Height", R::Property, 21}, {"BarNum"}});
            break;
        case ItemClass::Cresc:
        case ItemClass::Slur:
        case ItemClass::RenTon:
        case ItemClass::Kakko:
        case ItemClass::Ren3:
            k.insert(k.end(), size.begin(), size.end());
            break;
        case ItemClass::DaonLeft:
        case ItemClass::DaonRight:
            k.insert(k.end(), size.begin(), size.end());
            k.insert(k.end(), {{"AllNoteData"}, {"Length", R::Property, 1}});
            break;
        case ItemClass::Tempo:
            k.insert(k.end(), size.begin(), size.end());
            k.insert(k.end(), {{"Tempo", R::Property, 80}, {"TempoUnit"}, {"PrintMode"}});
            break;
        case ItemClass::TextBox:
            k.insert(k.end(), size.begin(), size.end());
            k.insert(k.end(), {{"CSVText"},
                               {"FontName"},
                               {"FontSize", R::Property, 10},
                               {"FrameLineWidth"},
                               {"RowSpace"},
                               {"FrameWidth"},
                               {"FrameHeight"}});
            break;
    }
    return k;
}

constexpr int kItemClassCount = static_cast<int>(ItemClass::TextBox) + 1;
constexpr size_t kLongestKey = 32;

// Every class's keys, and the distinct key names bucketed by length for the
// reader's lookup of each property line.
struct Registry {
    std::vector<std::string> names;
    std::array<std::vector<int>, kLongestKey + 1> byLength;
    std::unique_ptr<ClassKeys> book, sheet;
    std::array<std::unique_ptr<ClassKeys>, kItemClassCount> items;

    Registry() {
        book = Make(BookList());
        sheet = Make(SheetList());
        for (int c = 0; c < kItemClassCount; ++c)
            items[c] = Make(ItemList(static_cast<ItemClass>(c)));
    }

    int Find(std::string_view key) const {
        if (key.size() > kLongestKey) return -1;
        for (int id : byLength[key.size()]) {
            if (EqualsNoCase(names[static_cast<size_t>(id)], key)) return id;
        }
        return -1;
    }

    std::unique_ptr<ClassKeys> Make(std::vector<FileKey> keys) {
        for (FileKey& key : keys) {
            if (key.role == KeyRole::Links) continue;
            key.id = Find(key.name);
            if (key.id < 0) {
                key.id = static_cast<int>(names.size());
                names.emplace_back(key.name);
                if (names.size() > kKnownKeyCapacity || names.back().size() > kLongestKey) {
                    throw std::logic_error("score file key table too large");
                }
                byLength[names.back().size()].push_back(key.id);
            }
        }
        return std::make_unique<ClassKeys>(std::move(keys));
    }
};

const Registry& Reg() {
    static const Registry registry;
    return registry;
}

}  // namespace

ClassKeys::ClassKeys(std::vector<FileKey> keys) : keys_(std::move(keys)) {}

const std::vector<const PropertyInfo*>& ClassKeys::Entries(const Persistent& sample) const {
    std::call_once(once_, [&] {
        entries_.reserve(keys_.size());
        for (const FileKey& key : keys_) {
            entries_.push_back(key.role == KeyRole::Property ? sample.Properties().Find(key.name)
                                                             : nullptr);
        }
    });
    return entries_;
}

const ClassKeys& BookKeys() {
    return *Reg().book;
}
const ClassKeys& SheetKeys() {
    return *Reg().sheet;
}
const ClassKeys& ItemKeys(ItemClass c) {
    return *Reg().items[static_cast<size_t>(c)];
}

int KnownKeyId(std::string_view key) {
    return Reg().Find(key);
}

int DefaultOf(const FileKey& key, const Preferences& prefs) {
    switch (key.from) {
        case DefaultFrom::Fixed:
            return key.def;
        case DefaultFrom::RinjiX:
            return prefs.DefoOffsetRateX_Rinji;
        case DefaultFrom::RinjiY:
            return prefs.DefoOffsetRateY_Rinji;
        case DefaultFrom::FutenX:
            return prefs.DefoOffsetRateX_Futen;
        case DefaultFrom::FutenY:
            return prefs.DefoOffsetRateY_Futen;
    }
    return key.def;
}

}  // namespace sorvel::scorefile
