// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The melody of an expressive play: dynamics as velocities, hairpins as
// expression ramps, grace groups, ornaments, slides, vibrato, accents,
// staccatissimo and fermatas as the erhu player realises them. Each note is
// held back until the next one is known, since grace notes and glissandos
// take their time from the end of the note before. The onsets of the notes
// themselves never move, so the metronome and the play cursor keep their time.
#include <optional>

#include "playback/conversion/expressivemarks.h"
#include "playback/conversion/hairpinramps.h"
#include "playback/conversion/notetimeline.h"
#include "playback/conversion/ornamentline.h"
#include "playback/conversion/playitems.h"

namespace sorvel {

class SequenceWriter;

class ExpressiveMelody {
public:
    // `velocity` is the level before the first dynamic; `tempo` the tempo
    // the play starts in.
    ExpressiveMelody(SequenceWriter& writer, const PlayItems& items, int velocity, int tempo);

    // The bend range, full expression and a centred bend, before the music.
    void Setup();
    // A note before the start of the play leaves its dynamic in force.
    void StateBefore(const TNote& note);
    void SetTempo(int tempo) { tempo_ = tempo; }

    // Before the note's tempo events: finishes the note before it, giving
    // this note's grace notes or glissando the end of it.
    void Lead(TNote& note, int keyShift);
    // The note itself (a rest, a dash or a degree).
    void Note(TNote& note, int keyShift);
    // Writes the note still held back, and after a fermata puts the tempo
    // back, naming `next` (the note that follows, or none).
    void Flush(TNote* next = nullptr);
    // The end of the play: writes what is held back and leaves the channel
    // as a plain play does, bend centred, bend range and expression at their
    // defaults, so that what plays on the channel next is not bent.
    void Finish();

private:
    // What the last sounding note left for a dash or a glissando after it.
    struct Sounding {
        bool sounds = false;
        LinePitches pitches;  // with the key applied
        int last = 0;         // the pitch it ends on
        Ornament ornament = Ornament::kNone;
        bool vibrato = false;
        int struck = 0;        // the velocity its level is reckoned from
        bool heldOn = false;   // it sounds on into the next note
        int vibratoTicks = 0;  // how far its vibrato has come at its end
    };

    int Ticks(int millis) const;
    double ExactTicks(int millis) const;
    // Ticks of one note of each ornament at the tempo in force.
    OrnamentPace Pace(Ornament ornament) const;
    bool GracesBeforeBeat(const TNote& note, int keyShift);
    void GlissandoOut(const TNote& note, int keyShift);
    int Struck(const TNote& note, const ExpressionRamp* ramp, bool degree, bool dash) const;
    void Expression(NoteTimeline& t, const ExpressionRamp* ramp, int struck, int length);
    void SetExpression(NoteTimeline& t, int at, int value);
    int GracesOnBeat(NoteTimeline& t, int length, int keyShift, int velocity);
    void Degree(NoteTimeline& t, const TNote& note, int keyShift, int velocity);
    void Dash(NoteTimeline& t, const TNote& note, int velocity);
    int SlideIn(NoteTimeline& t, int from, int to, int pitch) const;
    void Vibrato(NoteTimeline& t, int from, int to, int elapsed) const;
    void BendRange(int semitones);

    SequenceWriter& writer_;
    HairpinRamps hairpins_;
    int itemCount_;
    int velocity_;
    int tempo_;
    int expression_ = kFullExpression;
    int struck_ = 0;  // the velocity the expression in force is reckoned from
    bool bent_ = false;
    int restoreTempo_ = 0;  // after a fermata: the tempo to go back to
    // The note held back and the one being built; their storage is reused.
    NoteTimeline pending_{nullptr, 0};
    NoteTimeline building_{nullptr, 0};
    std::vector<LineSegment> line_;  // the ornament line of the note being built
    bool hasPending_ = false;
    Sounding sounding_;
    NoteMarks marks_;            // of the note between Lead and Note
    bool gracesOnBeat_ = false;  // no room before the beat: they start on it
    bool glissedInto_ = false;   // the note before already slid into this one
};

}  // namespace sorvel
