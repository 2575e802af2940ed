// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box: the program's icon, name and version, its copyright and
// licence (the full text a button away), and an OK button. The main window
// shows it modally with exec().
#include <QDialog>

namespace sorvel {

class TfrmVersionInfo : public QDialog {
    Q_OBJECT

public:
    explicit TfrmVersionInfo(QWidget* parent);

    // Shows the full text of the licence, modal over the about box.
    void ShowLicence();
};

}  // namespace sorvel
