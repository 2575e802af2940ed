// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the RCP reader, then runs what a play does with the
// tracks read: same-measure resolution, the flat copy and the playing fetch.
#include <cstddef>
#include <cstdint>

#include "playback/rcpdata.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sorvel::TRcpData rcp;
    if (rcp.ReadRcpBytes({data, size}) != sorvel::RcpReadError::kOk) {
        for (int j = 1; j <= sorvel::TRcpData::kTrackCount; ++j)
            if (rcp.Track(j).events.Count() != 0) __builtin_trap();
        return 0;
    }
    sorvel::TMidiEventList playing;
    for (int j = 1; j <= sorvel::TRcpData::kTrackCount; ++j) {
        sorvel::TMidiEventList& events = rcp.Track(j).events;
        events.ResolveSameMeasures();
        playing.CopyFlat(events);
        playing.NumberMeasures();
        playing.ResetReading();
        int index = 0;
        for (int k = 0; k < 1000 && playing.FetchPlaying(index); ++k) {
        }
        (void)playing.FindMeasure(2, 1);
    }
    return 0;
}
