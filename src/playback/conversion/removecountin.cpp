// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/removecountin.h"

#include "playback/conversion/sequencewriter.h"

namespace sorvel {
namespace {

void DeleteFromFirstSilence(TMidiEventList& events, int count) {
    int from = 0;
    for (int i = 0; i < events.Count(); ++i) {
        if (events.Get(i).type == 0) {
            from = i;
            break;
        }
    }
    for (int k = 0; k < count && from < events.Count(); ++k) events.Delete(from);
}

}  // namespace

void RemoveCountIn(TRcpData& data) {
    const int clicks = data.Track(conv_track::kCountIn).events.Count() - 1;
    if (clicks < 1) return;
    for (int track : {conv_track::kMelody, conv_track::kMetronome, conv_track::kCountIn}) {
        DeleteFromFirstSilence(data.Track(track).events, clicks);
    }
}

}  // namespace sorvel
