// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rhythm entry: notes typed one after another in time order, each of a
// current length. Bars fill by the meter in force at the start (4/4 where
// none stands before): a full bar gets its bar line, a note that overflows
// it is split and tied over the bar line, and entry goes on in the next bar,
// row or a new page; a bar may be closed short (a pickup). Each bar is laid
// out by the rule imported bars follow and takes over the bar lines already
// standing in the rows it fills; music that is there stays untouched (a run
// begins after it, and a step that would write onto it is refused). Digits
// may take the octave nearest the note before them; accidentals and grace
// notes are typed onto the notes. The run of typed notes is kept with the
// undo step that led to it, so undo and redo give back the run as it was. Every change is
// recorded; the caller holds the undo group of each operation. Layout:
// rhythmentry_layout.cpp; pitches and grace notes: rhythmentry_pitch.cpp.
// No Qt.
#include <optional>
#include <unordered_set>
#include <vector>

#include "edit/barlinetakeover.h"
#include "edit/placemarkonnote.h"
#include "edit/runbars.h"

namespace sorvel {

class GlyphInfoTable;
class TBarLine;
class TMusicBook;
class TMusicItem;
class TMusicSheet;
class TNote;
class TUndo;
struct LayoutState;

// A snapped position on a page of the book (zero-based page index).
struct EntryPlace {
    int page = 0;
    int x = 0, y = 0;
    bool operator==(const EntryPlace&) const = default;
};

// What rhythm entry met that the user should hear of.
enum class EntryNotice {
    kNone,
    // The key cursor was left where the run goes on while another page was
    // turned to (playback follows the notes): the run goes on on its page.
    kBackToRun,
    // A new run begins after the music of the bar at the cursor.
    kAfterMusic,
    // Refused: the step's notes would stand on music the run did not write.
    kMusicAhead,
    // The first bar was closed short: a pickup.
    kPickup,
    // A later bar was closed short.
    kShortBar,
    // Refused: grace notes wait for the note they belong to.
    kGraceWaits,
    // Refused: a grace note has no accidental.
    kGraceNoAccidental,
    // Refused: a group holds four grace notes at most.
    kGraceFull,
};

class RhythmEntry {
public:
    // `layout` and `glyphs` are the current layout's: a page the entry
    // creates makes its layout current, as every new page does.
    RhythmEntry(TMusicBook& book, LayoutState& layout, GlyphInfoTable& glyphs);
    // Lets go of the bar lines it kept for giving back.
    ~RhythmEntry();
    RhythmEntry(const RhythmEntry&) = delete;
    RhythmEntry& operator=(const RhythmEntry&) = delete;

    // Goes on with the run that undo state `stateId` was left with when the
    // key cursor `at` is where that run goes on, also when only the page shown
    // changed under the cursor (kBackToRun: the run goes on on its page).
    // Otherwise starts a new run at `at`, whose first bar begins in the slot
    // of `at` (slot 1 at a row's start), after a bar line standing there, and
    // after the music of the bar it is in (kAfterMusic).
    void Resume(long stateId, EntryPlace at);
    // What Resume and the steps after it met; kNone when nothing to tell.
    EntryNotice Notice() const { return notice_; }
    // Keeps the run with the undo state an operation's group led to (the
    // history's memo of that state: it leaves with the step).
    void Remember(long stateId);
    // Keeps the run of undo state `from` for state `to` too, after a change
    // that leaves the run as it is (a mark or an accidental put on its notes
    // from the palette); false when no run is kept for `from`.
    bool CarryOver(long from, long to);
    // Where the run kept for `stateId` goes on (after an undo, the cursor
    // goes back there); nullopt when no run is kept for it.
    std::optional<EntryPlace> NextOf(long stateId) const;

    // With `on`, each digit takes the octave nearest the note typed before
    // it (the first note of a run the middle one); off, the middle octave
    // until x or z moves it. Off at first.
    void SetNearestOctave(bool on) { nearestOctave_ = on; }
    // The size of "8" in the page's note font, by which grace notes are
    // placed on their note as the palette places them.
    void SetEightSize(EightSize eight) { eight_ = eight; }

    // The current length in ticks (48 a quarter); a quarter at first.
    int CurrentTicks() const { return run_.currentTicks; }
    // Ticks of the next typed note: the current length, except right after
    // a dotted note that ends between beats, which the next note completes
    // (a dotted eighth by a sixteenth, a dotted quarter by an eighth).
    int NextTicks() const;

    // A note of NextTicks() after the last one: `digit` "1".."7", or "0" for
    // a rest. The grace notes typed before it become its group of grace
    // notes. Returns the note's first numeral; null when refused.
    TNote* Type(char digit);
    // The next digit is a grace note of the note after it (up to four).
    bool ArmGrace();
    bool GraceArmed() const { return run_.graceArmed; }
    // The armed grace note `digit` "1".."7"; false when refused.
    bool TypeGrace(char digit);
    // The grace notes typed for the next note: digit and octave.
    struct Grace {
        char digit;
        int octave;
        bool operator==(const Grace&) const = default;
    };
    const std::vector<Grace>& WaitingGraces() const { return run_.graces; }

