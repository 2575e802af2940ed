#pragma once
// A device for a MidiOutput that forwards to a capture device owned by the test,
// so that the recording outlives the output's device.
#include "playback/capturemidiout.h"

namespace sorvel::test {

class ForwardMidiOut final : public MidiOut {
  public:
    explicit ForwardMidiOut(MidiOut& to) : to_(to) {}
    void ShortMessage(std::uint32_t m) override { to_.ShortMessage(m); }
    void LongMessage(std::span<const std::uint8_t> b) override { to_.LongMessage(b); }
    void Reset() override { to_.Reset(); }

  private:
    MidiOut& to_;
};

}  // namespace sorvel::test
