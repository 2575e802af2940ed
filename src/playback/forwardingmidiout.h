// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A device that passes every message on to a MidiOut it does not own: a
// MidiOutput owns its device, so a recorder that must outlive the output (a
// capture device, an offline sink) is opened through one of these.
#include "playback/midiout.h"

namespace sorvel {

class ForwardingMidiOut final : public MidiOut {
public:
    explicit ForwardingMidiOut(MidiOut& to) : to_(to) {}
    void ShortMessage(std::uint32_t message) override { to_.ShortMessage(message); }
    void LongMessage(std::span<const std::uint8_t> bytes) override { to_.LongMessage(bytes); }
    void Reset() override { to_.Reset(); }
    bool Wake() override { return to_.Wake(); }
    void HoldAwake(bool on) override { to_.HoldAwake(on); }
    std::int64_t SoundDelayMicros() const override { return to_.SoundDelayMicros(); }

private:
    MidiOut& to_;
};

}  // namespace sorvel
