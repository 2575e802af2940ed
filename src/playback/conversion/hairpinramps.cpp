// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/hairpinramps.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "base/arith.h"
#include "model/note.h"
#include "playback/conversion/expressivemarks.h"

namespace sorvel {
namespace {

// One dynamic level of the 30-120 spread.
constexpr int kLevelStep = 13;

bool SameRow(const TNote& a, const TNote& b) {
    return &a.Sheet() == &b.Sheet() && a.PosY() == b.PosY();
}

// The last dynamic among the item's marks, as ReadNoteMarks finds it; 0: none.
int DynamicOf(const TMusicItem* item) {
    int velocity = 0;
    if (!item || item->Class() != ItemClass::Note) return velocity;
    for (const TMusicItem* link : item->Links()) {
        if (link->Class() != ItemClass::MusicSign) continue;
        if (const std::optional<int> v = DynamicVelocity(CodeOf(link))) velocity = *v;
    }
    return velocity;
}

// The level a hairpin arrives at: the next dynamic when it lies the
// hairpin's way, else one level on.
double Goal(double from, int nextDynamic, int direction) {
    if (nextDynamic != 0 && (nextDynamic - from) * direction > 0) return nextDynamic;
    return std::clamp(from + direction * kLevelStep, 1.0, 127.0);
}

}  // namespace

int ExpressionFor(double level, int struck) {
    const double expression = kFullExpression * level / std::max(struck, 1);
    return std::clamp(RoundHalfEven(expression), 1, kFullExpression);
}

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
    const std::vector<Span> joined = JoinedSpans(items);
    if (joined.empty()) return;
    RampAll(items, joined, defaultVelocity);
}

// The spans in order, a hairpin continued on the next row (its second part
// starting at the next note) joined to its first part.
std::vector<HairpinRamps::Span> HairpinRamps::JoinedSpans(const PlayItems& items) const {
    std::vector<Span> spans = spans_;
    std::sort(spans.begin(), spans.end(),
              [](const Span& a, const Span& b) { return a.first < b.first; });
    std::vector<Span> joined;
    for (const Span& s : spans) {
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
    return joined;
}

// Walks the dynamics in list order; each hairpin starts from the level in
// force and leaves its goal in force after it.
void HairpinRamps::RampAll(const PlayItems& items, const std::vector<Span>& spans,
                           int defaultVelocity) {
    const int size = static_cast<int>(items.size());
    std::vector<int> own(static_cast<std::size_t>(size)), next(own.size());
    auto ownAt = [&own](int i) { return own[static_cast<std::size_t>(i)]; };
    for (int i = 0; i < size; ++i) own[static_cast<std::size_t>(i)] = DynamicOf(items[i]);
    int following = 0;
    for (int i = size - 1; i >= 0; --i) {
        next[static_cast<std::size_t>(i)] = following;
        if (ownAt(i) != 0) following = ownAt(i);
    }
    double level = defaultVelocity;
    int i = 0;
    for (Span s : spans) {
        for (; i <= s.first; ++i)
            if (ownAt(i) != 0) level = ownAt(i);
        // A hairpin drawn up to the note of its dynamic arrives at that note.
        int goalDynamic = next[static_cast<std::size_t>(s.last)];
        if (s.last > s.first && ownAt(s.last) != 0) {
            goalDynamic = ownAt(s.last);
            --s.last;
            while (s.last > s.first && !NoteAt(items, s.last)) --s.last;
        }
        const double goal = Goal(level, goalDynamic, s.direction);
        Ramp(items, s, level, goal);
        level = goal;
        // Dynamics under the hairpin give way to it.
        i = std::max(i, s.last + 1);
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

// Evenly in decibels over the ticks of the notes: the level is multiplied by
// the same factor in every tick.
void HairpinRamps::Ramp(const PlayItems& items, const Span& span, double from, double goal) {
    from = std::max(from, 1.0);
    long long total = 0;
    int count = 0;
    for (int i = span.first; i <= span.last; ++i) {
        if (const TNote* note = NoteAt(items, i)) {
            total += std::max(note->StepTime, 0);
            ++count;
        }
    }
    const bool byTicks = total > 0;
    if (!byTicks) total = count;
    const double perTick = std::log(goal / from) / static_cast<double>(total);
    long long elapsed = 0;
    for (int i = span.first; i <= span.last; ++i) {
        const TNote* note = NoteAt(items, i);
        if (!note) continue;
        const double start = from * std::exp(perTick * static_cast<double>(elapsed));
        elapsed += byTicks ? std::max(note->StepTime, 0) : 1;
        const ExpressionRamp ramp{start, from * std::exp(perTick * static_cast<double>(elapsed))};
        ramps_[note] = ramp;
        if (CodeOf(note) == '8') HoldPeak(items, i, std::max(ramp.from, ramp.to));
    }
}

// A dash under a hairpin: the note it holds on must be struck as loud as the
// dash gets.
void HairpinRamps::HoldPeak(const PlayItems& items, int dash, double level) {
    int i = dash - 1;
    while (NoteAt(items, i) && CodeOf(items[i]) == '8') --i;
    const TNote* note = NoteAt(items, i);
    if (!note || CodeOf(note) < '1' || CodeOf(note) > '7') return;
    double& peak = heldPeaks_[note];
    peak = std::max(peak, level);
}

const ExpressionRamp* HairpinRamps::At(const TNote& note) const {
    const auto it = ramps_.find(&note);
    return it == ramps_.end() ? nullptr : &it->second;
}

double HairpinRamps::HeldPeak(const TNote& note) const {
    const auto it = heldPeaks_.find(&note);
    return it == heldPeaks_.end() ? 0 : it->second;
}

}  // namespace sorvel
