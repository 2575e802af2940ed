// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/noteemitter.h"

#include <algorithm>

#include "model/musicsheet.h"
#include "model/note.h"
#include "model/tempo.h"
#include "playback/conversion/expressivemelody.h"
#include "playback/conversion/keyoffset.h"
#include "playback/conversion/playitems.h"
#include "playback/conversion/starttempo.h"

namespace sorvel {

NoteEmitter::NoteEmitter(SequenceWriter& writer, const PlayOptions& options, int startTempo,
                         const TMusicSheet& currentPage)
    : writer_(writer),
      options_(options),
      startTempo_(startTempo),
      trackKey_(KeyOffset(currentPage)),
      pageTempo_(PageTempo(currentPage)) {}

void NoteEmitter::Tempo(int tempo, TNote& note) {
    writer_.Tempo(tempo, &note);
    if (expressive_) expressive_->SetTempo(tempo);
}

void NoteEmitter::EmitTempoMark(TNote& note) {
    if (!options_.playScoreTempo) return;
    const TTempo* mark = TempoMarkOf(note);
    if (mark && mark->Tempo() != 0) Tempo(TempoMarkValue(*mark, startTempo_), note);
}

void NoteEmitter::EnterPage(TNote& note) {
    if (!options_.playScoreTempo || &note.Sheet() == tempoPage_) return;
    tempoPage_ = &note.Sheet();
    const int tempo = PageTempo(note.Sheet());
    if (tempo == 0 || tempo == pageTempo_) return;
    pageTempo_ = tempo;
    Tempo(tempo, note);
}

int NoteEmitter::KeyShiftOf(const TNote& note) {
    if (&note.Sheet() != keyPage_) {
        keyPage_ = &note.Sheet();
        keyShift_ = KeyOffset(note.Sheet()) - trackKey_;
    }
    return keyShift_;
}

void NoteEmitter::Emit(TNote& note) {
    const int keyShift = KeyShiftOf(note);
    if (expressive_) expressive_->Lead(note, keyShift);
    EnterPage(note);
    EmitTempoMark(note);
    if (expressive_)
        expressive_->Note(note, keyShift);
    else
        writer_.Melody(note, keyShift);
    Clicks(note);
}

void NoteEmitter::MultiBarRest(int bars) {
    if (bars <= 0) return;
    // The note held back for what follows it has nothing after it to lean on,
    // and the bars of rest are counted in the tempo after any fermata.
    if (expressive_) expressive_->Flush();
    const int beatsPerBar = signature_.BarLength() / signature_.BeatLength();
    const long long beats = static_cast<long long>(bars) * std::max(beatsPerBar, 1);
    const long long total = static_cast<long long>(bars) * signature_.BarLength();
    for (long long left = total; left > 0;) {
        // Silences of at most a bar each, so no event step overflows.
        const int step = static_cast<int>(std::min<long long>(left, signature_.BarLength()));
        writer_.Silence(conv_track::kMelody, step);
        left -= step;
    }
    for (long long i = 0; i < beats; ++i) {
        writer_.Click(conv_track::kMetronome, i % std::max(beatsPerBar, 1) == 0,
                      signature_.BeatLength());
    }
    metronomePos_ = 0;
}

// One click for every beat boundary the note starts on or crosses; the
// clicks are consecutive events of one beat each, so they follow the melody
// while the bars are complete.
void NoteEmitter::Clicks(const TNote& note) {
    const int beat = signature_.BeatLength();
    if (metronomePos_ == 0 && note.StepNo > 1)
        metronomePos_ = static_cast<long long>(beat) * note.StepNo;
    const bool fromBarStart = metronomePos_ == 0;
    const double p = static_cast<double>(metronomePos_);
    const long long first = static_cast<long long>(p / beat + 0.9);
    const long long end = static_cast<long long>((p + note.StepTime - 1) / beat + 0.9);
    for (long long i = first; i < end; ++i) {
        writer_.Click(conv_track::kMetronome, fromBarStart && i == first, beat);
    }
    metronomePos_ += note.StepTime;
}

}  // namespace sorvel
