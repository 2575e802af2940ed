// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/note.h"

#include "model/glyphcodes.h"
#include "model/modelenv.h"
#include "model/preferences.h"

namespace sorvel {

const PropertyTable& TNote::Properties() const {
    using N = TNote;
    static const PropertyTable table(
        &TMusicItem::Properties(),
        {IntProperty<N, &N::Length, &N::SetLength>("Length"),
         IntProperty<N, &N::Octave, &N::SetOctave>("Octave"),
         IntProperty<N, &N::Futen, &N::SetFuten>("Futen"),
         StringProperty<N, &N::Rinji, &N::SetRinji>("Rinji"),
         IntProperty<N, &N::OffsetX_Rinji, &N::SetOffsetX_Rinji>("OffsetX_Rinji"),
         IntProperty<N, &N::OffsetY_Rinji, &N::SetOffsetY_Rinji>("OffsetY_Rinji"),
         IntProperty<N, &N::OffsetX_Futen, &N::SetOffsetX_Futen>("OffsetX_Futen"),
         IntProperty<N, &N::OffsetY_Futen, &N::SetOffsetY_Futen>("OffsetY_Futen")});
    return table;
}

void TNote::InitDefaults() {
    StepTime = 48;
    const Preferences& p = PrefsOrDefault(Env());
    SetOffsetX_Rinji(p.DefoOffsetRateX_Rinji);
    SetOffsetY_Rinji(p.DefoOffsetRateY_Rinji);
    SetOffsetX_Futen(p.DefoOffsetRateX_Futen);
    SetOffsetY_Futen(p.DefoOffsetRateY_Futen);
}

int TNote::PlainStepTime(int length, int futen) {
    // 48 div 2^length; a negative count is taken as none, and lengths of six
    // underlines or more are shorter than a tick.
    int ticks = length < 0 ? 48 : length > 30 ? 0 : 48 >> length;
    if (futen != 0) ticks += ticks / 2;
    return ticks;
}

void TNote::SetLength(int v) {
    if (!ChangeInt(length_, v, "Length")) return;
    StepTime = PlainStepTime(length_, futen_);
}

void TNote::SetOctave(int v) {
    if (Content() == kSustainDashText) return;  // a dash has no octave
    ChangeInt(octave_, v, "Octave");
}

void TNote::SetFuten(int v) {
    if (v == futen_) return;
    if (futen_ == 0) {
        const Preferences& p = PrefsOrDefault(Env());
        SetOffsetX_Futen(p.DefoOffsetRateX_Futen);
        SetOffsetY_Futen(p.DefoOffsetRateY_Futen);
    }
    ChangeInt(futen_, v, "Futen");
    StepTime = PlainStepTime(length_, futen_);
}

void TNote::SetRinji(const std::string& v) {
    if (v == rinji_) return;
    if (rinji_.empty()) {
        const Preferences& p = PrefsOrDefault(Env());
        SetOffsetX_Rinji(p.DefoOffsetRateX_Rinji);
        SetOffsetY_Rinji(p.DefoOffsetRateY_Rinji);
    }
    ChangeString(rinji_, v, "Rinji");
}

}  // namespace sorvel
