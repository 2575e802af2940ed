// SPDX-License-Identifier: GPL-3.0-or-later
// Rhythm entry's layout: the typed notes cut into bars of the meter, each bar
// placed after the one before it (on the next row or a new page when it does
// not fit), its numerals written in proportion to time with ties over bar
// lines, the bar lines standing in its rows taken over, and the check that
// keeps a run off music it did not write.
#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "base/arith.h"
#include "edit/barlayout.h"
#include "edit/notevalues.h"
#include "edit/pageoperations.h"
#include "edit/rhythmentry.h"
#include "edit/rowmusic.h"
#include "edit/slotgrid.h"
#include "model/glyphcodes.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/undo.h"

namespace sorvel {
namespace {

constexpr char kTieCode = 'Y';

}  // namespace

struct RhythmEntry::Piece {
    ValuePiece value;
    std::size_t note;  // index in the run's notes
    bool head;         // the note's first numeral
};

// Where one bar goes: the rows it fills, the first from the bar's first slot.
// On a page still to be made (only when no pages are made) a row's page is null.
struct RhythmEntry::Placement {
    std::vector<BarStart> rows;
    BarRows placed;

    BarStart Where(RowSlot s) const {
        BarStart in = rows[static_cast<std::size_t>(s.row)];
        in.slot = s.slot;
        return in;
    }
};

// Slots `from` to `to` (both included) of one row of a page.
struct RhythmEntry::SlotStretch {
    TMusicSheet* page;
    int row, from, to;
};

bool RhythmEntry::OntoMusic(int firstBar) {
    RowMusic::Items own;
    for (const TypedNote& n : run_.notes) own.insert(n.head);
    for (const BarRecord& b : run_.bars) own.insert(b.made.begin(), b.made.end());
    std::unordered_map<const TMusicSheet*, RowMusic> music;
    BarStart begin = BeginOf(firstBar);
    for (int bar = firstBar; run_.times.StartOf(bar) < EndTicks(); ++bar) {
        const Placement place = PlaceOf(bar, begin, PiecesOf(bar), false);
        for (const SlotStretch& s : StretchesOf(bar, begin, place)) {
            // A page the run is still to make holds nothing; nor what follows it.
            if (!s.page) return false;
            auto it = music.find(s.page);
            if (it == music.end()) it = music.emplace(s.page, RowMusic(*s.page, own)).first;
            if (it->second.LastIn(s.row, s.from, s.to) >= 0) {
                notice_ = EntryNotice::kMusicAhead;
                return true;
            }
        }
        const BarStart line = place.Where(place.placed.barLine);
        begin = {line.page, line.row, line.slot + 1};
    }
    return false;
}

void RhythmEntry::Render(int firstBar) {
    ClearBarsFrom(firstBar);
    const int end = EndTicks();
    for (int bar = firstBar; run_.times.StartOf(bar) < end; ++bar) RenderBar(bar);
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

RhythmEntry::BarStart RhythmEntry::PlaceBar(const BarStart& begin, int slots, bool makePages) {
    const SlotGrid g(*begin.page);
    // A bar that does not fit after the last one starts the next row; the
    // first slot of a row is left free, as the import leaves it.
    if (begin.slot > 1 && begin.slot + std::max(slots, g.share) > g.gridSlots) {
        return NextRow(begin, makePages);
    }
    return begin;
}

RhythmEntry::BarStart RhythmEntry::NextRow(const BarStart& at, bool makePages) {
    if (!at.page) return {nullptr, 0, 1};
    const SlotGrid g(*at.page);
    if (at.row + 1 < g.rows) return {at.page, at.row + 1, 1};
    return {PageAfter(at.page, makePages), 0, 1};
}

TMusicSheet* RhythmEntry::PageAfter(TMusicSheet* page, bool make) {
    const int index = book_.IndexOfSheet(page);
    if (index + 1 < book_.SheetCount()) {
        TMusicSheet* next = book_.GetSheet(index + 1);
        if (std::find(run_.pages.begin(), run_.pages.end(), next) != run_.pages.end()) return next;
    }
    if (!make) return nullptr;
    TMusicSheet& created = CreatePageAt(book_, index + 1, layout_, glyphs_);
    run_.pages.push_back(&created);
    return &created;
}

std::vector<RhythmEntry::Piece> RhythmEntry::PiecesOf(int bar) const {
    const int barStart = run_.times.StartOf(bar);
    const int barEnd = run_.times.EndOf(bar);
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
        const auto index = static_cast<std::size_t>(it - run_.notes.begin());
        for (std::size_t i = 0; i < values.size(); ++i) {
            pieces.push_back({values[i], index, from == it->onset && i == 0});
        }
    }
    return pieces;
}

RhythmEntry::Placement RhythmEntry::PlaceOf(int bar, const BarStart& begin,
                                            const std::vector<Piece>& pieces, bool makePages) {
    std::vector<int> onsets;
    for (const Piece& p : pieces) onsets.push_back(p.value.onset);
    const SlotGrid startGrid(*begin.page);
    // A bar closed short (a pickup) takes its share of slots, as an import's does.
    const int fullBar = run_.times.FullBar();
    const int barTicks = run_.times.EndOf(bar) - run_.times.StartOf(bar);
    const BarPlan plan = PlanBar(onsets, barTicks, fullBar, startGrid.share, startGrid.gridSlots);
    Placement place;
    place.rows.push_back(PlaceBar(begin, plan.slots, makePages));
    const BarStart& at = place.rows.front();
    if (!at.page) return place;
    place.placed = PlaceInRows(plan, at.slot, SlotGrid(*at.page).gridSlots);
    // The rows the bar fills, on the next page where the page's rows run out.
    while (static_cast<int>(place.rows.size()) <= place.placed.barLine.row) {
        place.rows.push_back(NextRow(place.rows.back(), makePages));
    }
    return place;
}

std::vector<RhythmEntry::SlotStretch> RhythmEntry::StretchesOf(int bar, const BarStart& begin,
                                                               const Placement& place) const {
    std::vector<SlotStretch> stretches;
    const BarStart& first = place.rows.front();
    // A bar moved on to the next row takes the rest of the row it left.
    if (bar > 0 && (begin.page != first.page || begin.row != first.row)) {
        stretches.push_back({begin.page, begin.row, begin.slot, SlotGrid(*begin.page).gridSlots});
    }
    for (std::size_t k = 0; k < place.rows.size(); ++k) {
        const BarStart& row = place.rows[k];
        const bool last = k + 1 == place.rows.size();
        const int to =
            last || !row.page ? place.placed.barLine.slot : SlotGrid(*row.page).gridSlots;
        stretches.push_back({row.page, row.row, k == 0 ? row.slot : 1, to});
    }
    return stretches;
}

void RhythmEntry::RenderBar(int bar) {
    const std::vector<Piece> pieces = PiecesOf(bar);
    const BarStart begin = BeginOf(bar);
    const Placement place = PlaceOf(bar, begin, pieces, true);
    BarRecord record{place.rows.front(),
                     place.Where(place.placed.barLine),
                     place.placed.oneSlotEach,
                     {},
                     nullptr,
                     {}};
    TNote* previous = bar > 0 ? run_.bars[static_cast<std::size_t>(bar - 1)].lastPiece : nullptr;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        previous =
            WritePiece(pieces[i], place.Where(place.placed.pieces[i]), previous, record.made);
    }
    record.lastPiece = previous;
    TBarLine* line = TakeOverBarLines(bar, begin, place, record);
    if (!line && EndTicks() >= run_.times.EndOf(bar)) {
        const SlotGrid g(*record.line.page);
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
    const SlotGrid g(*at.page);
    const int x = g.X(at.slot), y = g.Y(at.row);
    TypedNote& typed = run_.notes[p.note];
    TNote* note = p.head ? typed.head : nullptr;
    if (note) {
        MoveHead(*note, *at.page, x, y);
    } else {
        note = CreateItem<TNote>(*at.page);
        note->SetPosX(x);
        note->SetPosY(y);
        if (!p.head) made.push_back(note);
    }
    note->SetContent(std::string(1, p.value.dash ? kSustainDash : typed.digit));
    note->SetLength(p.value.length);
    note->SetFuten(p.value.futen);
    note->SetOctave(p.value.dash ? 0 : typed.octave);
    if (p.head) typed.head = note;
    if (p.value.tied && previous) Tie(*previous, *note, made);
    return note;
}

TBarLine* RhythmEntry::TakeOverBarLines(int bar, const BarStart& begin, const Placement& place,
                                        BarRecord& record) {
    std::vector<BarLineTakeover::Stretch> stretches;
    for (const SlotStretch& s : StretchesOf(bar, begin, place)) {
        const SlotGrid g(*s.page);
        if (s.from == 1) {
            // In front of the row's first slot.
            stretches.push_back({s.page, g.Y(s.row), g.HalfRow(), g.X(0) - g.HalfGrid(),
                                 g.X(1) - g.HalfGrid(), true});
        }
        stretches.push_back({s.page, g.Y(s.row), g.HalfRow(), g.X(s.from) - g.HalfGrid(),
                             g.X(s.to) + g.HalfGrid(), false});
    }
    const SlotGrid g(*record.line.page);
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
    const SlotGrid g(from.Sheet());
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
    const SlotGrid next(to.Sheet());
    arc(to, next.LeftSpace(), to.PosX() - next.LeftSpace());
}

void RhythmEntry::FindNext() {
    const int end = EndTicks();
    const int bar = run_.times.BarOf(end);
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
            const SlotGrid g(page);
            at = {&page, g.RowOf(open.lastPiece->PosY()), g.SlotOf(open.lastPiece->PosX()) + 1};
            if (at.slot >= g.gridSlots) at = NextRow(at, true);
        } else {
            // Where the next onset stands in the bar's layout.
            const SlotGrid g(*open.first.page);
            const int within = end - run_.times.StartOf(bar);
            at = open.first;
            at.slot += static_cast<int>(std::int64_t{g.share} * within / run_.times.FullBar());
            if (open.lastPiece) at.slot = std::max(at.slot, g.SlotOf(open.lastPiece->PosX()) + 1);
            at.slot = std::min(at.slot, g.gridSlots);
        }
        // A numeral never takes a row's last slot: the bar goes on below.
        if (at.slot >= SlotGrid(*at.page).gridSlots) at = NextRow(at, true);
    } else {
        at = PlaceBar(BeginOf(bar), 0, true);
    }
    const SlotGrid g(*at.page);
    run_.next = {book_.IndexOfSheet(at.page), g.X(at.slot), g.Y(at.row)};
}

}  // namespace sorvel
