// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notes being heard, as frame ranges, and the erhu's marks read off the
// pitch inside them: glides merged into the note they reach (a slide), quick
// alternations merged into one trilled note, and vibrato.
#include <vector>

namespace sorvel::listen {

struct NoteDraft {
    int first = 0;  // the note's first frame (its onset)
    int last = 0;   // its last frame
    int midi = 0;
    bool attacked = false;
    bool glidedIn = false;  // glide pieces were merged into its start
    bool slideIn = false;
    int slideFrom = 0;
    bool trill = false;
    int trillUpper = 0;
    bool vibrato = false;
};

// `pitch`: fractional MIDI per frame (tuning removed); `voiced` per frame.
struct PitchLine {
    const std::vector<float>& pitch;
    const std::vector<bool>& voiced;
};

// Short unattacked pieces that lead straight into the next note become the
// start of that note (its glide): pieces on the way from the note before,
// or near the next one after a rest.
void MergeGlides(const PitchLine& line, std::vector<NoteDraft>& notes);
// A short note a leap away from both its neighbours and touching one of them
// is a slip of the pitch (a harmonic taken for the fundamental at a note
// change): it joins the neighbour. A piece between two notes at a common
// subharmonic of both is the two sounding together: it starts the second.
void MergeOutliers(std::vector<NoteDraft>& notes);
// Runs of quick steps between two neighbouring pitches become one trill.
void MergeTrills(std::vector<NoteDraft>& notes);
// Marks slides into notes and vibrato on them.
void MarkSlides(const PitchLine& line, std::vector<NoteDraft>& notes);
void MarkVibrato(const PitchLine& line, std::vector<NoteDraft>& notes);

}  // namespace sorvel::listen
