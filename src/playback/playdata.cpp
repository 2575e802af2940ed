// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/playdata.h"

#include "playback/rcpdata.h"

namespace sorvel {

TPlayData::TPlayData(TRcpData& rcp, MidiOutput& output) : rcp_(rcp), output_(output) {
    for (auto& t : tracks_) t = std::make_unique<TPlayTrackData>(*this);
}

void TPlayData::SetTrackMode(int j, std::uint8_t mode) {
    rcp_.Track(j).mode = mode;
    Track(j).mode = mode;
}

}  // namespace sorvel
