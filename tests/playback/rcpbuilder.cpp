// SPDX-License-Identifier: GPL-3.0-or-later
#include "rcpbuilder.h"

#include <cstring>

namespace sorvel::test {

RcpBuilder::RcpBuilder() : header_(1414, 0), tracks_(18) {
    const char* sig = "RCM-PC98V2.0(C)COME ON MUSIC";
    std::memcpy(header_.data(), sig, std::strlen(sig));
}

RcpBuilder& RcpBuilder::Title(const std::string& title) {
    std::memcpy(header_.data() + 32, title.data(), std::min<std::size_t>(title.size(), 64));
    return *this;
}

RcpBuilder& RcpBuilder::Byte(std::size_t offset, std::uint8_t value) {
    header_.at(offset) = value;
    return *this;
}

RcpBuilder& RcpBuilder::TrackSettings(int j, std::uint8_t rhythm, std::uint8_t channel,
                                      std::uint8_t keyShift, std::uint8_t stepShift,
                                      std::uint8_t mode) {
    tracks_.at(static_cast<std::size_t>(j - 1)).settings = {rhythm, channel, keyShift, stepShift,
                                                            mode};
    return *this;
}

RcpBuilder& RcpBuilder::Records(int j, const std::vector<RcpRecord>& records) {
    tracks_.at(static_cast<std::size_t>(j - 1)).records = records;
    return *this;
}

std::vector<std::uint8_t> RcpBuilder::Bytes() const {
    std::vector<std::uint8_t> out = header_;
    for (std::size_t j = 0; j < tracks_.size(); ++j) {
        const Track& t = tracks_[j];
        const std::size_t size = 44 + 4 * (t.records.size() + 1);
        out.push_back(static_cast<std::uint8_t>(size & 0xFF));
        out.push_back(static_cast<std::uint8_t>(size >> 8));
        out.push_back(static_cast<std::uint8_t>(j + 1));
        out.insert(out.end(), t.settings.begin(), t.settings.end());
        out.insert(out.end(), 36, ' ');
        for (const RcpRecord& r : t.records)
            out.insert(out.end(), {r.type, r.step, r.gate, r.velocity});
        out.insert(out.end(), {0xFE, 0, 0, 0});
    }
    return out;
}

}  // namespace sorvel::test
