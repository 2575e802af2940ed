// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A MIDI output that keeps every message with the time it arrived: the tests
// check the sequencer's output against it, the benchmark its timing. Never
// listed as a device for users.
#include <mutex>
#include <vector>

#include "playback/midiout.h"
#include "playback/timesource.h"

namespace sorvel {

class CaptureMidiOut final : public MidiOut {
public:
    enum class Kind { kShort, kLong, kReset };
    struct Message {
        std::int64_t timeMicros = 0;
        Kind kind = Kind::kShort;
        std::vector<std::uint8_t> bytes;
        std::uint32_t TimeMillis() const { return static_cast<std::uint32_t>(timeMicros / 1000); }
    };

    explicit CaptureMidiOut(const TimeSource& clock) : clock_(clock) {}

    // Room for this many messages and bytes, so that recording allocates nothing.
    void Reserve(std::size_t messages, std::size_t bytes);

    void ShortMessage(std::uint32_t message) override;
    void LongMessage(std::span<const std::uint8_t> bytes) override;
    void Reset() override;

    std::size_t Count() const;
    std::vector<Message> Messages() const;
    void Clear();

private:
    struct Record {
        std::int64_t timeMicros;
        Kind kind;
        std::uint32_t offset;
        std::uint32_t length;
    };
    void Append(Kind kind, const std::uint8_t* bytes, std::size_t length);

    const TimeSource& clock_;
    mutable std::mutex mutex_;
    std::vector<Record> records_;
    std::vector<std::uint8_t> data_;
};

}  // namespace sorvel
