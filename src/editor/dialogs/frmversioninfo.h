#pragma once
// The about box: the program's icon, name and version, and an OK button.
// The main window shows it modally with exec().
#include <QDialog>

namespace sorvel {

class TfrmVersionInfo : public QDialog {
    Q_OBJECT

public:
    explicit TfrmVersionInfo(QWidget* parent);
};

}  // namespace sorvel
