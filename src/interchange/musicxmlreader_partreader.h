// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reader of one MusicXML part, shared by the files that read its measures
// (musicxmlreader_part.cpp) and its notes (musicxmlreader_notes.cpp); not
// used elsewhere.
#include <climits>
#include <cstddef>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "interchange/importedscore.h"
#include "interchange/musicxmlreader_internal.h"

namespace sorvel::interchange::xmlread {

// Bounds that keep hostile numbers harmless. A longer note is cut to this
// length; positions within a measure stay below the measure bound.
inline constexpr double kMaxNoteQuarters = 64;
inline constexpr double kMaxMeasureQuarters = 1024;
inline constexpr size_t kMaxGraces = 4;
// Beyond these the part is cut off, so that a file of millions of tiny
// measures cannot make the score hundreds of times its own size.
inline constexpr size_t kMaxMeasures = 100000;
inline constexpr size_t kMaxNotes = 500000;
// Unmatched slide starts remembered at most.
inline constexpr size_t kMaxOpenLines = 64;

inline constexpr int kEndOfMeasure = INT_MAX;

struct PendingGrace {
    GraceNote grace;
    std::vector<int> slurStarts;
    std::vector<int> slurStops;
};

// A note of the chosen voice with what it needs until its measure is done.
struct KeptNote {
    ImportedNote note;
    int midi = 0;
    std::string pitchedSigns;
    std::vector<int> slurStarts;
    std::vector<int> slurStops;
    std::vector<LineEnd> lines;
};

// Marks of a direction waiting for the note at their onset.
struct PlacedMarks {
    int tick = 0;
    DirectionMarks marks;
    // A <sound> standing alone: its jumps act at its point in time, where the
    // note before it ends.
    bool bareSound = false;
};

struct OpenLine {
    bool glissando = false;
    int number = 0;
    int midi = 0;
};

// A tuplet of the kept voice while its notes are read, in quarter notes.
// `marked`: opened by <tuplet type="start">, closed when as many stops came
// (nested tuplets count into the outer one); otherwise it ends after
// `actual` notes or at a note of another ratio.
struct OpenTuplet {
    double onset = 0;
    double end = 0;
    int actual = 3;
    int normal = 2;
    bool marked = false;
    int depth = 0;
    int notes = 0;
};

class PartReader {
public:
    PartReader(bool bowed, ImportedScore& score, LeftOutTally& tally)
        : bowed_(bowed), score_(score), tally_(tally) {}
    void Read(pugi::xml_node part);

private:
    void ReadMeasure(pugi::xml_node measure, ImportedMeasure& m);
    void ReadAttributes(pugi::xml_node attributes, ImportedMeasure& m);
    void TakeKey(int writtenFifths, ImportedMeasure& m);
    void ReadBarline(pugi::xml_node barline, ImportedMeasure& m);
    // Where a note stands and how long it lasts, in quarter notes; `cut`
    // when it was longer than a note may be.
    struct NoteTime {
        double onset;
        double length;
        bool cut;
    };
    void ReadNote(pugi::xml_node note);
    NoteTime AdvanceTime(pugi::xml_node note, bool chord);
    bool KeepsVoice(pugi::xml_node note, bool rest);
    bool ContinuesKeptVoice(pugi::xml_node note, const NoteTime& time) const;
    void TrackTuplet(pugi::xml_node note, const NoteTime& time);
    void CloseTuplet();
    void KeepNote(pugi::xml_node note, int tick, int duration, const XmlPitch* pitch,
                  NoteMarks marks);
    void ReadGrace(pugi::xml_node note, bool chord);
    void MergeChordMember(const NoteMarks& marks, bool rest, const XmlPitch& pitch);
    void TakeDirection(DirectionMarks marks, int tick, bool bareSound = false);
    void TakeForwardRepeat(const DirectionMarks& marks, ImportedMeasure& m);
    void TakeOtherStaffDirection(pugi::xml_node direction);
    void TakeTempo(DirectionMarks& marks);
    void CloseChord();
    void AttachGracesBefore(KeptNote& k);
    void AttachGracesAfter(KeptNote& k);
    void FinishMeasure(ImportedMeasure& m);
    void TakeLength(ImportedMeasure& m);
    void PlaceMarks(ImportedMeasure& m, const PlacedMarks& p);
    ImportedNote& NoteEndingJumps(ImportedMeasure& m, const PlacedMarks& p, bool atMoment);
    ImportedNote* LastNoteBefore();

    double Quarters(pugi::xml_node durationHolder) const;
    void Move(double quarters);
    // Ticks from the measure's start to a time `quarters` into it: the time
    // is rounded to the nearest tick from the part's start, so that no
    // rounding adds up over measures of lengths off the tick grid.
    int TickAt(double quarters) const;
    int TickNow() const { return TickAt(pos_); }

    bool bowed_;  // the part is played with a bow: its fingers and strings are kept
    ImportedScore& score_;
    LeftOutTally& tally_;

    // Through the part.
    double divisions_ = 1;
    std::string voice_;  // the voice kept, empty until the first note of staff 1
    bool keySeen_ = false;
    int writtenFifths_ = 0;
    int fifths_ = 0;  // the sounding key
    Transposition transposition_;
    bool timeSeen_ = false;
    int beats_ = 0;
    int beatType_ = 0;
    bool tempoSeen_ = false;
    int tempo_ = 0;
    int openEnding_ = 0;
    std::vector<OpenLine> openLines_;
    std::vector<PlacedMarks> carried_;  // marks of measures that kept no note
    int lastMeasureWithNotes_ = -1;
    // Where the measure being read starts, in ticks from the part's start
    // less an even number of ticks (which leaves halves rounding alike).
    double phase_ = 0;

    // Within the measure being read.
    double pos_ = 0;
    double maxPos_ = 0;
    double chordOnset_ = 0;
    bool chordOpen_ = false;
    int lastPitched_ = -1;
    std::vector<KeptNote> kept_;
    std::vector<PendingGrace> graces_;
    std::vector<PlacedMarks> placed_;
    double voiceEnd_ = 0;  // where the kept voice's last note ends
    std::optional<OpenTuplet> tuplet_;
    std::vector<ImportedTuplet> tuplets_;
};

}  // namespace sorvel::interchange::xmlread
