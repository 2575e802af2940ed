// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list beside the page of a checked take: the notes furthest off first,
// with page, bar, cents and timing against the beat, then the missed ones.
// A click asks to show the note; Escape asks to clear the check.
#include <QDockWidget>

#include "editor/practice/checkoverlay.h"

class QTreeWidget;

namespace sorvel {

class CheckListDock : public QDockWidget {
    Q_OBJECT
public:
    explicit CheckListDock(QWidget* parent);

    // Lists the check in the overlay's list order (nothing when empty).
    void ShowCheck(const CheckOverlay& overlay);
    QTreeWidget& List() { return *list_; }
    // The check's note index of a row, -1 for none.
    int NoteOfRow(int row) const;

    bool eventFilter(QObject* watched, QEvent* event) override;

Q_SIGNALS:
    void noteChosen(int index);
    void clearRequested();

private:
    QTreeWidget* list_;
};

// Cents as the list and the page show them: "+23", "−7", "±0".
QString SignedCents(double cents);

}  // namespace sorvel
