// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes one note as it is played: the tempo of a page entered and the note's
// tempo mark, its melody event in the key of its page, and the metronome
// clicks of the beats it starts, keeping the time signature in force and the
// metronome's position in the bar.
#include "playback/conversion/playoptions.h"
#include "playback/conversion/sequencewriter.h"
#include "playback/conversion/timesignature.h"

namespace sorvel {

class ExpressiveMelody;
class TMusicSheet;
class TNote;

class NoteEmitter {
public:
    // `currentPage` is the page whose key transposes the melody track and
    // whose page tempo the play starts with.
    NoteEmitter(SequenceWriter& writer, const PlayOptions& options, int startTempo,
                const TMusicSheet& currentPage);

    // The expressive rendering of the melody (none: one event a note).
    void SetExpressive(ExpressiveMelody* expressive) { expressive_ = expressive; }

    void Emit(TNote& note);
    // The tempo event of the note's mark, when the score's tempo is played.
    void EmitTempoMark(TNote& note);
    // The first note met on a page: a page whose page tempo differs from the
    // one in force sets it there, when the score's tempo is played.
    void EnterPage(TNote& note);

    // A multi-bar rest: `bars` whole bars of the time signature in force,
    // silent in the melody, counted by the metronome.
    void MultiBarRest(int bars);

    // A bar line, or the start of the play: the metronome counts from the
    // start of a bar again.
    void BarLine() { metronomePos_ = 0; }
    void SetSignature(const TimeSignature& signature) { signature_ = signature; }

private:
    void Clicks(const TNote& note);
    void Tempo(int tempo, TNote& note);
    // Semitones between the key of the note's page and the key of the track.
    int KeyShiftOf(const TNote& note);

    SequenceWriter& writer_;
    const PlayOptions& options_;
    int startTempo_;
    TimeSignature signature_;
    long long metronomePos_ = 0;
    ExpressiveMelody* expressive_ = nullptr;

    int trackKey_;
    const TMusicSheet* keyPage_ = nullptr;  // the page `keyShift_` was found for
    int keyShift_ = 0;
    const TMusicSheet* tempoPage_ = nullptr;  // the page of the last note emitted
    int pageTempo_;                           // the page tempo in force
};

}  // namespace sorvel
