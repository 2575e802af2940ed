// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/practice/playalongsession.h"

#include "editor/document/editordocument.h"
#include "editor/practice/checkcommands.h"
#include "editor/practice/frmtuner.h"
#include "model/glyphcodes.h"
#include "model/musicbook.h"
#include "model/musicitem.h"
#include "model/note.h"
#include "playback/midievent.h"

namespace sorvel {

PlayAlongSession::PlayAlongSession(const EditorContext& ctx, const TimeSource& clock)
    : QObject(ctx.shell.Window()),
      ctx_(ctx),
      clock_(&clock),
      inputs_(PlayAlongInputs::Microphone(ctx.shell.SettingsPath())) {
    setObjectName("PlayAlongSession");
    poll_.setTimerType(Qt::PreciseTimer);
    connect(&poll_, &QTimer::timeout, this, &PlayAlongSession::Poll);
}

PlayAlongSession::~PlayAlongSession() = default;

bool PlayAlongSession::InputAvailable() const {
    return inputs_.available && inputs_.available();
}

bool PlayAlongSession::Begin(int bias) {
    End();
    // The written notes are read here, before the play: the model is read on
    // the window's thread only.
    UserText error;
    const std::vector<practice::WrittenNote> notes =
        practice::WrittenNotesOf(ctx_.document.Book(), 0, &error);
    if (notes.empty() || !inputs_.open) return false;
    input_ = inputs_.open(*clock_);
    if (!input_) return false;
    written_.clear();
    for (const practice::WrittenNote& n : notes) written_.emplace(n.item, n);
    bias_ = bias;
    check_ = std::make_unique<practice::PlayAlongCheck>(input_->Rate(),
                                                        ReferencePitch(ctx_.shell.SettingsPath()));
    if (CheckCommands* commands = FindCheckCommands(*ctx_.shell.Window())) commands->ClearCheck();
    poll_.start(kPollMs);
    return true;
}

void PlayAlongSession::Reached(const TMusicItem* item, std::int64_t heardMicros,
                               std::int64_t tickMicros) {
    if (!check_ || !item) return;
    const auto found = written_.find(item);
    if (found != written_.end()) {
        practice::WrittenNote note = found->second;
        note.midi += bias_;
        const auto longest = static_cast<std::int64_t>(note.beats * kTimeBase * tickMicros);
        check_->NoteBegun(note, heardMicros, longest);
        return;
    }
    // A dash holds the note on; anything else the play reaches ends it.
    if (item->Content() != kSustainDashText) check_->Rest(heardMicros);
}

void PlayAlongSession::Poll() {
    if (!check_) return;
    input_->Take(samples_);
    check_->SetStreamStart(input_->StreamStart());
    check_->Push(samples_.data(), samples_.size());
    if (check_->Update(clock_->NowMicros())) ShowMarks(false);
}

void PlayAlongSession::End(bool show) {
    if (!check_) return;
    poll_.stop();
    if (show) {
        Poll();
        check_->Finish(clock_->NowMicros());
        ShowMarks(true);
    }
    check_.reset();
    input_.reset();
    written_.clear();
}

void PlayAlongSession::ShowMarks(bool withList) {
    CheckCommands* commands = FindCheckCommands(*ctx_.shell.Window());
    if (!commands || check_->Check().notes.empty()) return;
    if (withList)
        commands->ShowCheck(check_->Check());
    else
        commands->ShowMarks(check_->Check());
}

}  // namespace sorvel
