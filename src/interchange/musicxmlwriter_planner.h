// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planner that walks the book's pages into the export's plan, shared by
// the files of the walk (musicxmlwriter_walk.cpp), the marks carried to the
// notes (musicxmlwriter_notemarks.cpp) and the written notes and measures
// (musicxmlwriter_emit.cpp); not used elsewhere.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "interchange/musicxmlwriter_pitch.h"
#include "interchange/musicxmlwriter_plan.h"
#include "model/markmeanings.h"
#include "model/musicitem.h"

namespace sorvel {
class TDaon;
class THorizBar;
class TMusicBook;
class TMusicSheet;
class TTempo;
}  // namespace sorvel

namespace sorvel::interchange::xmlwrite {

inline char CodeOf(const TMusicItem& item) {
    return item.Content().empty() ? '\0' : item.Content()[0];
}

// A slur or an arch: an arc over notes, a tie where it joins two of one pitch.
inline bool IsArc(const TMusicItem* item) {
    return item->Class() == ItemClass::Slur || item->Class() == ItemClass::RenTon;
}

// Text for the document: the bytes' UTF-8, trimmed, with only the characters
// XML allows; each one left out adds 1 to `leftOut`.
std::string DocText(std::string_view cp932Bytes, int& leftOut);

// The note type of a numeral with `length` duration lines.
const char* TypeOfUnderlines(int length);

struct TimeSig {
    int beats = 0, beatType = 0;
    int BarTicks() const { return beats > 0 ? beats * kDivisions * 4 / beatType : 0; }
    bool operator==(const TimeSig&) const = default;
};

// Marks that belong to a note but were left without a link (drawn over it,
// yet linked to nothing) go with the note they sit on: a note of the row
// band the mark is in, under a one-glyph sign (within a grid step) or under
// the left end of a mark with a width. Triplet marks stay out: the timing
// pass counts linked ones only.
using LooseMarks = std::unordered_map<const TNote*, std::vector<const TMusicItem*>>;

LooseMarks FindLooseMarks(const TMusicSheet& page);

// The code of the first mark linked to a note that means a mark of `kind`;
// '\0' for none. Playback reads a note's jump sign and volta number this way.
char FirstLinkedMark(const TNote& note, MarkKind kind);

// How the book's jumps are spelled (musicxmlwriter_jumps.cpp): the coda
// sign that is its piece's coda (the others are To Coda marks), and for a
// D.S. or D.C. where its return ends (kAlFine, kAlCoda; none: at the end).
struct JumpPlan {
    std::unordered_set<const TNote*> codas;
    std::unordered_map<const TNote*, const char*> returnEnds;
};

JumpPlan PlanJumps(const TMusicBook& book);

using TiedNotes = std::unordered_set<const TNote*>;

// Numerals that an arc ties to the note before them within a bar (its only
// other numeral under it): written as one note with it, as a dash would be.
TiedNotes FindTiesInBars(const TMusicSheet& page);

// A note of the book being collected into one written event.
struct Event {
    const TNote* note = nullptr;
    std::vector<const TNote*> sources;
    bool rest = false;
    Degree jp;
    XmlPitch pitch;
    int midi = 0;
    bool showAccidental = false;
    int ticks = 0;
    bool triplet = false;
    int underlines = 0;
    bool tupletStart = false, tupletStop = false;
    bool tieFromPrevious = false;
    char slideIn = 0;
    const char* entry = nullptr;
    std::vector<const MarkCode*> marks;
    std::vector<OutDirection> before, soundAfter;
    // Directions at the moment the note ends: a To Coda mark, which is taken
    // where it stands.
    std::vector<OutDirection> after;
    // A Fine, D.S., D.C. or To Coda acts after this note: the dashes after it
    // are written as notes of their own, for the jump comes before them.
    bool jumpsAfter = false;
    std::vector<OutNote> gracesBefore, gracesAfter;
};

// Whether a note is a member of a triplet, and which end.
struct TripletRole {
    bool member = false, start = false, stop = false;
};

class Planner {
public:
    explicit Planner(TMusicBook& book) : book_(book) {}
    PlanState Run();

private:
    void StartPiece(const TMusicSheet& page, bool first);
    void SetKey(const TMusicSheet& page);
    void WalkPage(TMusicSheet& page);
    void OnNote(const TNote& note, TripletRole role);
    bool TiedInBar(const TNote& note) const;
    void OnBar(const TMusicItem& bar);
    void OnBeat(const TMusicItem& beat);
    void OnMultiRest(const THorizBar& bar);
    // Where the end repeat met last goes back to, now that the item after it
    // is known: an ending bracket there sends it to the first ending's start.
    void ResolveRepeatReturn(bool toFirstEnding);
    void OnLooseMark(const TMusicItem& mark);
    // DocText, counting what it leaves out in the plan.
    std::string Text(std::string_view cp932Bytes);
    void EndTriplet();
    void CollectMarks(const TNote& note, Event& e);
    // The slurs and arches of a numeral written as part of the note before.
    void CollectArcs(const TNote& note);
    void AddSign(char code, Event& e);
    // A jump in a <sound> of its own after the event's note.
    static void JumpAfter(Event& e, const char* attribute, const char* value);
    std::optional<OutDirection> TempoDirection(const TTempo& tempo);
    std::vector<OutNote> Graces(const TDaon& daon);
    void Flush();
    void WritePieces(Event& e, WrittenEvent& w, const OutConnector* slideStop);
    NoteRef Emit(OutNote n, const TMusicItem* at, bool forceAccidental = false);
    void OpenMeasure(const TMusicItem* at);
    void CloseMeasure(char rightBar);

    TMusicBook& book_;
    PlanState plan_;
    std::vector<OutMeasure>& measures_ = plan_.score.measures;

    ExportKey key_;
    std::optional<std::string> keyText_;
    TimeSig time_;
    OutAttributes pendingAttr_;
    std::vector<OutDirection> pendingDirs_;
    bool pendingForward_ = false;
    bool anyEmitted_ = false;

    std::optional<Event> pending_;
    int nextEvent_ = 0;
    std::optional<Degree> lastSounding_;  // none after a rest or at a piece's start
    NoteRef lastEventLast_;
    bool lastEventRest_ = true;
    int lastEventMidi_ = 0;
    NoteRef lastTriplet_;

    bool open_ = false;
    std::vector<int> barTicks_;  // per measure: the bar length in force when it opened
    size_t pieceFirstMeasure_ = 0;
    bool pieceStart_ = false;
    int baseTempo_ = 0;
    bool pieceFirstNote_ = false;
    const TMusicSheet* lastPage_ = nullptr;
    int lastRowY_ = 0;
    std::map<std::pair<char, int>, int> alters_;  // accidentals in force in the measure
    std::unordered_set<const TMusicItem*> spansSeen_;
    LooseMarks loose_;
    TiedNotes tiedInBar_;
    int tempoInForce_ = 0;
    JumpPlan jumps_;

    // Where a repeat goes back to: the measure after the nearest repeat bar
    // line, or the piece's first measure; `shown` when a start repeat is
    // written there.
    struct RepeatStart {
        size_t measure = 0;
        bool shown = false;
    };
    RepeatStart repeatStart_;
    std::optional<RepeatStart> firstEndingStart_;  // at the last first-ending bracket met
    std::optional<RepeatStart> pendingReturn_;     // an end repeat waiting for the next item
    std::vector<size_t> impliedStarts_;            // measures that get an unprinted start repeat
};

}  // namespace sorvel::interchange::xmlwrite
