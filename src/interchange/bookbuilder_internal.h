// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The builder behind BuildBook, shared by its two files: bookbuilder.cpp lays
// the measures out in rows and pages, bookbuilder_marks.cpp then writes the
// marks on the numerals laid out; not used elsewhere.
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "edit/barlayout.h"
#include "interchange/bookbuilder.h"
#include "interchange/jianpupieces.h"
#include "model/glyphinfotable.h"
#include "model/layoutstate.h"
#include "model/pagegrid.h"

namespace sorvel {
class TBarLine;
class TMusicBook;
class TMusicItem;
class TMusicSheet;
class TNote;
}  // namespace sorvel

namespace sorvel::interchange::bookbuild {

inline constexpr int kMaxPageTempo = 255;  // the sequencer carries tempos in one byte

struct NoteRef {
    TNote* first = nullptr;  // the numeral that carries the note's marks
    TNote* last = nullptr;   // the last numeral or dash it lasts through
    size_t firstSymbol = 0;  // their places in the book's symbols
    size_t lastSymbol = 0;
};

class Builder {
public:
    Builder(const ImportedScore& score, ModelEnv& env, BuiltBook& out)
        : score_(score), env_(env), out_(out) {}

    void Run(const std::string& fallbackTitle);

private:
    // ---- layout
    void StartPage();
    void NewRow();
    int X(int slot) const { return PageGrid(pageLayout_).SlotX(slot); }
    int Y() const { return PageGrid(pageLayout_).RowBase(row_); }
    BarPlan PlanBar(const std::vector<JianpuPiece>& pieces, int barTicks, int fullBar) const;
    void WriteMeasure(size_t m, int& fullBar);
    void NoteKeyChange(const ImportedMeasure& measure);
    bool StartKeyPage();
    void TakeKey(size_t m, MeasurePieces& written);
    std::vector<char> MeterLeads(const ImportedMeasure& measure, int& fullBar);
    void MarkEnding(const ImportedMeasure& measure, const std::vector<NoteRef>& refs);
    void MarkStartRepeat(const ImportedMeasure& measure, size_t m, bool& ownStartRepeat);
    void KeepOwnTimes(size_t m, const std::vector<JianpuPiece>& pieces,
                      const std::vector<TNote*>& written);
    void KeepSignsAtEnd(size_t m, const std::vector<JianpuPiece>& pieces,
                        const std::vector<TNote*>& written);
    void WriteMultiRest(const ImportedMeasure& measure, int& fullBar);
    void WriteBarLine(char code, int slot);
    TNote* WritePiece(const JianpuPiece& piece, int slot);
    template <class T>
    T* CreateSymbol(char code, int slot);

    // ---- marks
    void WriteMarks();
    void WriteTriplets();
    void WriteEndings();
    void WriteEndingOverRows(char code, TNote& first, const TBarLine& end);
    void Attach(TMusicItem& mark, TNote& note);
    void AddSign(TNote& note, char code);
    void AddTempo(TNote& note, int tempo);
    void AddDaon(TNote& note, const std::vector<GraceNote>& graces, bool before,
                 const Tonic& tonic);
    // A mark with a width from one note to another; split at a row or page
    // break into a piece to the row's end and a piece from the next row's
    // margin (which playback and drawing read as continued).
    template <class T>
    void Span(char code, TNote& from, TNote& to);
    template <class T>
    T* SpanTo(char code, TNote& from, int endX);
    void FindRepeats();
    void Slur(size_t from, size_t to);
    const NoteRef* NextSoundingNote(size_t m, size_t k) const;

    void LeftOut(const std::string& label, int n = 1);
    void Rewritten(const std::string& label, int n = 1);
    void CountTuplets(const MeasurePieces& written);

    const ImportedScore& score_;
    ModelEnv& env_;
    BuiltBook& out_;
    TMusicBook* book_ = nullptr;
    TMusicSheet* page_ = nullptr;
    LayoutState pageLayout_;  // the layout of page_, for its grid
    GlyphInfoTable glyphs_;
    Tonic tonic_;                    // the key of page_
    int fifths_ = 0;                 // … as its number of fifths
    std::optional<int> pendingKey_;  // a key change that waits for a row to start
    bool pendingCounted_ = false;    // … and has been counted as written with accidentals
    std::vector<Tonic> tonics_;      // per measure: the key its notes are written in
    int row_ = 0;
    int nextSlot_ = 0;  // 0: the row is empty
    int eightWidth_ = 12, eightHeight_ = 21;
    TBarLine* lastBar_ = nullptr;

    std::vector<std::vector<NoteRef>> refs_;  // per measure, per imported note
    std::vector<std::vector<int>> groups_;    // per measure: the note whose pieces write each note
    // Per measure, per imported note: the numeral or dash at its onset and
    // the last one before its end (within a tie, a part of its group's).
    std::vector<std::vector<NoteRef>> ownTimes_;
    std::vector<TMusicItem*> symbols_;  // every symbol in reading order
    std::vector<bool> tripletMarks_;    // beside symbols_: a triplet bracket begins
    std::vector<bool> tiedIn_;          // beside symbols_: tied to the numeral before
    std::vector<size_t> repeats_;       // see FindRepeats
    std::vector<int> numeralsBefore_;
    struct EndingMark {
        int number;
        TNote* first;
        TBarLine* end;
        bool closed;
        bool hidden;
    };
    std::vector<EndingMark> endings_;
    // Jump signs with the numeral or dash where their note stops sounding.
    std::vector<std::pair<TNote*, const std::string*>> signsAtEnd_;
};

}  // namespace sorvel::interchange::bookbuild
