#pragma once
// One MIDI output device: the built-in synthesizer, an ALSA sequencer port, the
// offline renderer or the capture device of the tests. Messages arrive whole.
#include <cstdint>
#include <span>

namespace sorvel {

class MidiOut {
  public:
    virtual ~MidiOut() = default;
    // A packed short message: status in the low byte, data 1 and data 2 above.
    virtual void ShortMessage(std::uint32_t message) = 0;
    // A complete system-exclusive message, F0 to F7.
    virtual void LongMessage(std::span<const std::uint8_t> bytes) = 0;
    // Silences every channel: all notes off and sustain released.
    virtual void Reset() = 0;
};

// Bytes of a short message with this status byte: program change and channel
// pressure carry one data byte, the other channel messages two.
constexpr int ShortMessageLength(std::uint8_t status) {
    const int kind = status & 0xF0;
    if (kind == 0xC0 || kind == 0xD0) return 2;
    return status >= 0x80 ? 3 : 1;
}

}  // namespace sorvel
