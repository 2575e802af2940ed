// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loudness hairpins give the notes they span, found once for the piece:
// from the level in force where a hairpin begins to the next dynamic after
// it (one level on when none follows), evenly in decibels over the ticks of
// its notes; the level reached stays until the next dynamic. A hairpin
// continued on the next row joins its first part.
#include <unordered_map>

#include "playback/conversion/playitems.h"

namespace sorvel {

// The expression (controller 11) of a note that sounds at the level of its
// velocity, as in plain playback.
inline constexpr int kFullExpression = 127;

// A level is an effective velocity: the velocity a note struck with full
// expression would need to sound as loud.
struct ExpressionRamp {
    double from = 0;  // at the note's onset
    double to = 0;    // at its end
};

// The expression that makes a note struck with velocity `struck` sound at
// `level`. The synthesizer's gain follows the square of the velocity and the
// square of the expression alike (the General MIDI SoundFont's default
// attenuation curves), so the level is velocity × expression / 127.
int ExpressionFor(double level, int struck);

class HairpinRamps {
public:
    HairpinRamps(const PlayItems& items, int defaultVelocity);

    // The ramp over `note`; none for a note under no hairpin.
    const ExpressionRamp* At(const TNote& note) const;
    // The loudest level that the dashes right after `note` reach under a
    // hairpin: a note held on through a crescendo is struck that loud and
    // starts with less expression. 0 when none of them is under one.
    double HeldPeak(const TNote& note) const;

private:
    struct Span {
        int first, last;  // indices of the first and last note
        int direction;
    };
    void AddSpan(const PlayItems& items, int own, const TMusicItem& mark, int direction);
    std::vector<Span> JoinedSpans(const PlayItems& items) const;
    void RampAll(const PlayItems& items, const std::vector<Span>& spans, int defaultVelocity);
    void Ramp(const PlayItems& items, const Span& span, double from, double goal);
    void HoldPeak(const PlayItems& items, int dash, double level);

    std::vector<Span> spans_;
    std::unordered_map<const TNote*, ExpressionRamp> ramps_;
    std::unordered_map<const TNote*, double> heldPeaks_;
};

}  // namespace sorvel
