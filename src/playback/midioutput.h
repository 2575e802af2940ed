// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one MIDI output: the list of devices, the device that is open,
// and the short and system-exclusive messages sent to it from the GUI thread,
// the timer thread and the monitor's timer.
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "playback/midiout.h"

namespace sorvel {

struct MidiOutEntry {
    std::string name;
    std::function<std::unique_ptr<MidiOut>()> open;  // nullptr when it cannot be opened
};
using MidiOutEnumerator = std::function<std::vector<MidiOutEntry>()>;

struct SynthOptions {
    std::string soundFont;  // empty: DefaultSoundFont()
};

// Device 0 is the built-in synthesizer, then every ALSA sequencer output port.
std::vector<MidiOutEntry> SystemMidiOutputs(const SynthOptions& options = {});

class MidiOutput {
public:
    explicit MidiOutput(MidiOutEnumerator enumerator = [] { return SystemMidiOutputs(); });
    ~MidiOutput();

    // The device names in device-number order.
    std::vector<std::string> ListMidiOutputs() const;
    // Opens device `device` (closing the open one) and resets it.
    bool OpenMidiOutput(int device);
    // Makes `device` the open device (the capture device, the offline renderer).
    void OpenDevice(std::unique_ptr<MidiOut> device);
    void CloseMidiOutput();
    bool IsOpen() const;

    // The device choice at start-up and after the settings changed: the stored
    // device, else device 0. Returns the device now open, or -1 for none (play
    // is then unavailable). A result that differs from `device` is to be stored.
    int ChooseMidiOutput(int device);

    // (status + channel), data 1, data 2, each taken as 8 bits. Nothing happens
    // while no device is open.
    void SendShortMessage(int channel, int status, int data1, int data2);
    void SendLongMessage(const std::uint8_t* bytes, std::size_t length);
    // The open device's Wake (false without a device) and HoldAwake.
    bool WakeDevice();
    void HoldDeviceAwake(bool on);
    // The open device's SoundDelayMicros; 0 without a device.
    std::int64_t SoundDelayMicros() const;

private:
    // Opens entry `device` of `entries` (the open device must be closed) and
    // resets it.
    bool OpenListed(const std::vector<MidiOutEntry>& entries, int device);

    MidiOutEnumerator enumerator_;
    // Guards the device against a switch while the timer thread sends, and keeps
    // messages from two threads whole on devices that are not thread-safe.
    mutable std::mutex mutex_;
    std::unique_ptr<MidiOut> device_;
};

}  // namespace sorvel
