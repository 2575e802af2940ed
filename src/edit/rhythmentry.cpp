// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/rhythmentry.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "base/arith.h"
#include "edit/notevalues.h"
#include "edit/rowmusic.h"
#include "edit/slotgrid.h"
#include "model/glyphcodes.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/undo.h"

namespace sorvel {
namespace {

constexpr int kWholeTicks = 4 * kQuarterTicks;
constexpr int kLongestTyped = 4 * kWholeTicks;  // a note of four whole bars of 4/4
constexpr int kShortestTyped = 3;               // the sixty-fourth

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

}  // namespace

RhythmEntry::RhythmEntry(TMusicBook& book, LayoutState& layout, GlyphInfoTable& glyphs)
    : book_(book), layout_(layout), glyphs_(glyphs), undo_(book.Env().undo) {}

RhythmEntry::~RhythmEntry() {
    for (TBarLine* line : kept_) undo_->LetGo(line);
}

// The run as the history keeps it with a state, tagged with the entry that
// kept it.
struct RhythmEntry::RunMemo : StepMemo {
    RunMemo(const RhythmEntry* o, Run r) : owner(o), run(std::move(r)) {}
    const RhythmEntry* owner;
    Run run;
};

const RhythmEntry::Run* RhythmEntry::RunOf(long stateId) const {
    if (!undo_) return nullptr;
    const auto* memo = dynamic_cast<const RunMemo*>(undo_->MemoOf(stateId));
    return memo && memo->owner == this ? &memo->run : nullptr;
}

void RhythmEntry::Resume(long stateId, EntryPlace at) {
    notice_ = EntryNotice::kNone;
    if (const Run* kept = RunOf(stateId)) {
        const EntryPlace& next = kept->next;
        // Playback turns to the page of the note it plays and leaves the key
        // cursor where it was: the cursor still says where the run goes on,
        // and the run goes on there, on its own page.
        if (next.x == at.x && next.y == at.y) {
            const bool otherPage = next.page != at.page;
            run_ = *kept;
            if (otherPage) notice_ = EntryNotice::kBackToRun;
            return;
        }
    }
    StartRun(at);
}

void RhythmEntry::StartRun(EntryPlace at) {
    Run fresh;
    fresh.currentTicks = run_.currentTicks;
    TMusicSheet* page = book_.GetSheet(std::clamp(at.page, 0, std::max(0, book_.SheetCount() - 1)));
    const RowMusic music(*page, {});
    const SlotGrid& g = music.Grid();
    bool afterMusic = false;
    const RowSlot start =
        music.StartFor({std::min(g.RowOf(at.y), g.rows - 1), g.SlotOf(at.x)}, afterMusic);
    if (afterMusic) notice_ = EntryNotice::kAfterMusic;
    fresh.start = {page, start.row, start.slot};
    const int x = g.X(start.slot), y = g.Y(start.row);
    if (const Meter* meter = MeterInForce(book_, book_.IndexOfSheet(page), x, y)) {
        fresh.times =
            RunBars(std::max(kShortestTyped, meter->beats * kWholeTicks / meter->beatType));
        fresh.beat = std::max(kShortestTyped, kWholeTicks / meter->beatType);
    }
    fresh.next = at;
    run_ = std::move(fresh);
}

void RhythmEntry::Remember(long stateId) {
    if (undo_) undo_->SetMemo(stateId, std::make_shared<const RunMemo>(this, run_));
}

bool RhythmEntry::CarryOver(long from, long to) {
    const Run* kept = RunOf(from);
    if (!kept) return false;
    run_ = *kept;
    Remember(to);
    return true;
}

std::optional<EntryPlace> RhythmEntry::NextOf(long stateId) const {
    const Run* kept = RunOf(stateId);
    if (!kept) return std::nullopt;
    return kept->next;
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

int RhythmEntry::BarOfLast() const {
    return run_.times.BarOf(run_.notes.back().onset);
}

int RhythmEntry::NextTicks() const {
    if (!run_.notes.empty()) {
        const TypedNote& last = run_.notes.back();
        const int end = last.onset + last.ticks;
        const bool betweenBeats = ModTrunc(run_.times.WithinBar(end), run_.beat) != 0;
        if (IsDottedValue(last.ticks) && betweenBeats && last.ticks / 3 >= kShortestTyped) {
            return last.ticks / 3;
        }
    }
    return run_.currentTicks;
}

TNote* RhythmEntry::Type(char digit) {
    if (digit < kRestCode || digit > '7') return nullptr;
    if (run_.graceArmed || (digit == kRestCode && !run_.graces.empty())) {
        notice_ = EntryNotice::kGraceWaits;  // grace notes lead to a sounding note
        return nullptr;
    }
    const int octave = digit == kRestCode ? 0 : OctaveFor(digit);
    run_.notes.push_back({digit, octave, NextTicks(), EndTicks(), nullptr, {}});
    const int bar = BarOfLast();
    if (OntoMusic(bar)) {
        run_.notes.pop_back();
        return nullptr;
    }
    Render(bar);
    WriteGraces(run_.notes.back());
    return run_.notes.back().head;
}

bool RhythmEntry::ShiftOctave(int delta) {
    if (!run_.graces.empty()) {
        Grace& grace = run_.graces.back();
        const int octave = std::clamp(grace.octave + delta, -kGraceOctaveLimit, kOctaveLimit);
        if (octave == grace.octave) return false;
        grace.octave = octave;
        return true;
    }
    if (run_.notes.empty() || run_.notes.back().digit == kRestCode) return false;
    TypedNote& note = run_.notes.back();
    const int octave = std::clamp(note.octave + delta, -kOctaveLimit, kOctaveLimit);
    if (octave == note.octave) return false;
    note.octave = octave;
    Render(BarOfLast());
    return true;
}

bool RhythmEntry::ChangeLast(int ticks) {
    if (run_.notes.empty() || ticks < kShortestTyped || ticks > kLongestTyped) return false;
    if (!run_.graces.empty()) {
        notice_ = EntryNotice::kGraceWaits;
        return false;
    }
    // A bar closed after the note ends with it: undo the close first.
    if (run_.times.ClosedAt(EndTicks())) return false;
    TypedNote& note = run_.notes.back();
    const int was = note.ticks;
    note.ticks = ticks;
    if (OntoMusic(BarOfLast())) {
        note.ticks = was;
        return false;
    }
    Render(BarOfLast());
    DropPagesLeftBehind();
    return true;
}

bool RhythmEntry::CloseBar() {
    if (run_.notes.empty()) return false;
    if (run_.graceArmed || !run_.graces.empty()) {
        notice_ = EntryNotice::kGraceWaits;
        return false;
    }
    const int end = EndTicks();
    if (!run_.times.Close(end)) return false;
    const int bar = run_.times.BarOf(end) - 1;
    notice_ = bar == 0 ? EntryNotice::kPickup : EntryNotice::kShortBar;
    Render(BarOfLast());
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
    const int into = ModTrunc(run_.times.WithinBar(end), run_.beat);
    const int held = into == 0 ? end : end - into + run_.beat;
    return ChangeLast(held + run_.beat - last.onset);
}

bool RhythmEntry::RemoveLast() {
    if (run_.graceArmed) {
        run_.graceArmed = false;
        return true;
    }
    if (!run_.graces.empty()) {
        run_.graces.pop_back();
        return true;
    }
    if (run_.notes.empty()) return false;
    if (run_.times.ClosedAt(EndTicks())) {
        run_.times.OpenAfter(EndTicks() - 1);
        Render(BarOfLast());
        DropPagesLeftBehind();
        return true;
    }
    const TypedNote removed = run_.notes.back();
    run_.notes.pop_back();
    run_.times.OpenAfter(EndTicks());
    Render(run_.times.BarOf(removed.onset));
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

}  // namespace sorvel
