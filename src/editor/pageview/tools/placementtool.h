// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page's mouse while the palette's tool is chosen: its glyph floats at
// the snapped mouse point, and a click places the tool there as one
// transaction of the document (or refuses it, and the status line says why).
#include "editor/pageview/pagetool.h"

namespace sorvel {

class EditorDocument;
class TMusicPaintBox;

class PlacementTool : public PageTool {
    Q_OBJECT

public:
    PlacementTool(EditorDocument& document, TMusicPaintBox& view, QObject* parent = nullptr);

    void MousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x,
                      int y) override;
    void MouseMoved(int x, int y) override;
    void MouseReleased(int x, int y) override;
    void PaintPreview(QPainter& painter, const QRect& exposed, bool overCursor) override;

protected:
    // Whether what floats is shown now: it has a place, and no button is held.
    bool Floating() const;

    EditorDocument& document_;
    TMusicPaintBox& view_;

private:
    bool held_ = false;
};

}  // namespace sorvel
