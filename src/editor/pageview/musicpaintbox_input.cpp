// SPDX-License-Identifier: GPL-3.0-or-later
// The page view's handling of the mouse: hit tests, selection, rubber band,
// moving and resizing, the key cursor shown by a click, and the marks drawn
// over the page image. Placing a tool lives in musicpaintbox_placement.cpp,
// the keys in musicpaintbox_keys.cpp.
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "editor/dialogs/itemdialogs.h"
#include "editor/document/editordocument.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
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

namespace {}  // namespace

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

void TMusicPaintBox::SelectOnClick() {
    if (!currentItem_) {
        ClearSelection();
    } else if (!currentItem_->selected) {
        ClearSelection();
        SelectWithLinks(currentItem_);
    }
}

void TMusicPaintBox::StateChanged() {
    if (onStateChanged) onStateChanged();
}

void TMusicPaintBox::NoteEntered(TMusicItem* item) {
    if (onNoteEntered) onNoteEntered(item);
}

// ---- mouse ---------------------------------------------------------------------

void TMusicPaintBox::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x,
                               int y) {
    if (!page_) return;
    downX_ = cornerX_ = x;
    downY_ = cornerY_ = y;
    if (tool_ != ckNone) {
        Placement(button, x, y);
        return;
    }
    if (!resizeCursor_) currentItem_ = HitTest(x, y);
    if (button == Qt::RightButton || (modifiers & Qt::ShiftModifier)) {
        dragState_ = DragState::kTogglePress;
        if (!currentItem_) {
            ClearSelection();
        } else if (currentItem_->selected) {
            currentItem_->selected = false;
            std::erase(selection_, currentItem_);
            if (currentItem_->Class() == ItemClass::Note) {
                for (TMusicItem* linked : currentItem_->Links()) {
                    linked->selected = false;
                    std::erase(selection_, linked);
                }
            }
        } else {
            SelectWithLinks(currentItem_);
        }
    } else if (modifiers & Qt::ControlModifier) {
        dragState_ = DragState::kCtrlPress;
        SelectOnClick();
    } else {
        dragState_ = DragState::kPlainPress;
        HideKeyCursor();
        if (!currentItem_) {
            PageLayout layout(ws_.layout);
            const int sx = layout.SnapX(x), sy = layout.SnapY(y);
            cursor_ = {sx, sy};
            if (nearestSlotClicks_ || (std::abs(x - sx) < 5 && std::abs(y - sy) < 5)) {
                dragState_ = DragState::kKeyCursorShown;
                ShowKeyCursor(sx, sy);
            }
        }
        SelectOnClick();
    }
    Redraw();
    StateChanged();
}

void TMusicPaintBox::MouseMove(int x, int y) {
    lastMove_ = MoveAction::kNone;
    if (!page_) return;
    switch (dragState_) {
        case DragState::kIdle:
            if (tool_ != ckNone) {
                PageLayout layout(ws_.layout);
                const CursorPos at{layout.SnapX(x), layout.SnapY(y)};
                if (!(at == cursor_) || !floatingShown_) {
                    cursor_ = at;
                    floatingShown_ = true;
                    box_.update();
                }
            } else {
                bool resize = false;
                for (TMusicItem* item : selection_) {
                    if (!TraitsOf(*item).anchoredAtLeft) continue;
                    const Rect grip = item->GetSizeGripRect();
                    resize = x > grip.left && x < grip.right && y > grip.top && y < grip.bottom;
                }
                if (resize != resizeCursor_) {
                    resizeCursor_ = resize;
                    box_.setCursor(resize ? Qt::SizeHorCursor : Qt::ArrowCursor);
                }
            }
            break;
        case DragState::kPlainPress:
        case DragState::kCtrlPress:
            Dragging(x, y);
            break;
        default:
            break;
    }
}

void TMusicPaintBox::Dragging(int x, int y) {
    PageLayout layout(ws_.layout);
    if (resizeCursor_) {
        for (TMusicItem* item : selection_) {
            if (!TraitsOf(*item).anchoredAtLeft) continue;
            item->dragX = item->PosX();
            item->dragY = item->PosY();
            item->dragWidth = layout.SnapX(x) + layout.SnapX(item->PosX() + item->Width()) -
                              layout.SnapX(downX_) - item->PosX();
        }
        lastMove_ = MoveAction::kResizing;
        Redraw(true);
        return;
    }
    if (!selection_.empty() && currentItem_) {
        lastMove_ = MoveAction::kMoving;
        TMusicItem* reference = currentItem_;
        if (!currentItem_->IsSymbol() && currentItem_->LinkCount() == 1) {
            reference = currentItem_->GetLink(0);
        }
        const int dx = layout.SnapX(x) + layout.SnapX(currentItem_->PosX()) - layout.SnapX(downX_) -
                       currentItem_->PosX();
        const bool slotted = std::any_of(selection_.begin(), selection_.end(),
                                         [](const TMusicItem* i) { return TraitsOf(*i).symbol; });
        const int dy = slotted ? layout.SnapY(y) + layout.SnapY(reference->PosY()) -
                                     layout.SnapY(downY_) - reference->PosY()
                               : y - downY_;
        for (TMusicItem* item : selection_) {
            item->dragX = item->PosX() + dx;
            item->dragY = item->PosY() + dy;
            item->dragWidth = item->Width();
        }
        Redraw(true);
        return;
    }
    if (selection_.empty() && currentItem_) return;
    cornerX_ = x;
    cornerY_ = y;
    lastMove_ = MoveAction::kRubberBand;
    box_.update();
}

