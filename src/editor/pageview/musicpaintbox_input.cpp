// SPDX-License-Identifier: GPL-3.0-or-later
// The page view's hit tests, selection helpers, the mouse handed to the page's
// tools (select, place, paste in tools/), and the marks drawn over the page
// image. Placing a tool lives in musicpaintbox_placement.cpp, the keys in
// musicpaintbox_keys.cpp.
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <initializer_list>
#include <utility>

#include "editor/dialogs/itemdialogs.h"
#include "editor/document/editordocument.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/pageview/tools/pastetool.h"
#include "editor/pageview/tools/placementtool.h"
#include "editor/pageview/tools/selecttool.h"
#include "model/glyphcodes.h"
#include "model/itemtraits.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/workspace.h"
#include "view/core/drawcontext.h"
#include "view/core/itemdrawing.h"
#include "view/qt/qtcanvas.h"

namespace sorvel {

// ---- hit tests ----------------------------------------------------------------

bool TMusicPaintBox::PixelHit(TMusicItem& item, int x, int y) {
    // Only the few pixels the test looks at are drawn: a small image whose
    // origin is three units left of and four above the point.
    constexpr int kLeft = 3, kTop = 4;
    QImage probe(8, 8, QImage::Format_RGB32);
    probe.fill(Qt::white);
    {
        QPainter painter(&probe);
        painter.translate(kLeft - x, kTop - y);
        QtCanvas canvas(painter, false);
        canvas.SetBrush(0, BrushStyle::DiagCross);
        DrawContext ctx{ws_.prefs, rinji_, ws_.glyphs, ws_.layout, false};
        const bool wasSelected = item.selected;
        item.selected = false;
        DrawItem(canvas, item, ctx);
        item.selected = wasSelected;
    }
    static constexpr int kProbe[][2] = {{0, 0}, {1, 0},  {-1, 0}, {0, 1},
                                        {0, 2}, {0, -1}, {0, -2}, {0, -3}};
    for (const auto& d : kProbe) {
        if (probe.pixel(kLeft + d[0], kTop + d[1]) != qRgb(255, 255, 255)) return true;
    }
    return false;
}

TMusicItem* TMusicPaintBox::HitTest(int x, int y) {
    if (!page_) return nullptr;
    for (int i = 0; i < page_->ItemCount(); ++i) {
        TMusicItem* item = page_->GetItem(i);
        const bool hit = TraitsOf(*item).pixelTested ? PixelHit(*item, x, y) : item->HitTest(x, y);
        if (hit) return item;
    }
    return nullptr;
}

TMusicItem* TMusicPaintBox::NoteAtSlot(int x, int y) {
    return HitTest(x, y);
}

int TMusicPaintBox::SlurEnd(const TNote& note, int n, bool stopAtBarLines) const {
    const TMusicSheet& page = note.Sheet();
    const int count = page.ItemCount();
    for (int i = page.IndexOfItem(&note) + 1; i < count; ++i) {
        const TMusicItem* item = page.GetItem(i);
        if (item->Class() == ItemClass::Note && item->Content() != kSustainDashText) --n;
        if (stopAtBarLines && item->Class() == ItemClass::BarLine) n = 0;
        if (item->PosY() != note.PosY() || i == count - 1) n = 0;
        if (n <= 0) {
            if (item->PosY() != note.PosY()) return page.PageWidth - page.RightSpace();
            return item->PosX() - (item->Class() == ItemClass::BarLine ? page.GridSize() : 0);
        }
    }
    return -1;
}

QSize TMusicPaintBox::MeasureInPageFont(const std::string& text) const {
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    QtCanvas canvas(painter, false);
    canvas.SetFont(PGothicFontName(), SafePoints(ws_.layout.NoteFontSize));
    return QSize(canvas.TextWidth(text), canvas.TextHeight(text));
}

// ---- selection -------------------------------------------------------------------

void TMusicPaintBox::SelectWithLinks(TMusicItem* item) {
    if (selection_.AddUnique(item) >= 0) item->selected = true;
    if (item->Class() != ItemClass::Note) return;
    for (TMusicItem* linked : item->Links()) {
        if (selection_.AddUnique(linked) >= 0) linked->selected = true;
    }
}

void TMusicPaintBox::StateChanged() {
    if (onStateChanged) onStateChanged();
}

void TMusicPaintBox::NoteEntered(TMusicItem* item) {
    if (onNoteEntered) onNoteEntered(item);
}

// ---- mouse ---------------------------------------------------------------------

PageTool& TMusicPaintBox::MouseTool() {
    if (tool_ == ckNone) return *selectTool_;
    if (tool_ == ckCopy) return *pasteTool_;
    return *placementTool_;
}

void TMusicPaintBox::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x,
                               int y) {
    if (!page_) return;
    pressTool_ = &MouseTool();
    pressTool_->MousePressed(button, modifiers, x, y);
}

void TMusicPaintBox::MouseMove(int x, int y) {
    if (!page_) return;
    (pressTool_ ? *pressTool_ : MouseTool()).MouseMoved(x, y);
}

void TMusicPaintBox::MouseUp(int x, int y) {
    if (!page_) return;
    if (PageTool* tool = std::exchange(pressTool_, nullptr)) tool->MouseReleased(x, y);
    Redraw();
    StateChanged();
    if (onPageClickEnded) onPageClickEnded();
}

void TMusicPaintBox::FloatAt(CursorPos at) {
    if (at == cursor_ && floatingShown_) return;
    cursor_ = at;
    floatingShown_ = true;
    box_.update();
}

void TMusicPaintBox::DoubleClick() {
    if (!currentItem_ || !onEditItem) return;
    if (HasPropertyDialog(*currentItem_)) onEditItem(*currentItem_);
    Redraw();
}

void TMusicPaintBox::DoubleClickOnPage() {
    const bool opensDialog = currentItem_ && onEditItem && HasPropertyDialog(*currentItem_);
    DoubleClick();
    // The widget delivers the double-click's own press next; the dialog
    // has had it, so the page leaves it alone.
    swallowDoubleClickPress_ = opensDialog;
}

// ---- marks drawn over the page image ------------------------------------------------

void TMusicPaintBox::PaintOverlays(QPainter& painter, const QRect& exposed) {
    // What the tools would do, under the key cursor's mark and over it.
    const std::initializer_list<PageTool*> tools = {pasteTool_.get(), selectTool_.get(),
                                                    placementTool_.get()};
    for (PageTool* tool : tools) tool->PaintPreview(painter, exposed, false);
    if (KeyCursorShown() && cursorMarkVisible_) {
        painter.save();
        painter.scale(box_.Scale(), box_.Scale());
        painter.setRenderHint(QPainter::Antialiasing, true);
        const QSize five = MeasureInPageFont("5");
        QPen pen(Qt::black, 5);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(cursor_.x - five.width() / 2, cursor_.y + five.height() / 2,
                         cursor_.x + five.width() / 2, cursor_.y + five.height() / 2);
        painter.restore();
    }
    for (PageTool* tool : tools) tool->PaintPreview(painter, exposed, true);
    if (pageOverlay && page_) {
        painter.save();
        painter.scale(box_.Scale(), box_.Scale());
        painter.setRenderHint(QPainter::Antialiasing, true);
        pageOverlay(painter, *page_);
        painter.restore();
    }
}

}  // namespace sorvel
