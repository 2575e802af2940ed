// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The walk through the play range in play order: repeat bar lines, volta
// brackets, D.C., D.S., coda and fine are followed, and every item taken is
// handed to the note emitter.
#include <set>
#include <tuple>

#include "playback/conversion/noteemitter.h"
#include "playback/conversion/playitems.h"
#include "playback/conversion/playrange.h"

namespace sorvel {

enum class WalkError {
    kNone,
    kNoCodaTarget,  // a coda sign with no other coda sign to jump to
    kNoFirstVolta,  // an end repeat followed by a volta, with no first volta before it
};

struct WalkOutcome {
    WalkError error = WalkError::kNone;
    // The score's marks would send the walk round the same passage forever
    // (for example two first-time brackets); it was ended there.
    bool endlessLoopStopped = false;
};

class PlayWalk {
public:
    PlayWalk(const PlayItems& items, NoteEmitter& emitter) : items_(items), emitter_(emitter) {}

    // `nonRepeat` takes every item of the range once, in list order.
    WalkOutcome Run(PlayRange range, bool nonRepeat);

private:
    static constexpr int kStop = -1;

    int Size() const { return static_cast<int>(items_.size()); }
    void TakeOnce(TMusicItem& item);
    int StepNote(int index, TNote& note);
    int StepJumpSign(int index, char sign);
    int StepVolta(int index, TNote& note);
    int StepBarLine(int index);
    int StepEndRepeat(int index);
    // The index after the nearest repeat bar line ("f", "g" or "h") before
    // `index`; 0 when there is none.
    int AfterRepeatBarBefore(int index) const;
    // Goes on at `target`. A move backwards is remembered with the walk's
    // state; meeting the same state again means the walk would never end.
    int GoTo(int from, int target);

    const PlayItems& items_;
    NoteEmitter& emitter_;
    bool jumped_ = false;
    int voltaPass_ = 0;
    bool repeated_ = false;
    WalkOutcome outcome_;
    std::set<std::tuple<int, bool, int, bool>> backwardMoves_;
};

}  // namespace sorvel
