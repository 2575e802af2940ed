// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/itemdrawing.h"

#include "model/daon.h"
#include "model/horizbar.h"
#include "model/musicmark.h"
#include "model/note.h"
#include "model/tempo.h"
#include "model/textbox.h"

namespace sorvel {

void DrawItem(Canvas& canvas, TMusicItem& item, DrawContext& ctx) {
    switch (item.Class()) {
        case ItemClass::Note:
            DrawNote(canvas, static_cast<TNote&>(item), ctx);
            break;
        case ItemClass::BarLine:
        case ItemClass::Beat:
        case ItemClass::MusicSign:
            DrawBaseItem(canvas, item, ctx, true);
            break;
        case ItemClass::HorizBar:
            DrawHorizBar(canvas, static_cast<THorizBar&>(item), ctx);
            break;
        case ItemClass::Cresc:
        case ItemClass::Slur:
        case ItemClass::RenTon:
        case ItemClass::Kakko:
        case ItemClass::Ren3:
            DrawSpanningMark(canvas, static_cast<SpanningMark&>(item), ctx);
            break;
        case ItemClass::DaonLeft:
        case ItemClass::DaonRight:
            DrawDaon(canvas, static_cast<TDaon&>(item), ctx);
            break;
        case ItemClass::Tempo:
            DrawTempo(canvas, static_cast<TTempo&>(item), ctx);
            break;
        case ItemClass::TextBox:
            DrawTextBox(canvas, static_cast<TTextBox&>(item), ctx);
            break;
    }
}

}  // namespace sorvel
