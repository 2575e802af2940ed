// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/playing/frmtuning.h"

#include <QSignalBlocker>

#include "playback/midioutput.h"
#include "playback/midistatus.h"
#include "ui_frmtuning.h"

namespace sorvel {

namespace {
constexpr int kChannel = 0;
}

TfrmTuning::TfrmTuning(MidiOutput& output, std::function<int()> instrument,
                       std::function<bool()> wake, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::TfrmTuning>()),
      output_(output),
      instrument_(std::move(instrument)),
      wake_(std::move(wake)) {
    ui_->setupUi(this);
    connect(ui_->chkInnerString, &QCheckBox::toggled, this,
            [this](bool on) { String(*ui_->chkInnerString, kInnerString, on); });
    connect(ui_->chkOuterString, &QCheckBox::toggled, this,
            [this](bool on) { String(*ui_->chkOuterString, kOuterString, on); });
    connect(ui_->btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmTuning::~TfrmTuning() = default;

void TfrmTuning::String(QCheckBox& box, int note, bool on) {
    // The output's audio stream may have closed since it last sounded: it
    // opens again here, and a tone that cannot sound is not shown as sounding.
    if (on && !wake_()) {
        const QSignalBlocker quiet(box);
        box.setChecked(false);
        return;
    }
    if (on) {
        output_.SendShortMessage(kChannel, midi::kProgramChange, instrument_(), 0);
        output_.SendShortMessage(kChannel, midi::kNoteOn, note, kVelocity);
    } else {
        output_.SendShortMessage(kChannel, midi::kNoteOn, note, 0);
    }
}

void TfrmTuning::done(int result) {
    ui_->chkInnerString->setChecked(false);
    ui_->chkOuterString->setChecked(false);
    output_.SendShortMessage(kChannel, midi::kControlChange, midi::kAllSoundOff, 0);
    QDialog::done(result);
}

}  // namespace sorvel
