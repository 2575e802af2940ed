// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/playtrackdata.h"

#include <algorithm>
#include <utility>

#include "playback/midioutput.h"
#include "playback/midistatus.h"
#include "playback/playdata.h"
#include "playback/rcpdata.h"

namespace sorvel {

namespace {

using namespace midi;

// Sound mode from the mode byte: 2 or 1 = notes sound, 0 = silent.
int SoundMode(std::uint8_t mode) {
    const int bits = mode & 0x19;
    if (bits == 0) return 2;
    return bits == 0x10 ? 1 : 0;
}

}  // namespace

void TPlayTrackData::Load(TTrackData& track) {
    events.CopyFlat(track.events);
    number = track.number;
    rhythm = track.rhythm;
    channel = track.channel;
    keyShift = track.keyShift;
    stepShift = track.stepShift;
    mode = track.mode.load();
    events.NumberMeasures();
}

void TPlayTrackData::Rewind() {
    finished = false;
    eventsFlag = false;
    soundingCount = 0;
    slots.fill(NoteSlot{});
    events.ResetReading();
}

void TPlayTrackData::ClearPending() {
    pending = Pending{};
}

void TPlayTrackData::SendPendingControllers() {
    if (pending.bendLow >= 0 || pending.bendHigh >= 0)
        Send(kPitchBend, std::max(pending.bendLow, 0), std::max(pending.bendHigh, 0));
    const std::pair<int, int> controls[] = {
        {1, pending.modulation}, {7, pending.volume}, {10, pending.pan}, {11, pending.expression}};
    for (const auto& [controller, value] : controls)
        if (value >= 0) Send(kControlChange, controller, value);
    if (pending.program >= 0) Send(kProgramChange, pending.program, 0);
}

void TPlayTrackData::AllSoundOff() {
    Send(kControlChange, kAllSoundOff, 0);
}

PlayPosition TPlayTrackData::Position() const {
    PlayPosition p;
    p.measure = positionMeasure;
    p.stepNo = positionStepNo;
    p.index = positionIndex;
    p.sourceItem = events.Get(positionIndex).sourceItem;
    if (positionIndex > 0) p.previousItem = events.Get(positionIndex - 1).sourceItem;
    return p;
}

void TPlayTrackData::Send(int status, int data1, int data2) {
    // Channel 255 (and anything else above 15) is a track without output.
    if (channel <= 15) owner_.Output().SendShortMessage(channel, status, data1, data2);
}

void TPlayTrackData::GateTick() {
    for (NoteSlot& slot : slots) {
        if (slot.ticksLeft > 0 && --slot.ticksLeft == 0) {
            Send(kNoteOn, slot.note, 0);
            --soundingCount;
        }
    }
}

void TPlayTrackData::TrackTick(std::uint32_t lastMeasure) {
    if (events.Count() == 0) {
        finished = false;
        return;
    }
    GateTick();
    if (--stepCountdown != 0) {
        eventsFlag = false;
        return;
    }
    int index = 0;
    const TMidiEvent* e = events.FetchPlaying(index);
    if (!e || e->measure > lastMeasure) {
        finished = true;
        return;
    }
    RecordPosition(*e, index);
    HandleEvents(e, index, false);
}

void TPlayTrackData::TrackSkipTick() {
    if (--stepCountdown >= 1) {
        eventsFlag = false;
        return;
    }
    int index = 0;
    const TMidiEvent* e = events.FetchPlaying(index);
    if (!e) {
        finished = true;
        return;
    }
    HandleEvents(e, index, true);
}

void TPlayTrackData::HandleEvents(const TMidiEvent* e, int index, bool skipping) {
    for (int handled = 1;; ++handled) {
        if (skipping) RecordPosition(*e, index);
        soundMode = SoundMode(mode.load(std::memory_order_relaxed));
        const int step = e->type >= evt::kFirstNonTiming ? 0 : e->step;
        HandleEvent(*e, skipping);
        eventsFlag = true;
        if (finished) return;
        if (step != 0) {
            stepCountdown = step;
            return;
        }
        if (handled == kMaxEventsPerTick) {
            // The rest follows on the next tick, whose decrement reaches 0.
            stepCountdown = 1;
            return;
        }
        e = events.FetchPlaying(index);
        if (!e) {
            finished = true;
            return;
        }
    }
}

void TPlayTrackData::HandleEvent(const TMidiEvent& e, bool skipping) {
    if (e.IsNote()) {
        if (!skipping) NoteOn(e);
        return;
    }
    if (e.type >= evt::kUserExc0 && e.type <= evt::kUserExc7) {
        SendUserExclusive(e.type - evt::kUserExc0, e);
        return;
    }
    auto& rb = rolandBuffer;
    switch (e.type) {
        case evt::kRolBase:
            rb[5] = static_cast<std::uint8_t>(e.gate);
            rb[6] = static_cast<std::uint8_t>(e.velocity);
            break;
        case evt::kRolPara:
            rb[7] = static_cast<std::uint8_t>(e.gate);
            rb[8] = static_cast<std::uint8_t>(e.velocity);
            rb[9] = static_cast<std::uint8_t>(-(rb[5] + rb[6] + rb[7] + rb[8]) & 0x7F);
            owner_.Output().SendLongMessage(rb.data(), rb.size());
            break;
        case evt::kRolDev:
            rb[2] = static_cast<std::uint8_t>(e.gate);
            rb[3] = static_cast<std::uint8_t>(e.velocity);
            break;
        case evt::kBankPrg:
            Send(kControlChange, 0, e.velocity);
            Send(kControlChange, 32, 0);
            Send(kProgramChange, e.gate, 0);
            break;
        case evt::kMidiChannel:
            ChangeChannel(e.gate);
            break;
        case evt::kTempo:
            if (tempoHandler) tempoHandler(e.gate);
            break;
        case evt::kAfterC:
            Send(kChannelPressure, e.gate, 0);
            break;
        case evt::kControl:
            StoreOrSendControl(e.gate, e.velocity, skipping);
            break;
        case evt::kProgram:
            if (skipping)
                pending.program = e.gate;
            else
                Send(kProgramChange, e.gate, 0);
            break;
        case evt::kAfterK:
            Send(kKeyPressure, e.gate, e.velocity);
            break;
        case evt::kPitch:
            if (skipping) {
                pending.bendLow = e.gate;
                pending.bendHigh = e.velocity;
            } else {
                Send(kPitchBend, e.gate, e.velocity);
            }
            break;
        case evt::kEndOfTrack:
            finished = true;
            break;
        default:  // track exclusive, key scan, key signature, unknown: nothing
            break;
    }
}

void TPlayTrackData::NoteOn(const TMidiEvent& e) {
    if (soundMode == 0 || e.gate == 0 || e.velocity == 0) return;
    int note = e.type;
    if ((keyShift & kNotTransposed) == 0)
        note = (note + owner_.transposition.load(std::memory_order_relaxed) + keyShift) & 0x7F;
    // A slot already holding the note is lengthened, not struck again (ties).
    NoteSlot* target = nullptr;
    for (NoteSlot& slot : slots) {
        if (slot.note == note) {
            target = &slot;
            break;
        }
    }
    if (!target) {
        for (NoteSlot& slot : slots) {
            if (slot.ticksLeft == 0) {
                target = &slot;
                target->note = static_cast<std::uint8_t>(note);
                break;
            }
        }
    }
    if (!target) return;  // 16 notes sounding: dropped
    if (target->ticksLeft == 0) {
        Send(kNoteOn, note, e.velocity);
        ++soundingCount;
    }
    target->ticksLeft = e.gate;
}

void TPlayTrackData::NoteOffAll() {
    for (NoteSlot& slot : slots) {
        if (slot.ticksLeft > 0) Send(kNoteOn, slot.note, 0);
        slot.ticksLeft = 0;
    }
    soundingCount = 0;
}

void TPlayTrackData::ChangeChannel(int gate) {
    NoteOffAll();
    if (gate == 0) {
        mode.fetch_or(track_mode::kChannelOff);
    } else {
        channel = static_cast<std::uint8_t>((gate - 1) & 15);
        mode.fetch_and(static_cast<std::uint8_t>(~track_mode::kChannelOff));
    }
}

void TPlayTrackData::StoreOrSendControl(int controller, int value, bool skipping) {
    if (skipping) {
        switch (controller) {
            case 1:
                pending.modulation = value;
                return;
            case 7:
                pending.volume = value;
                return;
            case 10:
                pending.pan = value;
                return;
            case 11:
                pending.expression = value;
                return;
            default:
                break;
        }
    }
    Send(kControlChange, controller, value);
}

void TPlayTrackData::SendUserExclusive(int k, const TMidiEvent& e) {
    const UserExclusive& ux = owner_.Rcp().userExclusives[static_cast<std::size_t>(k)];
    std::array<std::uint8_t, 30> message{};
    std::size_t n = 0;
    message[n++] = 0xF0;
    int sum = 0;
    bool summing = false;
    for (const std::uint8_t b : ux.data) {
        std::uint8_t out = b;
        switch (b) {
            case 0x80:
                out = static_cast<std::uint8_t>(e.gate);
                break;
            case 0x81:
                out = static_cast<std::uint8_t>(e.velocity);
                break;
            case 0x82:
                out = channel;
                break;
            case 0x83:
                sum = 0;
                summing = true;
                continue;
            case 0x84:
                out = static_cast<std::uint8_t>(-sum & 0x7F);
                summing = false;
                break;
            case 0xF0:
                continue;
            case 0xF7:
                message[n++] = 0xF7;
                owner_.Output().SendLongMessage(message.data(), n);
                return;
            default:
                break;
        }
        message[n++] = out;
        if (summing) sum += out;
    }
    message[n++] = 0xF7;
    owner_.Output().SendLongMessage(message.data(), n);
}

void TPlayTrackData::RecordPosition(const TMidiEvent& e, int index) {
    positionMeasure = e.measure;
    positionStepNo = e.stepNo;
    positionIndex = index;
}

}  // namespace sorvel
