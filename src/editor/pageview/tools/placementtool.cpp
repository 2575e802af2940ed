// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pageview/tools/placementtool.h"

#include <QPainter>

#include "editor/document/editordocument.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "model/workspace.h"
#include "view/core/drawcontext.h"
#include "view/core/pagelayout.h"
#include "view/qt/qtcanvas.h"

namespace sorvel {

PlacementTool::PlacementTool(EditorDocument& document, TMusicPaintBox& view, QObject* parent)
    : PageTool(parent), document_(document), view_(view) {
    setObjectName("PlacementTool");
}

void PlacementTool::MousePressed(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
    PageLayout layout(document_.Workspace().layout);
    // Mouse moves keep the cursor position at the snapped mouse point; a
    // click that came without a move first (a pen, a test) lands there too.
    const CursorPos at{layout.SnapX(x), layout.SnapY(y)};
    view_.MoveCursorTo(at);
    held_ = true;
    const TContentKind tool = view_.Tool();
    const long before = document_.Undo().StateId();
    const Placed placed = view_.PlaceTool(at, button);
    if (placed.done && view_.onToolPlaced) view_.onToolPlaced(tool, before);
}

void PlacementTool::MouseMoved(int x, int y) {
    // While the button that placed is held, nothing floats.
    if (held_) return;
    PageLayout layout(document_.Workspace().layout);
    view_.FloatAt({layout.SnapX(x), layout.SnapY(y)});
}

void PlacementTool::MouseReleased(int, int) {
    held_ = false;
}

bool PlacementTool::Floating() const {
    return view_.Tool() != ckNone && view_.FloatingShown() && !view_.PressHeld();
}

void PlacementTool::PaintPreview(QPainter& painter, const QRect&, bool overCursor) {
    const std::string& glyph = view_.ToolGlyph();
    if (!overCursor || !Floating() || view_.Tool() == ckCopy || glyph.empty()) return;
    const Workspace& ws = document_.Workspace();
    painter.save();
    painter.scale(view_.Box().Scale(), view_.Box().Scale());
    painter.setRenderHint(QPainter::Antialiasing, true);
    QtCanvas canvas(painter, false);
    canvas.SetFont(kMusicFontName, SafePoints(ws.prefs.DefoCurSorFontSize));
    canvas.SetFontColor(static_cast<Color>(ws.prefs.DefoCurSorFontColor));
    const int w = canvas.TextWidth(glyph), h = canvas.TextHeight(glyph);
    const CursorPos at = view_.KeyCursor();
    canvas.TextOut(at.x - w / 2, at.y - h / 2, glyph);
    painter.restore();
}

}  // namespace sorvel
