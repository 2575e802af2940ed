// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/timesource.h"

#include <chrono>

namespace sorvel {

std::int64_t SteadyTimeSource::NowMicros() const {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

std::uint32_t timeGetTime() {
    return SteadyTimeSource().NowMillis();
}

}  // namespace sorvel
