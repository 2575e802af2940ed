// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/offline/smftrack.h"

#include <algorithm>

namespace sorvel {
namespace {

constexpr std::uint32_t kMaxVarLen = 0x0FFFFFFF;

void AppendBigEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

std::string Chunk(std::string_view id, const std::string& body) {
    std::string out(id);
    AppendBigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
    out += body;
    return out;
}

}  // namespace

void AppendVarLen(std::string& out, std::uint32_t value) {
    value = std::min(value, kMaxVarLen);
    char bytes[4];
    int n = 0;
    bytes[n++] = static_cast<char>(value & 0x7F);
    while ((value >>= 7) != 0) bytes[n++] = static_cast<char>(0x80 | (value & 0x7F));
    while (n > 0) out.push_back(bytes[--n]);
}

std::string SmfHeaderChunk(int format, int trackCount, int ticksPerQuarter) {
    std::string body;
    AppendBigEndian(body, static_cast<std::uint32_t>(format), 2);
    AppendBigEndian(body, static_cast<std::uint32_t>(trackCount), 2);
    AppendBigEndian(body, static_cast<std::uint32_t>(ticksPerQuarter), 2);
    return Chunk("MThd", body);
}

void SmfTrack::Delta(std::uint32_t tick) {
    tick = std::max(tick, lastTick_);
    AppendVarLen(body_, tick - lastTick_);
    lastTick_ = tick;
}

void SmfTrack::Message(std::uint32_t tick, std::span<const std::uint8_t> bytes) {
    Delta(tick);
    body_.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void SmfTrack::SystemExclusive(std::uint32_t tick, std::span<const std::uint8_t> bytes) {
    // Stored as F0, the length of the rest, then the rest including F7.
    if (bytes.empty() || bytes.front() != 0xF0) return;
    Delta(tick);
    body_.push_back(static_cast<char>(0xF0));
    AppendVarLen(body_, static_cast<std::uint32_t>(bytes.size() - 1));
    body_.append(reinterpret_cast<const char*>(bytes.data() + 1), bytes.size() - 1);
}

void SmfTrack::Meta(std::uint32_t tick, std::uint8_t type, std::string_view data) {
    Delta(tick);
    body_.push_back(static_cast<char>(0xFF));
    body_.push_back(static_cast<char>(type));
    AppendVarLen(body_, static_cast<std::uint32_t>(data.size()));
    body_.append(data);
}

void SmfTrack::Tempo(std::uint32_t tick, std::uint32_t microsPerQuarter) {
    std::string data;
    AppendBigEndian(data, std::min<std::uint32_t>(microsPerQuarter, 0xFFFFFF), 3);
    Meta(tick, smf_meta::kSetTempo, data);
}

std::string SmfTrack::Finish(std::uint32_t endTick) {
    Meta(endTick, smf_meta::kEndOfTrack, {});
    return Chunk("MTrk", body_);
}

}  // namespace sorvel
