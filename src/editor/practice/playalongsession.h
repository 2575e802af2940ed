// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One play with the microphone: the written notes the sequencer reaches are
// measured against what the input heard and coloured on the page as they
// end; when the play ends the list of the take check shows them.
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "editor/document/editorshell.h"
#include "editor/practice/playalonginput.h"
#include "practice/playalong.h"

namespace sorvel {

class TMusicItem;

class PlayAlongSession : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollMs = 20;

    PlayAlongSession(const EditorContext& ctx, const TimeSource& clock);
    // The play's clock, when the engine gets a new one.
    void SetClock(const TimeSource& clock) { clock_ = &clock; }
    ~PlayAlongSession() override;

    void SetInputs(PlayAlongInputs inputs) { inputs_ = std::move(inputs); }
    bool InputAvailable() const;

    // Starts listening for a play of the open book sounding `bias` semitones
    // above its written pitches; false (the play goes on without) when the
    // input cannot be opened or the book has no notes.
    bool Begin(int bias);
    // The play reached `item` (a note, a rest, a dash), heard at
    // `heardMicros`, with ticks of `tickMicros` (a note lasts its written
    // beats at that speed at most).
    void Reached(const TMusicItem* item, std::int64_t heardMicros, std::int64_t tickMicros);
    // Reads the input, judges the notes that ended and shows them; the
    // window's timer calls it every kPollMs while a play listens.
    void Poll();
    // The play ended or stopped: the rest is judged and the list shows;
    // with `show` false (the book is going) nothing is shown.
    void End(bool show = true);
    bool Active() const { return check_ != nullptr; }

private:
    void ShowMarks(bool withList);

    EditorContext ctx_;
    const TimeSource* clock_;
    PlayAlongInputs inputs_;
    std::unique_ptr<PlayAlongInput> input_;
    std::unique_ptr<practice::PlayAlongCheck> check_;
    std::unordered_map<const TMusicItem*, practice::WrittenNote> written_;
    int bias_ = 0;
    std::vector<float> samples_;
    QTimer poll_;
};

}  // namespace sorvel
