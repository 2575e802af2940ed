// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the listening library's hearing of a recording on a worker thread
// while the window shows a progress dialog that can cancel it; the model is
// never touched off the GUI thread (the book is built afterwards, here).
#include <QString>
#include <functional>

#include "base/usertext.h"
#include "listen/heardmelody.h"
#include "listen/listenprogress.h"

class QProgressDialog;
class QWidget;

namespace sorvel {

// The work: hears a recording, reporting through the progress; on failure
// returns no notes and sets the error.
using HearingJob =
    std::function<listen::HeardMelody(const listen::ListenProgress& progress, UserText* error)>;

struct HearingOutcome {
    listen::HeardMelody melody;
    UserText error;          // why there are no notes; empty when heard or cancelled
    bool cancelled = false;  // the user cancelled: nothing is to change
};

// Runs `work` on its own thread while a window-modal progress dialog
// (objectName "dlgTranscribeProgress", labelled `label`) follows it; its
// Cancel asks the work to stop through the progress. True when the user
// cancelled (even while the last step ran): nothing is to change.
bool RunWithProgress(QWidget* parent, const QString& label,
                     const std::function<void(const listen::ListenProgress& progress)>& work,
                     const std::function<void(QProgressDialog&)>& shown = {});

// Runs `job` on its own thread; the progress dialog (objectName
// "dlgTranscribeProgress", labelled `label`) follows it and its Cancel stops
// it. `shown` is called once the dialog exists (tests press Cancel there).
HearingOutcome HearInBackground(QWidget* parent, const QString& label, const HearingJob& job,
                                const std::function<void(QProgressDialog&)>& shown = {});

}  // namespace sorvel
