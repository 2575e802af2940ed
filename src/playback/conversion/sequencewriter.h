// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Appends the events the conversion makes to the melody, metronome and
// count-in tracks, keeping every value inside the range its field and the
// MIDI messages made from it can carry.
#include "playback/rcpdata.h"

namespace sorvel {

class TNote;
struct Preferences;

namespace conv_track {
constexpr int kMelody = 1;
constexpr int kMetronome = 2;
constexpr int kCountIn = 4;
}  // namespace conv_track

// Ticks a click sounds.
constexpr int kClickGate = 10;

class SequenceWriter {
public:
    SequenceWriter(TRcpData& data, const Preferences& prefs) : data_(data), prefs_(prefs) {}

    // A note event of the melody, `keyShift` semitones from its NoteNo (the
    // note's page is in another key than the page whose key transposes the
    // track); a pitch outside the MIDI range is written as a rest of the same
    // length, since as an event type it would be read as a control event.
    void Melody(TNote& note, int keyShift = 0);
    // Any event of a track, each field clamped to what it can carry.
    void Add(int track, int type, int step, int gate, int velocity, TNote* source = nullptr);
    // A tempo event; its value is clamped to the 8 bits the sequencer reads.
    void Tempo(int tempo, TNote* source);
    void Click(int track, bool high, int step);
    void Silence(int track, int step);
    void End(int track);

    TMidiEventList& Events(int track) { return data_.Track(track).events; }

private:
    TRcpData& data_;
    const Preferences& prefs_;
};

}  // namespace sorvel
