// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One track of a sequence: its output settings and its events.
#include <atomic>
#include <cstdint>
#include <string>

#include "playback/midieventlist.h"

namespace sorvel {

// Bits of a track's mode byte.
namespace track_mode {
constexpr std::uint8_t kMuted = 0x01;
constexpr std::uint8_t kChannelOff = 0x08;
}  // namespace track_mode

// Channel value of a track that sends nothing.
constexpr std::uint8_t kNoChannel = 255;
// A key shift with bit 7 set leaves the track untransposed.
constexpr std::uint8_t kNotTransposed = 0x80;

struct TTrackData {
    std::uint32_t size = 48;  // bytes in a file; 48 for tracks made in memory
    std::uint8_t number = 0;  // 1-18
    bool rhythm = false;
    std::uint8_t channel = 0;  // 0-15; kNoChannel = no output
    std::uint8_t keyShift = 0;
    std::uint8_t stepShift = 0;
    // The mute check boxes change the mode while a repetition reads it on the
    // timer thread, hence atomic.
    std::atomic<std::uint8_t> mode{0};
    std::string comment;  // up to 36 characters
    TMidiEventList events;
};

}  // namespace sorvel
