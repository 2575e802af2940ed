// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pageview/tools/selecttool.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "editor/document/editordocument.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "model/itemtraits.h"
#include "model/musicsheet.h"
#include "model/workspace.h"
#include "view/core/pagelayout.h"
#include "view/qt/qtcanvas.h"

namespace sorvel {

SelectTool::SelectTool(EditorDocument& document, TMusicPaintBox& view, QObject* parent)
    : PageTool(parent), document_(document), view_(view) {
    setObjectName("SelectTool");
}

// ---- press ---------------------------------------------------------------------

void SelectTool::MousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x,
                              int y) {
    downX_ = cornerX_ = x;
    downY_ = cornerY_ = y;
    if (!resizeCursor_) view_.SetCurrentItem(view_.HitTest(x, y));
    if (button == Qt::RightButton || (modifiers & Qt::ShiftModifier)) {
        press_ = Press::kToggle;
        TogglePress();
    } else if (modifiers & Qt::ControlModifier) {
        press_ = Press::kCtrl;
        SelectOnClick();
    } else {
        press_ = Press::kPlain;
        PlainPress(x, y);
    }
    view_.Redraw();
    view_.StateChanged();
}

void SelectTool::TogglePress() {
    TMusicItem* current = view_.CurrentItem();
    TSelectedMusicItemList& selection = view_.Selection();
    if (!current) {
        view_.ClearSelection();
    } else if (current->selected) {
        current->selected = false;
        std::erase(selection, current);
        if (current->Class() == ItemClass::Note) {
            for (TMusicItem* linked : current->Links()) {
                linked->selected = false;
                std::erase(selection, linked);
            }
        }
    } else {
        view_.SelectWithLinks(current);
    }
}

// A plain click hides the key cursor; on an empty place close to a slot (or
// anywhere on a row while rhythm entry asks for it) it shows it there.
void SelectTool::PlainPress(int x, int y) {
    view_.HideKeyCursor();
    if (!view_.CurrentItem()) {
        PageLayout layout(document_.Workspace().layout);
        const int sx = layout.SnapX(x), sy = layout.SnapY(y);
        view_.MoveCursorTo({sx, sy});
        if (view_.NearestSlotClicks() || (std::abs(x - sx) < 5 && std::abs(y - sy) < 5)) {
            press_ = Press::kKeyCursorShown;
            view_.ShowKeyCursor(sx, sy);
        }
    }
    SelectOnClick();
}

void SelectTool::SelectOnClick() {
    TMusicItem* current = view_.CurrentItem();
    if (!current) {
        view_.ClearSelection();
    } else if (!current->selected) {
        view_.ClearSelection();
        view_.SelectWithLinks(current);
    }
}

// ---- moves ---------------------------------------------------------------------

void SelectTool::MouseMoved(int x, int y) {
    lastMove_ = MoveAction::kNone;
    switch (press_) {
        case Press::kNone:
            ShowResizeGrip(x, y);
            break;
        case Press::kPlain:
        case Press::kCtrl:
            Dragging(x, y);
            break;
        default:
            break;
    }
}

// Over the grip of a selected span the mouse shows that a drag resizes it.
void SelectTool::ShowResizeGrip(int x, int y) {
    bool resize = false;
    for (TMusicItem* item : view_.Selection()) {
        if (!TraitsOf(*item).anchoredAtLeft) continue;
        const Rect grip = item->GetSizeGripRect();
        resize = x > grip.left && x < grip.right && y > grip.top && y < grip.bottom;
    }
    if (resize != resizeCursor_) {
        resizeCursor_ = resize;
        view_.Box().setCursor(resize ? Qt::SizeHorCursor : Qt::ArrowCursor);
    }
}

void SelectTool::Dragging(int x, int y) {
    if (resizeCursor_) {
        DragResize(x);
        return;
    }
    if (!view_.Selection().empty() && view_.CurrentItem()) {
        DragMove(x, y);
        return;
    }
    if (view_.Selection().empty() && view_.CurrentItem()) return;
    cornerX_ = x;
    cornerY_ = y;
    lastMove_ = MoveAction::kRubberBand;
    view_.Box().update();
}

