// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/frmsetdaon.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <algorithm>

#include "editor/dialogs/itemdialogvalues.h"
#include "model/daon.h"
#include "model/preferences.h"
#include "ui_frmsetdaon.h"
#include "view/core/canvas.h"

namespace sorvel {

namespace {

constexpr int kFingerPoints = 16;
constexpr int kOpenStringEntry = 1;
// The finger glyphs after the open string.
constexpr const char* kFingers[] = {"U", "V", "W", "X"};

// A caption for the translation, with a word to the translator.
struct Caption {
    const char* source;  // in Japanese the number itself
    const char* comment;
};

struct OctaveEntry {
    int octave;
    Caption caption;
};

// The octaves the lists offer, highest first.
const OctaveEntry kOctaves[] = {
    {3, QT_TRANSLATE_NOOP3("sorvel::TfrmSetdaon", "3", "octave: three dots above")},
    {2, QT_TRANSLATE_NOOP3("sorvel::TfrmSetdaon", "2", "octave: two dots above")},
    {1, QT_TRANSLATE_NOOP3("sorvel::TfrmSetdaon", "1", "octave: one dot above")},
    {0, QT_TRANSLATE_NOOP3("sorvel::TfrmSetdaon", "0", "octave: no dot")},
    {-1, QT_TRANSLATE_NOOP3("sorvel::TfrmSetdaon", "-1", "octave: one dot below")},
    {-2, QT_TRANSLATE_NOOP3("sorvel::TfrmSetdaon", "-2", "octave: two dots below")},
};

}  // namespace

TfrmSetdaon::TfrmSetdaon(const Preferences& prefs, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TfrmSetdaon>()), prefs_(prefs) {
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    rows_ = {Row{ui_->cmbFinger1, ui_->cmbPitch1, ui_->cmbOctave1},
             Row{ui_->cmbFinger2, ui_->cmbPitch2, ui_->cmbOctave2},
             Row{ui_->cmbFinger3, ui_->cmbPitch3, ui_->cmbOctave3},
             Row{ui_->cmbFinger4, ui_->cmbPitch4, ui_->cmbOctave4}};
    QFont music(QString::fromLatin1(kMusicFontName));
    music.setPointSize(kFingerPoints);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].finger->setFont(music);
        rows_[i].finger->view()->setFont(music);
        for (int p = 1; p <= 7; ++p) rows_[i].pitch->addItem(QString::number(p));
        if (i > 0) rows_[i].pitch->insertItem(0, QString());
        FillRow(rows_[i]);
    }
    connect(ui_->btnOK, &QPushButton::clicked, this, [this] { Confirm(); });
    connect(ui_->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmSetdaon::~TfrmSetdaon() = default;

void TfrmSetdaon::FillRow(const Row& row) {
    // The open-string glyph follows the preference at each showing.
    row.finger->clear();
    row.finger->addItem(QString());
    row.finger->addItem(QString::fromLatin1(prefs_.IsFingerNo00 ? "." : "T"));
    for (const char* glyph : kFingers) row.finger->addItem(QString::fromLatin1(glyph));
    row.finger->setCurrentIndex(0);
    row.pitch->setCurrentIndex(0);
    row.octave->clear();
    for (const OctaveEntry& entry : kOctaves) {
        row.octave->addItem(QCoreApplication::translate("sorvel::TfrmSetdaon", entry.caption.source,
                                                        entry.caption.comment),
                            entry.octave);
    }
    row.octave->setCurrentIndex(row.octave->findData(0));
}

void TfrmSetdaon::Prepare(TDaon& daon) {
    daon_ = &daon;
    for (std::size_t i = 0; i < rows_.size(); ++i) FillRow(rows_[i]);
    const TDaonSlots& held = daon.Slots();
    for (int i = 0; i < daon.UsedSlotCount(); ++i) {
        const DaonSlot& slot = held[static_cast<std::size_t>(i)];
        const Row& row = rows_[static_cast<std::size_t>(i)];
        if (slot.finger == "T" || slot.finger == ".") {
            row.finger->setCurrentIndex(kOpenStringEntry);
        } else {
            const int finger = row.finger->findText(QString::fromStdString(slot.finger));
            row.finger->setCurrentIndex(std::max(0, finger));
        }
        row.pitch->setCurrentIndex(row.pitch->findText(QString::fromStdString(slot.note)));
        // An octave beyond the list (a file may hold -3 to 6) is offered too,
        // so OK keeps it.
        if (row.octave->findData(slot.octave) < 0)
            row.octave->addItem(QString::number(slot.octave), slot.octave);
        row.octave->setCurrentIndex(row.octave->findData(slot.octave));
    }
    // A length the list does not offer selects nothing and is kept.
    const int length = daon.Length() - 1;
    ui_->cmbLength->setCurrentIndex(length >= 0 && length < ui_->cmbLength->count() ? length : -1);
}

bool TfrmSetdaon::Execute(TDaon& daon) {
    Prepare(daon);
    return exec() == QDialog::Accepted;
}

void TfrmSetdaon::Confirm() {
    accept();
}

void TfrmSetdaon::Apply() {
    std::array<DaonRow, 4> data;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const Row& row = rows_[i];
        data[i].pitch = row.pitch->currentText().toStdString();
        data[i].octave = row.octave->currentData().toInt();
        data[i].finger = row.finger->currentText().toStdString();
    }
    if (TDaon* daon = daon_) {
        if (ui_->cmbLength->currentIndex() >= 0)
            daon->SetLength(ui_->cmbLength->currentIndex() + 1);
        daon->SetAllNoteData(BuildAllNoteData(data));
    }
}

}  // namespace sorvel
