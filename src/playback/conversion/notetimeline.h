// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The melody events of one note in expressive playback, each at a tick
// offset from the note's onset: notes of its ornaments and grace groups,
// pitch bends, expression and tempo changes. Written out as consecutive
// events whose steps add up to the note's length, so everything after the
// note keeps its time.
#include <vector>

namespace sorvel {

class SequenceWriter;
class TNote;

// Pitch bend over a range of this many semitones either way (set at the
// start of an expressive play).
inline constexpr int kBendRangeSemitones = 12;
inline constexpr int kBendCenter = 8192;

// The 14-bit bend value for `cents` above (negative: below) the note.
int BendValue(int cents);

class NoteTimeline {
public:
    struct Action {
        int at = 0;
        int type = 0;
        int gate = 0;
        int velocity = 0;
    };

    NoteTimeline(TNote* source, int length) : source_(source), length_(length) {}
    // Empties the timeline for another note, keeping its storage.
    void Reset(TNote* source, int length) {
        source_ = source;
        length_ = length;
        actions_.clear();
    }

    int Length() const { return length_; }
    TNote* Source() const { return source_; }

    // Events at the same offset keep the order they were added in. Offsets are
    // kept inside the note: an event at its end would open the next note's
    // tick under this note's name, and the play cursor would miss that note.
    void Note(int at, int pitch, int gate, int velocity);
    void Rest(int at);
    void Bend(int at, int cents);
    void Control(int at, int controller, int value);
    void Tempo(int at, int tempo);

    // Drops the notes and bends from `at` on (the tail given to the grace
    // notes of the next note) and ends every note still sounding there.
    void ClearFrom(int at);
    // Drops the bends from `at` on (the tail a glissando bends instead).
    void ClearBendsFrom(int at);
    // Lets the last note sound to the end of the timeline (a glissando that
    // leaves it).
    void HoldLastNote();
    // Whether the pitch is left bent at the end of the timeline.
    bool EndsBent() const;

    void Write(SequenceWriter& writer);

    const std::vector<Action>& Actions() const { return actions_; }

private:
    int Clamp(int at) const;

    TNote* source_;
    int length_;
    std::vector<Action> actions_;
};

}  // namespace sorvel
