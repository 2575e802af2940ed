// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds small RCP sequence files in memory for the reader's tests.
#include <cstdint>
#include <string>
#include <vector>

namespace sorvel::test {

struct RcpRecord {
    std::uint8_t type, step, gate, velocity;
};

class RcpBuilder {
public:
    RcpBuilder();
    // Header fields at their file offsets.
    RcpBuilder& Title(const std::string& title);
    RcpBuilder& Byte(std::size_t offset, std::uint8_t value);
    // Track j (1-18): settings and records; the end record is added by Bytes().
    RcpBuilder& TrackSettings(int j, std::uint8_t rhythm, std::uint8_t channel,
                              std::uint8_t keyShift, std::uint8_t stepShift, std::uint8_t mode);
    RcpBuilder& Records(int j, const std::vector<RcpRecord>& records);
    std::vector<std::uint8_t> Bytes() const;

private:
    struct Track {
        std::vector<std::uint8_t> settings = {0, 0, 0, 0, 0};
        std::vector<RcpRecord> records;
    };
    std::vector<std::uint8_t> header_;
    std::vector<Track> tracks_;
};

}  // namespace sorvel::test
