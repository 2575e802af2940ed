// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the Qt-free layers: templates filled in one pass, lists joined by
// their separator template, plain parts left alone.
#include "base/usertext.h"

#include <gtest/gtest.h>

#include <sstream>

namespace sorvel {
namespace {

TEST(UserText, PlacesAreFilledOnceFromLeftToRight) {
    EXPECT_EQ(FillPlaces("%1ページ目に%2個", {"3", "256"}), "3ページ目に256個");
    EXPECT_EQ(FillPlaces("%2 before %1", {"a", "b"}), "b before a");
    // A value holding a place is not filled again.
    EXPECT_EQ(FillPlaces("「%1」と%2", {"%2.svl", "x"}), "「%2.svl」とx");
    // A place without a value, a lone or trailing percent stay as written.
    EXPECT_EQ(FillPlaces("%1 %3 100% %", {"a"}), "a %3 100% %");
}

TEST(UserText, JapaneseFillsNestedTemplates) {
    const UserText text(
        SORVEL_TEXT("ctx", "読み込まなかったもの: %1。"),
        {UserText::List(
            {UserText(SORVEL_TEXT("ctx", "%1 %2"),
                      {UserText("ctx", "和音の音"), UserText::Number(3)}),
             UserText(SORVEL_TEXT("ctx", "%1 %2"), {UserText::Plain("歌詞"), UserText::Number(1)}),
             UserText::Plain("%1")})});
    EXPECT_EQ(text.Japanese(), "読み込まなかったもの: 和音の音 3、歌詞 1、%1。");
    std::ostringstream out;
    out << text;
    EXPECT_EQ(out.str(), text.Japanese());
}

TEST(UserText, EmptyListAndDefaultAreEmpty) {
    EXPECT_TRUE(UserText().empty());
    EXPECT_TRUE(UserText::List({}).empty());
    EXPECT_EQ(UserText::List({UserText::Plain("one")}).Japanese(), "one");
    EXPECT_FALSE(UserText(SORVEL_TEXT("ctx", "x")).empty());
}

}  // namespace
}  // namespace sorvel
