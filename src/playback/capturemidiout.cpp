// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/capturemidiout.h"

namespace sorvel {

void CaptureMidiOut::Reserve(std::size_t messages, std::size_t bytes) {
    const std::lock_guard lock(mutex_);
    records_.reserve(messages);
    data_.reserve(bytes);
}

void CaptureMidiOut::Append(Kind kind, const std::uint8_t* bytes, std::size_t length) {
    const std::int64_t now = clock_.NowMicros();
    const std::lock_guard lock(mutex_);
    records_.push_back(
        {now, kind, static_cast<std::uint32_t>(data_.size()), static_cast<std::uint32_t>(length)});
    data_.insert(data_.end(), bytes, bytes + length);
}

void CaptureMidiOut::ShortMessage(std::uint32_t message) {
    const auto bytes = UnpackShortMessage(message);
    Append(Kind::kShort, bytes.data(), static_cast<std::size_t>(ShortMessageLength(bytes[0])));
}

void CaptureMidiOut::LongMessage(std::span<const std::uint8_t> bytes) {
    Append(Kind::kLong, bytes.data(), bytes.size());
}

void CaptureMidiOut::Reset() {
    Append(Kind::kReset, nullptr, 0);
}

std::size_t CaptureMidiOut::Count() const {
    const std::lock_guard lock(mutex_);
    return records_.size();
}

std::vector<CaptureMidiOut::Message> CaptureMidiOut::Messages() const {
    const std::lock_guard lock(mutex_);
    std::vector<Message> out;
    out.reserve(records_.size());
    for (const Record& r : records_) {
        const auto first = data_.begin() + r.offset;
        out.push_back({r.timeMicros, r.kind, std::vector<std::uint8_t>(first, first + r.length)});
    }
    return out;
}

void CaptureMidiOut::Clear() {
    const std::lock_guard lock(mutex_);
    records_.clear();
    data_.clear();
}

}  // namespace sorvel
