// SPDX-License-Identifier: GPL-3.0-or-later
// The labels of what an import left out, as texts to translate: a label that
// names the thing left out ("対応していない記号 <wedge>") is its template and
// the name; any other label is its own template. The summary line is built
// from them and reads in Japanese exactly as the labels and counts were.
#include <gtest/gtest.h>

#include <string>

#include "interchange/importedscore.h"
#include "interchange/musicxmlimport.h"
#include "interchange/musicxmlreader.h"
#include "model/modelenv.h"
#include "model/workspace.h"

namespace sorvel::interchange {
namespace {

TEST(LeftOutLabels, NamingLabelsSplitIntoTemplateAndName) {
    const std::string wedge = NamedLeftOutLabel(kUnsupportedMarkLabel, "<wedge>");
    EXPECT_EQ(wedge, "対応していない記号 <wedge>");
    const UserText text = LeftOutLabelText(wedge);
    EXPECT_STREQ(text.context, kUnsupportedMarkLabel.context);
    EXPECT_EQ(text.source, kUnsupportedMarkLabel.source);
    ASSERT_EQ(text.args.size(), 1u);
    EXPECT_EQ(text.args[0].source, "<wedge>");
    EXPECT_EQ(text.args[0].context, nullptr);
    EXPECT_EQ(text.Japanese(), wedge);

    const UserText meter = LeftOutLabelText(NamedLeftOutLabel(kUnknownMeterLabel, "5/4"));
    EXPECT_EQ(meter.source, kUnknownMeterLabel.source);
    EXPECT_EQ(meter.Japanese(), "この形式にない拍子 5/4");

    // The name may stand before the rest of the label: "5連符の括弧".
    const UserText tuplet = LeftOutLabelText(NamedLeftOutLabel(kTupletBracketLabel, "5"));
    EXPECT_EQ(tuplet.source, kTupletBracketLabel.source);
    ASSERT_EQ(tuplet.args.size(), 1u);
    EXPECT_EQ(tuplet.args[0].source, "5");
    const UserText asTriplets = LeftOutLabelText(NamedLeftOutLabel(kTupletAsTripletsLabel, "6"));
    EXPECT_EQ(asTriplets.source, kTupletAsTripletsLabel.source);
    EXPECT_EQ(asTriplets.Japanese(), "6連符（3連符の括弧で書きました）");
    EXPECT_EQ(LeftOutLabelText("連符の括弧").source, "連符の括弧");

    const UserText plain = LeftOutLabelText("和音の音");
    EXPECT_STREQ(plain.context, "sorvel::interchange");
    EXPECT_EQ(plain.source, "和音の音");
    EXPECT_TRUE(plain.args.empty());
}

TEST(LeftOutLabels, EveryLabelOfARealImportReadsBackAsItself) {
    const MusicXmlReadResult read = ReadMusicXmlFile(std::string(SORVEL_SHARED_MUSICXML) +
                                                     "/samples/CharlesGounod_Meditation.xml");
    ASSERT_TRUE(read.ok) << read.message;
    ASSERT_FALSE(read.score.leftOut.empty());
    bool named = false;
    for (const auto& [label, count] : read.score.leftOut) {
        const UserText text = LeftOutLabelText(label);
        EXPECT_EQ(text.Japanese(), label);
        named = named || !text.args.empty();
    }
    EXPECT_TRUE(named);

    Workspace ws;
    const MusicXmlImport imported = ImportReadScore(read.score, "Meditation.xml", ws.env);
    ASSERT_TRUE(imported.ok);
    const std::string line = imported.summary.Japanese();
    EXPECT_EQ(line.rfind("MusicXMLを読み込みました（パート 1/", 0), 0u) << line;
    EXPECT_NE(line.find("読み込まなかったもの: "), std::string::npos) << line;
    EXPECT_NE(line.find("対応していない記号 <wedge> 1"), std::string::npos) << line;
    EXPECT_EQ(line.substr(line.size() - 3), "。");
}

}  // namespace
}  // namespace sorvel::interchange
