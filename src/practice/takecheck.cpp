// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/takecheck.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "practice/beattiming.h"
#include "practice/hiddennotes.h"
#include "practice/takealign.h"
#include "practice/taketempo.h"

namespace sorvel::practice {
namespace {

// The frames from `from` to `to` seconds.
std::span<const listen::PitchFrame> FramesBetween(const listen::PitchTrack& frames, double from,
                                                  double to) {
    const auto byTime = [](const listen::PitchFrame& f, double t) { return f.time < t; };
    const auto a = std::lower_bound(frames.begin(), frames.end(), from, byTime);
    const auto b = std::lower_bound(a, frames.end(), to, byTime);
    return {a, b};
}

// The heard notes with their pitch at the reference, nothing taken out.
std::vector<HeardPitch> HeardPitches(const HeardTake& take, double a4Hz) {
    const double reference = listen::MidiOfHz(listen::kA4Hz, a4Hz) - listen::kA4Midi;
    std::vector<HeardPitch> out;
    out.reserve(take.melody.notes.size());
    for (const listen::HeardNote& note : take.melody.notes) {
        const double pitch = note.midi + (note.cents + take.melody.tuningCents) / 100.0 + reference;
        out.push_back({note.onset, note.offset, pitch, note.attacked});
    }
    return out;
}

// The stretch of the take that plays written note `i`: its heard notes, or
// its share of a heard note it shares with its neighbours.
std::pair<double, double> PlayedSpan(const std::vector<WrittenNote>& written,
                                     const std::vector<NoteMatch>& matches,
                                     const std::vector<HeardPitch>& heard, std::size_t i) {
    const NoteMatch& match = matches[i];
    double from = heard[static_cast<std::size_t>(match.first)].onset;
    double to = heard[static_cast<std::size_t>(match.last)].offset;
    std::size_t a = i, b = i;
    while (a > 0 && matches[a - 1].last == match.first && match.first == match.last) --a;
    while (b + 1 < matches.size() && matches[b + 1].first == match.last &&
           match.first == match.last)
        ++b;
    if (a == b) return {from, to};
    double total = 0, before = 0;
    for (std::size_t k = a; k <= b; ++k) {
        total += std::max(written[k].beats, 1e-3);
        if (k < i) before += std::max(written[k].beats, 1e-3);
    }
    const double span = to - from;
    const double mine = std::max(written[i].beats, 1e-3);
    return {from + span * before / total, from + span * (before + mine) / total};
}

// The cents of a note heard alone as one heard note (its pitch as the ear
// heard it), against `midi`; none for a note heard in pieces.
std::optional<double> HeardCents(const NoteMatch& match, const std::vector<HeardPitch>& heard,
                                 int midi) {
    if (!match.Matched() || match.first != match.last) return std::nullopt;
    return (heard[static_cast<std::size_t>(match.first)].pitch - midi) * 100.0;
}

// The median pitch of a stretch too short for a steady part, against `midi`.
double RoughCents(std::span<const listen::PitchFrame> frames, int midi, double a4Hz) {
    std::vector<double> cents;
    for (const listen::PitchFrame& f : frames)
        if (f.voiced && f.hz > 0) cents.push_back((listen::MidiOfHz(f.hz, a4Hz) - midi) * 100.0);
    if (cents.empty()) return 0;
    std::nth_element(cents.begin(), cents.begin() + static_cast<std::ptrdiff_t>(cents.size() / 2),
                     cents.end());
    return cents[cents.size() / 2];
}

}  // namespace

TakeCheck CheckTake(const std::vector<WrittenNote>& written, const HeardTake& take, double a4Hz) {
    TakeCheck check;
    check.a4Hz = a4Hz;
    const std::vector<HeardPitch> heard = HeardPitches(take, a4Hz);
    const std::vector<NoteMatch> matches = AlignAtTakeTempo(written, heard);
    PlayedSpans spans(written.size());
    for (std::size_t i = 0; i < written.size() && i < matches.size(); ++i)
        if (matches[i].Matched()) spans[i] = PlayedSpan(written, matches, heard, i);
    FindHiddenNotes(written, matches, heard, take.frames, take.melody.tuningCents / 100.0, spans);
    for (std::size_t i = 0; i < written.size(); ++i) {
        CheckedNote note;
        note.written = written[i];
        if (spans[i]) {
            const auto [from, to] = *spans[i];
            note.status = NoteStatus::kOk;
            note.playedOnset = from;
            note.playedOffset = to;
            const auto frames = FramesBetween(take.frames, from, to);
            const std::optional<double> cents = MeasureNoteCents(
                frames, written[i].midi, a4Hz, HeardCents(matches[i], heard, written[i].midi));
            note.cents = cents ? *cents : RoughCents(frames, written[i].midi, a4Hz);
            ++check.matched;
        }
        check.notes.push_back(note);
    }
    SetBeatTiming(check.notes);
    return check;
}

TakeCheck CheckTakeFile(TMusicBook& book, int page, const std::string& takePath,
                        const listen::ListenProgress& progress, UserText* error, double a4Hz) {
    const std::vector<WrittenNote> written = WrittenNotesOf(book, page, error);
    if (written.empty()) return TakeCheck();
    const HeardTake take = HearTakeFile(takePath, progress, error);
    if (take.melody.notes.empty()) return TakeCheck();
    return CheckTake(written, take, a4Hz);
}

std::vector<int> WorstNotes(const TakeCheck& check, int count) {
    std::vector<int> order;
    for (std::size_t i = 0; i < check.notes.size(); ++i)
        if (check.notes[i].status == NoteStatus::kOk) order.push_back(static_cast<int>(i));
    std::stable_sort(order.begin(), order.end(), [&check](int a, int b) {
        return std::abs(check.notes[static_cast<std::size_t>(a)].cents) >
               std::abs(check.notes[static_cast<std::size_t>(b)].cents);
    });
    if (count >= 0 && static_cast<int>(order.size()) > count)
        order.resize(static_cast<std::size_t>(count));
    return order;
}

}  // namespace sorvel::practice
