// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tempo mark's value, unit (per minute or per cent) and whether it is left
// out of print.
#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class TfrmSetTempo;
}

namespace sorvel {

class TTempo;

class TfrmSetTempo : public QDialog {
    Q_OBJECT

public:
    using ShowError = std::function<void(QWidget* parent, const QString& text)>;
    TfrmSetTempo(ShowError showError, QWidget* parent);
    ~TfrmSetTempo() override;

    void Prepare(TTempo& tempo);
    bool Execute(TTempo& tempo);
    // The OK button: a tempo outside the range of its unit shows its message
    // and keeps the dialog open (false); otherwise closes with OK.
    bool Confirm();
    // After an OK: stores Tempo, PrintMode and TempoUnit, in that order.
    void Apply();

private:
    std::unique_ptr<Ui::TfrmSetTempo> ui_;
    ShowError showError_;
    TTempo* tempo_ = nullptr;
};

}  // namespace sorvel
