// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/commatext.h"
#include "model/glyphinfotable.h"
#include "model/rinjimarktbl.h"
#include "model/selectedmusicitemlist.h"
#include "modelfixture.h"

namespace sorvel::testing {
namespace {

TEST(RinjiMarkTbl, TwentyNinePairsAtMost) {
    TRinjiMarkTbl table;
    for (int i = 0; i < 29; ++i) table.Set(std::to_string(i % 7 + 1), i / 7, "a");
    EXPECT_EQ(table.Count(), 29);
    table.Set("1", 9, "b");  // a 30th pair is not recorded
    EXPECT_EQ(table.Find("1", 9), -1);
    table.Set("1", 0, "b");  // nor is a change to an existing one
    EXPECT_EQ(table.Lookup("1", 0), "a");
    table.Clear();
    EXPECT_EQ(table.Lookup("1", 0), "");
}

TEST(RinjiMarkTbl, EmptyAccidentalKeepsItsEntry) {
    TRinjiMarkTbl table;
    table.Set("3", 1, "`");
    table.Set("3", 1, "");
    EXPECT_EQ(table.Count(), 1);
    EXPECT_EQ(table.Find("3", 1), 0);
    EXPECT_EQ(table.Lookup("3", 1), "");
    EXPECT_EQ(table.Find("3", 0), -1);
}

TEST(NoteName, SpellingsFollowTheKey) {
    EXPECT_EQ(NoteName(0, 10), "Bb");
    EXPECT_EQ(NoteName(1, 10), "A#");
    EXPECT_EQ(NoteName(4, 0), "B#");
    EXPECT_EQ(NoteName(16, 0), NoteName(0, 0));
    EXPECT_EQ(NoteName(0, 0), "C ");
    EXPECT_EQ(NoteName(14, 4), "Fb");
    EXPECT_EQ(NoteName(13, 23), "Cb");
}

TEST(SelectByText, MatchesTrimmedTextOrFallsBackToTheFirst) {
    const std::vector<std::string> sizes = {" 8", "10", " 12 "};
    EXPECT_EQ(SelectByText(sizes, "12"), 2);
    EXPECT_EQ(SelectByText(sizes, " 10  "), 1);
    EXPECT_EQ(SelectByText(sizes, "11"), 0);
    EXPECT_EQ(SelectByText({}, "11"), -1);
}

TEST(SelectedList, AddUniqueReportsDuplicates) {
    TSelectedMusicItemList list;
    int a, b;
    auto* pa = reinterpret_cast<TMusicItem*>(&a);
    auto* pb = reinterpret_cast<TMusicItem*>(&b);
    EXPECT_EQ(list.AddUnique(pa), 0);
    EXPECT_EQ(list.AddUnique(pb), 1);
    EXPECT_EQ(list.AddUnique(pa), -1);
    EXPECT_EQ(list.size(), 2u);
}

TEST(GlyphInfoTable, KindsAndRatesFollowThePage) {
    GlyphInfoTable table;
    EXPECT_EQ(GlyphInfoTable::KindOf('5'), ckNote);
    EXPECT_EQ(GlyphInfoTable::KindOf('`'), ckRinji);
    EXPECT_EQ(GlyphInfoTable::KindOf('}'), ckRenTon);
    EXPECT_EQ(GlyphInfoTable::KindOf('q'), ckOrnament1);
    EXPECT_EQ(GlyphInfoTable::KindOf('u'), ckSpeed);
    EXPECT_EQ(GlyphInfoTable::KindOf('N'), ckNone);
    EXPECT_EQ(GlyphInfoTable::KindOf(200), ckNone);
    OffsetRates rates;
    rates.Bow = 270;
    rates.PF = -170;
    table.RefreshRates(rates);
    EXPECT_EQ(table.Lookup('P').OffsetRate, 270);
    EXPECT_EQ(table.Lookup('/').OffsetRate, -170);
    EXPECT_EQ(table.Lookup('/').SizeRate, 70);
    EXPECT_EQ(table.Lookup('c').SizeRate, 200);
    EXPECT_EQ(table.Lookup('9').SizeRate, 0);
    EXPECT_GT(table.Lookup('t').SizeRate, 0);  // the "other" sign stays visible
    EXPECT_EQ(table.Lookup(160).Kind, ckNone);
    EXPECT_EQ(table.Lookup(160).SizeRate, 0);
    EXPECT_EQ(table.LookupContent("").HeightRate, 100);
}

TEST(CommaText, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(JoinCommaText({"a b", "c"}), "\"a b\",c");
    EXPECT_EQ(JoinCommaText({""}), "\"\"");
    EXPECT_EQ(JoinCommaText({}), "");
    EXPECT_EQ(JoinCommaText({"say \"hi\"", "x,y", ""}), "\"say \"\"hi\"\"\",\"x,y\",");
}

TEST(CommaText, SplitsAsWritten) {
    using L = std::vector<std::string>;
    EXPECT_EQ(SplitCommaText("\"a b\",c"), (L{"a b", "c"}));
    EXPECT_EQ(SplitCommaText("\"\""), (L{""}));
    EXPECT_EQ(SplitCommaText(""), L{});
    EXPECT_EQ(SplitCommaText("a,"), (L{"a", ""}));
    EXPECT_EQ(SplitCommaText("  a , b"), (L{"a", "b"}));
    EXPECT_EQ(SplitCommaText("a b"), (L{"a", "b"}));
    EXPECT_EQ(SplitCommaText("1,,2"), (L{"1", "", "2"}));
    EXPECT_EQ(SplitCommaText("\"unterminated"), (L{"unterminated"}));
    for (const L& lines : {L{"say \"hi\"", "x,y", ""}, L{"\x82\xA0,\x81\x40"}, L{"\x83\x5C"}}) {
        EXPECT_EQ(SplitCommaText(JoinCommaText(lines)), lines);
    }
}

TEST(CommaText, DoubleByteCharactersAreSteppedOverWhole) {
    // 0x81 0x2C is not a CP932 pair, but a lead byte followed by a comma in a
    // damaged text must still not lose data: the pair is kept as one entry.
    EXPECT_EQ(SplitCommaText("\x82\xA0x,y"), (std::vector<std::string>{"\x82\xA0x", "y"}));
    EXPECT_EQ(SplitCommaText("\"\x82\x22\""), (std::vector<std::string>{"\x82\x22"}));
}

}  // namespace
}  // namespace sorvel::testing
