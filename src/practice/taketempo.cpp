// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/taketempo.h"

#include <cmath>

namespace sorvel::practice {
namespace {

// The written tempo is tried from 2^-kSteps to 2^kSteps times as fast, in
// steps of 2^(1/kStepsPerOctave) (19 %, within the aligner's tempo slack of
// a tried one either way).
constexpr int kStepsPerOctave = 4;
constexpr int kSteps = 4;

double WrittenBeats(const std::vector<WrittenNote>& written) {
    return written.back().beat + written.back().beats - written.front().beat;
}

// Seconds a beat when the whole take plays the written notes.
double TakeLengthTempo(const std::vector<WrittenNote>& written,
                       const std::vector<HeardPitch>& heard) {
    const double beats = WrittenBeats(written);
    const double seconds = heard.back().offset - heard.front().onset;
    return beats > 0 ? seconds / beats : 0;
}

// Seconds a beat at the written tempo.
double WrittenTempo(const std::vector<WrittenNote>& written) {
    const double beats = WrittenBeats(written);
    const double seconds = written.back().onset + written.back().length - written.front().onset;
    return beats > 0 ? seconds / beats : 0;
}

// Seconds a beat from the first to the last matched note; 0 when too few.
double MatchedTempo(const std::vector<WrittenNote>& written, const std::vector<HeardPitch>& heard,
                    const std::vector<NoteMatch>& matches) {
    int first = -1, last = -1;
    for (std::size_t i = 0; i < matches.size(); ++i) {
        if (!matches[i].Matched()) continue;
        if (first < 0) first = static_cast<int>(i);
        last = static_cast<int>(i);
    }
    if (first < 0 || first == last) return 0;
    const auto f = static_cast<std::size_t>(first), l = static_cast<std::size_t>(last);
    const double beats = written[l].beat - written[f].beat;
    const double seconds = heard[static_cast<std::size_t>(matches[l].first)].onset -
                           heard[static_cast<std::size_t>(matches[f].first)].onset;
    return beats > 0 && seconds > 0 ? seconds / beats : 0;
}

}  // namespace

std::vector<NoteMatch> AlignAtTakeTempo(const std::vector<WrittenNote>& written,
                                        const std::vector<HeardPitch>& heard) {
    if (written.empty()) return {};
    if (heard.empty()) return AlignNotes(written, heard, 0);
    PricedAlignment best = AlignNotesPriced(written, heard, TakeLengthTempo(written, heard));
    const auto tryTempo = [&](double secondsPerBeat) {
        if (secondsPerBeat <= 0) return;
        PricedAlignment other = AlignNotesPriced(written, heard, secondsPerBeat);
        if (other.price < best.price) best = std::move(other);
    };
    const double writtenTempo = WrittenTempo(written);
    for (int k = -kSteps; k <= kSteps; ++k)
        tryTempo(writtenTempo * std::exp2(static_cast<double>(k) / kStepsPerOctave));
    tryTempo(MatchedTempo(written, heard, best.matches));
    return best.matches;
}

}  // namespace sorvel::practice
