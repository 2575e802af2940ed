// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hourglass for as long as the object lives, around work the user waits
// for (reading, writing, printing).
#include <QGuiApplication>

namespace sorvel {

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace sorvel
