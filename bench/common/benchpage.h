// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A page as full as a dense score page: 500 items, notes with finger and bow
// marks over them and bar lines, for the drawing and editor benchmarks.
#include <string>

#include "model/itemfactory.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"

namespace sorvel {

// 8 rows x 36 slots of notes with marks above them: 500 items.
inline void FillBenchPage(TMusicSheet& page) {
    int count = 0;
    for (int row = 0; row < 8 && count < 500; ++row) {
        const int y = 243 + row * 146;
        for (int slot = 1; slot < 36 && count < 500; ++slot) {
            const int x = 40 + slot * 25;
            if (slot % 9 == 0) {
                TBarLine* bar = CreateItem<TBarLine>(page);
                bar->SetContent("c");
                bar->SetPosX(x);
                bar->SetPosY(y);
                ++count;
                continue;
            }
            TNote* note = CreateItem<TNote>(page);
            note->SetContent(std::string(1, static_cast<char>('1' + slot % 7)));
            note->SetLength(slot % 3 == 0 ? 0 : 1);
            note->SetOctave(slot % 5 == 0 ? 1 : 0);
            note->SetPosX(x);
            note->SetPosY(y);
            ++count;
            if (count < 500) {
                TMusicSign* finger = CreateItem<TMusicSign>(page);
                finger->SetContent(std::string(1, static_cast<char>('T' + slot % 5)));
                finger->SetPosX(x);
                finger->SetPosY(y - 36);
                ++count;
            }
            if (slot % 2 == 0 && count < 500) {
                TMusicSign* bow = CreateItem<TMusicSign>(page);
                bow->SetContent(slot % 4 == 0 ? "P" : "Q");
                bow->SetPosX(x);
                bow->SetPosY(y - 57);
                ++count;
            }
        }
    }
}

}  // namespace sorvel
