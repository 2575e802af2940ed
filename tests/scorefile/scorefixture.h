// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A score-file test: an environment as the program sets one up, golden files
// from tests/scorefile/data, and helpers to read and write books.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "base/cp932.h"
#include "model/glyphinfotable.h"
#include "model/layoutstate.h"
#include "model/modelenv.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/preferences.h"
#include "model/scorefile.h"
#include "model/undo.h"

namespace sorvel::testing {

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string DataPath(const std::string& name) {
    return std::string(SCOREFILE_DATA) + "/" + name;
}
inline std::string Golden(const std::string& name) {
    return ReadBytes(DataPath(name));
}

// UTF-8 source text to the CP932 bytes the model holds.
inline std::string J(const char* utf8) {
    return cp932::FromUtf8(utf8);
}

class ScoreTest : public ::testing::Test {
protected:
    ScoreTest() {
        env.undo = &undo;
        env.prefs = &prefs;
        env.layout = &layout;
        env.glyphs = &glyphs;
    }
    ~ScoreTest() override { undo.Clear(); }

    ReadResult Read(std::string_view bytes) { return ReadScoreBytes(bytes, env); }

    // Reads the bytes, expecting success, and keeps the book.
    TMusicBook& ReadOk(std::string_view bytes) {
        ReadResult r = Read(bytes);
        EXPECT_EQ(r.status, ReadStatus::Ok) << r.message;
        if (!r.book) r.book = std::make_unique<TMusicBook>(env);
        books.push_back(std::move(r.book));
        return *books.back();
    }

    static std::string Save(TMusicBook& book) { return LinesToFileBytes(SaveBookToLines(book)); }

    // A text of lines with CR LF, as a file holds them.
    static std::string Text(const std::vector<std::string>& lines) {
        return LinesToFileBytes(lines);
    }

    TUndo undo;
    Preferences prefs;
    LayoutState layout;
    GlyphInfoTable glyphs;
    ModelEnv env;
    std::vector<std::unique_ptr<TMusicBook>> books;
};

}  // namespace sorvel::testing
