// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/frmsettempo.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "editor/dialogs/itemdialogvalues.h"
#include "editor/platform/translatedtext.h"
#include "model/tempo.h"
#include "ui_frmsettempo.h"
#include "view/core/canvas.h"

namespace sorvel {

namespace {

// The quarter-note sign of a tempo mark in the music font.
constexpr char kQuarterNoteGlyph[] = "N";
constexpr int kPicturePixels = 48;

// The quarter-note sign, centred by its drawn outline: the glyph reaches
// beyond the font's line box, so a plain text label would cut it.
QPixmap TempoPicture(QSize size) {
    QFont font(QString::fromLatin1(kMusicFontName));
    font.setPixelSize(kPicturePixels);
    QPainterPath path;
    path.addText(0, 0, font, QString::fromLatin1(kQuarterNoteGlyph));
    const QRectF box = path.boundingRect();
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(QPointF(size.width(), size.height()) / 2 - box.center());
    painter.fillPath(path, Qt::black);
    return picture;
}

}  // namespace

TfrmSetTempo::TfrmSetTempo(ShowError showError, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TfrmSetTempo>()), showError_(std::move(showError)) {
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ui_->imgTempo->setPixmap(TempoPicture(ui_->imgTempo->minimumSize()));
    connect(ui_->btnOK, &QPushButton::clicked, this, [this] { Confirm(); });
    connect(ui_->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmSetTempo::~TfrmSetTempo() = default;

void TfrmSetTempo::Prepare(TTempo& tempo) {
    tempo_ = &tempo;
    ui_->edtTempo->setValue(tempo.Tempo());
    ui_->cmbTempoUnit->setCurrentIndex(tempo.TempoUnit() == kTempoPercent ? 1 : 0);
    ui_->chkPrintMode->setChecked(tempo.PrintMode() == 0);
    ui_->edtTempo->setFocus(Qt::OtherFocusReason);
    ui_->edtTempo->selectAll();
}

bool TfrmSetTempo::Execute(TTempo& tempo) {
    Prepare(tempo);
    return exec() == QDialog::Accepted;
}

bool TfrmSetTempo::Confirm() {
    ui_->edtTempo->interpretText();
    const int value = ui_->edtTempo->value();
    const int unit = ui_->cmbTempoUnit->currentIndex() == 1 ? kTempoPercent : kTempoPerMinute;
    if (const std::optional<UserText> message = CheckTempo(value, unit)) {
        ui_->edtTempo->setFocus(Qt::OtherFocusReason);
        ui_->edtTempo->selectAll();
        if (showError_) showError_(this, Translated(*message));
        return false;
    }
    accept();
    return true;
}

void TfrmSetTempo::Apply() {
    const int value = ui_->edtTempo->value();
    const int unit = ui_->cmbTempoUnit->currentIndex() == 1 ? kTempoPercent : kTempoPerMinute;
    if (tempo_) {
        tempo_->SetTempo(value);
        // Any print mode but 0 prints the mark; one that already prints stays.
        const bool printed = !ui_->chkPrintMode->isChecked();
        tempo_->SetPrintMode(printed ? (tempo_->PrintMode() != 0 ? tempo_->PrintMode() : 1) : 0);
        tempo_->SetTempoUnit(unit);
    }
}

}  // namespace sorvel
