#include "edit/rhythmentry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/arith.h"
#include "edit/barlayout.h"
#include "edit/notevalues.h"
#include "edit/pageoperations.h"
#include "model/glyphcodes.h"
#include "model/itemfactory.h"
#include "model/layoutstate.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/pagegrid.h"
#include "model/undo.h"

namespace sorvel {
namespace {

constexpr char kTieCode = 'Y';
constexpr int kWholeTicks = 4 * kQuarterTicks;
constexpr int kLongestTyped = 4 * kWholeTicks;  // a note of four whole bars of 4/4
constexpr int kShortestTyped = 3;               // the sixty-fourth
constexpr int kOctaveLimit = 3;
constexpr std::size_t kRememberedRuns = 2 * 52;  // twice the undo ring

// The grid of one page, from its own layout.
class Geometry {
public:
    explicit Geometry(const TMusicSheet& page) {
        CopyPageLayout(state_, page);
        share = std::max(1, state_.DivParBar - 1);
        gridSlots = std::max(1, state_.GridDivNum);
        rows = std::max(1, state_.RowDivNum);
    }
    int X(int slot) const { return PageGrid(state_).SlotX(slot); }
    int Y(int row) const { return PageGrid(state_).RowBase(row); }
    int RowOf(int y) const {
        return state_.RowInterval > 0 ? std::max(0, DivTrunc(y - Y(0), state_.RowInterval)) : 0;
    }
    int SlotOf(int x) const {
        return state_.GridSize > 0
                   ? std::clamp(DivTrunc(x - state_.LeftSpace, state_.GridSize), 0, gridSlots)
                   : 0;
    }
    int GridSize() const { return state_.GridSize; }
    int HalfGrid() const { return std::max(1, Half(state_.GridSize)); }
    int HalfRow() const { return std::max(1, Half(state_.RowInterval)); }
    int RowEnd() const { return state_.PageWidth - state_.RightSpace; }
    int LeftSpace() const { return state_.LeftSpace; }
    int NoteFontSize() const { return state_.NoteFontSize; }

