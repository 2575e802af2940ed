// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A note numeral: "1".."7" scale degrees, "0" a rest, "8" a dash that
// prolongs the note before it; with its underlines, octave dots, dot and
// accidental, and the timing the timing pass gives it.
#include "model/musicitem.h"

namespace sorvel {

class TNote : public TMusicSymbol {
public:
    static constexpr ItemClass kClass = ItemClass::Note;
    using TMusicSymbol::TMusicSymbol;
    ItemClass Class() const override { return kClass; }
    const char* ClassName() const override { return "TNote"; }
    const PropertyTable& Properties() const override;
    void InitDefaults() override;

    int Length() const { return length_; }
    int Octave() const { return octave_; }
    int Futen() const { return futen_; }
    const std::string& Rinji() const { return rinji_; }
    int OffsetX_Rinji() const { return offsetX_Rinji_; }
    int OffsetY_Rinji() const { return offsetY_Rinji_; }
    int OffsetX_Futen() const { return offsetX_Futen_; }
    int OffsetY_Futen() const { return offsetY_Futen_; }
    void SetLength(int v);
    void SetOctave(int v);
    void SetFuten(int v);
    void SetRinji(const std::string& v);
    void SetOffsetX_Rinji(int v) { ChangeInt(offsetX_Rinji_, v, "OffsetX_Rinji"); }
    void SetOffsetY_Rinji(int v) { ChangeInt(offsetY_Rinji_, v, "OffsetY_Rinji"); }
    void SetOffsetX_Futen(int v) { ChangeInt(offsetX_Futen_, v, "OffsetX_Futen"); }
    void SetOffsetY_Futen(int v) { ChangeInt(offsetY_Futen_, v, "OffsetY_Futen"); }

    // Ticks of a note with `length` underlines (48 per quarter), with the dot.
    static int PlainStepTime(int length, int futen);

    // Computed by the timing pass and the conversion to a sequence.
    int StepNo = 0;
    int NoteNo = 0;
    int StepTime = 48;
    int GateTime = 0;
    TNote* RNote = nullptr;

private:
    int length_ = 0, octave_ = 0, futen_ = 0;
    std::string rinji_;
    int offsetX_Futen_ = 0, offsetX_Rinji_ = 0, offsetY_Futen_ = 0, offsetY_Rinji_ = 0;
};

}  // namespace sorvel
