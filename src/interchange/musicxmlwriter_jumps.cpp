// SPDX-License-Identifier: GPL-3.0-or-later
// The book's jumps spelled as a staff program needs them: the last coda sign
// of a piece is its coda, every other one a To Coda mark; and a D.S. or D.C.
// says where its return ends, at the Fine or the To Coda mark that playback
// meets first after the return.
#include <string_view>
#include <utility>
#include <vector>

#include "base/text.h"
#include "interchange/musicxmlvocabulary.h"
#include "interchange/musicxmlwriter_planner.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"

namespace sorvel::interchange::xmlwrite {
namespace {

struct Signed {
    const TNote* note;
    char sign;
};

void PlanPiece(const std::vector<Signed>& piece, JumpPlan& plan) {
    const TNote* coda = nullptr;
    size_t segno = piece.size();
    for (size_t i = 0; i < piece.size(); ++i) {
        if (piece[i].sign == markcode::kCoda) coda = piece[i].note;
        if (piece[i].sign == markcode::kSegno && segno == piece.size()) segno = i;
    }
    if (coda) plan.codas.insert(coda);
    // The first Fine or coda sign at or after each sign, from the back: the
    // return ends there (at the coda itself only with playback's error).
    std::vector<size_t> ender(piece.size() + 1, piece.size());
    for (size_t i = piece.size(); i-- > 0;) {
        const bool ends = piece[i].sign == markcode::kFine || piece[i].sign == markcode::kCoda;
        ender[i] = ends ? i : ender[i + 1];
    }
    for (const Signed& s : piece) {
        if (s.sign != markcode::kDalSegno && s.sign != markcode::kDaCapo) continue;
        const size_t from = s.sign == markcode::kDalSegno && segno < piece.size() ? segno : 0;
        const size_t end = ender[from];
        if (end == piece.size() || piece[end].note == coda) continue;
        plan.returnEnds[s.note] = piece[end].sign == markcode::kFine ? kAlFine : kAlCoda;
    }
}

}  // namespace

char FirstLinkedMark(const TNote& note, MarkKind kind) {
    for (const TMusicItem* link : note.Links()) {
        if (!link->IsMark() || link->Content().empty()) continue;
        if (IsMarkOf(kind, link->Content()[0])) return link->Content()[0];
    }
    return '\0';
}

JumpPlan PlanJumps(const TMusicBook& book) {
    JumpPlan plan;
    std::vector<Signed> piece;
    for (int p = 0; p < book.SheetCount(); ++p) {
        const TMusicSheet& page = *book.GetSheet(p);
        if (p > 0 && !Trim(page.Title()).empty()) {
            PlanPiece(piece, plan);
            piece.clear();
        }
        for (int i = 0; i < page.ItemCount(); ++i) {
            const TNote* note = page.GetItem(i)->As<TNote>();
            if (!note || note->LinkCount() == 0) continue;
            // Playback follows a note's first jump sign only.
            if (const char sign = FirstLinkedMark(*note, MarkKind::kJump))
                piece.push_back({note, sign});
        }
    }
    PlanPiece(piece, plan);
    return plan;
}

}  // namespace sorvel::interchange::xmlwrite