    int share = 1, gridSlots = 1, rows = 1;

private:
    LayoutState state_;
};

// The time signature in force at (x, y) of page `pageIndex`: the last one
// before it in reading order.
const Meter* MeterInForce(const TMusicBook& book, int pageIndex, int x, int y) {
    const Meter* found = nullptr;
    for (int p = 0; p <= pageIndex && p < book.SheetCount(); ++p) {
        const TMusicSheet& page = *book.GetSheet(p);
        int bestY = -1, bestX = -1;
        const Meter* onPage = nullptr;
        for (int i = 0; i < page.ItemCount(); ++i) {
            const TMusicItem& item = *page.GetItem(i);
            if (item.Class() != ItemClass::Beat || item.Content().empty()) continue;
            const bool before =
                p < pageIndex || item.PosY() < y || (item.PosY() == y && item.PosX() < x);
            const bool later = item.PosY() > bestY || (item.PosY() == bestY && item.PosX() > bestX);
            const Meter* meter = MeterOfCode(item.Content()[0]);
            if (!before || !later || !meter) continue;
            bestY = item.PosY();
            bestX = item.PosX();
            onPage = meter;
        }
        if (onPage) found = onPage;
    }
    return found;
}

bool IsPlainValue(int ticks) {
    if (ticks < kShortestTyped || ticks % kShortestTyped != 0) return false;
    const int units = ticks / kShortestTyped;
    return (units & (units - 1)) == 0;
}

bool IsDottedValue(int ticks) {
    return ticks % 3 == 0 && IsPlainValue(ticks * 2 / 3) && !IsPlainValue(ticks);
}

bool BarLineAt(const TMusicSheet& page, const Geometry& g, int row, int slot) {
    for (int i = 0; i < page.ItemCount(); ++i) {
        const TMusicItem& item = *page.GetItem(i);
        if (item.Class() == ItemClass::BarLine && std::abs(item.PosY() - g.Y(row)) <= g.HalfRow() &&
            std::abs(item.PosX() - g.X(slot)) < g.HalfGrid()) {
            return true;
        }
    }
    return false;
}

}  // namespace

RhythmEntry::RhythmEntry(TMusicBook& book, LayoutState& layout, GlyphInfoTable& glyphs)
    : book_(book), layout_(layout), glyphs_(glyphs), undo_(book.Env().undo) {}

RhythmEntry::~RhythmEntry() {
    for (TBarLine* line : kept_) undo_->LetGo(line);
}

void RhythmEntry::Resume(long stateId, EntryPlace at) {
    if (auto it = runs_.find(stateId); it != runs_.end() && it->second.next == at) {
        run_ = it->second;
        return;
    }
    Run fresh;
    fresh.currentTicks = run_.currentTicks;
    TMusicSheet* page = book_.GetSheet(std::clamp(at.page, 0, std::max(0, book_.SheetCount() - 1)));
    const Geometry g(*page);
    fresh.start = {page, std::min(g.RowOf(at.y), g.rows - 1), std::max(1, g.SlotOf(at.x))};
    // Started on a bar line, the first bar begins after it.
    if (fresh.start.slot < g.gridSlots && BarLineAt(*page, g, fresh.start.row, fresh.start.slot)) {
        ++fresh.start.slot;
    }
    if (const Meter* meter = MeterInForce(book_, book_.IndexOfSheet(page), at.x, at.y)) {
        fresh.fullBar = std::max(kShortestTyped, meter->beats * kWholeTicks / meter->beatType);
        fresh.beat = std::max(kShortestTyped, kWholeTicks / meter->beatType);
    }
    fresh.next = at;
    run_ = std::move(fresh);
}

void RhythmEntry::Remember(long stateId) {
    if (!runs_.contains(stateId)) remembered_.push_back(stateId);
    runs_[stateId] = run_;
    while (remembered_.size() > kRememberedRuns) {
        runs_.erase(remembered_.front());
        remembered_.pop_front();
    }
}

std::optional<EntryPlace> RhythmEntry::NextOf(long stateId) const {
    const auto it = runs_.find(stateId);
    if (it == runs_.end()) return std::nullopt;
    return it->second.next;
}

TNote* RhythmEntry::LastNote() const {
    return run_.notes.empty() ? nullptr : run_.notes.back().head;
}

EntryPlace RhythmEntry::Next() const {
    return run_.next;
}

int RhythmEntry::EndTicks() const {
    return run_.notes.empty() ? 0 : run_.notes.back().onset + run_.notes.back().ticks;
}

int RhythmEntry::NextTicks() const {
    if (!run_.notes.empty()) {
        const TypedNote& last = run_.notes.back();
        const bool betweenBeats = ModTrunc(last.onset + last.ticks, run_.beat) != 0;
        if (IsDottedValue(last.ticks) && betweenBeats && last.ticks / 3 >= kShortestTyped) {
            return last.ticks / 3;
        }
    }
    return run_.currentTicks;
}

TNote* RhythmEntry::Type(char digit) {
    if (digit < kRestCode || digit > '7') return nullptr;
    run_.notes.push_back({digit, 0, NextTicks(), EndTicks(), nullptr});
    Render(run_.notes.back().onset / run_.fullBar);
    return run_.notes.back().head;
}

bool RhythmEntry::ShiftOctave(int delta) {
    if (run_.notes.empty() || run_.notes.back().digit == kRestCode) return false;
    TypedNote& note = run_.notes.back();
    const int octave = std::clamp(note.octave + delta, -kOctaveLimit, kOctaveLimit);
    if (octave == note.octave) return false;
    note.octave = octave;
    Render(note.onset / run_.fullBar);
    return true;
}

bool RhythmEntry::ChangeLast(int ticks) {
    if (run_.notes.empty() || ticks < kShortestTyped || ticks > kLongestTyped) return false;
    TypedNote& note = run_.notes.back();
    note.ticks = ticks;
    Render(note.onset / run_.fullBar);
    DropPagesLeftBehind();
    return true;
}

bool RhythmEntry::ToggleDot() {
    if (run_.notes.empty()) return false;
    const int ticks = run_.notes.back().ticks;
    if (IsDottedValue(ticks)) return ChangeLast(ticks * 2 / 3);
    return IsPlainValue(ticks) && ticks >= 2 * kShortestTyped && ChangeLast(ticks * 3 / 2);
}

bool RhythmEntry::Halve() {
    if (run_.notes.empty() || run_.notes.back().ticks % 2 != 0) return false;
    if (!ChangeLast(run_.notes.back().ticks / 2)) return false;
    run_.currentTicks = run_.notes.back().ticks;
    return true;
}

bool RhythmEntry::Double() {
    if (run_.notes.empty() || !ChangeLast(run_.notes.back().ticks * 2)) return false;
    run_.currentTicks = run_.notes.back().ticks;
    return true;
}

bool RhythmEntry::AddBeat() {
    if (run_.notes.empty()) return false;
    const TypedNote& last = run_.notes.back();
    // A dash stands for a whole beat, so it follows a whole beat: a note that
    // ends between beats is held to the beat, and then one beat more.
    const int end = last.onset + last.ticks;
    const int into = ModTrunc(end, run_.beat);
    const int held = into == 0 ? end : end - into + run_.beat;
    return ChangeLast(held + run_.beat - last.onset);
}

bool RhythmEntry::RemoveLast() {
    if (run_.notes.empty()) return false;
    const TypedNote removed = run_.notes.back();
    run_.notes.pop_back();
    Render(removed.onset / run_.fullBar);
    if (removed.head) {
        const std::vector<TMusicItem*> marks = removed.head->Links();
        for (TMusicItem* mark : marks) mark->Delete();
        removed.head->Delete();
    }
    DropPagesLeftBehind();
    return true;
}

void RhythmEntry::DropPagesLeftBehind() {
    // The run's pages follow each other at the end of its rows; the last one
    // it still needs holds the next note, or the bar line of its last bar.
    int needed = run_.next.page;
    if (!run_.bars.empty()) {
        needed = std::max(needed, book_.IndexOfSheet(run_.bars.back().line.page));
    }
    while (!run_.pages.empty() && book_.IndexOfSheet(run_.pages.back()) > needed) {
        run_.pages.back()->DeleteSheet();
        run_.pages.pop_back();
    }
}

// ---- layout ---------------------------------------------------------------------

struct RhythmEntry::Piece {
    ValuePiece value;
    TypedNote* note;
    bool head;  // the note's first numeral
};

void RhythmEntry::Render(int firstBar) {
    ClearBarsFrom(firstBar);
    const int end = EndTicks();
    for (int bar = firstBar; bar * run_.fullBar < end; ++bar) RenderBar(bar);
    FindNext();
}

void RhythmEntry::ClearBarsFrom(int bar) {
    while (static_cast<int>(run_.bars.size()) > bar) {
        BarRecord& record = run_.bars.back();
        for (auto it = record.made.rbegin(); it != record.made.rend(); ++it) (*it)->Delete();
        record.taken.GiveBack();
        run_.bars.pop_back();
    }
}

RhythmEntry::BarStart RhythmEntry::BeginOf(int bar) const {
    if (bar == 0) return run_.start;
    const BarStart& line = run_.bars[static_cast<std::size_t>(bar - 1)].line;
    return {line.page, line.row, line.slot + 1};
}

RhythmEntry::BarStart RhythmEntry::PlaceBar(int bar, int slots) {
    const BarStart at = BeginOf(bar);
    const Geometry g(*at.page);
    // A bar that does not fit after the last one starts the next row; the
    // first slot of a row is left free, as the import leaves it.
    if (at.slot > 1 && at.slot + std::max(slots, g.share) > g.gridSlots) return NextRow(at);
    return at;
}

RhythmEntry::BarStart RhythmEntry::NextRow(const BarStart& at) {
    const Geometry g(*at.page);
    if (at.row + 1 < g.rows) return {at.page, at.row + 1, 1};
    return {PageAfter(at.page), 0, 1};
}

TMusicSheet* RhythmEntry::PageAfter(TMusicSheet* page) {
    const int index = book_.IndexOfSheet(page);
    if (index + 1 < book_.SheetCount()) {
        TMusicSheet* next = book_.GetSheet(index + 1);
        if (std::find(run_.pages.begin(), run_.pages.end(), next) != run_.pages.end()) return next;
    }
    TMusicSheet& created = CreatePageAt(book_, index + 1, layout_, glyphs_);
    run_.pages.push_back(&created);
    return &created;
}

std::vector<RhythmEntry::Piece> RhythmEntry::PiecesOf(int bar) {
    const int barStart = bar * run_.fullBar;
    const int barEnd = barStart + run_.fullBar;
    std::vector<Piece> pieces;
    const auto first =
        std::partition_point(run_.notes.begin(), run_.notes.end(),
                             [&](const TypedNote& n) { return n.onset + n.ticks <= barStart; });
    for (auto it = first; it != run_.notes.end() && it->onset < barEnd; ++it) {
        const int from = std::max(it->onset, barStart);
        const int to = std::min(it->onset + it->ticks, barEnd);
        const bool rest = it->digit == kRestCode;
        std::vector<ValuePiece> values = WriteDuration(from - barStart, to - from, rest);
        if (values.empty()) continue;
        if (from > it->onset && !rest) values.front().tied = true;
        for (std::size_t i = 0; i < values.size(); ++i) {
            pieces.push_back({values[i], &*it, from == it->onset && i == 0});
        }
    }
    return pieces;
}

void RhythmEntry::RenderBar(int bar) {
    const std::vector<Piece> pieces = PiecesOf(bar);
    std::vector<int> onsets;
    for (const Piece& p : pieces) onsets.push_back(p.value.onset);
    const Geometry startGrid(*BeginOf(bar).page);
    const BarPlan plan =
        PlanBar(onsets, run_.fullBar, run_.fullBar, startGrid.share, startGrid.gridSlots);
    const BarStart at = PlaceBar(bar, plan.slots);
    const BarRows placed = PlaceInRows(plan, at.slot, Geometry(*at.page).gridSlots);
    // The rows the bar fills, on the next page where the page's rows run out.
    std::vector<BarStart> rows{at};
    while (static_cast<int>(rows.size()) <= placed.barLine.row) {
        rows.push_back(NextRow(rows.back()));
    }
    const auto where = [&](RowSlot s) {
        BarStart in = rows[static_cast<std::size_t>(s.row)];
        in.slot = s.slot;
        return in;
    };

    BarRecord record{at, where(placed.barLine), placed.oneSlotEach, {}, nullptr, {}};
    TNote* previous = bar > 0 ? run_.bars[static_cast<std::size_t>(bar - 1)].lastPiece : nullptr;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        previous = WritePiece(pieces[i], where(placed.pieces[i]), previous, record.made);
    }
    record.lastPiece = previous;
    TBarLine* line = TakeOverBarLines(bar, rows, record);
    if (!line && EndTicks() >= (bar + 1) * run_.fullBar) {
        const Geometry g(*record.line.page);
        line = CreateItem<TBarLine>(*record.line.page);
        line->SetContent(std::string(1, kPlainBarLine));
        line->SetPosX(g.X(record.line.slot));
        line->SetPosY(g.Y(record.line.row));
        record.made.push_back(line);
    }
    run_.bars.push_back(std::move(record));
}

