#include "editor/frmsettempo.h"

#include "editor/itemdialogvalues.h"
#include "model/tempo.h"
#include "ui_frmsettempo.h"
#include "view/core/canvas.h"

namespace sorvel {

namespace {

// The quarter-note sign of a tempo mark in the music font.
constexpr char kQuarterNoteGlyph[] = "/";
constexpr int kPicturePixels = 48;

}  // namespace

TfrmSetTempo::TfrmSetTempo(ShowError showError, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TfrmSetTempo>()), showError_(std::move(showError)) {
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QFont font(QString::fromLatin1(kMusicFontName));
    font.setPixelSize(kPicturePixels);
    ui_->imgTempo->setFont(font);
    ui_->imgTempo->setText(QString::fromLatin1(kQuarterNoteGlyph));
    connect(ui_->btnOK, &QPushButton::clicked, this, [this] { ConfirmAndApply(); });
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

bool TfrmSetTempo::ConfirmAndApply() {
    ui_->edtTempo->interpretText();
    const int value = ui_->edtTempo->value();
    const int unit = ui_->cmbTempoUnit->currentIndex() == 1 ? kTempoPercent : kTempoPerMinute;
    if (const std::optional<std::string> message = CheckTempo(value, unit)) {
        ui_->edtTempo->setFocus(Qt::OtherFocusReason);
        ui_->edtTempo->selectAll();
        if (showError_) showError_(this, QString::fromStdString(*message));
        return false;
    }
    if (tempo_) {
        tempo_->SetTempo(value);
        // Any print mode but 0 prints the mark; one that already prints stays.
        const bool printed = !ui_->chkPrintMode->isChecked();
        tempo_->SetPrintMode(printed ? (tempo_->PrintMode() != 0 ? tempo_->PrintMode() : 1) : 0);
        tempo_->SetTempoUnit(unit);
    }
    accept();
    return true;
}

}  // namespace sorvel
