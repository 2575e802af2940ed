// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One MIDI output device: the built-in synthesizer, an ALSA sequencer port, the
// offline renderer or the capture device of the tests. Messages arrive whole.
#include <array>
#include <cstdint>
#include <span>

#include "playback/midistatus.h"

namespace sorvel {

class MidiOut {
public:
    virtual ~MidiOut() = default;
    // A packed short message: status in the low byte, data 1 and data 2 above
    // (PackShortMessage).
    virtual void ShortMessage(std::uint32_t message) = 0;
    // A complete system-exclusive message, F0 to F7.
    virtual void LongMessage(std::span<const std::uint8_t> bytes) = 0;
    // Silences every channel: all notes off and sustain released.
    virtual void Reset() = 0;
    // Before sounding on purpose (a play, a monitor note): a device whose
    // audio stream closed or was lost opens it again. False when it cannot
    // sound. Devices without a stream of their own can always sound.
    virtual bool Wake() { return true; }
    // While held, the device keeps its audio stream open through silence.
    virtual void HoldAwake(bool) {}
    // How long after now a message sent now is heard: the synthesizer's audio
    // queued ahead of the loudspeaker. 0 for devices that sound at once (or
    // whose delay is not known). Any thread.
    virtual std::int64_t SoundDelayMicros() const { return 0; }
};

// The packed form MidiOut::ShortMessage takes; each value is taken as 8 bits.
constexpr std::uint32_t PackShortMessage(int status, int data1, int data2) {
    return static_cast<std::uint32_t>(status & 0xFF) |
           static_cast<std::uint32_t>(data1 & 0xFF) << 8 |
           static_cast<std::uint32_t>(data2 & 0xFF) << 16;
}

// Status, data 1 and data 2 of a packed short message, as they go on the wire.
constexpr std::array<std::uint8_t, 3> UnpackShortMessage(std::uint32_t message) {
    return {static_cast<std::uint8_t>(message), static_cast<std::uint8_t>(message >> 8),
            static_cast<std::uint8_t>(message >> 16)};
}

// Bytes of a short message with this status byte: program change and channel
// pressure carry one data byte, the other channel messages two.
constexpr int ShortMessageLength(std::uint8_t status) {
    const int kind = status & 0xF0;
    if (kind == midi::kProgramChange || kind == midi::kChannelPressure) return 2;
    return status >= 0x80 ? 3 : 1;
}

}  // namespace sorvel
