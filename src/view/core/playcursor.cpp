// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/playcursor.h"

#include "base/arith.h"
#include "model/musicitem.h"
#include "model/preferences.h"
#include "view/core/drawcontext.h"

namespace sorvel {

void DrawPlayCursor(Canvas& canvas, const TMusicItem& item, int rowInterval,
                    const Preferences& prefs) {
    canvas.SetPen(static_cast<Color>(prefs.DefoPlayCursorColor),
                  SafePenWidth(prefs.DefoPlayCursorWidth));
    canvas.SetPenMode(prefs.DefoPlayCursorDispMode != 0 ? PenMode::NotXor : PenMode::Copy);
    canvas.Line(item.PosX(), item.PosY() - Half(rowInterval), item.PosX(),
                item.PosY() + DivTrunc(rowInterval, 4));
    canvas.SetPenMode(PenMode::Copy);
}

}  // namespace sorvel
