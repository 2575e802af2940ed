// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/frminsdel.h"

#include <QShowEvent>
#include <limits>

#include "edit/shift.h"
#include "ui_frminsdel.h"

namespace sorvel {

namespace {

constexpr char kInsertCaption[] = QT_TRANSLATE_NOOP("sorvel::TfrmInsDel", "挿入");
constexpr char kInsertTitle[] =
    QT_TRANSLATE_NOOP("sorvel::TfrmInsDel", "空白を挿入し、以降の音符を右にシフトします");
constexpr char kInsertCountLabel[] = QT_TRANSLATE_NOOP("sorvel::TfrmInsDel", "挿入数");
constexpr char kDeleteCaption[] = QT_TRANSLATE_NOOP("sorvel::TfrmInsDel", "削除");
constexpr char kDeleteTitle[] =
    QT_TRANSLATE_NOOP("sorvel::TfrmInsDel", "音符を削除し、以降の音符を左にシフトします");
constexpr char kDeleteCountLabel[] = QT_TRANSLATE_NOOP("sorvel::TfrmInsDel", "削除数");
constexpr int kUnitBar = 0;  // "小節"; the other entry is "グリッド"

}  // namespace

TfrmInsDel::TfrmInsDel(ShowError showError, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TfrmInsDel>()), showError_(std::move(showError)) {
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // The count has no bounds of its own: OK checks it against the page.
    ui_->edtGridNum->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    connect(ui_->btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmInsDel::~TfrmInsDel() = default;

void TfrmInsDel::SetGrid(int divParBar, int gridDivNum, int rowDivNum) {
    divParBar_ = divParBar;
    gridDivNum_ = gridDivNum;
    rowDivNum_ = rowDivNum;
}

bool TfrmInsDel::Execute(Mode mode) {
    SetMode(mode);
    return exec() == QDialog::Accepted;
}

void TfrmInsDel::showEvent(QShowEvent* event) {
    const bool insert = mode_ == Mode::Insert;
    setWindowTitle(tr(insert ? kInsertCaption : kDeleteCaption));
    ui_->lblTitle->setText(tr(insert ? kInsertTitle : kDeleteTitle));
    ui_->lblGridNum->setText(tr(insert ? kInsertCountLabel : kDeleteCountLabel));
    ui_->edtGridNum->setValue(1);
    ui_->cbUnit->setCurrentIndex(kUnitBar);
    QDialog::showEvent(event);
    ui_->edtGridNum->selectAll();
    ui_->edtGridNum->setFocus();
}

void TfrmInsDel::done(int result) {
    const bool perBar = ui_->cbUnit->currentIndex() == kUnitBar;
    const ShiftCount count = CountShiftSlots(ui_->edtGridNum->cleanText().toStdString(), perBar,
                                             divParBar_, gridDivNum_, rowDivNum_);
    count_ = count.gridSlots;
    if (result == QDialog::Accepted && count.check != ShiftCountCheck::Ok) {
        // One sentence of the mode, the unit and the complaint.
        const bool negative = count.check == ShiftCountCheck::Negative;
        const char* sentence =
            mode_ == Mode::Insert
                ? (negative ? QT_TR_NOOP("挿入する%1数がマイナスです。")
                            : QT_TR_NOOP("挿入する%1数が１ページを超えています。"))
                : (negative ? QT_TR_NOOP("削除する%1数がマイナスです。")
                            : QT_TR_NOOP("削除する%1数が１ページを超えています。"));
        const QString text = tr(sentence).arg(ui_->cbUnit->currentText());
        if (showError_) showError_(this, text);
        ui_->edtGridNum->setFocus();
        return;
    }
    QDialog::done(result);
}

}  // namespace sorvel
