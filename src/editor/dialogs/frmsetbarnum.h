// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bar count of a multi-bar rest: one number, 1 to 999, stored as decimal
// text in the item's BarNum.
#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class TfrmSetBarNum;
}

namespace sorvel {

class THorizBar;

class TfrmSetBarNum : public QDialog {
    Q_OBJECT

public:
    using ShowError = std::function<void(QWidget* parent, const QString& text)>;
    TfrmSetBarNum(ShowError showError, QWidget* parent);
    ~TfrmSetBarNum() override;

    // Shows the bar's count, focused with its text selected.
    void Prepare(THorizBar& bar);
    bool Execute(THorizBar& bar);
    // The OK button: a count outside 1 to 999 shows its message and keeps the
    // dialog open (false); otherwise closes with OK.
    bool Confirm();
    // After an OK: stores the count in the bar.
    void Apply();

private:
    std::unique_ptr<Ui::TfrmSetBarNum> ui_;
    ShowError showError_;
    THorizBar* bar_ = nullptr;
};

}  // namespace sorvel