void TMusicPaintBox::MouseUp(int x, int y) {
    if (!page_) return;
    switch (lastMove_) {
        case MoveAction::kRubberBand:
            FinishRubberBand(x, y);
            break;
        case MoveAction::kMoving:
            FinishMove();
            break;
        case MoveAction::kResizing:
            FinishResize();
            break;
        default:
            break;
    }
    dragState_ = DragState::kIdle;
    lastMove_ = MoveAction::kNone;
    downX_ = downY_ = -1;
    Redraw();
    StateChanged();
    if (onPageClickEnded) onPageClickEnded();
}

void TMusicPaintBox::FinishRubberBand(int x, int y) {
    const int left = std::min(downX_, x), right = std::max(downX_, x);
    const int top = std::min(downY_, y), bottom = std::max(downY_, y);
    ClearSelection();
    for (int i = 0; i < page_->ItemCount(); ++i) {
        TMusicItem* item = page_->GetItem(i);
        const int l =
            TraitsOf(*item).anchoredAtLeft ? item->PosX() : item->PosX() - item->Width() / 2;
        const int t = item->PosY() - item->Height() / 2;
        if (l >= left && l + item->Width() <= right && t >= top && t + item->Height() <= bottom) {
            selection_.AddUnique(item);
        }
    }
    const std::vector<TMusicItem*> found(selection_.begin(), selection_.end());
    for (TMusicItem* item : found) {
        if (item->Class() != ItemClass::Note) continue;
        for (TMusicItem* linked : item->Links()) selection_.AddUnique(linked);
    }
    for (TMusicItem* item : selection_) item->selected = true;
}

void TMusicPaintBox::FinishMove() {
    document_.Edit("move", [this](Transaction&) { MoveSelectionToDragPositions(); });
}

void TMusicPaintBox::MoveSelectionToDragPositions() {
    for (TMusicItem* item : selection_) {
        if (!item->IsSymbol()) continue;
        item->SetPosX(item->dragX);
        item->SetPosY(item->dragY);
    }
    for (TMusicItem* item : selection_) {
        if (item->IsSymbol()) continue;
        const bool daon =
            item->Class() == ItemClass::DaonLeft || item->Class() == ItemClass::DaonRight;
        bool stays = false;
        if (!daon && item->LinkCount() > 0) {
            // A mark dragged along with its note stays attached: it keeps its
            // place when the note now lies within its box.
            const TMusicItem* first = item->GetLink(0);
            const int halfW = item->Width() / 2, halfH = item->Height() / 2;
            stays = first->PosX() >= item->dragX - halfW && first->PosX() <= item->dragX + halfW &&
                    first->PosY() >= item->dragY - halfH && first->PosY() <= item->dragY + halfH;
        }
        if (stays) continue;
        item->SetPosX(item->dragX);
        item->SetPosY(item->dragY);
    }
}

void TMusicPaintBox::FinishResize() {
    document_.Edit("resize", [this](Transaction&) {
        for (TMusicItem* item : selection_) {
            if (TraitsOf(*item).anchoredAtLeft) item->SetWidth(item->dragWidth);
        }
    });
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

// ---- placing tools ------------------------------------------------------------

void TMusicPaintBox::Placement(Qt::MouseButton button, int x, int y) {
    PageLayout layout(ws_.layout);
    // Mouse moves keep the cursor position at the snapped mouse point; a
    // click that came without a move first (a pen, a test) lands there too.
    cursor_ = {layout.SnapX(x), layout.SnapY(y)};
    dragState_ = DragState::kPlacingTool;
    const TContentKind tool = tool_;
    const long before = ws_.undo.StateId();
    const Placed placed = PlaceTool(cursor_, button);
    if (placed.done && onToolPlaced) onToolPlaced(tool, before);
}

// ---- marks drawn over the page image ------------------------------------------------

void TMusicPaintBox::PaintOverlays(QPainter& painter, const QRect& exposed) {
    const bool floating = tool_ != ckNone && floatingShown_ && dragState_ == DragState::kIdle;
    if (floating && tool_ == ckCopy) PaintFloatingPaste(painter, exposed);
    painter.save();
    painter.scale(box_.Scale(), box_.Scale());
    painter.setRenderHint(QPainter::Antialiasing, true);
    QtCanvas canvas(painter, false);
    if (lastMove_ == MoveAction::kRubberBand && downX_ >= 0) {
        QPen pen(QtCanvas::ToQColor(static_cast<Color>(ws_.prefs.DefoRubberBandColor)));
        pen.setStyle(Qt::DashLine);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(QPoint(downX_, downY_), QPoint(cornerX_, cornerY_)).normalized());
    }
    if (KeyCursorShown() && cursorMarkVisible_) {
        const QSize five = MeasureInPageFont("5");
        QPen pen(Qt::black, 5);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(cursor_.x - five.width() / 2, cursor_.y + five.height() / 2,
                         cursor_.x + five.width() / 2, cursor_.y + five.height() / 2);
    }
    if (floating && tool_ != ckCopy && !toolGlyph_.empty()) {
        canvas.SetFont(kMusicFontName, SafePoints(ws_.prefs.DefoCurSorFontSize));
        canvas.SetFontColor(static_cast<Color>(ws_.prefs.DefoCurSorFontColor));
        const int w = canvas.TextWidth(toolGlyph_), h = canvas.TextHeight(toolGlyph_);
        canvas.TextOut(cursor_.x - w / 2, cursor_.y - h / 2, toolGlyph_);
    }
    if (pageOverlay && page_) pageOverlay(painter, *page_);
    painter.restore();
}

}  // namespace sorvel
