// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/practice/checkoverlay.h"

#include <cmath>
#include <map>

#include "model/note.h"

namespace sorvel {

IntonationBand BandOf(const practice::CheckedNote& note) {
    if (note.status != practice::NoteStatus::kOk) return IntonationBand::Missed;
    const double off = std::fabs(note.cents);
    if (off <= kCloseCents) return IntonationBand::Close;
    if (off <= kNearCents) return IntonationBand::Near;
    return IntonationBand::Far;
}

void CheckOverlay::Set(practice::TakeCheck check) {
    check_ = std::move(check);
}

void CheckOverlay::Clear() {
    check_ = practice::TakeCheck();
}

std::vector<OverlayMark> CheckOverlay::MarksOn(const TMusicSheet* page) const {
    std::vector<OverlayMark> marks;
    if (!page) return marks;
    std::map<const TNote*, std::size_t> seen;
    for (std::size_t i = 0; i < check_.notes.size(); ++i) {
        const practice::CheckedNote& n = check_.notes[i];
        if (!n.written.item || &n.written.item->Sheet() != page) continue;
        const OverlayMark mark{n.written.item, BandOf(n), static_cast<int>(i)};
        const auto [at, added] = seen.emplace(n.written.item, marks.size());
        if (added) {
            marks.push_back(mark);
            continue;
        }
        // Played again: the worse playing stands (missed counts worst).
        OverlayMark& kept = marks[at->second];
        if (static_cast<int>(mark.band) > static_cast<int>(kept.band)) kept = mark;
    }
    return marks;
}

std::vector<int> CheckOverlay::ListOrder() const {
    std::vector<int> order = practice::WorstNotes(check_, -1);
    for (std::size_t i = 0; i < check_.notes.size(); ++i)
        if (check_.notes[i].status != practice::NoteStatus::kOk)
            order.push_back(static_cast<int>(i));
    return order;
}

std::vector<int> CheckOverlay::BandCounts() const {
    std::vector<int> counts(4, 0);
    for (const practice::CheckedNote& n : check_.notes) ++counts[static_cast<int>(BandOf(n))];
    return counts;
}

}  // namespace sorvel
