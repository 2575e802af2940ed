// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/itemdialogvalues.h"

#include <algorithm>
#include <vector>

#include "base/arith.h"
#include "base/text.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"

namespace sorvel {

std::optional<UserText> CheckBarCount(int count) {
    if (count >= 1 && count <= 999) return std::nullopt;
    return UserText(SORVEL_TEXT("ItemDialogs", "小節数は、1 から 999 の数値を指定してください。"));
}

std::optional<UserText> CheckTempo(int tempo, int unit) {
    const int high = unit == kTempoPercent ? 300 : 240;
    if (tempo >= 10 && tempo <= high) return std::nullopt;
    return UserText(SORVEL_TEXT("ItemDialogs", "テンポは、10 から %1 の数値を指定してください。"),
                    {UserText::Number(high)});
}

std::string BuildAllNoteData(const std::array<DaonRow, 4>& rows) {
    std::string data;
    for (const DaonRow& row : rows) {
        if (row.pitch.empty()) break;
        data += row.pitch.substr(0, 1);
        // One digit holds octaves -3 to 6.
        data += static_cast<char>('0' + std::clamp(row.octave + 3, 0, 9));
        data += row.finger.empty() ? ' ' : row.finger[0];
    }
    data += " 3  3  3  3 ";
    return data.substr(0, 12);
}

FigurePoint PointFromOffsets(const NoteFigure& f, int offsetX, int offsetY) {
    return {f.cx + RoundHalfEven(static_cast<double>(offsetX) * f.w / 100.0),
            f.cy + RoundHalfEven(static_cast<double>(offsetY) * f.h / 100.0)};
}

FigurePoint OffsetsFromPoint(const NoteFigure& f, FigurePoint p) {
    const auto rate = [](int distance, int size) {
        return size > 0 ? RoundHalfEven(static_cast<double>(distance) * 100.0 / size) : 0;
    };
    return {rate(p.x - f.cx, f.w), rate(p.y - f.cy, f.h)};
}

int DotRadius(const NoteFigure& f) {
    return RoundHalfEven(f.w / 6.0);
}

NoteOffsets OffsetsOf(const TNote& note) {
    return {note.OffsetX_Rinji(), note.OffsetY_Rinji(), note.OffsetX_Futen(), note.OffsetY_Futen()};
}

void ApplyNoteOffsets(TNote& note, const NoteOffsets& o) {
    note.SetOffsetX_Rinji(o.xRinji);
    note.SetOffsetY_Rinji(o.yRinji);
    note.SetOffsetX_Futen(o.xFuten);
    note.SetOffsetY_Futen(o.yFuten);
}

void ApplyNoteOffsetsToBook(TMusicBook& book, const NoteOffsets& offsets) {
    for (int p = 0; p < book.SheetCount(); ++p) {
        const TMusicSheet* page = book.GetSheet(p);
        for (int i = 0; i < page->ItemCount(); ++i) {
            if (TNote* note = page->GetItem(i)->As<TNote>()) ApplyNoteOffsets(*note, offsets);
        }
    }
}

}  // namespace sorvel