TNote* RhythmEntry::WritePiece(const Piece& p, const BarStart& at, TNote* previous,
                               std::vector<TMusicItem*>& made) {
    const Geometry g(*at.page);
    const int x = g.X(at.slot), y = g.Y(at.row);
    TNote* note = p.head ? p.note->head : nullptr;
    if (note) {
        MoveHead(*note, *at.page, x, y);
    } else {
        note = CreateItem<TNote>(*at.page);
        note->SetPosX(x);
        note->SetPosY(y);
        if (!p.head) made.push_back(note);
    }
    note->SetContent(std::string(1, p.value.dash ? kSustainDash : p.note->digit));
    note->SetLength(p.value.length);
    note->SetFuten(p.value.futen);
    note->SetOctave(p.value.dash ? 0 : p.note->octave);
    if (p.head) p.note->head = note;
    if (p.value.tied && previous) Tie(*previous, *note, made);
    return note;
}

TBarLine* RhythmEntry::TakeOverBarLines(int bar, const std::vector<BarStart>& rows,
                                        BarRecord& record) {
    std::vector<BarLineTakeover::Stretch> stretches;
    const auto add = [&](const BarStart& row, int from, int to) {
        const Geometry g(*row.page);
        if (from == 1) {
            // In front of the row's first slot.
            stretches.push_back({row.page, g.Y(row.row), g.HalfRow(), g.X(0) - g.HalfGrid(),
                                 g.X(1) - g.HalfGrid(), true});
        }
        stretches.push_back({row.page, g.Y(row.row), g.HalfRow(), g.X(from) - g.HalfGrid(),
                             g.X(to) + g.HalfGrid(), false});
    };
    // A bar moved on to the next row takes the rest of the row it left.
    const BarStart begin = BeginOf(bar);
    if (bar > 0 && (begin.page != rows.front().page || begin.row != rows.front().row)) {
        const Geometry g(*begin.page);
        stretches.push_back({begin.page, g.Y(begin.row), g.HalfRow(),
                             g.X(begin.slot) - g.HalfGrid(), g.X(g.gridSlots) + g.HalfGrid(),
                             false});
    }
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const int from = k == 0 ? rows[k].slot : 1;
        const int to = k + 1 == rows.size() ? record.line.slot : Geometry(*rows[k].page).gridSlots;
        add(rows[k], from, to);
    }
    const Geometry g(*record.line.page);
    TBarLine* end = record.taken.TakeOver(stretches, g.X(record.line.slot), g.HalfGrid());
    for (TBarLine* line : record.taken.RemovedLines()) {
        if (undo_ && kept_.insert(line).second) undo_->Keep(*line);
    }
    return end;
}

