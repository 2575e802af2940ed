// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/bookbuilder.h"

#include <algorithm>
#include <memory>
#include <string>

#include "base/arith.h"
#include "base/cp932.h"
#include "interchange/bookbuilder_internal.h"
#include "model/glyphcodes.h"
#include "model/horizbar.h"
#include "model/itemfactory.h"
#include "model/modelenv.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/timing.h"

namespace sorvel::interchange::bookbuild {
namespace {

constexpr char kPlainBar = 'c';
constexpr char kStartRepeat = 'f';
constexpr char kEndRepeat = 'g';
constexpr char kBothRepeats = 'h';
constexpr int kMaxItemsPerRow = 10'000;  // a bar's slots, whatever a file's lengths say

// Text for the book's CP932 fields: every character is kept, those CP932
// lacks as references ("Méditation", "二泉映月").
std::string BookText(const std::string& utf8) {
    return cp932::FromUtf8(utf8);
}

}  // namespace

void Builder::LeftOut(const std::string& label, int n) {
    CountLeftOut(out_.leftOut, label, n);
}

void Builder::Rewritten(const std::string& label, int n) {
    CountLeftOut(out_.rewritten, label, n);
}

// Tuplets whose brackets the book cannot draw (it has the triplet's only),
// and those drawn as triplets.
void Builder::CountTuplets(const MeasurePieces& written) {
    for (int actual : written.unbracketed)
        LeftOut(NamedLeftOutLabel(kTupletBracketLabel, std::to_string(actual)));
    for (int actual : written.asTriplets)
        Rewritten(NamedLeftOutLabel(kTupletAsTripletsLabel, std::to_string(actual)));
}

void Builder::StartPage() {
    page_ = book_->NewSheet();
    CopyPageLayout(pageLayout_, *page_);
    row_ = 0;
    nextSlot_ = 0;
    // A page without a key text plays in its piece's first key.
    if (book_->SheetCount() > 1 && fifths_ != score_.fifths)
        page_->SetKeyCode(KeyCodeOfFifths(fifths_));
}

// A key signature that differs from the key of the page waits for the
// start of a row: a page plays in the one key of its header.
void Builder::NoteKeyChange(const ImportedMeasure& measure) {
    if (!measure.keyChange) return;
    if (measure.fifths == fifths_) {
        pendingKey_.reset();
    } else {
        pendingKey_ = measure.fifths;
    }
    pendingCounted_ = false;
}

// At the start of a row a waiting key change starts a page in the new key
// (the page begun here, if the rows ran out just now); true when it did.
bool Builder::StartKeyPage() {
    if (!pendingKey_ || nextSlot_ != 0) return false;
    fifths_ = *pendingKey_;
    tonic_ = TonicOfFifths(fifths_);
    pendingKey_.reset();
    if (page_->ItemCount() > 0) StartPage();
    page_->SetKeyCode(KeyCodeOfFifths(fifths_));
    Rewritten(SORVEL_TEXT_NOOP("sorvel::interchange", "調号の変更（新しいページにしました）"));
    return true;
}

void Builder::NewRow() {
    ++row_;
    nextSlot_ = 0;
    if (row_ >= std::max(1, page_->RowDivNum())) StartPage();
}

template <class T>
T* Builder::CreateSymbol(char code, int slot) {
    T* item = CreateItem<T>(*page_);
    item->SetContent(std::string(1, code));
    item->SetPosX(X(slot));
    item->SetPosY(Y());
    symbols_.push_back(item);
    tripletMarks_.push_back(false);
    tiedIn_.push_back(false);
    return item;
}

void Builder::WriteBarLine(char code, int slot) {
    if (code != 'c' && code != 'd' && code != 'e' && code != 'g') code = kPlainBar;
    lastBar_ = CreateSymbol<TBarLine>(code, slot);
    nextSlot_ = slot + 1;
}

TNote* Builder::WritePiece(const JianpuPiece& piece, int slot) {
    char code = kRestCode;
    if (piece.kind == JianpuPiece::Kind::Note) code = piece.pitch.degree;
    if (piece.kind == JianpuPiece::Kind::Dash) code = kSustainDash;
    TNote* note = CreateSymbol<TNote>(code, slot);
    note->SetLength(piece.length);
    if (piece.futen) note->SetFuten(1);
    if (piece.kind == JianpuPiece::Kind::Note) {
        note->SetOctave(piece.pitch.octave);
        if (piece.pitch.accidental != 0) note->SetRinji(piece.pitch.Rinji());
        ++out_.notes;
    }
    tripletMarks_.back() = piece.tripletMark;
    tiedIn_.back() = piece.tiedToPrevious;
    return note;
}

BarPlan Builder::PlanBar(const std::vector<JianpuPiece>& pieces, int barTicks, int fullBar) const {
    std::vector<int> onsets;
    onsets.reserve(pieces.size());
    for (const JianpuPiece& piece : pieces) onsets.push_back(piece.onset);
    return sorvel::PlanBar(onsets, barTicks, fullBar, page_->DivParBar() - 1, kMaxItemsPerRow);
}

// A rest of several bars, after the time signature its first measure sets:
// playback gives the rest its bars by the meter in force.
void Builder::WriteMultiRest(const ImportedMeasure& measure, int& fullBar) {
    const std::vector<char> leads = MeterLeads(measure, fullBar);
    const int share = std::max(1, page_->DivParBar() - 1);
    const int gridSlots = page_->GridDivNum();
    const int leadCount = static_cast<int>(leads.size());
    if (nextSlot_ > 0 && nextSlot_ + leadCount + share > gridSlots) NewRow();
    int start = nextSlot_;
    for (char code : leads) CreateSymbol<TBeat>(code, start++);
    if (nextSlot_ == 0) start = std::max(start, 1);
    THorizBar* bar = CreateSymbol<THorizBar>('M', start);
    bar->SetBarNum(std::to_string(measure.multiRest));
    bar->SetWidth((share - 1) * page_->GridSize());
    WriteBarLine(measure.rightBar, start + share - 1);
}

// The time signature a measure starts (the bar length it sets goes to
// `fullBar`); a meter the book has no sign for is counted as left out.
std::vector<char> Builder::MeterLeads(const ImportedMeasure& measure, int& fullBar) {
    std::vector<char> leads;
    if (measure.beats <= 0 || measure.beatType <= 0) return leads;
    const char code = CodeOfMeter(measure.beats, measure.beatType);
    fullBar = std::max(1, measure.beats * 4 * kTicksPerQuarter / measure.beatType);
    if (code)
        leads.push_back(code);
    else
        LeftOut(NamedLeftOutLabel(kUnknownMeterLabel, std::to_string(measure.beats) + "/" +
                                                          std::to_string(measure.beatType)));
    return leads;
}

// The measure's part of a volta bracket: a new bracket where one starts, or
// the bracket in progress carried on to this measure's bar line.
void Builder::MarkEnding(const ImportedMeasure& measure, const std::vector<NoteRef>& refs) {
    TNote* first = nullptr;
    for (const NoteRef& r : refs) {
        if (r.first) {
            first = r.first;
            break;
        }
    }
    if (measure.endingStart || endings_.empty() || endings_.back().closed ||
        endings_.back().number != measure.ending)
        endings_.push_back({measure.ending, first, nullptr, false, measure.endingHidden});
    EndingMark& ending = endings_.back();
    if (!ending.first) ending.first = first;
    ending.end = lastBar_;
    ending.closed = measure.endingStop;
}

// A waiting key change starts its page when measure `m` begins a row, and
// the measure is written in the new key (the places of its numerals do not
// depend on the key); otherwise the measure keeps the old key.
void Builder::TakeKey(size_t m, MeasurePieces& written) {
    if (StartKeyPage()) written.pieces = PiecesOfMeasure(score_.measures[m], tonic_).pieces;
    if (pendingKey_ && !pendingCounted_) {
        LeftOut(SORVEL_TEXT_NOOP("sorvel::interchange", "調号の変更（臨時記号で書きました）"));
        pendingCounted_ = true;
    }
    tonics_[m] = tonic_;
}

void Builder::WriteMeasure(size_t m, int& fullBar) {
    const ImportedMeasure& measure = score_.measures[m];
    const std::vector<char> leads = MeterLeads(measure, fullBar);

    MeasurePieces written = PiecesOfMeasure(measure, tonic_);
    CountTuplets(written);
    groups_[m] = written.groupOf;
    const std::vector<JianpuPiece>& pieces = written.pieces;
    int barTicks = measure.length;
    for (const JianpuPiece& p : pieces) barTicks = std::max(barTicks, p.onset + p.ticks);
    const BarPlan plan = PlanBar(pieces, barTicks, fullBar);

    const int gridSlots = page_->GridDivNum();
    // Grace notes before the bar's first note are drawn to its left: they
    // get room of their own instead of covering the bar line.
    int graceRoom = 0;
    if (!pieces.empty()) {
        const size_t first = static_cast<size_t>(pieces.front().source);
        if (first < measure.notes.size())
            graceRoom = static_cast<int>(
                            std::min<size_t>(measure.notes[first].gracesBefore.size(), 4) + 1) /
                        2;
    }
    const int leadCount = static_cast<int>(leads.size()) + graceRoom;
    // Mid-row: leads and notes follow the last bar line. At a row's start a
    // start-repeat needs a bar line of its own in slot 0.
    if (nextSlot_ > 0 && nextSlot_ + leadCount + plan.slots > gridSlots) NewRow();
    bool ownStartRepeat = false;
    MarkStartRepeat(measure, m, ownStartRepeat);
    TakeKey(m, written);
    int slot = nextSlot_;
    if (ownStartRepeat) CreateSymbol<TBarLine>(kStartRepeat, slot++);
    for (char code : leads) CreateSymbol<TBeat>(code, slot++);
    if (nextSlot_ == 0) slot = std::max(slot, 1);
    slot += graceRoom;
    // A bar longer than the rest of its row is written one slot a piece and
    // goes on in the next rows, as typed bars do.
    const BarRows rows = PlaceInRows(plan, slot, gridSlots);

    std::vector<NoteRef>& refs = refs_[m];
    refs.assign(measure.notes.size() + 1, NoteRef{});
    TNote* previous = nullptr;
    std::vector<TNote*> notesWritten;
    notesWritten.reserve(pieces.size());
    int row = 0;  // rows of this bar begun so far, after its first
    for (size_t i = 0; i < pieces.size(); ++i) {
        for (; row < rows.pieces[i].row; ++row) NewRow();
        TNote* note = WritePiece(pieces[i], rows.pieces[i].slot);
        notesWritten.push_back(note);
        const size_t source = static_cast<size_t>(pieces[i].source);
        if (source < refs.size()) {
            NoteRef& ref = refs[source];
            if (!ref.first) {
                ref.first = note;
                ref.firstSymbol = symbols_.size() - 1;
            }
            ref.last = note;
            ref.lastSymbol = symbols_.size() - 1;
        }
        if (pieces[i].tiedToPrevious && previous) Span<TSlur>('Y', *previous, *note);
        previous = note;
    }
    for (; row < rows.barLine.row; ++row) NewRow();
    WriteBarLine(measure.rightBar, rows.barLine.slot);
    if (measure.ending >= 1 && measure.ending <= 4) MarkEnding(measure, refs);
    KeepOwnTimes(m, pieces, notesWritten);
    KeepSignsAtEnd(m, pieces, notesWritten);
    ++out_.measures;
}

// A start repeat where the measure has one. An implied one (not printed in
// the file) needs no bar line of its own at the beginning or after an end
// repeat, where the book's repeats start anyway.
void Builder::MarkStartRepeat(const ImportedMeasure& measure, size_t m, bool& ownStartRepeat) {
    if (!measure.repeatForward) return;
    const std::string end(1, kEndRepeat), both(1, kBothRepeats);
    if (measure.repeatForwardImplied &&
        (m == 0 || (lastBar_ && (lastBar_->Content() == end || lastBar_->Content() == both))))
        return;
    if (nextSlot_ > 0 && lastBar_) {
        lastBar_->SetContent(
            std::string(1, lastBar_->Content() == end ? kBothRepeats : kStartRepeat));
    } else if (m > 0) {
        ownStartRepeat = true;
    }
}

// Fine, D.S., D.C. and To Coda act where the play reaches them: on the
// numeral or dash that sounds last before their note ends (a held note's
// last dash), not at the note's first numeral.
void Builder::KeepOwnTimes(size_t m, const std::vector<JianpuPiece>& pieces,
                           const std::vector<TNote*>& written) {
    const ImportedMeasure& measure = score_.measures[m];
    const size_t count = std::min(pieces.size(), written.size());
    std::vector<NoteRef>& own = ownTimes_[m];
    own.assign(measure.notes.size(), NoteRef{});
    size_t begin = 0;  // the first piece that starts at or after the note's onset
    for (size_t k = 0; k < measure.notes.size(); ++k) {
        const ImportedNote& n = measure.notes[k];
        const int group = groups_[m][k];
        while (begin < count && pieces[begin].onset < n.onset) ++begin;
        for (size_t i = begin; i < count && pieces[i].onset < n.onset + n.duration; ++i) {
            if (pieces[i].source != group) continue;
            if (!own[k].first) own[k].first = written[i];
            own[k].last = written[i];
        }
    }
}

void Builder::KeepSignsAtEnd(size_t m, const std::vector<JianpuPiece>& pieces,
                             const std::vector<TNote*>& written) {
    // Notes and pieces both run in time order: one pass over each.
    const ImportedMeasure& measure = score_.measures[m];
    const size_t count = std::min(pieces.size(), written.size());
    size_t next = 0;  // the first piece that starts at or after the note's end
    for (size_t k = 0; k < measure.notes.size(); ++k) {
        const ImportedNote& n = measure.notes[k];
        const int end = n.onset + n.duration;
        while (next < count && pieces[next].onset < end) ++next;
        const int group = groups_[m][k];
        if (n.signsAtEnd.empty() || group < 0 || next == 0) continue;
        if (pieces[next - 1].source == group)
            signsAtEnd_.emplace_back(written[next - 1], &n.signsAtEnd);
    }
}

void Builder::Run(const std::string& fallbackTitle) {
    TUndo* const savedUndo = env_.undo;
    env_.undo = nullptr;  // a new book: nothing to undo

    out_.book = std::make_unique<TMusicBook>(env_);
    book_ = out_.book.get();
    book_->ApplyDefaultLayout();
    fifths_ = score_.fifths;
    StartPage();
    TMusicSheet& first = *page_;
    glyphs_.RefreshRates(first.Rates());
    const int px = RoundHalfEven(first.NoteFontSize() * 96.0 / 72.0);
    eightWidth_ = RoundHalfEven(px * 512.0 / 1024.0);
    eightHeight_ = RoundHalfEven(px * 900.0 / 1024.0);
    tonic_ = TonicOfFifths(score_.fifths);

    const std::string title = score_.title.empty() ? fallbackTitle : score_.title;
    first.SetTitle(BookText(title.empty() ? "MusicXML" : title));
    first.SetWriter(BookText(score_.composer));
    first.SetKeyCode(KeyCodeOfFifths(score_.fifths));
    if (score_.tempo > 0) first.SetPlayCount(std::clamp(score_.tempo, 1, kMaxPageTempo));
    first.SetPlaySpeed(BookText(score_.tempoWords));
    out_.leftOut = score_.leftOut;
    out_.rewritten = score_.rewritten;

    refs_.resize(score_.measures.size());
    groups_.resize(score_.measures.size());
    ownTimes_.resize(score_.measures.size());
    tonics_.assign(score_.measures.size(), tonic_);
    int fullBar = 4 * kTicksPerQuarter;
    for (size_t m = 0; m < score_.measures.size(); ++m) {
        const ImportedMeasure& measure = score_.measures[m];
        NoteKeyChange(measure);
        if (measure.multiRest > 1) {
            WriteMultiRest(measure, fullBar);
            const size_t skip = static_cast<size_t>(measure.multiRest) - 1;
            out_.measures += measure.multiRest;
            for (size_t k = 1; k <= skip && m + 1 < score_.measures.size(); ++k)
                NoteKeyChange(score_.measures[++m]);
            continue;
        }
        WriteMeasure(m, fullBar);
    }
    FindRepeats();
    WriteMarks();
    WriteTriplets();
    WriteEndings();
    for (int i = 0; i < book_->SheetCount(); ++i) ComputeTiming(*book_->GetSheet(i));
    env_.undo = savedUndo;
}

}  // namespace sorvel::interchange::bookbuild

namespace sorvel::interchange {

BuiltBook BuildBook(const ImportedScore& score, ModelEnv& env, const std::string& fallbackTitle) {
    BuiltBook out;
    bookbuild::Builder(score, env, out).Run(fallbackTitle);
    return out;
}

}  // namespace sorvel::interchange
