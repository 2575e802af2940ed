// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pageview/tools/pastetool.h"

#include <QImage>
#include <QPainter>
#include <vector>

#include "editor/document/editordocument.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/rinjimarktbl.h"
#include "model/workspace.h"
#include "view/core/drawcontext.h"
#include "view/core/itemdrawing.h"
#include "view/qt/qtcanvas.h"

namespace sorvel {

void PasteTool::PaintPreview(QPainter& painter, const QRect& exposed, bool overCursor) {
    if (overCursor || !Floating() || view_.Tool() != ckCopy || exposed.isEmpty()) return;
    // The items are drawn as the page draws them, onto a clear layer, and
    // the layer is then coloured all over in the cursor colour: notes draw
    // their dots and lines with fixed black brushes, which would otherwise
    // stay black.
    const Workspace& ws = document_.Workspace();
    const ScorePaintBox& box = view_.Box();
    const qreal ratio = box.devicePixelRatioF();
    QImage layer(exposed.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.translate(-exposed.topLeft());
        p.scale(box.Scale(), box.Scale());
        QtCanvas canvas(p, false);
        TRinjiMarkTbl rinji;
        DrawContext ctx{ws.prefs, rinji, ws.glyphs, ws.layout, false};
        canvas.SetFont(kMusicFontName, ctx.NotePoints());
        canvas.SetFontColor(ctx.ScoreColor());
        canvas.SetBrush(0x000000, BrushStyle::DiagCross);
        canvas.SetPen(ctx.ScoreColor(), 1);
        TMusicSheet& buffer = view_.PasteBuffer();
        std::vector<TMusicItem*> items;
        for (int i = 0; i < buffer.ItemCount(); ++i) items.push_back(buffer.GetItem(i));
        const CursorPos at = view_.KeyCursor();
        for (TMusicItem* item : items) {
            item->SetPosX(item->dragX + at.x);
            item->SetPosY(item->dragY + at.y);
        }
        for (TMusicItem* item : items) DrawItem(canvas, *item, ctx);
        p.resetTransform();
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(QRect(QPoint(0, 0), exposed.size()),
                   QtCanvas::ToQColor(static_cast<Color>(ws.prefs.DefoCurSorFontColor)));
    }
    painter.drawImage(exposed.topLeft(), layer);
}

}  // namespace sorvel
