// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/playwalk.h"

#include <algorithm>

#include "model/horizbar.h"
#include "model/markmeanings.h"
#include "model/note.h"

namespace sorvel {
namespace {

bool IsRepeatBar(const TMusicItem* item) {
    if (!item || item->Class() != ItemClass::BarLine) return false;
    const char code = CodeOf(item);
    return code == 'f' || code == 'g' || code == 'h';
}

// The bars a multi-bar rest stands for: its number, within what a piece can
// sensibly hold (a damaged number plays no time rather than hours).
int MultiBarRestBars(const THorizBar& rest) {
    constexpr int kMaxBars = 1000;
    int bars = 0;
    for (const char c : rest.BarNum()) {
        if (c < '0' || c > '9') return 0;
        bars = std::min(bars * 10 + (c - '0'), kMaxBars + 1);
    }
    return bars > kMaxBars ? 0 : bars;
}

}  // namespace

WalkOutcome PlayWalk::Run(PlayRange range, bool nonRepeat) {
    jumped_ = false;
    voltaPass_ = 0;
    repeated_ = false;
    outcome_ = {};
    backwardMoves_.clear();
    int index = range.start;
    while (index >= 0 && index <= range.end && index < Size()) {
        TMusicItem* item = items_[index];
        if (!item) {
            ++index;
        } else if (nonRepeat) {
            TakeOnce(*item);
            ++index;
        } else if (TNote* note = item->As<TNote>()) {
            index = StepNote(index, *note);
        } else if (item->Class() == ItemClass::BarLine) {
            index = StepBarLine(index);
        } else {
            TakeOnce(*item);
            ++index;
        }
    }
    return outcome_;
}

void PlayWalk::TakeOnce(TMusicItem& item) {
    if (TNote* note = item.As<TNote>()) {
        emitter_.Emit(*note);
    } else if (item.Class() == ItemClass::BarLine) {
        emitter_.BarLine();
    } else if (item.Class() == ItemClass::Beat) {
        emitter_.SetSignature(TimeSignatureOf(&item));
    } else if (const THorizBar* rest = item.As<THorizBar>()) {
        emitter_.MultiBarRest(MultiBarRestBars(*rest));
    }
}

int PlayWalk::StepNote(int index, TNote& note) {
    const char sign = JumpSignOf(&note);
    if (sign == '\0' || sign == markcode::kSegno) return StepVolta(index, note);
    emitter_.Emit(note);
    return StepJumpSign(index, sign);
}

int PlayWalk::StepJumpSign(int index, char sign) {
    switch (sign) {
        case markcode::kDalSegno: {  // D.S.: back to the segno, once
            if (jumped_) return index + 1;
            jumped_ = true;
            voltaPass_ = 0;
            int segno = 0;
            for (int i = 0; i < Size(); ++i) {
                if (NoteAt(items_, i) && JumpSignOf(items_[i]) == markcode::kSegno) {
                    segno = i;
                    break;
                }
            }
            return GoTo(index, segno);
        }
        case markcode::kDaCapo:  // D.C.: back to the beginning, once
            if (jumped_) return index + 1;
            jumped_ = true;
            voltaPass_ = 0;
            return GoTo(index, 0);
        case markcode::kCoda: {  // coda: after a jump, on to the last coda sign
            if (!jumped_) return index + 1;
            jumped_ = false;
            voltaPass_ = 0;
            int coda = index;
            for (int i = Size() - 1; i >= 0; --i) {
                if (NoteAt(items_, i) && JumpSignOf(items_[i]) == markcode::kCoda) {
                    coda = i;
                    break;
                }
            }
            if (coda == index) {
                outcome_.error = WalkError::kNoCodaTarget;
                return kStop;
            }
            return GoTo(index, coda);
        }
        default:  // fine: the end after a jump
            return jumped_ ? kStop : index + 1;
    }
}

// A note under a volta bracket already played is skipped, with what follows
// it, up to the next bracket of a higher number.
int PlayWalk::StepVolta(int index, TNote& note) {
    const int volta = VoltaNumberOf(&note);
    if (volta == 0 || volta > voltaPass_) {
        emitter_.Emit(note);
        return index + 1;
    }
    for (int i = index; i < Size(); ++i) {
        if (VoltaNumberOf(items_[i]) > volta) return i;
    }
    return Size() - 1;
}

int PlayWalk::StepBarLine(int index) {
    emitter_.BarLine();
    const char code = CodeOf(items_[index]);
    if (code == 'f') voltaPass_ = 0;
    if (code == 'g' || code == 'h') return StepEndRepeat(index);
    return index + 1;
}

int PlayWalk::StepEndRepeat(int index) {
    const int volta = index + 1 < Size() ? VoltaNumberOf(items_[index + 1]) : 0;
    if (volta == 0) {
        if (repeated_) {
            repeated_ = false;
            return index + 1;
        }
        repeated_ = true;
        return GoTo(index, AfterRepeatBarBefore(index));
    }
    voltaPass_ = volta - 1;
    for (int i = index - 1; i >= 0; --i) {
        if (NoteAt(items_, i) && VoltaNumberOf(items_[i]) == 1) {
            return GoTo(index, AfterRepeatBarBefore(i));
        }
    }
    outcome_.error = WalkError::kNoFirstVolta;
    return kStop;
}

int PlayWalk::AfterRepeatBarBefore(int index) const {
    for (int i = index - 1; i >= 0; --i) {
        if (IsRepeatBar(items_[i])) return i + 1;
    }
    return 0;
}

int PlayWalk::GoTo(int from, int target) {
    if (target <= from && !backwardMoves_.emplace(target, jumped_, voltaPass_, repeated_).second) {
        outcome_.endlessLoopStopped = true;
        return kStop;
    }
    return target;
}

}  // namespace sorvel
