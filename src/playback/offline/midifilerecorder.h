// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records an offline play as a Standard MIDI File, format 1 with 48 ticks per
// quarter: one file tick per sequencer tick, the tick period as the tempo
// (period × 48 µs a quarter). Track 0 holds the name, the time signature and
// the tempo changes; then the melody channel's messages; then, when asked
// for, the rhythm channel's messages (metronome). Messages on other channels
// (the resets at the start) are left out, since nothing plays there.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "playback/midievent.h"
#include "playback/offline/offlinesink.h"

namespace sorvel {

struct MidiFileOptions {
    int melodyChannel = 0;
    int rhythmChannel = 9;
    bool rhythmTrack = false;  // a track for the rhythm channel
    std::string title;         // UTF-8; no name event when empty
    // Beats and unit of the time signature event; none when the piece has no
    // single signature.
    std::optional<std::pair<int, int>> timeSignature;
};

class MidiFileRecorder final : public OfflineSink {
public:
    static constexpr int kTicksPerQuarter = kTimeBase;

    explicit MidiFileRecorder(MidiFileOptions options) : options_(std::move(options)) {}

    void ShortMessage(std::uint32_t message) override;
    void LongMessage(std::span<const std::uint8_t> bytes) override;
    // Silencing a device has no place in a file that starts from silence.
    void Reset() override {}
    void OnStep(const OfflineStep& step) override;

    // The file as recorded so far.
    std::string FileBytes() const;

private:
    struct Event {
        std::uint32_t tick = 0;
        std::vector<std::uint8_t> bytes;  // a channel message or F0 ... F7
    };
    struct TempoChange {
        std::uint32_t tick = 0;
        std::uint32_t periodMicros = 0;
    };

    std::string ConductorTrack() const;
    std::string ChannelTrack(int channel, bool withExclusives, const char* name) const;

    MidiFileOptions options_;
    std::vector<Event> events_;
    std::size_t unstamped_ = 0;  // index of the first event still waiting for its tick
    std::vector<TempoChange> tempo_;
    std::uint32_t lastTick_ = 0;
};

}  // namespace sorvel
