// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page's mouse when no palette tool is chosen: a click selects (with its
// linked marks; Shift or the right button toggles, Ctrl keeps the selection),
// a plain click on an empty slot shows the key cursor there, a drag moves the
// selection, resizes a span by its grip, or draws a rubber band that selects
// what lies inside. A move or resize is one transaction of the document.
#include "editor/pageview/pagetool.h"

namespace sorvel {

class EditorDocument;
class TMusicPaintBox;

class SelectTool : public PageTool {
    Q_OBJECT

public:
    SelectTool(EditorDocument& document, TMusicPaintBox& view, QObject* parent = nullptr);

    void MousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x,
                      int y) override;
    void MouseMoved(int x, int y) override;
    void MouseReleased(int x, int y) override;
    void PaintPreview(QPainter& painter, const QRect& exposed, bool overCursor) override;

private:
    // What the button held down started; a move drags only after a plain or
    // Ctrl press.
    enum class Press {
        kNone,
        kPlain,
        kToggle,  // right button or Shift: toggles the item's selection
        kCtrl,
        kKeyCursorShown,  // the press showed the key cursor at a grid point
    };
    // What the last move of the held button did, finished on release.
    enum class MoveAction { kNone, kRubberBand, kMoving, kResizing };

    void TogglePress();
    void PlainPress(int x, int y);
    void SelectOnClick();
    void ShowResizeGrip(int x, int y);
    void Dragging(int x, int y);
    void DragResize(int x);
    void DragMove(int x, int y);
    void FinishRubberBand(int x, int y);
    void FinishMove();
    void MoveSelectionToDragPositions();
    void FinishResize();

    EditorDocument& document_;
    TMusicPaintBox& view_;
    Press press_ = Press::kNone;
    MoveAction lastMove_ = MoveAction::kNone;
    int downX_ = -1, downY_ = -1;
    int cornerX_ = -1, cornerY_ = -1;
    bool resizeCursor_ = false;
};

}  // namespace sorvel
