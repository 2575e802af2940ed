// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks the player live while the piece plays: the microphone's samples are
// pitch-tracked as they come, and each written note is measured once the
// sound up to its end has been heard, so the page can colour it at once.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "listen/audioresampler.h"
#include "listen/pitchframe.h"
#include "listen/pitchtracker.h"
#include "practice/takecheck.h"

namespace sorvel::practice {

class PlayAlongCheck {
public:
    // After a note's end, how long to wait for its sound before it is judged
    // with what arrived (an input that stalls, a quiet microphone).
    static constexpr std::int64_t kGiveUpMicros = 300'000;

    // Samples arrive mono at `inputRate`; cents are measured against A4 = `a4Hz`.
    PlayAlongCheck(int inputRate, double a4Hz);

    // The clock time (microseconds) at which the input's first sample was
    // heard; it may be refined while the samples come.
    void SetStreamStart(std::int64_t micros) { streamStart_ = micros; }
    // Takes the next mono samples of the input.
    void Push(const float* samples, std::size_t count);
    // The note `written` was heard to begin at `onsetMicros` and lasts at
    // most `longestMicros`; the note before it ends there at the latest.
    void NoteBegun(const WrittenNote& written, std::int64_t onsetMicros,
                   std::int64_t longestMicros);
    // Something other than a note (a rest) was heard to begin at
    // `micros`: the note before it ends there at the latest.
    void Rest(std::int64_t micros);
    // Judges every note whose sound has been heard to its end (or whose end
    // is kGiveUpMicros past at `nowMicros`); true when one was.
    bool Update(std::int64_t nowMicros);
    // The play ended at `nowMicros`: every note left is judged by what came.
    void Finish(std::int64_t nowMicros);

    // The notes judged so far, in play order.
    const TakeCheck& Check() const { return check_; }
    std::size_t Pending() const { return pending_.size(); }
    // The clock time up to which pitch frames are known; before any, the start.
    std::int64_t HeardUntil() const;

private:
    struct PendingNote {
        WrittenNote written;
        std::int64_t onset = 0;
        std::int64_t end = 0;
    };
    std::int64_t FrameMicros(const listen::PitchFrame& frame) const;
    void Judge(const PendingNote& note);
    void DropFramesBefore(std::int64_t micros);

    listen::AudioResampler resampler_;
    listen::PitchTracker tracker_;
    std::vector<float> resampled_;
    listen::PitchTrack frames_;
    std::int64_t streamStart_ = 0;
    std::vector<PendingNote> pending_;
    TakeCheck check_;
};

}  // namespace sorvel::practice
