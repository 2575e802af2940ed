// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "base/usertext.h"

namespace sorvel {

struct BatchCommand;
enum class BatchKind;

// Whether the command draws pages: it needs Qt's painter, and so a
// QGuiApplication (on the offscreen platform) instead of a QCoreApplication.
bool DrawsPages(BatchKind kind);

// --export-png, --export-bmp, --export-pdf: draws pages without a display.
bool RunPageExport(const BatchCommand& cmd, UserText& error);

}  // namespace sorvel
