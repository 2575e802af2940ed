// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/midioutput.h"

#include "playback/alsamidiout.h"
#include "playback/fluidsynthout.h"

#include <utility>

namespace sorvel {

namespace {

constexpr const char* kSynthName = "FluidSynth (General MIDI)";

}  // namespace

std::vector<MidiOutEntry> SystemMidiOutputs(const SynthOptions& options) {
    std::vector<MidiOutEntry> entries;
    const std::string soundFont =
        options.soundFont.empty() ? DefaultSoundFont() : options.soundFont;
    entries.push_back({kSynthName, [soundFont]() -> std::unique_ptr<MidiOut> {
                           return FluidSynthOut::Open(soundFont);
                       }});
    const std::vector<std::string> ports = AlsaMidiOut::ListPorts();
    for (unsigned i = 0; i < ports.size(); ++i) {
        entries.push_back(
            {ports[i], [i]() -> std::unique_ptr<MidiOut> { return AlsaMidiOut::Open(i); }});
    }
    return entries;
}

MidiOutput::MidiOutput(MidiOutEnumerator enumerator) : enumerator_(std::move(enumerator)) {}

MidiOutput::~MidiOutput() = default;

std::vector<std::string> MidiOutput::ListMidiOutputs() const {
    std::vector<std::string> names;
    for (const MidiOutEntry& e : enumerator_()) names.push_back(e.name);
    return names;
}

bool MidiOutput::OpenMidiOutput(int device) {
    CloseMidiOutput();
    return OpenListed(enumerator_(), device);
}

bool MidiOutput::OpenListed(const std::vector<MidiOutEntry>& entries, int device) {
    if (device < 0 || device >= static_cast<int>(entries.size())) return false;
    const MidiOutEntry& entry = entries[static_cast<std::size_t>(device)];
    if (!entry.open) return false;
    std::unique_ptr<MidiOut> opened = entry.open();
    if (!opened) return false;
    opened->Reset();
    OpenDevice(std::move(opened));
    return true;
}

void MidiOutput::OpenDevice(std::unique_ptr<MidiOut> device) {
    std::unique_ptr<MidiOut> old;
    {
        const std::lock_guard lock(mutex_);
        old = std::exchange(device_, std::move(device));
    }
    // `old` is destroyed outside the lock: closing a synthesizer takes a while.
}

void MidiOutput::CloseMidiOutput() {
    OpenDevice(nullptr);
}

bool MidiOutput::IsOpen() const {
    const std::lock_guard lock(mutex_);
    return device_ != nullptr;
}

// Listing the devices probes the SoundFont and starts an ALSA client: both
// tries open from one list.
int MidiOutput::ChooseMidiOutput(int device) {
    CloseMidiOutput();
    const std::vector<MidiOutEntry> entries = enumerator_();
    if (OpenListed(entries, device)) return device;
    if (device != 0 && OpenListed(entries, 0)) return 0;
    return -1;
}

void MidiOutput::SendShortMessage(int channel, int status, int data1, int data2) {
    const std::uint32_t message = PackShortMessage(status + channel, data1, data2);
    const std::lock_guard lock(mutex_);
    if (device_) device_->ShortMessage(message);
}

void MidiOutput::SendLongMessage(const std::uint8_t* bytes, std::size_t length) {
    const std::lock_guard lock(mutex_);
    if (device_ && bytes && length > 0) device_->LongMessage({bytes, length});
}

bool MidiOutput::WakeDevice() {
    const std::lock_guard lock(mutex_);
    return device_ && device_->Wake();
}

void MidiOutput::HoldDeviceAwake(bool on) {
    const std::lock_guard lock(mutex_);
    if (device_) device_->HoldAwake(on);
}

std::int64_t MidiOutput::SoundDelayMicros() const {
    const std::lock_guard lock(mutex_);
    return device_ ? device_->SoundDelayMicros() : 0;
}

}  // namespace sorvel
