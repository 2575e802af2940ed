// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A book in its own environment (undo manager, preferences, layout, glyph
// table), as the program sets one up, for model tests.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/itemfactory.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/workspace.h"

namespace sorvel::testing {

class ModelTest : public ::testing::Test, protected Workspace {
protected:
    ModelTest() {
        undo.onStepRecorded = [this] { ++stepsRecorded; };
        undo.onMessage = [this](const UserText& m) { messages.push_back(m.Japanese()); };
        NewBook();
        page = book->GetSheet(0);
    }

    TNote* AddNote(int x, int y, const std::string& content = "5", TMusicSheet* on = nullptr) {
        TNote* note = CreateItem<TNote>(on ? *on : *page);
        note->SetContent(content);
        note->SetPosX(x);
        note->SetPosY(y);
        return note;
    }

    template <class T>
    T* Add(const std::string& content, int x, int y, TMusicSheet* on = nullptr) {
        T* item = CreateItem<T>(on ? *on : *page);
        item->SetContent(content);
        item->SetPosX(x);
        item->SetPosY(y);
        return item;
    }

    // Runs `change` as one recorded step.
    template <class F>
    void Step(F change) {
        undo.BeginGroup();
        change();
        undo.EndGroup();
    }

    std::vector<std::string> OpenGroupNames() const {
        std::vector<std::string> names;
        if (auto* commands = undo.OpenGroupCommands()) {
            for (auto& c : *commands) names.push_back(c->DisplayName());
        }
        return names;
    }

    TMusicSheet* page = nullptr;
    int stepsRecorded = 0;
    std::vector<std::string> messages;
};

}  // namespace sorvel::testing
