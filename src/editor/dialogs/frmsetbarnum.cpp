// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/frmsetbarnum.h"

#include "base/text.h"
#include "editor/dialogs/itemdialogvalues.h"
#include "editor/platform/translatedtext.h"
#include "model/horizbar.h"
#include "ui_frmsetbarnum.h"

namespace sorvel {

TfrmSetBarNum::TfrmSetBarNum(ShowError showError, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::TfrmSetBarNum>()),
      showError_(std::move(showError)) {
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    connect(ui_->btnOK, &QPushButton::clicked, this, [this] { Confirm(); });
    connect(ui_->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmSetBarNum::~TfrmSetBarNum() = default;

void TfrmSetBarNum::Prepare(THorizBar& bar) {
    bar_ = &bar;
    ui_->edtBarNum->setValue(StrToIntDef(Trim(bar.BarNum()), 0));
    ui_->edtBarNum->setFocus(Qt::OtherFocusReason);
    ui_->edtBarNum->selectAll();
}

bool TfrmSetBarNum::Execute(THorizBar& bar) {
    Prepare(bar);
    return exec() == QDialog::Accepted;
}

bool TfrmSetBarNum::Confirm() {
    ui_->edtBarNum->interpretText();
    const int count = ui_->edtBarNum->value();
    if (const std::optional<UserText> message = CheckBarCount(count)) {
        ui_->edtBarNum->setFocus(Qt::OtherFocusReason);
        ui_->edtBarNum->selectAll();
        if (showError_) showError_(this, Translated(*message));
        return false;
    }
    accept();
    return true;
}

void TfrmSetBarNum::Apply() {
    if (bar_) bar_->SetBarNum(IntToStr(ui_->edtBarNum->value()));
}

}  // namespace sorvel
