// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/autolengths.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "base/arith.h"
#include "edit/piecerange.h"
#include "model/glyphcodes.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/pagegrid.h"
#include "model/scorefile.h"

namespace sorvel {

namespace {

// Ticks of a 32nd note, a quarter and a dotted quarter.
constexpr int kTicks32nd = 6;
constexpr int kTicksQuarter = 48;
constexpr int kTicksDottedQuarter = 72;

bool IsDash(const TMusicItem& item) {
    return item.Content() == kSustainDashText;
}

// A row of the piece: the page and the baseline.
struct Row {
    int page, y;
    bool operator==(const Row&) const = default;
};

struct PieceSymbol {
    const TMusicItem* item;
    Row row;
};

// The notes, bar lines and time signatures of the piece's pages, in page
// order and item order.
std::vector<PieceSymbol> CollectPieceSymbols(const TMusicBook& book, int currentIndex) {
    const PieceRange range = FindPieceRange(book, currentIndex);
    std::vector<PieceSymbol> list;
    for (int p = range.first; p <= range.last; ++p) {
        const TMusicSheet& page = *book.GetSheet(p);
        for (int i = 0; i < page.ItemCount(); ++i) {
            const TMusicItem* item = page.GetItem(i);
            const ItemClass c = item->Class();
            if (c == ItemClass::Note || c == ItemClass::BarLine || c == ItemClass::Beat) {
                list.push_back({item, {p, item->PosY()}});
            }
        }
    }
    return list;
}

// Width of the bar holding the note at list[i]: from the slot after the bar
// line just before it on its row (or the row start) to the next bar line on
// its row (or the row end).
std::int64_t BarWidthAt(const std::vector<PieceSymbol>& list, size_t i) {
    const PieceSymbol& at = list[i];
    const TMusicSheet& page = at.item->Sheet();
    std::int64_t start = page.LeftSpace();
    if (i > 0 && list[i - 1].item->Class() == ItemClass::BarLine && list[i - 1].row == at.row) {
        start = list[i - 1].item->PosX();
    }
    std::int64_t end = std::int64_t{page.PageWidth} - page.RightSpace();
    for (size_t j = i + 1; j < list.size() && list[j].row == at.row; ++j) {
        if (list[j].item->Class() == ItemClass::BarLine) {
            end = list[j].item->PosX();
            break;
        }
    }
    return end - (start + page.GridSize());
}

// The x of the first note or bar line after the note on its row, in the
// page's item order; false when there is none.
bool NextStopOnRow(const TNote& note, int& x) {
    const TMusicSheet& page = note.Sheet();
    for (int i = page.IndexOfItem(&note) + 1; i < page.ItemCount(); ++i) {
        const TMusicItem& item = *page.GetItem(i);
        if (item.PosY() != note.PosY()) return false;
        if (item.Class() == ItemClass::Note || item.Class() == ItemClass::BarLine) {
            x = item.PosX();
            return true;
        }
    }
    return false;
}

// `count` sustain dashes on the note's row, at r - k * step for k = 1 ...
void AddDashes(TNote& note, int r, int count, int step, bool dotted) {
    // A damaged file can put the next item millions of units away; a page
    // cannot hold more items than the reader accepts, so neither can a gap.
    count = std::clamp(count, 0, kMaxItemsPerPage);
    for (int k = 1; k <= count; ++k) {
        TNote* dash = CreateItem<TNote>(note.Sheet());
        dash->SetContent(std::string(kSustainDashText));
        dash->SetPosX(SafeCoordinate(std::int64_t{r} - std::int64_t{k} * step));
        dash->SetPosY(note.PosY());
        if (dotted) dash->SetFuten(1);
    }
}

void SetLengthFromDistance(TNote& note, int r, const NoteScale& scale, int denominator) {
    const double perUnit = scale.ticksPerUnit;
    const int t = RoundHalfEven(static_cast<double>(std::int64_t{r} - note.PosX() + 3) * perUnit);
    const int b = DivTrunc(t, kTicks32nd);
    if (denominator == 8 && b >= 13 && b % 12 == 0) {
        note.SetFuten(1);
        note.SetLength(0);
        AddDashes(note, r, DivTrunc(t, kTicksDottedQuarter) - 1,
                  RoundHalfEven(kTicksDottedQuarter / perUnit), true);
        return;
    }
    const LengthEntry entry = LengthFor32nds(ModTrunc(b, 16));
    if (entry.length != -1) {
        note.SetLength(entry.length);
        note.SetFuten(entry.futen);
    }
    int dashes = b < 9 ? 0 : static_cast<int>((b - 8) / 8.0 + 0.999);
    if (note.Futen() == 1 && note.Length() == 0 && dashes > 0) --dashes;
    AddDashes(note, r, dashes, RoundHalfEven(kTicksQuarter / perUnit), false);
}

}  // namespace

int TicksPerBar(int numerator, int denominator) {
    // A whole note is 192 ticks: 48 a quarter, 24 an eighth, 96 a half.
    return numerator * DivTrunc(4 * kTicksQuarter, denominator);
}

TimeSignature TimeSignatureOf(char code) {
    const Meter* meter = MeterOfCode(code);
    if (!meter) return {};
    return {meter->beats, meter->beatType};
}

const NoteScale* LengthScales::Find(const TNote* note) const {
    auto found = notes.find(note);
    return found == notes.end() ? nullptr : &found->second;
}

LengthScales ComputeLengthScales(const TMusicBook& book, int currentIndex) {
    LengthScales scales;
    const std::vector<PieceSymbol> list = CollectPieceSymbols(book, currentIndex);
    TimeSignature signature;
    bool newBar = true;
    bool anyNote = false;
    Row lastNoteRow{0, 0};
    std::int64_t barWidth = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        const TMusicItem& item = *list[i].item;
        if (item.Class() == ItemClass::Beat) {
            signature = TimeSignatureOf(item.Content().empty() ? '\0' : item.Content()[0]);
            scales.lastDenominator = signature.denominator;
            continue;
        }
        if (item.Class() == ItemClass::BarLine) {
            newBar = true;
            continue;
        }
        if (anyNote && !(list[i].row == lastNoteRow)) newBar = true;
        anyNote = true;
        lastNoteRow = list[i].row;
        if (newBar) {
            barWidth = BarWidthAt(list, i);
            newBar = false;
        }
        NoteScale scale;
        scale.note = item.As<TNote>();
        scale.barWidth = SafeCoordinate(barWidth);
        if (barWidth > 0) {
            scale.ticksPerUnit =
                static_cast<double>(TicksPerBar(signature.numerator, signature.denominator)) /
                static_cast<double>(barWidth);
            // A quarter note must span at least one page unit, or the dashes
            // would pile up on one spot.
            scale.usable = RoundHalfEven(kTicksQuarter / scale.ticksPerUnit) > 0;
        }
        scales.notes[scale.note] = scale;
    }
    return scales;
}

