// SPDX-License-Identifier: GPL-3.0-or-later
// What is saved reads back as what was typed: characters whose CP932 form
// would come back as another character, control characters, whole score
// texts on the clipboard, and the line breaks of one text.
#include <gtest/gtest.h>
#include <iconv.h>

#include <map>
#include <string>
#include <vector>

#include "base/cp932.h"

namespace sorvel {
namespace {

std::string Utf8(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

// glibc's own conversion of one text, or false when it fails.
bool Iconv(const char* to, const char* from, const std::string& in, std::string& out) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    char buf[16];
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    char* dst = buf;
    size_t room = sizeof buf;
    const bool ok = iconv(cd, &src, &left, &dst, &room) != static_cast<size_t>(-1) && left == 0;
    iconv_close(cd);
    out.assign(buf, static_cast<size_t>(dst - buf));
    return ok;
}

// Every BMP character that CP932 encodes but decodes as another one, found by
// converting each with iconv both ways: the character and what comes back.
std::map<char32_t, std::string> ManyToOneCharacters() {
    std::map<char32_t, std::string> found;
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        std::string bytes, back;
        if (!Iconv("CP932", "UTF-8", Utf8(c), bytes)) continue;
        if (Iconv("UTF-8", "CP932", bytes, back) && back != Utf8(c)) found[c] = back;
    }
    return found;
}

// The JIS forms of the Japanese compatibility pairs and their CP932 forms.
const std::map<std::string, std::string> kCompatibilityPairs = {
    {"〜", "～"}, {"‖", "∥"}, {"−", "－"}, {"—", "―"}, {"¢", "￠"}, {"£", "￡"}, {"¬", "￢"}};

// ---- characters CP932 maps many-to-one ----------------------------------

TEST(Cp932RoundTrip, EveryManyToOneCharacterFollowsTheRule) {
    const std::map<char32_t, std::string> manyToOne = ManyToOneCharacters();
    ASSERT_TRUE(manyToOne.contains(0xA5));  // ¥ → "\": the search works at all
    for (const auto& [c, comesBack] : manyToOne) {
        const std::string typed = Utf8(c);
        const std::string bytes = cp932::FromUtf8(typed);
        const auto pair = kCompatibilityPairs.find(typed);
        if (pair != kCompatibilityPairs.end()) {
            // Written as the CP932 character, as Japanese Windows programs do.
            EXPECT_EQ(comesBack, pair->second) << typed;
            EXPECT_EQ(bytes, cp932::FromUtf8(pair->second)) << typed;
            EXPECT_EQ(cp932::ToUtf8(bytes), pair->second) << typed;
        } else {
            EXPECT_EQ(bytes.substr(0, 3), "&#x") << typed;
            EXPECT_EQ(cp932::ToUtf8(bytes), typed) << typed;
        }
    }
    // Every pair is one of them; nothing else is written as a CP932 character
    // that reads back as another.
    for (const auto& [jis, windows] : kCompatibilityPairs) {
        const std::string bytes = cp932::FromUtf8(jis);
        EXPECT_EQ(cp932::ToUtf8(bytes), windows) << jis;
        EXPECT_EQ(cp932::ToUtf8(cp932::FromUtf8(windows)), windows) << windows;
    }
}

// The whole plane at once: each character reads back as typed, but for the
// JIS forms of the pairs, which read back as their CP932 form.
TEST(Cp932RoundTrip, EveryBmpCharacterReadsBackAsTyped) {
    std::string typed, expected;
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const std::string one = Utf8(c);
        typed += one;
        const auto pair = kCompatibilityPairs.find(one);
        expected += pair == kCompatibilityPairs.end() ? one : pair->second;
    }
    const std::string back = cp932::ToUtf8(cp932::FromUtf8(typed));
    EXPECT_TRUE(back == expected);
    if (back != expected) {
        size_t at = 0;
        while (at < back.size() && at < expected.size() && back[at] == expected[at]) ++at;
        ADD_FAILURE() << "first difference near: " << expected.substr(at > 8 ? at - 8 : 0, 24);
    }
}

TEST(Cp932RoundTrip, YenSignAndOverlineAreReferencesBackslashAndTildeStayAscii) {
    EXPECT_EQ(cp932::FromUtf8("¥100"), "&#x00A5;100");
    EXPECT_EQ(cp932::ToUtf8(cp932::FromUtf8("¥100")), "¥100");
    EXPECT_EQ(cp932::FromUtf8("\\100 ~"), "\\100 ~");
    EXPECT_EQ(cp932::ToUtf8("\\100 ~"), "\\100 ~");
    EXPECT_EQ(cp932::ToUtf8(cp932::FromUtf8("‾")), "‾");
    // A Chinese title keeps its dashes as the CP932 dash, as Japanese
    // programs show them; the full-width yen sign is CP932's own.
    EXPECT_EQ(cp932::ToUtf8(cp932::FromUtf8("二泉映月——阿炳")), "二泉映月――阿炳");
    EXPECT_EQ(cp932::FromUtf8("￥"), "\x81\x8F");
}

