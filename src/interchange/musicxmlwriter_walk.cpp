// SPDX-License-Identifier: GPL-3.0-or-later
// The walk over the book's pages that plans the exported score: pieces and
// their keys, notes with their dashes collected into written events, bar
// lines, time signatures and multi-bar rests.
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "base/cp932.h"
#include "base/text.h"
#include "interchange/musicxmlwriter_planner.h"
#include "interchange/xmltext.h"
#include "model/glyphcodes.h"
#include "model/horizbar.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/tempo.h"
#include "model/textbox.h"
#include "model/timing.h"

namespace sorvel::interchange {
namespace xmlwrite {
namespace {

constexpr int kMaxMultiRest = 1000;  // bars of one multi-bar rest written out at most

std::optional<TimeSig> TimeOfBeat(char code) {
    const Meter* meter = MeterOfCode(code);
    if (!meter) return std::nullopt;
    return TimeSig{meter->beats, meter->beatType};
}

bool LinkedToTriplet(const TNote& note) {
    return std::any_of(note.Links().begin(), note.Links().end(),
                       [](const TMusicItem* l) { return l->Class() == ItemClass::Ren3; });
}

// The note an arc ends on when it ties its note (and the dashes after it)
// to the next numeral within the bar: none when it covers more or less, or
// a bar line, before the end of its row.
const TNote* InBarTieEnd(const TMusicSheet& page, const TMusicItem& arc) {
    const TNote* from = arc.LinkCount() > 0 ? arc.GetLink(0)->As<TNote>() : nullptr;
    if (!from || arc.PosX() <= page.LeftSpace()) return nullptr;
    const int right = arc.PosX() + arc.Width();
    const TNote* end = nullptr;
    for (int i = page.IndexOfItem(from) + 1; i < page.ItemCount(); ++i) {
        const TMusicItem& item = *page.GetItem(i);
        if (!item.IsSymbol()) continue;
        if (item.PosY() != from->PosY() || item.PosX() > right) break;
        const TNote* note = item.As<TNote>();
        if (!note) return nullptr;  // a bar line
        if (CodeOf(*note) == kSustainDash) continue;
        if (end) return nullptr;  // a second numeral
        end = note;
    }
    return end;
}

}  // namespace

// Numerals that an arc ties to the note before them within a bar: written
// as one note with it, as a dash would be (and as the import writes them).
TiedNotes FindTiesInBars(const TMusicSheet& page) {
    TiedNotes tied;
    for (int i = 0; i < page.ItemCount(); ++i) {
        const TMusicItem* item = page.GetItem(i);
        if (!IsArc(item)) continue;
        if (const TNote* end = InBarTieEnd(page, *item)) tied.insert(end);
    }
    return tied;
}

std::string DocText(std::string_view cp932Bytes, int& leftOut) {
    return XmlCharacters(cp932::ToUtf8(Trim(cp932Bytes)), leftOut);
}

std::string Planner::Text(std::string_view cp932Bytes) {
    return DocText(cp932Bytes, plan_.score.leftOutCharacters);
}

PlanState Planner::Run() {
    jumps_ = PlanJumps(book_);
    for (int p = 0; p < book_.SheetCount(); ++p) {
        TMusicSheet& page = *book_.GetSheet(p);
        ComputeTiming(page);
        Flush();
        if (p == 0 || !Trim(page.Title()).empty()) StartPiece(page, p == 0);
        SetKey(page);
        WalkPage(page);
    }
    Flush();
    ResolveRepeatReturn(false);
    if (measures_.empty()) {
        OutNote rest;
        rest.rest = rest.measureRest = true;
        rest.duration = time_.BarTicks() > 0 ? time_.BarTicks() : 4 * kDivisions;
        Emit(rest, nullptr);
    }
    if (open_) CloseMeasure(kPlainBarLine);
    if (!pendingDirs_.empty()) {
        std::vector<OutNote>& last = measures_.back().notes;
        last.back().after.insert(last.back().after.end(), pendingDirs_.begin(), pendingDirs_.end());
    }
    for (const size_t m : impliedStarts_) {
        if (m < measures_.size() && !measures_[m].forwardRepeat)
            measures_[m].impliedForwardRepeat = true;
    }
    // Measure numbers: a pickup that opens the book is measure 0.
    int number = 1;
    for (size_t i = 0; i < measures_.size(); ++i) {
        measures_[i].number = i == 0 && measures_[i].implicit ? "0" : std::to_string(number++);
    }
    PlaceSpans(plan_);
    return std::move(plan_);
}

void Planner::StartPiece(const TMusicSheet& page, bool first) {
    if (first) {
        plan_.score.title = Text(page.Title());
        if (plan_.score.title.empty()) plan_.score.title = Text(book_.Title());
        plan_.score.composer = Text(page.Writer());
    } else {
        // The piece before ends with a double bar unless it has a stronger one.
        if (open_)
            CloseMeasure(kDoubleBarLine);
        else if (measures_.size() > pieceFirstMeasure_ &&
                 measures_.back().rightBar == kPlainBarLine)
            measures_.back().rightBar = kDoubleBarLine;
        OutDirection title;
        title.text = Text(page.Title());
        title.bold = true;
        pendingDirs_.push_back(title);
    }
    pieceStart_ = true;
    pieceFirstMeasure_ = measures_.size();
    ResolveRepeatReturn(false);
    repeatStart_ = {pieceFirstMeasure_, false};
    firstEndingStart_.reset();
    pieceFirstNote_ = true;
    lastSounding_.reset();
    lastEventLast_ = {};
    lastEventRest_ = true;
    pendingForward_ = false;
    baseTempo_ = std::max(page.PlayCount(), 0);
    tempoInForce_ = baseTempo_;
    OutDirection tempo;
    tempo.kind = OutDirection::Kind::Tempo;
    tempo.text = Text(page.PlaySpeed());
    if (baseTempo_ > 0) {
        tempo.perMinute = baseTempo_;
        tempo.soundAttribute = "tempo";
        tempo.soundValue = std::to_string(baseTempo_);
    }
    if (tempo.perMinute > 0 || !tempo.text.empty()) pendingDirs_.push_back(tempo);
}

void Planner::SetKey(const TMusicSheet& page) {
    // A page without a key text plays in the key of its piece's first page.
    std::string text = page.KeyCode();
    if (Trim(text).empty()) {
        int start = book_.IndexOfSheet(&page);
        while (start > 0 && Trim(book_.GetSheet(start)->Title()).empty()) --start;
        text = book_.GetSheet(std::max(start, 0))->KeyCode();
    }
    const ExportKey key = KeyOfKeyCode(text);
    if (keyText_ && key.fifths == key_.fifths) return;
    keyText_ = text;
    key_ = key;
    pendingAttr_.fifths = key.fifths;
    alters_.clear();
}

void Planner::WalkPage(TMusicSheet& page) {
    // The same triplet grouping as the timing pass: a note linked to a
    // triplet mark and the two notes right after it.
    int countdown = 0;
    loose_ = FindLooseMarks(page);
    tiedInBar_ = FindTiesInBars(page);
    for (int i = 0; i < page.ItemCount(); ++i) {
        const TMusicItem& item = *page.GetItem(i);
        const TNote* note = item.As<TNote>();
        if (!note) {
            if (countdown > 0) EndTriplet();
            countdown = 0;
        }
        if (note) {
            TripletRole role;
            if (countdown > 0) {
                role.member = true;
                role.stop = --countdown == 0;
            } else if (LinkedToTriplet(*note)) {
                role.member = role.start = true;
                countdown = 2;
            }
            OnNote(*note, role);
        } else if (item.Class() == ItemClass::BarLine) {
            OnBar(item);
        } else if (item.Class() == ItemClass::Beat) {
            OnBeat(item);
        } else if (const THorizBar* rest = item.As<THorizBar>()) {
            OnMultiRest(*rest);
        } else if (item.As<TTextBox>() || item.As<TTempo>()) {
            if (item.LinkCount() == 0) OnLooseMark(item);
        }
    }
    if (countdown > 0) EndTriplet();
}

void Planner::EndTriplet() {
    if (pending_ && pending_->triplet)
        pending_->tupletStop = true;
    else if (lastTriplet_.Valid())
        plan_.At(lastTriplet_).tupletStop = true;
}

void Planner::OnNote(const TNote& note, TripletRole role) {
    const int volta = VoltaNumberOfCode(FirstLinkedMark(note, MarkKind::kVolta));
    ResolveRepeatReturn(volta != 0);
    if (volta == 1) firstEndingStart_ = repeatStart_;
    const char code = CodeOf(note);
    if (note.StepTime <= 0 || code < kRestCode || code > kSustainDash) return;
    const bool dash = code == kSustainDash;
    // A dash with nothing of its own lengthens the note it follows, and so
    // does a numeral tied to it within the bar (whose arcs go on from there);
    // unless playback leaves that note for a jump before it.
    const bool joins = dash ? note.LinkCount() == 0 : TiedInBar(note);
    if (joins && pending_ && !pending_->triplet && !pending_->jumpsAfter && !role.member &&
        !loose_.contains(&note)) {
        pending_->ticks += note.StepTime;
        pending_->sources.push_back(&note);
        CollectArcs(note);
        return;
    }
    Flush();
    Event e;
    e.note = &note;
    e.sources.push_back(&note);
    e.ticks = note.StepTime;
    e.triplet = role.member;
    e.underlines = note.Length();
    e.tupletStart = role.start;
    e.tupletStop = role.stop;
    if (code == '0') {
        e.rest = true;
        lastSounding_.reset();
    } else if (dash) {
        // A dash sounds the last note before it, held over.
        e.rest = !lastSounding_;
        if (lastSounding_) e.jp = *lastSounding_;
    } else {
        e.jp = {code - '0', AccidentalOfRinji(note.Rinji()), note.Octave()};
        e.showAccidental = IsAccidentalCode(note.Rinji());
        lastSounding_ = e.jp;
    }
    if (!e.rest) {
        e.pitch = SpellDegree(key_, e.jp);
        e.midi = SoundingMidi(key_, e.jp);
        e.tieFromPrevious =
            dash && lastEventLast_.Valid() && !lastEventRest_ && lastEventMidi_ == e.midi;
    }
    CollectMarks(note, e);
    pieceFirstNote_ = false;
    pending_ = std::move(e);
}

// A numeral an arc ties to the pending note within the bar, with no mark
// of its own but arcs.
bool Planner::TiedInBar(const TNote& note) const {
    const char code = CodeOf(note);
    if (!pending_ || pending_->rest || code < '1' || code > '7' || !tiedInBar_.contains(&note) ||
        !std::all_of(note.Links().begin(), note.Links().end(), IsArc))
        return false;
    const Degree jp{code - '0', AccidentalOfRinji(note.Rinji()), note.Octave()};
    return SoundingMidi(key_, jp) == pending_->midi;
}

void Planner::OnBar(const TMusicItem& bar) {
    Flush();
    ResolveRepeatReturn(false);
    const char code = CodeOf(bar);
    // Both repeats end the measure as an end repeat and open the next one
    // with a start repeat.
    const char right = code == kBothRepeatsBarLine ? kEndRepeatBarLine : code;
    CloseMeasure(RightBarLineOfCode(right) ? right : kPlainBarLine);
    if (code == kStartRepeatBarLine || code == kBothRepeatsBarLine) pendingForward_ = true;
    // An end repeat goes back to just after the repeat bar line before it;
    // the next one will go back to just after this one.
    if (code == kEndRepeatBarLine || code == kBothRepeatsBarLine) pendingReturn_ = repeatStart_;
    if (code == kStartRepeatBarLine || code == kEndRepeatBarLine || code == kBothRepeatsBarLine)
        repeatStart_ = {measures_.size(), code != kEndRepeatBarLine};
}

// Where the book's repeat starts needs a start repeat in MusicXML, whose
// backward repeats go back to the last start repeat or the beginning: one
// that is not printed (after an end repeat, or at a piece that does not
// begin the score).
void Planner::ResolveRepeatReturn(bool toFirstEnding) {
    if (!pendingReturn_) return;
    const std::optional<RepeatStart> start = toFirstEnding ? firstEndingStart_ : pendingReturn_;
    pendingReturn_.reset();
    if (start && !start->shown && start->measure > 0) impliedStarts_.push_back(start->measure);
}

void Planner::OnBeat(const TMusicItem& beat) {
    Flush();
    ResolveRepeatReturn(false);
    const char code = CodeOf(beat);
    if (code == ')') {
        // The fermata glyph among the time signatures holds the note before it.
        const MarkCode* fermata = MarkOfCode(')');
        if (fermata && lastEventLast_.Valid()) plan_.At(lastEventLast_).marks.push_back(fermata);
        return;
    }
    const std::optional<TimeSig> t = TimeOfBeat(code);
    if (!t || (*t == time_ && !pieceStart_)) return;
    time_ = *t;
    pendingAttr_.beats = t->beats;
    pendingAttr_.beatType = t->beatType;
}

void Planner::OnMultiRest(const THorizBar& bar) {
    Flush();
    ResolveRepeatReturn(false);
    if (open_) CloseMeasure(kPlainBarLine);
    const int count = std::clamp(StrToIntDef(Trim(bar.BarNum()), 1), 1, kMaxMultiRest);
    const int ticks = time_.BarTicks() > 0 ? time_.BarTicks() : 4 * kDivisions;
    for (int i = 0; i < count; ++i) {
        OutNote rest;
        rest.rest = rest.measureRest = true;
        rest.duration = ticks;
        if (i == 0 && count > 1) pendingAttr_.multipleRest = count;
        lastEventLast_ = Emit(rest, &bar);
        CloseMeasure(kPlainBarLine);
    }
    lastEventRest_ = true;
}

}  // namespace xmlwrite

OutScore PlanScore(TMusicBook& book) {
    return xmlwrite::Planner(book).Run().score;
}

}  // namespace sorvel::interchange
