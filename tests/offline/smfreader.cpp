// SPDX-License-Identifier: GPL-3.0-or-later
#include "smfreader.h"

namespace sorvel::testing {
namespace {

class Bytes {
public:
    Bytes(const std::string& s, std::size_t begin, std::size_t end)
        : s_(s), pos_(begin), end_(end) {}
    bool AtEnd() const { return pos_ >= end_; }
    bool Has(std::size_t n) const { return end_ - pos_ >= n; }
    std::uint8_t U8() { return static_cast<std::uint8_t>(s_[pos_++]); }
    std::uint32_t BigEndian(int n) {
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = (v << 8) | U8();
        return v;
    }
    bool VarLen(std::uint32_t& v) {
        v = 0;
        for (int i = 0; i < 4; ++i) {
            if (AtEnd()) return false;
            const std::uint8_t b = U8();
            v = (v << 7) | (b & 0x7F);
            if ((b & 0x80) == 0) return true;
        }
        return false;
    }
    std::size_t Pos() const { return pos_; }

private:
    const std::string& s_;
    std::size_t pos_, end_;
};

int ChannelMessageLength(std::uint8_t status) {
    const int kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 2 : 3;
}

bool ReadTrack(Bytes in, std::vector<SmfEvent>& events, std::string& error) {
    std::uint32_t tick = 0;
    while (!in.AtEnd()) {
        std::uint32_t delta = 0;
        if (!in.VarLen(delta) || in.AtEnd()) return error = "bad delta time", false;
        tick += delta;
        SmfEvent e;
        e.tick = tick;
        const std::uint8_t status = in.U8();
        e.bytes.push_back(status);
        std::uint32_t length = 0;
        if (status == 0xFF) {
            if (!in.Has(1)) return error = "truncated meta event", false;
            e.bytes.push_back(in.U8());
            if (!in.VarLen(length)) return error = "bad meta length", false;
        } else if (status == 0xF0) {
            if (!in.VarLen(length)) return error = "bad exclusive length", false;
        } else if (status >= 0x80 && status < 0xF0) {
            length = static_cast<std::uint32_t>(ChannelMessageLength(status) - 1);
        } else {
            return error = "running status or unknown status byte", false;
        }
        if (!in.Has(length)) return error = "event runs past its chunk", false;
        for (std::uint32_t i = 0; i < length; ++i) e.bytes.push_back(in.U8());
        const bool end = e.IsMeta(0x2F);
        events.push_back(std::move(e));
        if (end) return in.AtEnd() || (error = "data after the end of track", false);
    }
    return error = "track without end event", false;
}

}  // namespace

std::optional<SmfFile> ReadSmf(const std::string& bytes, std::string& error) {
    Bytes in(bytes, 0, bytes.size());
    SmfFile file;
    if (!in.Has(14) || bytes.compare(0, 4, "MThd") != 0) return error = "no header", std::nullopt;
    for (int i = 0; i < 4; ++i) in.U8();
    if (in.BigEndian(4) != 6) return error = "header length is not 6", std::nullopt;
    file.format = static_cast<int>(in.BigEndian(2));
    const std::uint32_t count = in.BigEndian(2);
    file.division = static_cast<int>(in.BigEndian(2));
    for (std::uint32_t t = 0; t < count; ++t) {
        if (!in.Has(8) || bytes.compare(in.Pos(), 4, "MTrk") != 0)
            return error = "missing track chunk", std::nullopt;
        for (int i = 0; i < 4; ++i) in.U8();
        const std::uint32_t length = in.BigEndian(4);
        if (!in.Has(length)) return error = "track chunk runs past the file", std::nullopt;
        file.tracks.emplace_back();
        if (!ReadTrack(Bytes(bytes, in.Pos(), in.Pos() + length), file.tracks.back(), error))
            return std::nullopt;
        for (std::uint32_t i = 0; i < length; ++i) in.U8();
    }
    if (!in.AtEnd()) return error = "bytes after the last track", std::nullopt;
    return file;
}

std::int64_t SmfMicros(const std::vector<SmfEvent>& conductor, int division, std::uint32_t tick) {
    std::int64_t micros = 0;
    std::uint32_t at = 0;
    std::int64_t perQuarter = 500000;
    for (const SmfEvent& e : conductor) {
        if (e.tick >= tick) break;
        if (!e.IsMeta(0x51) || e.bytes.size() != 5) continue;
        micros += static_cast<std::int64_t>(e.tick - at) * perQuarter / division;
        at = e.tick;
        perQuarter = (e.bytes[2] << 16) | (e.bytes[3] << 8) | e.bytes[4];
    }
    return micros + static_cast<std::int64_t>(tick - at) * perQuarter / division;
}

}  // namespace sorvel::testing
