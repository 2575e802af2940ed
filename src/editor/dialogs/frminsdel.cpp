#include "editor/dialogs/frminsdel.h"

#include <QShowEvent>
#include <limits>

#include "edit/shift.h"
#include "ui_frminsdel.h"

namespace sorvel {

namespace {

constexpr char kInsertCaption[] = "挿入";
constexpr char kInsertTitle[] = "空白を挿入し、以降の音符を右にシフトします";
constexpr char kInsertCountLabel[] = "挿入数";
constexpr char kDeleteCaption[] = "削除";
constexpr char kDeleteTitle[] = "音符を削除し、以降の音符を左にシフトします";
constexpr char kDeleteCountLabel[] = "削除数";
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
    setWindowTitle(QString::fromUtf8(insert ? kInsertCaption : kDeleteCaption));
    ui_->lblTitle->setText(QString::fromUtf8(insert ? kInsertTitle : kDeleteTitle));
    ui_->lblGridNum->setText(QString::fromUtf8(insert ? kInsertCountLabel : kDeleteCountLabel));
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
        // caption + "する" + unit + the complaint, as one sentence.
        const QString text = windowTitle() + QString::fromUtf8("する") +
                             ui_->cbUnit->currentText() +
                             QString::fromUtf8(count.check == ShiftCountCheck::Negative
                                                   ? "数がマイナスです。"
                                                   : "数が１ページを超えています。");
        if (showError_) showError_(this, text);
        ui_->edtGridNum->setFocus();
        return;
    }
    QDialog::done(result);
}

}  // namespace sorvel
