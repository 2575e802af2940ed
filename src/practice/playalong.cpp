// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/playalong.h"

#include <algorithm>
#include <cmath>

namespace sorvel::practice {
namespace {

// A few frames of look-ahead: the pitch track decides a frame about 23 ms
// after its sound, quick enough to colour a note well within 150 ms.
constexpr int kLiveLagFrames = 4;
// Frames are kept this long before the oldest pending note (a note's frames
// are looked at once, when it is judged).
constexpr std::int64_t kKeptMicros = 2'000'000;

}  // namespace

PlayAlongCheck::PlayAlongCheck(int inputRate, double a4Hz)
    : resampler_(std::max(inputRate, 1), listen::kAnalysisRate), tracker_(kLiveLagFrames) {
    check_.a4Hz = a4Hz;
}

void PlayAlongCheck::Push(const float* samples, std::size_t count) {
    resampled_.clear();
    resampler_.Push(samples, count, resampled_);
    tracker_.Push(resampled_.data(), resampled_.size(), frames_);
}

std::int64_t PlayAlongCheck::FrameMicros(const listen::PitchFrame& frame) const {
    return streamStart_ + std::llround(frame.time * 1e6);
}

std::int64_t PlayAlongCheck::HeardUntil() const {
    return frames_.empty() ? streamStart_ : FrameMicros(frames_.back());
}

void PlayAlongCheck::NoteBegun(const WrittenNote& written, std::int64_t onsetMicros,
                               std::int64_t longestMicros) {
    if (!pending_.empty()) pending_.back().end = std::min(pending_.back().end, onsetMicros);
    pending_.push_back(
        {written, onsetMicros, onsetMicros + std::max<std::int64_t>(longestMicros, 0)});
}

void PlayAlongCheck::Rest(std::int64_t micros) {
    if (!pending_.empty()) pending_.back().end = std::min(pending_.back().end, micros);
}

void PlayAlongCheck::Judge(const PendingNote& note) {
    auto first = std::find_if(frames_.begin(), frames_.end(), [&](const listen::PitchFrame& f) {
        return FrameMicros(f) >= note.onset;
    });
    auto last = std::find_if(first, frames_.end(), [&](const listen::PitchFrame& f) {
        return FrameMicros(f) > note.end;
    });
    CheckedNote checked;
    checked.written = note.written;
    checked.written.number = static_cast<int>(check_.notes.size()) + 1;
    checked.playedOnset = static_cast<double>(note.onset - streamStart_) / 1e6;
    checked.playedOffset = static_cast<double>(note.end - streamStart_) / 1e6;
    const std::optional<double> cents = MeasureNoteCents(
        std::span<const listen::PitchFrame>(first, last), note.written.midi, check_.a4Hz);
    if (cents) {
        checked.status = NoteStatus::kOk;
        checked.cents = *cents;
        ++check_.matched;
    }
    check_.notes.push_back(checked);
}

void PlayAlongCheck::DropFramesBefore(std::int64_t micros) {
    auto keep = std::find_if(frames_.begin(), frames_.end(), [&](const listen::PitchFrame& f) {
        return FrameMicros(f) >= micros - kKeptMicros;
    });
    frames_.erase(frames_.begin(), keep);
}

bool PlayAlongCheck::Update(std::int64_t nowMicros) {
    const std::int64_t heard = HeardUntil();
    std::size_t judged = 0;
    // The last note begun may still be cut short by the next one: it waits
    // for its full length.
    while (judged < pending_.size()) {
        const PendingNote& note = pending_[judged];
        if (heard < note.end && nowMicros < note.end + kGiveUpMicros) break;
        Judge(note);
        ++judged;
    }
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(judged));
    if (!pending_.empty()) DropFramesBefore(pending_.front().onset);
    return judged > 0;
}

void PlayAlongCheck::Finish(std::int64_t nowMicros) {
    tracker_.Finish(frames_);
    for (PendingNote& note : pending_) note.end = std::min(note.end, nowMicros);
    for (const PendingNote& note : pending_) Judge(note);
    pending_.clear();
}

}  // namespace sorvel::practice
