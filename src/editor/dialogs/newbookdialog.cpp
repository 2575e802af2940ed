// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/newbookdialog.h"

#include "base/cp932.h"
#include "editor/dialogs/keycodecaption.h"
#include "editor/dialogs/settingsvalues.h"
#include "model/glyphcodes.h"
#include "ui_newbookdialog.h"

namespace sorvel {

namespace {

// A field's text as one stored line: line breaks pasted in become blanks.
std::string LineBytes(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return cp932::FromUtf8(text.trimmed().toStdString());
}

}  // namespace

NewBookDialog::NewBookDialog(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::NewBookDialog>()) {
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    for (const std::string& key : KeyCodeEntries()) {
        ui_->cmbKey->addItem(KeyCodeCaption(key), QByteArray::fromStdString(key));
    }
    // １＝Ｄ, the first of the page settings' key list, and 4/4 unless the
    // player chooses others.
    ui_->cmbKey->setCurrentIndex(0);
    for (const Meter& meter : Meters()) {
        ui_->cmbBeat->addItem(QString("%1/%2").arg(meter.beats).arg(meter.beatType),
                              QChar::fromLatin1(meter.code));
    }
    ui_->cmbBeat->addItem(tr("なし"), QChar());
    ui_->cmbBeat->setCurrentIndex(ui_->cmbBeat->findData(QChar::fromLatin1(CodeOfMeter(4, 4))));
    connect(ui_->btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    ui_->edtTitle->setFocus(Qt::OtherFocusReason);
}

NewBookDialog::~NewBookDialog() = default;

NewBookSetup NewBookDialog::Setup() const {
    for (QSpinBox* box : {ui_->edtTempo, ui_->edtPages}) box->interpretText();
    NewBookSetup setup;
    setup.title = LineBytes(ui_->edtTitle->text());
    setup.composer = LineBytes(ui_->edtWriter->text());
    setup.keyCode = ui_->cmbKey->currentData().toByteArray().toStdString();
    setup.meterCode = ui_->cmbBeat->currentData().toChar().toLatin1();
    setup.tempo = ui_->edtTempo->value();
    setup.pages = ui_->edtPages->value();
    return setup;
}

std::optional<NewBookSetup> NewBookDialog::Ask(QWidget* parent) {
    NewBookDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Setup();
}

}  // namespace sorvel
