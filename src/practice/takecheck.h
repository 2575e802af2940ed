// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check of a take against the page: every written note found in the take
// (whatever the player's tempo) with its intonation in cents and its timing.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/usertext.h"
#include "listen/listenprogress.h"
#include "listen/pitchframe.h"
#include "listen/pitchunits.h"
#include "practice/heardtake.h"
#include "practice/writtennotes.h"

namespace sorvel {
class TMusicBook;
}

namespace sorvel::practice {

enum class NoteStatus { kOk, kMissed };

struct CheckedNote {
    WrittenNote written;
    NoteStatus status = NoteStatus::kMissed;
    // Played pitch (median over the steady part, vibrato averaged) minus
    // written. A wrong note is matched and reported this far off (+200 for a
    // whole tone too high), so the teacher sees what was played instead.
    double cents = 0;
    double timingMs = 0;     // played onset minus the aligned beat's time
    double playedOnset = 0;  // seconds in the take
    double playedOffset = 0;
};

struct TakeCheck {
    std::vector<CheckedNote> notes;  // one per written note, in play order
    double a4Hz = 440;
    int matched = 0;
};

// Aligns a heard take with the written notes, whatever the player's tempo;
// cents against A4 = `a4Hz` (the player's own tuning is not taken out).
TakeCheck CheckTake(const std::vector<WrittenNote>& written, const HeardTake& take, double a4Hz);

// Whole path for a recording on disk, with progress/cancel like
// listen::HearFile: the written notes of `page` (0: the whole book), the
// take heard and checked. On failure returns no notes and sets `error`.
TakeCheck CheckTakeFile(TMusicBook& book, int page, const std::string& takePath,
                        const listen::ListenProgress& progress, UserText* error,
                        double a4Hz = listen::kA4Hz);

// Indices into check.notes of matched notes, furthest off in |cents| first
// (the window's list); at most `count`.
std::vector<int> WorstNotes(const TakeCheck& check, int count);

// The CSV report: header `note,page,bar,written,cents,timing_ms,status`, one
// line per written note.
std::string ReportCsv(const TakeCheck& check);

// For playing along live: the cents of one note from a stretch of pitch
// frames (steady part, vibrato averaged) against `midi` at A4 = `a4Hz`; no
// value when too little of it is voiced. `around`: the cents the ear heard
// the note at, when known; frames far from it (the note before still
// ringing) are left out instead of those far from the frames' median.
std::optional<double> MeasureNoteCents(std::span<const listen::PitchFrame> frames, int midi,
                                       double a4Hz, std::optional<double> around = std::nullopt);

}  // namespace sorvel::practice