// ---- control characters ---------------------------------------------------

TEST(Cp932RoundTrip, ControlCharactersAreReferencesAndReadBack) {
    EXPECT_EQ(cp932::FromUtf8("a\nb"), "a&#x000A;b");
    EXPECT_EQ(cp932::FromUtf8("a\r\nb\tc"), "a&#x000D;&#x000A;b&#x0009;c");
    for (const std::string& text :
         std::vector<std::string>{"by 阿炳\nhttps://example.org/\n1950", "a\r\nb", "\t-\x01-\x7F",
                                  std::string("nul\0inside", 10), "行末\n"}) {
        const std::string bytes = cp932::FromUtf8(text);
        for (const char b : bytes) {
            const auto u = static_cast<unsigned char>(b);
            EXPECT_FALSE(u < 0x20 || u == 0x7F) << "raw control in the bytes of " << text;
        }
        EXPECT_EQ(cp932::ToUtf8(bytes), text);
    }
    // Written by a writer that spells them short, they read back the same.
    EXPECT_EQ(cp932::ToUtf8("a&#xA;b&#x9;c"), "a\nb\tc");
}

TEST(Cp932RoundTrip, ReferenceTextTheUserTypedStaysLiteral) {
    for (const char* text :
         {"&#xA;", "Tune&#xA;  PlayCount=300", "&#x000A;&#x26;#xA;", "&#x00A5;"}) {
        const std::string bytes = cp932::FromUtf8(text);
        EXPECT_EQ(cp932::ToUtf8(bytes), text);
        EXPECT_EQ(cp932::SplitLineBreaks(bytes).size(), 1u) << text;
    }
    // A crafted title cannot make key lines: its breaks stay inside the value.
    const std::string crafted = cp932::FromUtf8("Tune\n  PlayCount=300\n  KeyCode=x");
    EXPECT_EQ(crafted.find('\n'), std::string::npos);
    EXPECT_EQ(crafted.find('\r'), std::string::npos);
}

// ---- whole score texts (the clipboard) -----------------------------------

TEST(Cp932RoundTrip, ScoreTextKeepsItsLinesAndReferences) {
    const std::string line1 = "  Title=" + cp932::FromUtf8("二泉映月\n刘天华 ¥ &#x41;");
    const std::string bytes = line1 + "\r\n  Writer=" + cp932::FromUtf8("a\tb") + "\r\n";
    const std::string text = cp932::ScoreTextToUtf8(bytes);
    // Characters CP932 lacks show as themselves; the line break of the value,
    // its tab and the typed reference stay in the file's form.
    EXPECT_EQ(text,
              "  Title=二泉映月&#x000A;刘天华 ¥ &#x26;#x41;\r\n"
              "  Writer=a&#x0009;b\r\n");
    EXPECT_EQ(cp932::ScoreTextFromUtf8(text), bytes);
    // Text another program put on the clipboard: its line ends are lines.
    EXPECT_EQ(cp932::ScoreTextFromUtf8("a\r\n刘\n¥"), "a\r\n&#x5218;\n&#x00A5;");
}

// ---- line breaks of one text ----------------------------------------------

TEST(Cp932RoundTrip, SplitLineBreaksFindsRawAndReferencedBreaksOnly) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(cp932::SplitLineBreaks(""), Lines{""});
    EXPECT_EQ(cp932::SplitLineBreaks("one"), Lines{"one"});
    EXPECT_EQ(cp932::SplitLineBreaks("a&#x000D;&#x000A;b&#xA;c\r\nd\re\n"),
              (Lines{"a", "b", "c", "d", "e", ""}));
    EXPECT_EQ(cp932::SplitLineBreaks("a&#x26;#x000A;b&#x0009;c"),
              Lines{"a&#x26;#x000A;b&#x0009;c"});
    // Second bytes of double-byte characters are never taken for anything.
    const std::string table = cp932::FromUtf8("表\n予");
    EXPECT_EQ(cp932::SplitLineBreaks(table), (Lines{cp932::FromUtf8("表"), cp932::FromUtf8("予")}));
}

}  // namespace
}  // namespace sorvel
