// SPDX-License-Identifier: GPL-3.0-or-later
// The planned events as written notes: lengths split into tied values,
// slides and grace notes around the note, accidentals as staff notation
// keeps them, and the measures the notes fill.
#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "interchange/musicxmlvocabulary.h"
#include "interchange/musicxmlwriter_planner.h"
#include "model/glyphcodes.h"
#include "model/musicsheet.h"
#include "model/note.h"

namespace sorvel::interchange::xmlwrite {
namespace {

struct Value {
    int ticks;
    const char* type;
    int dots;
};

// A written value by its duration lines (-2 a whole, -1 a half, 0 a
// quarter, …), dotted or not.
constexpr Value Written(int underlines, int dots) {
    const NoteType& type = NoteTypeOfUnderlines(underlines);
    const int ticks = TicksOf(type, kDivisions);
    return {dots > 0 ? ticks * 3 / 2 : ticks, type.name, dots};
}

// The notated values from the longest down; a length is written as the
// fewest tied values, longest first.
constexpr Value kValues[] = {
    Written(-2, 0), Written(-1, 1), Written(-1, 0), Written(0, 1), Written(0, 0), Written(1, 1),
    Written(1, 0),  Written(2, 1),  Written(2, 0),  Written(3, 1), Written(3, 0), Written(4, 0),
};
// The longest duration lines a numeral is written with.
constexpr int kMaxUnderlines = 5;

std::vector<Value> SplitTicks(int ticks) {
    std::vector<Value> pieces;
    for (const Value& v : kValues) {
        while (ticks >= v.ticks) {
            pieces.push_back(v);
            ticks -= v.ticks;
        }
    }
    // Shorter than any written value: only lengths the editor cannot enter.
    if (ticks > 0) pieces.push_back({ticks, NoteTypeOfUnderlines(kMaxUnderlines).name, 0});
    return pieces;
}

const char* AccidentalName(int alter) {
    switch (alter) {
        case -2:
            return "flat-flat";
        case -1:
            return "flat";
        case 1:
            return "sharp";
        case 2:
            return "double-sharp";
        default:
            return "natural";
    }
}

}  // namespace

const char* TypeOfUnderlines(int length) {
    return NoteTypeOfUnderlines(std::clamp(length, 0, kMaxUnderlines)).name;
}

void Planner::Flush() {
    if (!pending_) return;
    Event e = std::move(*pending_);
    pending_.reset();
    WrittenEvent w;
    w.id = nextEvent_++;
    w.rest = e.rest;
    w.midi = e.midi;
    // A slide leads from the note before into this one; with no note before
    // it, it becomes a scoop (upwards) or a plop (downwards) of its own.
    OutConnector slideStop;
    const OutConnector* stop = nullptr;
    if (e.slideIn && !e.rest) {
        const bool gliss = e.slideIn == markcode::kGlissUp || e.slideIn == markcode::kGlissDown;
        slideStop.kind = gliss ? OutConnector::Kind::Glissando : OutConnector::Kind::Slide;
        if (lastEventLast_.Valid() && !lastEventRest_) {
            OutConnector start = slideStop;
            plan_.At(lastEventLast_).connectors.push_back(start);
            slideStop.start = false;
            stop = &slideStop;
        } else {
            const bool up = e.slideIn == markcode::kSlideUp || e.slideIn == markcode::kGlissUp;
            e.entry = up ? "scoop" : "plop";
        }
    }
    if (e.tieFromPrevious) plan_.At(lastEventLast_).tieStart = true;
    for (OutNote& g : e.gracesBefore) {
        const NoteRef r = Emit(std::move(g), e.note);
        if (!w.first.Valid()) w.first = r;
    }
    WritePieces(e, w, stop);
    const int after = static_cast<int>(e.gracesAfter.size());
    for (OutNote& g : e.gracesAfter) {
        g.stealPrevious = 50 / after;  // together they take half of the note
        Emit(std::move(g), e.note);
    }
    lastEventLast_ = w.mainLast;
    lastEventRest_ = e.rest;
    lastEventMidi_ = e.midi;
    if (e.triplet) lastTriplet_ = w.mainLast;
    for (const TNote* source : e.sources) {
        plan_.written[source] = w;
        plan_.orderIndex[source] = static_cast<int>(plan_.order.size());
        plan_.order.push_back(source);
    }
}

// The event as written notes: one for a triplet member, else the tied values
// its length splits into. The first carries the marks, the last the jumps.
void Planner::WritePieces(Event& e, WrittenEvent& w, const OutConnector* slideStop) {
    const std::vector<Value> pieces =
        e.triplet ? std::vector<Value>{{e.ticks, TypeOfUnderlines(e.underlines), 0}}
                  : SplitTicks(e.ticks);
    for (size_t k = 0; k < pieces.size(); ++k) {
        const bool firstPiece = k == 0, lastPiece = k + 1 == pieces.size();
        OutNote n;
        n.rest = e.rest;
        n.pitch = e.pitch;
        n.duration = pieces[k].ticks;
        n.type = pieces[k].type;
        n.dots = pieces[k].dots;
        n.triplet = e.triplet;
        n.tupletStart = e.tupletStart && firstPiece;
        n.tupletStop = e.tupletStop && lastPiece;
        n.tieStop = !e.rest && (!firstPiece || e.tieFromPrevious);
        n.tieStart = !e.rest && !lastPiece;
        if (firstPiece) {
            n.marks = e.marks;
            n.before = std::move(e.before);
            n.entry = e.entry;
            if (slideStop) n.connectors.push_back(*slideStop);
        }
        if (lastPiece) {
            n.soundAfter = std::move(e.soundAfter);
            n.after = std::move(e.after);
        }
        const NoteRef r = Emit(std::move(n), e.note, firstPiece && e.showAccidental);
        if (firstPiece) w.mainFirst = r;
        if (!w.first.Valid()) w.first = r;
        w.mainLast = r;
    }
}

NoteRef Planner::Emit(OutNote n, const TMusicItem* at, bool forceAccidental) {
    if (!open_) OpenMeasure(at);
    if (!anyEmitted_) {
        pendingAttr_.divisions = pendingAttr_.clef = true;
        if (!pendingAttr_.fifths) pendingAttr_.fifths = key_.fifths;
        // A score with no time signature before its first note has no metre.
        if (pendingAttr_.beats == 0) pendingAttr_.senzaMisura = true;
        anyEmitted_ = true;
    }
    if (pendingAttr_.Any()) {
        n.attributes = pendingAttr_;
        pendingAttr_ = {};
    }
    if (!pendingDirs_.empty()) {
        n.before.insert(n.before.begin(), pendingDirs_.begin(), pendingDirs_.end());
        pendingDirs_.clear();
    }
    if (!n.rest) {
        // Staff notation keeps an accidental to the end of the measure, so a
        // pitch that differs from the one in force shows its own.
        const int letter = static_cast<int>(std::string_view("CDEFGAB").find(n.pitch.step));
        const auto where = std::make_pair(n.pitch.step, n.pitch.octave);
        const auto it = alters_.find(where);
        const int inForce =
            it != alters_.end() ? it->second : KeyAlterOfLetter(key_.fifths, letter);
        if (!n.tieStop && (forceAccidental || n.pitch.alter != inForce))
            n.accidental = AccidentalName(n.pitch.alter);
        alters_[where] = n.pitch.alter;
    }
    OutMeasure& m = measures_.back();
    if (!n.grace) m.ticks += n.duration;
    m.notes.push_back(std::move(n));
    if (at) {
        lastPage_ = &at->Sheet();
        lastRowY_ = at->PosY();
    }
    return {static_cast<int>(measures_.size()) - 1, static_cast<int>(m.notes.size()) - 1};
}

void Planner::OpenMeasure(const TMusicItem* at) {
    OutMeasure m;
    // Rows and pages of the book become systems and pages.
    if (!measures_.empty() && at && lastPage_) {
        m.newPage = &at->Sheet() != lastPage_;
        m.newSystem = !m.newPage && (at->PosY() != lastRowY_ || pieceStart_);
    }
    m.forwardRepeat = pendingForward_;
    pendingForward_ = false;
    pieceStart_ = false;
    measures_.push_back(std::move(m));
    barTicks_.push_back(time_.BarTicks());
    alters_.clear();
    open_ = true;
}

void Planner::CloseMeasure(char rightBar) {
    if (!open_) {
        // A bar line right after another (or after a multi-bar rest) only
        // restyles the end of the measure before it, within the piece.
        if (rightBar != kPlainBarLine && measures_.size() > pieceFirstMeasure_)
            measures_.back().rightBar = rightBar;
        return;
    }
    OutMeasure& m = measures_.back();
    m.rightBar = rightBar;
    const int bar = barTicks_.back();
    // An incomplete first bar of a piece is a pickup.
    if (measures_.size() == pieceFirstMeasure_ + 1 && bar > 0 && m.ticks < bar) m.implicit = true;
    open_ = false;
}

}  // namespace sorvel::interchange::xmlwrite
