// SPDX-License-Identifier: GPL-3.0-or-later
// The table of item classes: a row for every class, each naming the class the
// score file's name creates, and traits that agree with what the items
// answer and with the lists the editor, the edit layer and the export used.
#include <algorithm>
#include <set>
#include <vector>

#include "model/itemtraits.h"
#include "modelfixture.h"

namespace sorvel::testing {
namespace {

using C = ItemClass;

std::set<ItemClass> ClassesWhere(bool ItemTraits::*trait) {
    std::set<ItemClass> classes;
    for (const ItemTraits& row : AllItemTraits()) {
        if (row.*trait) classes.insert(row.itemClass);
    }
    return classes;
}

TEST_F(ModelTest, EveryItemClassHasTheRowOfItsFileName) {
    std::set<ItemClass> seen;
    for (const ItemTraits& row : AllItemTraits()) {
        TMusicItem* item = CreateItemByClassName(row.className, *page);
        ASSERT_NE(item, nullptr) << row.className;
        EXPECT_EQ(item->Class(), row.itemClass) << row.className;
        EXPECT_EQ(&TraitsOf(*item), &row) << row.className;
        seen.insert(row.itemClass);
    }
    EXPECT_EQ(seen.size(), AllItemTraits().size());
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(C::TextBox) + 1);
}

TEST_F(ModelTest, ItemTraitsAgreeWithTheItems) {
    for (const ItemTraits& row : AllItemTraits()) {
        const TMusicItem& item = *CreateItemByClassName(row.className, *page);
        EXPECT_EQ(item.IsSymbol(), row.symbol) << row.className;
        EXPECT_EQ(item.IsMark(), !row.symbol) << row.className;
        EXPECT_EQ(item.IsMark2(), row.hasWidth) << row.className;
        EXPECT_EQ(item.AnchoredAtLeft(), row.anchoredAtLeft) << row.className;
        // Only marks have a width of their own, and those are anchored left.
        if (row.hasWidth) {
            EXPECT_TRUE(!row.symbol && row.anchoredAtLeft) << row.className;
        }
        if (row.spanning || row.graceGroup) {
            EXPECT_TRUE(row.hasWidth) << row.className;
        }
    }
}

TEST(ItemTraits, ListTheClassesEachPlaceAskedAbout) {
    // The symbols that take a slot of the row.
    EXPECT_EQ(ClassesWhere(&ItemTraits::symbol),
              (std::set{C::Note, C::BarLine, C::Beat, C::HorizBar}));
    // Thin lines and arcs are hit by their pixels.
    EXPECT_EQ(ClassesWhere(&ItemTraits::pixelTested),
              (std::set{C::HorizBar, C::Cresc, C::Slur, C::Kakko, C::Ren3}));
    // Notes, bar numbers, grace groups, tempos and texts have a dialog.
    EXPECT_EQ(ClassesWhere(&ItemTraits::hasDialog),
              (std::set{C::Note, C::HorizBar, C::DaonLeft, C::DaonRight, C::Tempo, C::TextBox}));
    // Marks that reach over notes from their left end.
    EXPECT_EQ(ClassesWhere(&ItemTraits::spanning),
              (std::set{C::Cresc, C::Slur, C::RenTon, C::Kakko, C::Ren3}));
    EXPECT_EQ(ClassesWhere(&ItemTraits::graceGroup), (std::set{C::DaonLeft, C::DaonRight}));
    // A bar number stands in a slot but is anchored at its left end.
    EXPECT_TRUE(TraitsOf(C::HorizBar).symbol && TraitsOf(C::HorizBar).anchoredAtLeft);
    // A mark sign (an ornament, a bowing …) is centred and has no width.
    EXPECT_FALSE(TraitsOf(C::MusicSign).hasWidth || TraitsOf(C::MusicSign).anchoredAtLeft);
}

}  // namespace
}  // namespace sorvel::testing
