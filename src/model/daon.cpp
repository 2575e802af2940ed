// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/daon.h"

#include "base/text.h"
#include "model/layoutstate.h"
#include "model/modelenv.h"

namespace sorvel {

TDaon::TDaon(TMusicSheet& sheet, int direction) : TMusicMark2(sheet), direction_(direction) {}

const PropertyTable& TDaon::Properties() const {
    using D = TDaon;
    static const PropertyTable table(
        &TMusicItem::Properties(),
        {ComputedStringProperty<D, &D::AllNoteData, &D::SetAllNoteDataProperty>("AllNoteData"),
         IntProperty<D, &D::Length, &D::SetLength>("Length")});
    return table;
}

void TDaon::InitDefaults() {
    width_ = LayoutOrDefault(Env()).GridSize;
    SetLength(1);
    slots_ = {};
    slots_[0].note = "1";
}

std::string TDaon::AllNoteData() const {
    std::string text;
    for (const DaonSlot& slot : slots_) {
        text += slot.note.empty() ? ' ' : slot.note[0];
        text += IntToStr(slot.octave + 3);
        text += slot.finger.empty() ? ' ' : slot.finger[0];
    }
    return text;
}

std::optional<TDaonSlots> TDaon::ParseAllNoteData(const std::string& text) {
    TDaonSlots slots{};
    for (size_t i = 0; i < slots.size(); ++i) {
        const size_t at = 3 * i;
        if (at + 1 >= text.size()) return std::nullopt;  // the octave is missing
        char octave = text[at + 1];
        if (octave < '0' || octave > '9') return std::nullopt;
        slots[i].note = std::string(Trim(text.substr(at, 1)));
        slots[i].octave = octave - '0' - 3;
        if (at + 2 < text.size()) slots[i].finger = std::string(Trim(text.substr(at + 2, 1)));
    }
    return slots;
}

bool TDaon::SetAllNoteData(const std::string& text) {
    std::string current = AllNoteData();
    if (text == current) return true;
    std::optional<TDaonSlots> parsed = ParseAllNoteData(text);
    if (!parsed) return false;
    slots_ = *parsed;
    std::string written = AllNoteData();
    if (written != current) RecordChange("AllNoteData", current, written);
    return true;
}

int TDaon::UsedSlotCount() const {
    for (int i = 0; i < 4; ++i) {
        if (slots_[static_cast<size_t>(i)].note.empty()) return i;
    }
    return 4;
}

bool TDaon::HitTest(int x, int y) const {
    int c = posX_ + ((digitWidth + width_) * direction_) / 2;
    return c - width_ / 2 <= x && x <= c + width_ / 2 && posY_ - height_ <= y && y <= posY_;
}

}  // namespace sorvel
