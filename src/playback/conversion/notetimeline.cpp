// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/notetimeline.h"

#include <algorithm>

#include "base/arith.h"
#include "playback/conversion/sequencewriter.h"
#include "playback/midievent.h"

namespace sorvel {

int BendValue(int cents) {
    const double units = cents * 8192.0 / (kBendRangeSemitones * 100.0);
    return std::clamp(kBendCenter + RoundHalfEven(units), 0, 16383);
}

int NoteTimeline::Clamp(int at) const {
    return std::clamp(at, 0, std::max(length_ - 1, 0));
}

void NoteTimeline::Note(int at, int pitch, int gate, int velocity) {
    if (pitch <= 0 || pitch > 127) {
        Rest(at);
        return;
    }
    actions_.push_back({Clamp(at), pitch, std::max(gate, 1), std::clamp(velocity, 1, 127)});
}

void NoteTimeline::Rest(int at) {
    actions_.push_back({Clamp(at), 0, 0, 0});
}

void NoteTimeline::Bend(int at, int cents) {
    const int value = BendValue(cents);
    actions_.push_back({Clamp(at), evt::kPitch, value & 0x7F, value >> 7});
}

void NoteTimeline::Control(int at, int controller, int value) {
    actions_.push_back({Clamp(at), evt::kControl, controller, std::clamp(value, 0, 127)});
}

void NoteTimeline::Tempo(int at, int tempo) {
    actions_.push_back({Clamp(at), evt::kTempo, std::clamp(tempo, 0, 255), 0});
}

void NoteTimeline::ClearFrom(int at) {
    std::erase_if(actions_, [at](const Action& a) {
        return a.at >= at && (a.type < 128 || a.type == evt::kPitch);
    });
    for (Action& a : actions_) {
        if (a.type < 128 && a.gate > 0 && a.at + a.gate > at) a.gate = std::max(at - a.at, 1);
    }
}

void NoteTimeline::ClearBendsFrom(int at) {
    std::erase_if(actions_, [at](const Action& a) { return a.at >= at && a.type == evt::kPitch; });
}

bool NoteTimeline::EndsBent() const {
    const Action* last = nullptr;
    for (const Action& a : actions_) {
        if (a.type == evt::kPitch && (!last || a.at >= last->at)) last = &a;
    }
    return last && (last->velocity << 7 | last->gate) != kBendCenter;
}

void NoteTimeline::HoldLastNote() {
    for (auto it = actions_.rbegin(); it != actions_.rend(); ++it) {
        if (it->type > 0 && it->type < 128) {
            it->gate = std::max(it->gate, length_ - it->at);
            return;
        }
    }
}

void NoteTimeline::Write(SequenceWriter& writer) {
    // Mostly in order already: an insertion sort, stable and without a buffer.
    for (std::size_t i = 1; i < actions_.size(); ++i) {
        const Action a = actions_[i];
        std::size_t j = i;
        for (; j > 0 && actions_[j - 1].at > a.at; --j) actions_[j] = actions_[j - 1];
        actions_[j] = a;
    }
    if (actions_.empty() || actions_.front().at > 0)
        actions_.insert(actions_.begin(), {0, 0, 0, 0});
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        const Action& a = actions_[i];
        const int next = i + 1 < actions_.size() ? actions_[i + 1].at : std::max(length_, a.at);
        writer.Add(conv_track::kMelody, a.type, next - a.at, a.gate, a.velocity, source_);
    }
}

}  // namespace sorvel
