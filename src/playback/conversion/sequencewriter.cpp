// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/sequencewriter.h"

#include <algorithm>

#include "model/note.h"
#include "model/preferences.h"

namespace sorvel {
namespace {

std::uint16_t Field(int value) {
    return static_cast<std::uint16_t>(std::clamp(value, 0, 0xFFFF));
}
int MidiData(int value) {
    return std::clamp(value, 0, 127);
}

}  // namespace

void SequenceWriter::Add(int track, int type, int step, int gate, int velocity, TNote* source) {
    TMidiEvent e = MakeEvent(Field(type), Field(step), Field(gate), Field(velocity));
    e.sourceItem = source;
    Events(track).Add(e);
}

void SequenceWriter::Melody(TNote& note, int keyShift) {
    const int pitch = note.NoteNo + keyShift;
    const bool playable = note.NoteNo > 0 && pitch > 0 && pitch <= 127;
    Add(conv_track::kMelody, playable ? pitch : 0, note.StepTime, playable ? note.GateTime : 0,
        MidiData(prefs_.MeloVelocity), &note);
}

void SequenceWriter::Tempo(int tempo, TNote* source) {
    Add(conv_track::kMelody, evt::kTempo, 0, std::clamp(tempo, 0, 255), 0, source);
}

void SequenceWriter::Click(int track, bool high, int step) {
    Add(track, MidiData(high ? prefs_.ClickHKeyNo : prefs_.ClickLKeyNo), step, kClickGate,
        MidiData(high ? prefs_.ClickHVelocity : prefs_.ClickLVelocity));
}

void SequenceWriter::Silence(int track, int step) {
    Add(track, 0, step, 0, 0);
}

void SequenceWriter::End(int track) {
    Events(track).Add(MakeEndOfTrackEvent());
}

}  // namespace sorvel