LengthEntry LengthFor32nds(int b) {
    static constexpr LengthEntry kTable[16] = {{0, 0}, {3, 0},  {2, 0},  {2, 1}, {1, 0}, {-1, 0},
                                               {1, 1}, {-1, 0}, {0, 0},  {3, 0}, {2, 0}, {2, 1},
                                               {0, 1}, {-1, 0}, {-1, 0}, {-1, 0}};
    if (b < 0 || b >= 16) return {-1, 0};
    return kTable[b];
}

LenAutoResult AutoSetLengths(TMusicBook& book, int currentIndex,
                             std::vector<TMusicItem*>& selection) {
    const LengthScales scales = ComputeLengthScales(book, currentIndex);
    for (const TMusicItem* item : selection) {
        const TNote* note = item->As<TNote>();
        if (!note || IsDash(*note)) continue;
        const NoteScale* scale = scales.Find(note);
        if (scale && !scale->usable) return LenAutoResult::NoUsableBarWidth;
    }

    std::vector<TMusicItem*> remaining;
    for (TMusicItem* item : selection) {
        if (IsDash(*item)) {
            item->selected = false;
            item->Delete();
        } else {
            remaining.push_back(item);
        }
    }
    selection = remaining;

    for (TMusicItem* item : remaining) {
        TNote* note = item->As<TNote>();
        if (!note || IsDash(*note)) continue;
        const NoteScale* scale = scales.Find(note);
        int r = 0;
        if (!scale || !NextStopOnRow(*note, r)) continue;
        SetLengthFromDistance(*note, r, *scale, scales.lastDenominator);
    }
    return LenAutoResult::Done;
}

}  // namespace sorvel
