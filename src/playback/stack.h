// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed stack of loop and same-measure return positions of an event list:
// 100 slots, a push onto a full stack is dropped and a pop from an empty one gives 0.
#include <array>
#include <cstdint>

namespace sorvel {

class TStack {
public:
    static constexpr int kCapacity = 100;

    void Push(std::int32_t value) {
        if (count_ < kCapacity) slots_[count_++] = value;
    }
    std::int32_t Pop() { return count_ == 0 ? 0 : slots_[--count_]; }
    void Clear() { count_ = 0; }
    int Count() const { return count_; }

private:
    // 32-bit slots: a pushed cursor of a long track must not wrap.
    std::array<std::int32_t, kCapacity> slots_{};
    int count_ = 0;
};

}  // namespace sorvel
