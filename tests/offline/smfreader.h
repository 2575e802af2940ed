// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a Standard MIDI File back for the tests: the header and every event of
// every track with its absolute tick. Strict: running status, a chunk that
// runs past the end or a track without its end event is a failure.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sorvel::testing {

struct SmfEvent {
    std::uint32_t tick = 0;
    std::vector<std::uint8_t> bytes;  // channel message, F0 + data, or FF, type, data (no length)
    bool IsMeta(std::uint8_t type) const {
        return bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == type;
    }
    bool IsNoteOn() const { return bytes.size() == 3 && (bytes[0] & 0xF0) == 0x90 && bytes[2] > 0; }
    bool IsNoteOff() const {
        return bytes.size() == 3 && (bytes[0] & 0xF0) == 0x90 && bytes[2] == 0;
    }
};

struct SmfFile {
    int format = -1;
    int division = 0;
    std::vector<std::vector<SmfEvent>> tracks;
};

// The file, or none with `error` saying what is wrong.
std::optional<SmfFile> ReadSmf(const std::string& bytes, std::string& error);

// Microseconds from the start to `tick` by the tempo events of `conductor`
// (120 beats per minute before the first one).
std::int64_t SmfMicros(const std::vector<SmfEvent>& conductor, int division, std::uint32_t tick);

}  // namespace sorvel::testing
