// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A book in its own environment with a recording canvas and a draw context
// over the current page's layout, for drawing tests. With the default
// layout (note size 18 pt) the music font is 24 units high and each glyph
// 14 units wide.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/glyphinfotable.h"
#include "model/itemfactory.h"
#include "model/layoutstate.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/preferences.h"
#include "model/rinjimarktbl.h"
#include "model/workspace.h"
#include "recordingcanvas.h"
#include "view/core/drawcontext.h"
#include "view/core/pagelayout.h"

namespace sorvel::testing {

class DrawingTest : public ::testing::Test, protected Workspace {
protected:
    DrawingTest() {
        env.undo = nullptr;  // drawing tests record nothing
        page = NewBook().GetSheet(0);
        canvas.SetFont(kMusicFontName, layout.NoteFontSize);
    }

    template <class T>
    T* Add(const std::string& content, int x, int y) {
        T* item = CreateItem<T>(*page);
        item->SetContent(content);
        item->SetPosX(x);
        item->SetPosY(y);
        return item;
    }

    TNote* AddNote(int x, int y, const std::string& content = "5", int length = 0, int octave = 0) {
        TNote* note = Add<TNote>(content, x, y);
        note->SetLength(length);
        note->SetOctave(octave);
        return note;
    }

    DrawContext Context(bool drag = false) {
        return DrawContext{prefs, rinji, glyphs, layout, drag};
    }

    TRinjiMarkTbl rinji;
    TMusicSheet* page = nullptr;
    RecordingCanvas canvas;
};

}  // namespace sorvel::testing
