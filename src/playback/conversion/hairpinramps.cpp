#include "playback/conversion/hairpinramps.h"

#include <algorithm>
#include <unordered_set>

#include "model/note.h"
#include "playback/conversion/expressivemarks.h"

namespace sorvel {
namespace {

// One dynamic level of the 30-120 spread.
constexpr int kLevelStep = 13;

bool SameRow(const TNote& a, const TNote& b) {
    return &a.Sheet() == &b.Sheet() && a.PosY() == b.PosY();
}

// The last dynamic among the item's marks, as ReadNoteMarks finds it.
std::optional<int> DynamicOf(const TMusicItem* item) {
    std::optional<int> velocity;
    if (!item || item->Class() != ItemClass::Note) return velocity;
    for (const TMusicItem* link : item->Links()) {
        if (link->Class() != ItemClass::MusicSign) continue;
        if (const std::optional<int> v = DynamicVelocity(CodeOf(link))) velocity = v;
    }
    return velocity;
}

}  // namespace

HairpinRamps::HairpinRamps(const PlayItems& items, int defaultVelocity) {
    std::unordered_set<const TMusicItem*> seen;
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        const TNote* note = NoteAt(items, i);
        if (!note) continue;
        for (const TMusicItem* link : note->Links()) {
            const int direction = HairpinDirection(*link);
            if (direction != 0 && seen.insert(link).second) AddSpan(items, i, *link, direction);
        }
    }
    std::sort(spans_.begin(), spans_.end(),
              [](const Span& a, const Span& b) { return a.first < b.first; });
    // A hairpin continued on the next row (its second part starts at the next
    // note) is one ramp.
    std::vector<Span> joined;
    for (const Span& s : spans_) {
        if (!joined.empty() && joined.back().direction == s.direction) {
            int next = joined.back().last + 1;
            while (next < static_cast<int>(items.size()) && items[next] && !NoteAt(items, next))
                ++next;
            if (s.first <= next) {
                joined.back().last = std::max(joined.back().last, s.last);
                continue;
            }
        }
        joined.push_back(s);
    }
    if (joined.empty()) return;
    // The dynamic in force at each index, and the next one after it (0: none).
    const int size = static_cast<int>(items.size());
    std::vector<int> own(static_cast<std::size_t>(size)), inForce(own.size()), next(own.size());
    int level = defaultVelocity;
    for (int i = 0; i < size; ++i) {
        own[static_cast<std::size_t>(i)] = DynamicOf(items[i]).value_or(0);
        if (own[static_cast<std::size_t>(i)] != 0) level = own[static_cast<std::size_t>(i)];
        inForce[static_cast<std::size_t>(i)] = level;
    }
    int following = 0;
    for (int i = size - 1; i >= 0; --i) {
        next[static_cast<std::size_t>(i)] = following;
        if (own[static_cast<std::size_t>(i)] != 0) following = own[static_cast<std::size_t>(i)];
    }
    for (const Span& s : joined) {
        Ramp(items, s, inForce[static_cast<std::size_t>(s.first)],
             next[static_cast<std::size_t>(s.last)]);
    }
}

// The notes of the mark's row between its left and right ends, around the
// note at `own` that it is linked to.
void HairpinRamps::AddSpan(const PlayItems& items, int own, const TMusicItem& mark, int direction) {
    const TNote* anchor = NoteAt(items, own);
    if (!anchor) return;
    const int left = mark.PosX();
    const int right = mark.PosX() + mark.Width();
    Span span{own, own, direction};
    for (int i = own - 1; i >= 0; --i) {
        const TMusicItem* item = items[i];
        if (&item->Sheet() != &anchor->Sheet() || item->PosY() != anchor->PosY() ||
            item->PosX() < left)
            break;
        if (item->As<TNote>()) span.first = i;
    }
    for (int i = own + 1; i < static_cast<int>(items.size()) && items[i]; ++i) {
        const TNote* note = NoteAt(items, i);
        if (!note) continue;
        if (!SameRow(*note, *anchor) || note->PosX() > right) break;
        span.last = i;
    }
    spans_.push_back(span);
}

void HairpinRamps::Ramp(const PlayItems& items, const Span& span, int from, int nextDynamic) {
    // The next dynamic is the goal when it lies the hairpin's way.
    const bool reached = nextDynamic != 0 && (nextDynamic - from) * span.direction > 0;
    const int to = reached ? nextDynamic : from + span.direction * kLevelStep;
    const int target = std::clamp(kPlainExpression * to / std::max(from, 1), 40, 127);
    std::vector<const TNote*> notes;
    for (int i = span.first; i <= span.last; ++i) {
        if (const TNote* note = NoteAt(items, i)) notes.push_back(note);
    }
    const int n = static_cast<int>(notes.size());
    for (int k = 0; k < n; ++k) {
        ramps_[notes[k]] = {kPlainExpression + (target - kPlainExpression) * k / n,
                            kPlainExpression + (target - kPlainExpression) * (k + 1) / n};
    }
}

const ExpressionRamp* HairpinRamps::At(const TNote& note) const {
    const auto it = ramps_.find(&note);
    return it == ramps_.end() ? nullptr : &it->second;
}

}  // namespace sorvel
