// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An output port of the ALSA sequencer (a hardware MIDI port or a software
// synthesizer's), reached through RtMidi.
#include <memory>
#include <string>
#include <vector>

#include "playback/midiout.h"

class RtMidiOut;

namespace sorvel {

class AlsaMidiOut final : public MidiOut {
public:
    // The port names in ALSA's order; none where ALSA is unusable (no sound card).
    static std::vector<std::string> ListPorts();
    // Connects to port `port` of that list; nullptr on failure.
    static std::unique_ptr<AlsaMidiOut> Open(unsigned port);
    ~AlsaMidiOut() override;

    void ShortMessage(std::uint32_t message) override;
    void LongMessage(std::span<const std::uint8_t> bytes) override;
    void Reset() override;

private:
    AlsaMidiOut() = default;
    std::unique_ptr<RtMidiOut> out_;
};

}  // namespace sorvel
