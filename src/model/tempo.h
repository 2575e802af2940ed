// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tempo mark: the quarter-note sign and a number, per minute or per cent.
#include "model/musicmark.h"

namespace sorvel {

class TTempo : public TMusicMark2 {
public:
    static constexpr ItemClass kClass = ItemClass::Tempo;
    using TMusicMark2::TMusicMark2;
    ItemClass Class() const override { return kClass; }
    const char* ClassName() const override { return "TTempo"; }
    const PropertyTable& Properties() const override;
    void InitDefaults() override { SetTempo(80); }

    int Tempo() const { return tempo_; }
    int TempoUnit() const { return tempoUnit_; }  // 0 per minute, 1 per cent
    int PrintMode() const { return printMode_; }  // 0 shown only on screen
    void SetTempo(int v) { ChangeInt(tempo_, v, "Tempo"); }
    void SetTempoUnit(int v) { ChangeInt(tempoUnit_, v, "TempoUnit"); }
    void SetPrintMode(int v) { ChangeInt(printMode_, v, "PrintMode"); }

private:
    int tempo_ = 0, printMode_ = 0, tempoUnit_ = 0;
};

}  // namespace sorvel
