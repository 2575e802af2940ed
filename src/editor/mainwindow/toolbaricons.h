// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The toolbar's pictures, drawn as vector shapes so they stay sharp at any
// screen scale.
#include <QIcon>

namespace sorvel {

// The picture of the toolbar button bound to `actionName`; an empty icon
// for names without one.
QIcon ToolBarIcon(const QString& actionName);

}  // namespace sorvel
