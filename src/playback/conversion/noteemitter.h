#pragma once
// Writes one note as it is played: its tempo mark, its melody event and the
// metronome clicks of the beats it starts, keeping the time signature in
// force and the metronome's position in the bar.
#include "playback/conversion/playoptions.h"
#include "playback/conversion/sequencewriter.h"
#include "playback/conversion/timesignature.h"

namespace sorvel {

class TNote;

class NoteEmitter {
  public:
    NoteEmitter(SequenceWriter& writer, const PlayOptions& options, int startTempo)
        : writer_(writer), options_(options), startTempo_(startTempo) {}

    void Emit(TNote& note);
    // The tempo event of the note's mark, when the score's tempo is played.
    void EmitTempoMark(TNote& note);

    // A bar line, or the start of the play: the metronome counts from the
    // start of a bar again.
    void BarLine() { metronomePos_ = 0; }
    void SetSignature(const TimeSignature& signature) { signature_ = signature; }

  private:
    void Clicks(const TNote& note);

    SequenceWriter& writer_;
    const PlayOptions& options_;
    int startTempo_;
    TimeSignature signature_;
    long long metronomePos_ = 0;
};

}  // namespace sorvel