void SelectTool::DragResize(int x) {
    PageLayout layout(document_.Workspace().layout);
    for (TMusicItem* item : view_.Selection()) {
        if (!TraitsOf(*item).anchoredAtLeft) continue;
        item->dragX = item->PosX();
        item->dragY = item->PosY();
        item->dragWidth = layout.SnapX(x) + layout.SnapX(item->PosX() + item->Width()) -
                          layout.SnapX(downX_) - item->PosX();
    }
    lastMove_ = MoveAction::kResizing;
    view_.Redraw(true);
}

void SelectTool::DragMove(int x, int y) {
    PageLayout layout(document_.Workspace().layout);
    TSelectedMusicItemList& selection = view_.Selection();
    TMusicItem* current = view_.CurrentItem();
    lastMove_ = MoveAction::kMoving;
    TMusicItem* reference = current;
    if (!current->IsSymbol() && current->LinkCount() == 1) reference = current->GetLink(0);
    const int dx =
        layout.SnapX(x) + layout.SnapX(current->PosX()) - layout.SnapX(downX_) - current->PosX();
    const bool slotted = std::any_of(selection.begin(), selection.end(),
                                     [](const TMusicItem* i) { return TraitsOf(*i).symbol; });
    const int dy = slotted ? layout.SnapY(y) + layout.SnapY(reference->PosY()) -
                                 layout.SnapY(downY_) - reference->PosY()
                           : y - downY_;
    for (TMusicItem* item : selection) {
        item->dragX = item->PosX() + dx;
        item->dragY = item->PosY() + dy;
        item->dragWidth = item->Width();
    }
    view_.Redraw(true);
}

// ---- release -------------------------------------------------------------------

void SelectTool::MouseReleased(int x, int y) {
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
    press_ = Press::kNone;
    lastMove_ = MoveAction::kNone;
    downX_ = downY_ = -1;
}

void SelectTool::FinishRubberBand(int x, int y) {
    const int left = std::min(downX_, x), right = std::max(downX_, x);
    const int top = std::min(downY_, y), bottom = std::max(downY_, y);
    TSelectedMusicItemList& selection = view_.Selection();
    TMusicSheet& page = *view_.Page();
    view_.ClearSelection();
    for (int i = 0; i < page.ItemCount(); ++i) {
        TMusicItem* item = page.GetItem(i);
        const int l =
            TraitsOf(*item).anchoredAtLeft ? item->PosX() : item->PosX() - item->Width() / 2;
        const int t = item->PosY() - item->Height() / 2;
        if (l >= left && l + item->Width() <= right && t >= top && t + item->Height() <= bottom) {
            selection.AddUnique(item);
        }
    }
    const std::vector<TMusicItem*> found(selection.begin(), selection.end());
    for (TMusicItem* item : found) {
        if (item->Class() != ItemClass::Note) continue;
        for (TMusicItem* linked : item->Links()) selection.AddUnique(linked);
    }
    for (TMusicItem* item : selection) item->selected = true;
}

void SelectTool::FinishMove() {
    document_.Edit("move", [this](Transaction&) { MoveSelectionToDragPositions(); });
}

void SelectTool::MoveSelectionToDragPositions() {
    TSelectedMusicItemList& selection = view_.Selection();
    for (TMusicItem* item : selection) {
        if (!item->IsSymbol()) continue;
        item->SetPosX(item->dragX);
        item->SetPosY(item->dragY);
    }
    for (TMusicItem* item : selection) {
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

void SelectTool::FinishResize() {
    document_.Edit("resize", [this](Transaction&) {
        for (TMusicItem* item : view_.Selection()) {
            if (TraitsOf(*item).anchoredAtLeft) item->SetWidth(item->dragWidth);
        }
    });
}

// ---- preview -------------------------------------------------------------------

void SelectTool::PaintPreview(QPainter& painter, const QRect&, bool overCursor) {
    if (overCursor || lastMove_ != MoveAction::kRubberBand || downX_ < 0) return;
    const Workspace& ws = document_.Workspace();
    painter.save();
    painter.scale(view_.Box().Scale(), view_.Box().Scale());
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(QtCanvas::ToQColor(static_cast<Color>(ws.prefs.DefoRubberBandColor)));
    pen.setStyle(Qt::DashLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(downX_, downY_), QPoint(cornerX_, cornerY_)).normalized());
    painter.restore();
}

}  // namespace sorvel