void RhythmEntry::MoveHead(TNote& head, TMusicSheet& page, int x, int y) {
    const int dx = x - head.PosX(), dy = y - head.PosY();
    const int pageNo = book_.IndexOfSheet(&page) + 1;
    // Marks typed on the note go along with it.
    for (TMusicItem* mark : head.Links()) {
        if (mark->OwnerPageNo() != pageNo) mark->SetOwnerPageNo(pageNo);
        mark->SetPosX(mark->PosX() + dx);
        mark->SetPosY(mark->PosY() + dy);
    }
    if (head.OwnerPageNo() != pageNo) head.SetOwnerPageNo(pageNo);
    head.SetPosX(x);
    head.SetPosY(y);
}

void RhythmEntry::Tie(TNote& from, TNote& to, std::vector<TMusicItem*>& made) {
    // Placed as a slur typed on the note: the arc's offset from the note is
    // a share of the size of "8" in the music font.
    const Geometry g(from.Sheet());
    const int px = RoundHalfEven(g.NoteFontSize() * 96.0 / 72.0);
    const int eightHeight = RoundHalfEven(px * 900.0 / 1024.0);
    auto arc = [&](TNote& note, int x, int width) {
        TSlur* tie = CreateItem<TSlur>(note.Sheet());
        tie->SetContent(std::string(1, kTieCode));
        tie->SetPosX(x);
        tie->SetPosY(note.PosY() - eightHeight * tie->AttachRateY() / 100);
        tie->SetWidth(std::max(1, width));
        note.Link(*tie);
        tie->Link(note);
        made.push_back(tie);
    };
    if (&from.Sheet() == &to.Sheet() && from.PosY() == to.PosY()) {
        arc(from, from.PosX(), std::max(g.GridSize() / 2, to.PosX() - from.PosX()));
        return;
    }
    // Over a row or page break: to the row's end, and on from the next
    // row's margin (read as continued).
    arc(from, from.PosX(), std::max(g.GridSize() / 2, g.RowEnd() - from.PosX()));
    const Geometry next(to.Sheet());
    arc(to, next.LeftSpace(), to.PosX() - next.LeftSpace());
}

