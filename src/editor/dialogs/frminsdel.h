// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog of insert and delete with shift: how many bars or grid slots to
// open or to clear. It checks the count on OK and keeps itself open with a
// message while the count is negative or more than a page.
#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class TfrmInsDel;
}

namespace sorvel {

class TfrmInsDel : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Insert, Delete };
    using ShowError = std::function<void(QWidget* parent, const QString& text)>;

    // `showError` shows the two messages of a rejected count.
    TfrmInsDel(ShowError showError, QWidget* parent);
    ~TfrmInsDel() override;

    void SetMode(Mode mode) { mode_ = mode; }
    Mode GetMode() const { return mode_; }
    // The grid of the current page: slots per bar, slots per row, rows.
    void SetGrid(int divParBar, int gridDivNum, int rowDivNum);

    // The count in grid slots, computed whenever the dialog closes.
    int Count() const { return count_; }

    // Shows the dialog modally in `mode`; true when it was closed with OK.
    bool Execute(Mode mode);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TfrmInsDel> ui_;
    ShowError showError_;
    Mode mode_ = Mode::Insert;
    int divParBar_ = 0, gridDivNum_ = 0, rowDivNum_ = 0;
    int count_ = 0;
};

}  // namespace sorvel
