// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog's rhythm entry option: whether typed digits take the
// octave nearest the note before them, kept under a key of our own.
#include <QCheckBox>
#include <QGroupBox>

#include "editor/dialogs/frmsetinfo.h"
#include "editor/platform/ownsettings.h"
#include "ui_frmsetinfo.h"

namespace sorvel {

void TfrmSetInfo::LoadRhythmOption() {
    const bool offered = !services_.settingsPath.empty();
    ui_->grpRhythmEntry->setVisible(offered);
    if (!offered) return;
    ui_->chkRhythmAutoOctave->setChecked(
        setting::kRhythmNearestOctave.Read(services_.settingsPath));
}

void TfrmSetInfo::ApplyRhythmOption() {
    if (services_.settingsPath.empty()) return;
    const int on = ui_->chkRhythmAutoOctave->isChecked() ? 1 : 0;
    if (setting::kRhythmNearestOctave.Read(services_.settingsPath) == on) {
        return;
    }
    std::string error;
    if (!setting::kRhythmNearestOctave.Write(services_.settingsPath, on, &error) &&
        services_.showError) {
        services_.showError(this, QString::fromStdString(error));
    }
}

}  // namespace sorvel
