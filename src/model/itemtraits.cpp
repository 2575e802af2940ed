// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/itemtraits.h"

#include <array>
#include <cstddef>

namespace sorvel {

namespace {

using C = ItemClass;

// clang-format off
constexpr std::array kTraits{
    //          class         file name      symbol width  left   span   grace  pixel  dialog
    ItemTraits{C::Note,      "TNote",       true,  false, false, false, false, false, true},
    ItemTraits{C::BarLine,   "TBarLine",    true,  false, false, false, false, false, false},
    ItemTraits{C::Beat,      "TBeat",       true,  false, false, false, false, false, false},
    ItemTraits{C::HorizBar,  "THorizBar",   true,  false, true,  false, false, true,  true},
    ItemTraits{C::MusicSign, "TMusicSign",  false, false, false, false, false, false, false},
    ItemTraits{C::Cresc,     "TCresc",      false, true,  true,  true,  false, true,  false},
    ItemTraits{C::Slur,      "TSlur",       false, true,  true,  true,  false, true,  false},
    ItemTraits{C::RenTon,    "TRenTon",     false, true,  true,  true,  false, false, false},
    ItemTraits{C::Kakko,     "TKakko",      false, true,  true,  true,  false, true,  false},
    ItemTraits{C::Ren3,      "T3ren",       false, true,  true,  true,  false, true,  false},
    ItemTraits{C::DaonLeft,  "TDaonLeft",   false, true,  true,  false, true,  false, true},
    ItemTraits{C::DaonRight, "TDaonRight",  false, true,  true,  false, true,  false, true},
    ItemTraits{C::Tempo,     "TTempo",      false, true,  true,  false, false, false, true},
    ItemTraits{C::TextBox,   "TTextBox",    false, true,  true,  false, false, false, true},
};
// clang-format on

constexpr bool RowsInClassOrder() {
    for (std::size_t i = 0; i < kTraits.size(); ++i) {
        if (static_cast<std::size_t>(kTraits[i].itemClass) != i) return false;
    }
    return kTraits.back().itemClass == ItemClass::TextBox;
}
static_assert(RowsInClassOrder(), "one row per item class, in the order of ItemClass");

}  // namespace

const ItemTraits& TraitsOf(ItemClass itemClass) {
    return kTraits[static_cast<std::size_t>(itemClass)];
}

std::span<const ItemTraits> AllItemTraits() {
    return kTraits;
}

}  // namespace sorvel