    // On the note just typed (a waiting grace note first); false when there
    // is none or it cannot change. Type and the steps that lengthen a note
    // are refused (kMusicAhead) when the run's bars would then stand on music
    // the run did not write.
    bool ShiftOctave(int delta);
    // Puts the accidental `code` (sharp, flat or natural) on the note just
    // typed, or takes it off when it has it, as the palette's buttons do.
    bool ToggleAccidental(char code);
    // Ends the bar being typed after the note just typed, short of full (a
    // pickup); the next note starts a full bar. False on a full bar.
    bool CloseBar();
    bool ToggleDot();
    // Halve or double the note just typed; its length becomes the current one.
    bool Halve();
    bool Double();
    // Lengthens the note just typed by one beat of the meter, drawn as a
    // dash; a note that ends between beats is held to the beat first.
    bool AddBeat();
    // Takes back the last key of the run: a waiting grace note, a bar
    // closed short, or the note just typed with its marks.
    bool RemoveLast();

    // The first numeral of the note just typed; null before the first note.
    TNote* LastNote() const;
    // Where the next note goes.
    EntryPlace Next() const;

private:
    static constexpr int kOctaveLimit = 3;
    // Grace notes go no lower: the lowest octave their dialog offers.
    static constexpr int kGraceOctaveLimit = 2;

    struct TypedNote {
        char digit;
        int octave;
        int ticks;
        int onset;  // from the start of the run's first bar
        TNote* head;
        std::vector<Grace> graces;  // written before it
    };
    struct BarStart {
        TMusicSheet* page;
        int row, slot;
    };
    struct BarRecord {
        BarStart first;                 // the slot of its first numeral
        BarStart line;                  // where its bar line stands, or will
        bool oneSlotEach;               // too long for its row
        std::vector<TMusicItem*> made;  // everything but the notes' first numerals
        TNote* lastPiece;
        BarLineTakeover taken;  // the bar lines that stood in its rows
    };
    struct Piece;
    struct Placement;
    struct SlotStretch;
    struct Run {
        BarStart start{};
        RunBars times;
        int beat = 48;
        int currentTicks = 48;
        std::vector<Grace> graces;  // typed for the next note
        bool graceArmed = false;
        std::vector<TypedNote> notes;
        std::vector<BarRecord> bars;
        std::vector<TMusicSheet*> pages;  // pages the run created
        EntryPlace next;
    };

    struct RunMemo;
    // The run kept with `stateId` by this entry, or null.
    const Run* RunOf(long stateId) const;
    void StartRun(EntryPlace at);
    int EndTicks() const;
    int BarOfLast() const;
    bool ChangeLast(int ticks);
    void DropPagesLeftBehind();

    // Pitches and grace notes (rhythmentry_pitch.cpp).
    int OctaveFor(char digit) const;
    void WriteGraces(TypedNote& note);

    // Laying the run out (rhythmentry_layout.cpp).
    bool OntoMusic(int firstBar);
    void Render(int firstBar);
    void ClearBarsFrom(int bar);
    void RenderBar(int bar);
    std::vector<Piece> PiecesOf(int bar) const;
    BarStart BeginOf(int bar) const;
    // With `makePages` false nothing changes: a page still to be made
    // comes back as null.
    Placement PlaceOf(int bar, const BarStart& begin, const std::vector<Piece>& pieces,
                      bool makePages);
    BarStart PlaceBar(const BarStart& begin, int slots, bool makePages);
    BarStart NextRow(const BarStart& at, bool makePages);
    TMusicSheet* PageAfter(TMusicSheet* page, bool make);
    std::vector<SlotStretch> StretchesOf(int bar, const BarStart& begin,
                                         const Placement& place) const;
    TNote* WritePiece(const Piece& p, const BarStart& at, TNote* previous,
                      std::vector<TMusicItem*>& made);
    TBarLine* TakeOverBarLines(int bar, const BarStart& begin, const Placement& place,
                               BarRecord& record);
    void Tie(TNote& from, TNote& to, std::vector<TMusicItem*>& made);
    void MoveHead(TNote& head, TMusicSheet& page, int x, int y);
    void FindNext();

    TMusicBook& book_;
    LayoutState& layout_;
    GlyphInfoTable& glyphs_;
    Run run_;
    EntryNotice notice_ = EntryNotice::kNone;
    bool nearestOctave_ = false;
    EightSize eight_;
    // The bar lines the bars took over wait in the undo manager's container
    // for as long as a kept run may give them back: this entry's life.
    TUndo* undo_;
    std::unordered_set<TBarLine*> kept_;
};

}  // namespace sorvel
