// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One track chunk ("MTrk") of a Standard MIDI File being written: events in
// order of their ticks, each with its delta time, every status byte written
// out (no running status), closed by the end-of-track event.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace sorvel {

namespace smf_meta {
constexpr std::uint8_t kTrackName = 0x03;
constexpr std::uint8_t kEndOfTrack = 0x2F;
constexpr std::uint8_t kSetTempo = 0x51;
constexpr std::uint8_t kTimeSignature = 0x58;
}  // namespace smf_meta

// Appends `value` as a variable-length quantity (7 bits a byte, high bit set on
// all but the last); values are limited to 28 bits, as in the file format.
void AppendVarLen(std::string& out, std::uint32_t value);

// The header chunk: format, number of tracks, ticks per quarter note.
std::string SmfHeaderChunk(int format, int trackCount, int ticksPerQuarter);

class SmfTrack {
public:
    // A channel message: status byte and its data bytes. An event before the
    // previous one is written at the previous one's tick.
    void Message(std::uint32_t tick, std::span<const std::uint8_t> bytes);
    // A system-exclusive message, F0 to F7 as sent.
    void SystemExclusive(std::uint32_t tick, std::span<const std::uint8_t> bytes);
    void Meta(std::uint32_t tick, std::uint8_t type, std::string_view data);
    void Tempo(std::uint32_t tick, std::uint32_t microsPerQuarter);

    // The chunk with its end-of-track event at `endTick` (or the last event's
    // tick, if later).
    std::string Finish(std::uint32_t endTick);

private:
    void Delta(std::uint32_t tick);

    std::string body_;
    std::uint32_t lastTick_ = 0;
};

}  // namespace sorvel
