// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The last check of a take, shown over the page and never part of the book:
// which written note on which page, in which band of intonation. It names
// notes of the open book, so it is cleared whenever the book changes.
#include <vector>

#include "practice/takecheck.h"

namespace sorvel {

class TMusicSheet;

// How close a played note came: within ±10 cents, ±25, beyond, or not
// found in the take at all.
enum class IntonationBand { Close, Near, Far, Missed };

inline constexpr double kCloseCents = 10;
inline constexpr double kNearCents = 25;

IntonationBand BandOf(const practice::CheckedNote& note);

struct OverlayMark {
    const TNote* note = nullptr;
    IntonationBand band = IntonationBand::Missed;
    int index = 0;  // into the check's notes
};

class CheckOverlay {
public:
    void Set(practice::TakeCheck check);
    void Clear();
    bool Empty() const { return check_.notes.empty(); }
    const practice::TakeCheck& Check() const { return check_; }

    // The marks of the notes written on `page`; a note played more than
    // once (a repeat) is marked by its worst playing.
    std::vector<OverlayMark> MarksOn(const TMusicSheet* page) const;
    // The notes for the list: the played ones furthest off first, then the
    // missed ones in play order; indices into the check's notes.
    std::vector<int> ListOrder() const;
    // How many notes fell in each band, in the order of IntonationBand.
    std::vector<int> BandCounts() const;

private:
    practice::TakeCheck check_;
};

}  // namespace sorvel
