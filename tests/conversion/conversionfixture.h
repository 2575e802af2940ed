// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A book in its own environment with helpers that write a score left to
// right along the rows of a page, and read back what a conversion built.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/glyphinfotable.h"
#include "model/itemfactory.h"
#include "model/layoutstate.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/preferences.h"
#include "model/tempo.h"
#include "model/undo.h"
#include "model/workspace.h"
#include "playback/conversion/buildsequence.h"
#include "playback/rcpdata.h"

namespace sorvel::testing {

class ConversionTest : public ::testing::Test, protected Workspace {
protected:
    ConversionTest() {
        page = NewBook().GetSheet(0);
        page->SetTitle("Piece");
        data.SetStartupValues();
    }

    static constexpr int kSlotsPerRow = 30;

    // Throws the book away for a new one, whose score starts again at the
    // first slot of the first row.
    void StartNewBook() {
        page = NewBook().GetSheet(0);
        page->SetTitle("Piece");
        slot_ = 0;
    }

    int RowY(int row) const {
        return page->TopSpace() + page->TitleHeight() + page->RowInterval() / 2 +
               row * page->RowInterval();
    }
    // The x of grid slot `slot` (from 1) of a row.
    int SlotX(int slot) const { return page->LeftSpace() + slot * page->GridSize(); }

    // The next symbol of the score, one grid slot to the right of the last.
    template <class T>
    T* Next(const std::string& content, TMusicSheet* on = nullptr) {
        TMusicSheet& target = on ? *on : *page;
        T* item = CreateItem<T>(target);
        item->SetContent(content);
        item->SetPosX(SlotX(slot_ % kSlotsPerRow + 1));
        item->SetPosY(RowY(slot_ / kSlotsPerRow));
        ++slot_;
        return item;
    }
    TNote* N(const std::string& content, int length = 0, TMusicSheet* on = nullptr) {
        TNote* note = Next<TNote>(content, on);
        note->SetLength(length);
        return note;
    }
    TBarLine* Bar(const std::string& code = "c") { return Next<TBarLine>(code); }
    // Notes and bar lines from a compact text: digits are notes, "|" a bar
    // line, ":" an end repeat ("g"), "[" a start repeat ("f").
    std::vector<TNote*> Score(const std::string& text) {
        std::vector<TNote*> notes;
        for (char c : text) {
            if (c == '|')
                Bar("c");
            else if (c == '[')
                Bar("f");
            else if (c == ':')
                Bar("g");
            else if (c != ' ')
                notes.push_back(N(std::string(1, c)));
        }
        return notes;
    }

    template <class T = TMusicSign>
    T* Mark(TNote& note, const std::string& content) {
        T* mark = CreateItem<T>(note.Sheet());
        mark->SetContent(content);
        mark->SetPosX(note.PosX());
        mark->SetPosY(note.PosY() - 40);
        note.Link(*mark);
        mark->Link(note);
        return mark;
    }
    TTempo* TempoMark(TNote& note, int tempo, int unit) {
        TTempo* mark = Mark<TTempo>(note, "/");
        mark->SetTempo(tempo);
        mark->SetTempoUnit(unit);
        return mark;
    }

    BuildResult Build(TNote* first = nullptr, TNote* last = nullptr) {
        return BuildSequence(data, *page, first, last, options, prefs);
    }

    const std::vector<TMidiEvent>& Track(int j) const { return data.Track(j).events.Events(); }
    // The melody as played: the content of the source note of every note event.
    std::string Played() const {
        std::string played;
        for (const TMidiEvent& e : Track(1)) {
            if (e.IsNote() && e.sourceItem) played += e.sourceItem->Content();
        }
        return played;
    }
    const TMidiEvent* EventOf(const TNote* note) const {
        for (const TMidiEvent& e : Track(1)) {
            if (e.IsNote() && e.sourceItem == note) return &e;
        }
        return nullptr;
    }

    TMusicSheet* page = nullptr;
    TRcpData data;
    PlayOptions options;

private:
    int slot_ = 0;
};

}  // namespace sorvel::testing
