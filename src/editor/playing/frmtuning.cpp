#include "editor/playing/frmtuning.h"

#include "playback/midioutput.h"
#include "playback/midistatus.h"
#include "ui_frmtuning.h"

namespace sorvel {

namespace {
constexpr int kChannel = 0;
}

TfrmTuning::TfrmTuning(MidiOutput& output, std::function<int()> instrument, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::TfrmTuning>()),
      output_(output),
      instrument_(std::move(instrument)) {
    ui_->setupUi(this);
    connect(ui_->chkInnerString, &QCheckBox::toggled, this,
            [this](bool on) { String(kInnerString, on); });
    connect(ui_->chkOuterString, &QCheckBox::toggled, this,
            [this](bool on) { String(kOuterString, on); });
    connect(ui_->btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmTuning::~TfrmTuning() = default;

void TfrmTuning::String(int note, bool on) {
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
