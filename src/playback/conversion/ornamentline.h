// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notes that play the body of one note in expressive playback: the note
// held, a trill or tremolo repeated to its end, or the quick notes of a
// mordent or turn before the held main note; and how they are released.
#include <vector>

#include "playback/conversion/expressivemarks.h"

namespace sorvel {

class NoteTimeline;

struct LineSegment {
    int at, pitch, length;
};

// The main pitch and its neighbouring degrees, with the key applied.
struct LinePitches {
    int main = 0, upper = 0, lower = 0;
};

// Ticks of one note of each kind of ornament at the tempo in force.
struct OrnamentPace {
    int trill = 2, tremolo = 2, quick = 1;
};

// The segments of `ornament` over the ticks from `from` to `to`, into
// `line` (its storage reused); one held note when there is no ornament or no
// room for it, none when the span is empty.
void OrnamentLine(Ornament ornament, int from, int to, const LinePitches& p,
                  const OrnamentPace& pace, std::vector<LineSegment>& line);

// Writes the line released at `gateEnd`: nothing sounds from the release
// on, the last note sounds to it (tied or slurred on when it lies beyond the
// line), and a trill that ends there ends on the main note. The first note
// is struck with `velocity`, the rest with `restVelocity`; a tremolo strikes
// every note anew.
void WriteOrnamentLine(NoteTimeline& t, const std::vector<LineSegment>& line, Ornament ornament,
                       int mainPitch, int gateEnd, int velocity, int restVelocity);

}  // namespace sorvel
