// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The events of one track with the reading state used by copying and playing:
// a cursor, a loop counter, the same-measure flag and the return stack.
// Measure numbering and same-measure resolution rewrite the events in place.
#include <vector>

#include "playback/midievent.h"
#include "playback/stack.h"

namespace sorvel {

class TMidiEventList {
public:
    void Add(const TMidiEvent& event) { events_.push_back(event); }
    void Delete(int index);
    void Clear();
    int Count() const { return static_cast<int>(events_.size()); }

    // Clamped: below 0 reads the first event, beyond the end the last one. An
    // empty list yields a blank event (a list in use always holds its end event).
    const TMidiEvent& Get(int index) const;
    std::vector<TMidiEvent>& Events() { return events_; }
    const std::vector<TMidiEvent>& Events() const { return events_; }

    // Sets measure and step number of every event; a measure end gets its ticks.
    void NumberMeasures();
    // Stores in every same-measure event the index of its measure's first event.
    void ResolveSameMeasures();
    // Returns the event at the cursor and advances, reading referenced measures
    // in place of same-measure events; nullptr at the end.
    const TMidiEvent* ReadFlat();
    // Replaces this list by the flat reading of `source` (from its start). At
    // most kMaxFlatEvents are copied: same-measure references can multiply a
    // track, and a hostile file must not exhaust memory; a cut copy ends with an
    // end event.
    void CopyFlat(TMidiEventList& source);
    static constexpr int kMaxFlatEvents = 1 << 20;
    // The sequencer's fetch: follows loops, skips comments and measure marks and
    // never returns the final end event. nullptr and index -1 when nothing is left.
    const TMidiEvent* FetchPlaying(int& index);
    // The first event of measure m with step number s, else that measure's last
    // event, else the last index.
    int FindMeasure(int measure, int stepNo) const;

    // Rewinds every reading state: cursor 0, loop stack empty, not in a measure.
    void ResetReading();

    // Indices of the key-signature events.
    std::vector<int> KeySignatureIndices() const;

private:
    std::vector<TMidiEvent> events_;
    int cursor_ = 0;
    std::int32_t loopCounter_ = 0;
    bool inSameMeasure_ = false;
    TStack stack_;
};

}  // namespace sorvel
