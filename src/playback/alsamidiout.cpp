// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/alsamidiout.h"

#include <RtMidi.h>

namespace sorvel {

namespace {

constexpr const char* kClientName = "Sorvel";

}  // namespace

// RtMidi reports every failure by exception; without /dev/snd already its
// constructor throws.
std::vector<std::string> AlsaMidiOut::ListPorts() {
    std::vector<std::string> names;
    try {
        RtMidiOut probe(RtMidi::LINUX_ALSA, kClientName);
        const unsigned count = probe.getPortCount();
        for (unsigned i = 0; i < count; ++i) names.push_back(probe.getPortName(i));
    } catch (const std::exception&) {
        names.clear();
    }
    return names;
}

std::unique_ptr<AlsaMidiOut> AlsaMidiOut::Open(unsigned port) {
    try {
        std::unique_ptr<AlsaMidiOut> out(new AlsaMidiOut);
        out->out_ = std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, kClientName);
        if (port >= out->out_->getPortCount()) return nullptr;
        out->out_->openPort(port, "Sorvel output");
        return out;
    } catch (const std::exception&) {
        return nullptr;
    }
}

AlsaMidiOut::~AlsaMidiOut() = default;

void AlsaMidiOut::ShortMessage(std::uint32_t message) {
    const auto bytes = UnpackShortMessage(message);
    try {
        out_->sendMessage(bytes.data(), static_cast<std::size_t>(ShortMessageLength(bytes[0])));
    } catch (const std::exception&) {
        // A vanished port: nothing is heard, as with no device.
    }
}

void AlsaMidiOut::LongMessage(std::span<const std::uint8_t> bytes) {
    try {
        out_->sendMessage(bytes.data(), bytes.size());
    } catch (const std::exception&) {
    }
}

void AlsaMidiOut::Reset() {
    for (int channel = 0; channel < 16; ++channel) {
        ShortMessage(PackShortMessage(midi::kControlChange | channel, midi::kSustain, 0));
        ShortMessage(PackShortMessage(midi::kControlChange | channel, midi::kAllNotesOff, 0));
    }
}

}  // namespace sorvel
