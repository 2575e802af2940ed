// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pageview/musicpaintbox.h"

#include <QPainter>

#include "editor/document/editordocument.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/pageview/tools/pastetool.h"
#include "editor/pageview/tools/placementtool.h"
#include "editor/pageview/tools/selecttool.h"
#include "model/musicbook.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/workspace.h"
#include "view/core/drawcontext.h"
#include "view/core/pagedrawing.h"
#include "view/qt/qtcanvas.h"

namespace sorvel {

namespace {

// An off-screen image larger than this (a page at 400 % on a HiDPI screen
// would take over 300 MB) is not kept; the page is drawn straight onto the
// widget then.
constexpr qint64 kMaxImagePixels = 40'000'000;

}  // namespace

TMusicPaintBox::TMusicPaintBox(EditorDocument& document, ScorePaintBox& paintBox)
    : document_(document),
      ws_(document.Workspace()),
      box_(paintBox),
      selectTool_(std::make_unique<SelectTool>(document, *this)),
      placementTool_(std::make_unique<PlacementTool>(document, *this)),
      pasteTool_(std::make_unique<PasteTool>(document, *this)) {
    box_.onPaint = [this](QPainter& painter, const QRect& exposed) { Paint(painter, exposed); };
    pasteEnv_ = ws_.env;
    pasteEnv_.undo = nullptr;
    pasteBook_ = std::make_unique<TMusicBook>(pasteEnv_);
    pasteSheet_ = pasteBook_->NewSheet();
    box_.onMousePress = [this](const PageMouse& m) {
        if (swallowDoubleClickPress_) {
            swallowDoubleClickPress_ = false;
            return;
        }
        MouseDown(m.button, m.modifiers, m.pos.x(), m.pos.y());
    };
    box_.onMouseMove = [this](const PageMouse& m) { MouseMove(m.pos.x(), m.pos.y()); };
    box_.onMouseRelease = [this](const PageMouse& m) {
        swallowDoubleClickPress_ = false;
        MouseUp(m.pos.x(), m.pos.y());
    };
    box_.onDoubleClick = [this](const PageMouse&) { DoubleClickOnPage(); };
    blink_.setInterval(500);
    QObject::connect(&blink_, &QTimer::timeout, &box_, [this] {
        cursorMarkVisible_ = !cursorMarkVisible_;
        box_.update();
    });
}

TMusicPaintBox::~TMusicPaintBox() = default;

void TMusicPaintBox::SetPage(TMusicSheet* page) {
    if (page == page_) return;
    page_ = page;
    if (!page_) {
        ClearSelection();
        currentItem_ = nullptr;
        imageCurrent_ = false;
        box_.update();
        return;
    }
    RetakePageSettings();
}

void TMusicPaintBox::RetakePageSettings() {
    if (page_) TakeOverPageSettings(ws_.layout, *page_, ws_.glyphs);
}

void TMusicPaintBox::ClearSelection() {
    for (TMusicItem* item : selection_) item->selected = false;
    selection_.clear();
}

void TMusicPaintBox::SelectAll() {
    if (!page_) return;
    ClearSelection();
    for (int i = 0; i < page_->ItemCount(); ++i) {
        TMusicItem* item = page_->GetItem(i);
        item->selected = true;
        selection_.push_back(item);
    }
    Redraw();
    if (onStateChanged) onStateChanged();
}

void TMusicPaintBox::SelectItems(const std::vector<TMusicItem*>& items) {
    ClearSelection();
    if (page_) {
        for (TMusicItem* item : items) {
            if (page_->IndexOfItem(item) < 0 || selection_.AddUnique(item) < 0) continue;
            item->selected = true;
        }
    }
    Redraw();
    if (onStateChanged) onStateChanged();
}

void TMusicPaintBox::DeleteSelection() {
    if (selection_.empty()) return;
    const std::vector<TMusicItem*> doomed(selection_.begin(), selection_.end());
    ClearSelection();
    currentItem_ = nullptr;
    document_.Edit("delete", [&](Transaction&) {
        for (TMusicItem* item : doomed) item->Delete();
    });
    Redraw();
    if (onStateChanged) onStateChanged();
}

void TMusicPaintBox::SetTool(TContentKind tool) {
    tool_ = tool;
    box_.update();
}

void TMusicPaintBox::SetToolGlyph(const std::string& glyph) {
    if (glyph == toolGlyph_) return;
    toolGlyph_ = glyph;
    if (tool_ != ckNone) box_.update();
}

void TMusicPaintBox::ShowKeyCursor(int x, int y) {
    PageLayout layout(ws_.layout);
    cursor_ = {layout.SnapX(x), layout.SnapY(y)};
    cursorMarkVisible_ = true;
    blink_.start();
    box_.update();
    if (onStateChanged) onStateChanged();
}

void TMusicPaintBox::HideKeyCursor() {
    if (!blink_.isActive()) return;
    blink_.stop();
    cursorMarkVisible_ = false;
    box_.update();
    if (onStateChanged) onStateChanged();
}

void TMusicPaintBox::BeginFloatingPaste() {
    tool_ = ckCopy;
    cursor_ = FloatingStart();
    floatingShown_ = true;
    box_.update();
}

TMusicPaintBox::HeldRedraw::HeldRedraw(TMusicPaintBox& view) : view_(view) {
    ++view_.redrawHeld_;
}

TMusicPaintBox::HeldRedraw::~HeldRedraw() {
    if (--view_.redrawHeld_ == 0 && view_.redrawWanted_) {
        view_.redrawWanted_ = false;
        view_.Redraw(view_.dragPositions_);
    }
}

void TMusicPaintBox::SizeToPage() {
    box_.SetPageSize(ws_.layout.PageWidth, ws_.layout.PageHeight);
}

void TMusicPaintBox::SetZoom(int percent) {
    box_.SetZoom(percent);
    Redraw(dragPositions_);
}

int TMusicPaintBox::Zoom() const {
    return box_.Zoom();
}

qreal TMusicPaintBox::DeviceScale() const {
    return box_.Scale() * box_.devicePixelRatioF();
}

void TMusicPaintBox::DrawPageOn(QPainter& painter, bool dragPositions) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    QtCanvas canvas(painter, false);
    DrawContext ctx{ws_.prefs, rinji_, ws_.glyphs, ws_.layout, dragPositions};
    if (page_) {
        DrawPageImage(canvas, *page_, ctx);
    } else {
        painter.fillRect(QRect(0, 0, ws_.layout.PageWidth, ws_.layout.PageHeight), Qt::white);
    }
}

