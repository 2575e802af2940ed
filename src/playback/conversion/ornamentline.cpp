// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/ornamentline.h"

#include <algorithm>
#include <initializer_list>

#include "playback/conversion/notetimeline.h"

namespace sorvel {
namespace {

// Quick notes of equal length, then the main note for the rest; false when
// the span has no room for them.
bool QuickNotes(std::vector<LineSegment>& line, std::initializer_list<int> pitches, int from,
                int to, int main, int pace) {
    const int count = static_cast<int>(pitches.size());
    const int each = std::min(pace, (to - from) / (count + 1));
    if (each < 1) return false;
    int at = from;
    for (int pitch : pitches) {
        line.push_back({at, pitch, each});
        at += each;
    }
    line.push_back({at, main, to - at});
    return true;
}

// Notes of `each` ticks to the end, alternating with `other` when it differs.
void Repeated(std::vector<LineSegment>& line, int from, int to, int each, int main, int other) {
    int at = from;
    for (int i = 0; at < to; ++i) {
        int length = std::min(each, to - at);
        // A last piece shorter than half a note joins the one before.
        if (to - (at + length) > 0 && to - (at + length) < each / 2) length = to - at;
        line.push_back({at, i % 2 == 1 ? other : main, length});
        at += length;
    }
}

}  // namespace

void OrnamentLine(Ornament ornament, int from, int to, const LinePitches& p,
                  const OrnamentPace& pace, std::vector<LineSegment>& line) {
    line.clear();
    if (to - from <= 0) return;
    bool done = true;
    switch (ornament) {
        case Ornament::kTrill:
            Repeated(line, from, to, std::max(pace.trill, 2), p.main, p.upper);
            break;
        case Ornament::kTremolo:
            Repeated(line, from, to, std::max(pace.tremolo, 2), p.main, p.main);
            break;
        case Ornament::kUpperMordent:
            done = QuickNotes(line, {p.main, p.upper}, from, to, p.main, pace.quick);
            break;
        case Ornament::kLowerMordent:
            done = QuickNotes(line, {p.main, p.lower}, from, to, p.main, pace.quick);
            break;
        case Ornament::kTurn:
            done = QuickNotes(line, {p.upper, p.main, p.lower}, from, to, p.main, pace.quick);
            break;
        case Ornament::kInvertedTurn:
            done = QuickNotes(line, {p.lower, p.main, p.upper}, from, to, p.main, pace.quick);
            break;
        case Ornament::kNone:
            done = false;
            break;
    }
    if (!done || line.empty()) line.assign(1, {from, p.main, to - from});
}

void WriteOrnamentLine(NoteTimeline& t, const std::vector<LineSegment>& line, Ornament ornament,
                       int mainPitch, int gateEnd, int velocity, int restVelocity) {
    if (line.empty()) return;
    // Released inside the line, rather than tied or slurred on past its end.
    const bool released = gateEnd < line.back().at + line.back().length;
    std::size_t count = line.size();
    // Nothing is struck from the release on.
    while (count > 1 && line[count - 1].at >= gateEnd) --count;
    // A last note that the release would cut to less than half is left out;
    // the one before it sounds on to the release instead.
    if (count > 1 && gateEnd - line[count - 1].at < line[count - 1].length / 2) --count;
    // A trill that stops comes to rest on its main note.
    if (released && ornament == Ornament::kTrill && count > 1 && line[count - 1].pitch != mainPitch)
        --count;
    for (std::size_t i = 0; i < count; ++i) {
        const LineSegment& s = line[i];
        int gate = ornament == Ornament::kTremolo ? std::max(s.length - 1, 1) : s.length;
        if (i + 1 == count) gate = std::max(gateEnd - s.at, 1);
        t.Note(s.at, s.pitch, gate, i == 0 ? velocity : restVelocity);
    }
}

}  // namespace sorvel
