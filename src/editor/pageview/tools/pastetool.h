// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The floating paste: what was copied floats at the snapped mouse point in
// the cursor colour, and a click lands it there as one transaction of the
// document (refused off the page or on an item that takes nothing).
#include "editor/pageview/tools/placementtool.h"

namespace sorvel {

class PasteTool : public PlacementTool {
    Q_OBJECT

public:
    using PlacementTool::PlacementTool;

    void PaintPreview(QPainter& painter, const QRect& exposed, bool overCursor) override;
};

}  // namespace sorvel