void TMusicPaintBox::Redraw(bool dragPositions) {
    dragPositions_ = dragPositions;
    if (redrawHeld_ > 0) {
        redrawWanted_ = true;
        return;
    }
    ++redraws_;
    SizeToPage();
    const qreal scale = DeviceScale();
    const QSize pixels(qRound(ws_.layout.PageWidth * scale), qRound(ws_.layout.PageHeight * scale));
    imageCurrent_ = qint64{pixels.width()} * pixels.height() <= kMaxImagePixels;
    if (imageCurrent_) {
        if (image_.size() != pixels) image_ = QImage(pixels, QImage::Format_RGB32);
        // A painter on an image with a pixel ratio scales by that ratio itself.
        image_.setDevicePixelRatio(box_.devicePixelRatioF());
        QPainter painter(&image_);
        painter.scale(box_.Scale(), box_.Scale());
        DrawPageOn(painter, dragPositions);
    } else {
        image_ = QImage();
    }
    box_.update();
}

void TMusicPaintBox::Paint(QPainter& painter, const QRect& exposed) {
    if (imageCurrent_ && !image_.isNull()) {
        // The image carries the screen's pixel ratio, so it maps one to one.
        painter.drawImage(exposed, image_,
                          QRectF(exposed.topLeft() * image_.devicePixelRatio(),
                                 exposed.size() * image_.devicePixelRatio()));
    } else {
        painter.fillRect(exposed, Qt::white);
        painter.setClipRect(exposed);
        painter.save();
        painter.scale(box_.Scale(), box_.Scale());
        DrawPageOn(painter, dragPositions_);
        painter.restore();
    }
    PaintOverlays(painter, exposed);
}

}  // namespace sorvel
