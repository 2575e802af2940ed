// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For the tests of the book builder: an imported score written measure by
// measure in code, and a workspace that builds it into a book and finds its
// notes, their slots and rows, and what was left out.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "importedbook.h"
#include "interchange/bookbuilder.h"
#include "interchange/musicxmlreader.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/workspace.h"

namespace sorvel::interchange::bookfixture {

inline XmlPitch P(char step, int octave, int alter = 0) {
    return {step, alter, octave};
}

// A measure written note by note, each starting where the last ended.
class MeasureText {
public:
    explicit MeasureText(int beats = 0, int beatType = 0) {
        m_.beats = beats;
        m_.beatType = beatType;
    }
    MeasureText& N(XmlPitch p, int ticks, const std::string& signs = {}) {
        ImportedNote n;
        n.onset = time_;
        n.duration = ticks;
        n.pitch = p;
        n.signs = signs;
        m_.notes.push_back(n);
        time_ += ticks;
        m_.length = time_;
        return *this;
    }
    MeasureText& R(int ticks) {
        N({}, ticks);
        m_.notes.back().rest = true;
        return *this;
    }
    ImportedNote& Last() { return m_.notes.back(); }
    ImportedMeasure& M() { return m_; }

private:
    ImportedMeasure m_;
    int time_ = 0;
};

class BookBuilderTest : public ::testing::Test, protected Workspace {
protected:
    BookBuilderTest() { NewBook(); }

    TMusicBook& Build(const std::string& fallback = "曲") {
        built = BuildBook(score, env, fallback);
        book = std::move(built.book);
        return *book;
    }
    TMusicSheet& Page(int i = 0) { return *book->GetSheet(i); }
    std::vector<TNote*> Notes(int pageIndex = 0) { return testbook::NotesOf(Page(pageIndex)); }
    int Slot(const TMusicItem& item) {
        const TMusicSheet& p = item.Sheet();
        return (item.PosX() - p.LeftSpace()) / p.GridSize();
    }
    int Row(const TMusicItem& item) {
        const TMusicSheet& p = item.Sheet();
        return (item.PosY() - p.TopSpace() - p.TitleHeight() - p.RowInterval() / 2) /
               p.RowInterval();
    }
    int LeftOut(const std::string& label) const {
        for (const auto& [name, count] : built.leftOut) {
            if (name == label) return count;
        }
        return 0;
    }

    ImportedScore score;
    BuiltBook built;
};

}  // namespace sorvel::interchange::bookfixture
