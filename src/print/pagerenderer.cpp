// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/pagerenderer.h"

#include "model/glyphinfotable.h"
#include "model/layoutstate.h"
#include "model/musicsheet.h"
#include "model/preferences.h"
#include "view/core/drawcontext.h"
#include "view/core/pagedrawing.h"
#include "view/qt/qtcanvas.h"

namespace sorvel {

void PageRenderer::Paint(QPainter& painter, TMusicSheet& page, bool printing) {
    TakeOverPageSettings(*env_.layout, page, *env_.glyphs);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    QtCanvas canvas(painter, printing);
    DrawContext ctx{*env_.prefs, rinji_, *env_.glyphs, *env_.layout};
    DrawPage(canvas, page, ctx);
}

QImage PageRenderer::Render(TMusicSheet& page, bool printing) {
    const int width = page.PageWidth > 0 ? page.PageWidth : kFallbackPageWidth;
    const int height = page.PageHeight > 0 ? page.PageHeight : kFallbackPageHeight;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Paint(painter, page, printing);
    painter.end();
    return image;
}

}  // namespace sorvel