void RhythmEntry::FindNext() {
    const int end = EndTicks();
    const int bar = end / run_.fullBar;
    BarStart at{};
    if (run_.notes.empty()) {
        // Nothing typed (or all taken back): the cursor stays where the run
        // starts, without making the page a first bar may go on to.
        at = run_.start;
    } else if (bar < static_cast<int>(run_.bars.size())) {
        const BarRecord& open = run_.bars[static_cast<std::size_t>(bar)];
        if (open.oneSlotEach && open.lastPiece) {
            // One slot a numeral: the next one goes right after the last.
            TMusicSheet& page = open.lastPiece->Sheet();
            const Geometry g(page);
            at = {&page, g.RowOf(open.lastPiece->PosY()), g.SlotOf(open.lastPiece->PosX()) + 1};
            if (at.slot >= g.gridSlots) at = NextRow(at);
        } else {
            // Where the next onset stands in the bar's layout.
            const Geometry g(*open.first.page);
            const int within = end - bar * run_.fullBar;
            at = open.first;
            at.slot += static_cast<int>(std::int64_t{g.share} * within / run_.fullBar);
            if (open.lastPiece) at.slot = std::max(at.slot, g.SlotOf(open.lastPiece->PosX()) + 1);
            at.slot = std::min(at.slot, g.gridSlots);
        }
        // A numeral never takes a row's last slot: the bar goes on below.
        if (at.slot >= Geometry(*at.page).gridSlots) at = NextRow(at);
    } else {
        at = PlaceBar(bar, 0);
    }
    const Geometry g(*at.page);
    run_.next = {book_.IndexOfSheet(at.page), g.X(at.slot), g.Y(at.row)};
}

}  // namespace sorvel
