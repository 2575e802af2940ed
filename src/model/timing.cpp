// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/timing.h"

#include "base/text.h"
#include "model/glyphcodes.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"

namespace sorvel {
namespace {

int TripletLength(int length) {
    static constexpr int kTriplet[] = {32, 16, 8, 4, 2};
    if (length >= 0 && length < 5) return kTriplet[length];
    return 1;
}

bool LinkedToTriplet(const TNote& note) {
    for (const TMusicItem* link : note.Links()) {
        if (link->Class() == ItemClass::Ren3) return true;
    }
    return false;
}

void ComputeStepTimes(TMusicSheet& page) {
    int countdown = 0;
    for (int i = 0; i < page.ItemCount(); ++i) {
        TNote* note = page.GetItem(i)->As<TNote>();
        if (!note) {
            countdown = 0;
            continue;
        }
        if (countdown > 0) {
            note->StepTime = TripletLength(note->Length());
            --countdown;
            continue;
        }
        note->StepTime = TNote::PlainStepTime(note->Length(), note->Futen());
        if (LinkedToTriplet(*note)) {
            note->StepTime = TripletLength(note->Length());
            countdown = 2;
        }
    }
}

bool EndsOrContinuesRun(const TMusicItem& item) {
    return item.Class() == ItemClass::Note || item.Class() == ItemClass::BarLine ||
           item.Class() == ItemClass::HorizBar;
}

int BeatUnitOf(const std::string& content) {
    // A beat of a quarter (or half) note counts 48 ticks, of an eighth 72.
    const Meter* meter = content.empty() ? nullptr : MeterOfCode(content[0]);
    return meter && meter->beatType <= 4 ? 48 : 72;
}

void ComputeBeats(TMusicSheet& page) {
    int beat = 1;
    long long sum = 0;
    int unit = 48;
    const int count = page.ItemCount();
    for (int i = 0; i < count; ++i) {
        TMusicItem* item = page.GetItem(i);
        // Only a time signature sets the beat: a fermata sign, whose glyph
        // shares the time signatures' kind, sits above a note and would
        // otherwise regroup the underlines of every later row.
        if (item->Class() == ItemClass::Beat) unit = BeatUnitOf(item->Content());
        if (item->Class() == ItemClass::BarLine || item->Class() == ItemClass::HorizBar) {
            beat = 1;
            sum = 0;
        }
        TNote* note = item->As<TNote>();
        if (!note) continue;
        TMusicItem* next = nullptr;
        for (int j = i + 1; j < count; ++j) {
            if (EndsOrContinuesRun(*page.GetItem(j))) {
                next = page.GetItem(j);
                break;
            }
        }
        note->StepNo = beat;
        sum += note->StepTime;
        beat = static_cast<int>(sum / unit) + 1;
        if (next && next->Class() == ItemClass::Note) {
            note->RNote = next->As<TNote>();
        } else {
            note->RNote = nullptr;
            beat = 1;
            sum = 0;
        }
    }
}

}  // namespace

void ComputeTiming(TMusicSheet& page) {
    ComputeStepTimes(page);
    ComputeBeats(page);
}

TMusicItem* LastSymbolOfSection(TMusicSheet& page) {
    TMusicBook& book = page.Book();
    TMusicSheet* candidate = &page;
    for (int i = book.IndexOfSheet(&page) + 1; i < book.SheetCount(); ++i) {
        TMusicSheet* next = book.GetSheet(i);
        if (!Trim(next->Title()).empty()) break;
        if (next->ItemCount() > 0) candidate = next;
    }
    for (int i = candidate->ItemCount() - 1; i >= 0; --i) {
        if (candidate->GetItem(i)->IsSymbol()) return candidate->GetItem(i);
    }
    return nullptr;
}

}  // namespace sorvel
