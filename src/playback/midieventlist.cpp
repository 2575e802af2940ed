// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/midieventlist.h"

#include <algorithm>

namespace sorvel {

namespace {

// A fetch that passes this many loop and skipped events without finding one to
// play gives up: a loop holding nothing to play must not hang the timer thread.
constexpr int kMaxSkippedPerFetch = 1 << 16;

}  // namespace

TMidiEvent MakeEndOfTrackEvent() {
    TMidiEvent e =
        MakeEvent(evt::kEndOfTrack, evt::kEndOfTrack, evt::kEndOfTrack, evt::kEndOfTrack);
    e.measure = 1;
    e.stepNo = 1;
    return e;
}

void TMidiEventList::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    events_.erase(events_.begin() + index);
}

void TMidiEventList::Clear() {
    events_.clear();
    ResetReading();
}

const TMidiEvent& TMidiEventList::Get(int index) const {
    static const TMidiEvent kBlank;
    if (events_.empty()) return kBlank;
    return events_[static_cast<std::size_t>(std::clamp(index, 0, Count() - 1))];
}

void TMidiEventList::NumberMeasures() {
    int m = 1;
    int s = 1;
    int sum = 0;
    const int n = Count();
    for (int i = 0; i < n; ++i) {
        TMidiEvent& e = events_[static_cast<std::size_t>(i)];
        const std::uint16_t next = events_[static_cast<std::size_t>(std::min(i + 1, n - 1))].type;
        if (e.type == evt::kEndOfTrack) {
            e.measure = static_cast<std::uint16_t>(m);
            e.stepNo = static_cast<std::uint16_t>(s);
            return;
        }
        if (e.type == evt::kCommentCont) continue;
        e.measure = static_cast<std::uint16_t>(m);
        e.stepNo = static_cast<std::uint16_t>(s);
        if (e.type >= evt::kSameMeasure || next == evt::kSameMeasure) {
            s = 1;
            m = static_cast<std::uint16_t>(m + 1);
            if (e.type == evt::kMeasureEnd) e.velocity = static_cast<std::uint16_t>(sum);
            if (e.type == evt::kMeasureEnd || e.type == evt::kSameMeasure) sum = 0;
        }
        if (e.type < evt::kFirstNonTiming) {
            if (next != evt::kSameMeasure) {
                sum = static_cast<std::uint16_t>(sum + e.step);
                if (next != evt::kLoopEnd && e.step != 0) ++s;
            }
        } else if (e.type == evt::kLoopEnd && next < evt::kSameMeasure && next != evt::kLoopEnd) {
            ++s;
        }
    }
}

void TMidiEventList::ResolveSameMeasures() {
    constexpr int kMaxLookups = 10;
    const int n = Count();
    auto firstOfMeasure = [&](int measure) {
        for (int j = 0; j < n; ++j)
            if (events_[static_cast<std::size_t>(j)].measure == measure) return j;
        return -1;
    };
    for (int i = 0; i < n; ++i) {
        TMidiEvent& e = events_[static_cast<std::size_t>(i)];
        if (e.type != evt::kSameMeasure) continue;
        if (e.gate == e.measure) {
            e.velocity = static_cast<std::uint16_t>(i);
            continue;
        }
        int target = e.gate;
        for (int lookup = 0; lookup < kMaxLookups; ++lookup) {
            const int j = firstOfMeasure(target);
            if (j < 0) break;
            const TMidiEvent& found = events_[static_cast<std::size_t>(j)];
            if (found.type != evt::kSameMeasure) {
                e.velocity = static_cast<std::uint16_t>(j);
                break;
            }
            target = found.gate;
        }
    }
}

const TMidiEvent* TMidiEventList::ReadFlat() {
    if (cursor_ < 0 || cursor_ >= Count()) return nullptr;
    const TMidiEvent* e = &events_[static_cast<std::size_t>(cursor_++)];
    if (!inSameMeasure_) {
        if (e->type != evt::kSameMeasure) return e;
        stack_.Push(cursor_);
        inSameMeasure_ = true;
        cursor_ = std::clamp<int>(e->velocity, 0, Count() - 1);
        e = &events_[static_cast<std::size_t>(cursor_++)];
    }
    if (e->type >= evt::kSameMeasure) {
        cursor_ = stack_.Pop();
        inSameMeasure_ = false;
    }
    return e;
}

void TMidiEventList::CopyFlat(TMidiEventList& source) {
    Clear();
    source.ResetReading();
    while (const TMidiEvent* e = source.ReadFlat()) {
        if (Count() == kMaxFlatEvents - 1) {
            Add(MakeEndOfTrackEvent());
            break;
        }
        Add(*e);
    }
}

const TMidiEvent* TMidiEventList::FetchPlaying(int& index) {
    for (int skipped = 0; skipped < kMaxSkippedPerFetch; ++skipped) {
        if (cursor_ < 0 || cursor_ >= Count() - 1) break;
        const int i = cursor_++;
        const TMidiEvent& e = events_[static_cast<std::size_t>(i)];
        switch (e.type) {
            case evt::kLoopStart:
                loopCounter_ = 0;
                stack_.Push(cursor_);
                stack_.Push(loopCounter_);
                break;
            case evt::kLoopEnd: {
                loopCounter_ = stack_.Pop();
                const std::int32_t start = stack_.Pop();
                ++loopCounter_;
                if (loopCounter_ != e.step) {
                    cursor_ = start;
                    stack_.Push(cursor_);
                    stack_.Push(loopCounter_);
                }
                break;
            }
            case evt::kComment:
            case evt::kSameMeasure:
            case evt::kMeasureEnd:
                break;
            default:
                index = i;
                return &e;
        }
    }
    index = -1;
    return nullptr;
}

int TMidiEventList::FindMeasure(int measure, int stepNo) const {
    int lastOfMeasure = -1;
    for (int i = 0; i < Count(); ++i) {
        const TMidiEvent& e = events_[static_cast<std::size_t>(i)];
        if (e.measure != measure) continue;
        if (e.stepNo == stepNo) return i;
        lastOfMeasure = i;
    }
    return lastOfMeasure >= 0 ? lastOfMeasure : Count() - 1;
}

void TMidiEventList::ResetReading() {
    cursor_ = 0;
    loopCounter_ = 0;
    inSameMeasure_ = false;
    stack_.Clear();
}

std::vector<int> TMidiEventList::KeySignatureIndices() const {
    std::vector<int> out;
    for (int i = 0; i < Count(); ++i)
        if (events_[static_cast<std::size_t>(i)].type == evt::kMusicKey) out.push_back(i);
    return out;
}

}  // namespace sorvel
