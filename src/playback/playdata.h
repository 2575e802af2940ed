// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the sequencer plays: the playing state of the 18 tracks of one sequence,
// the output they play to and the transposition of the play.
#include <array>
#include <atomic>
#include <memory>

#include "playback/playtrackdata.h"
#include "playback/rcpdata.h"

namespace sorvel {

class MidiOutput;

class TPlayData {
public:
    static constexpr int kTrackCount = TRcpData::kTrackCount;

    TPlayData(TRcpData& rcp, MidiOutput& output);

    TPlayTrackData& Track(int j) { return *tracks_[static_cast<std::size_t>(j - 1)]; }
    const TPlayTrackData& Track(int j) const { return *tracks_[static_cast<std::size_t>(j - 1)]; }
    TRcpData& Rcp() { return rcp_; }
    MidiOutput& Output() { return output_; }

    // Mode of track j in the sequence and in the playing state (the mute
    // controls; effective at the track's next event, also while playing).
    void SetTrackMode(int j, std::uint8_t mode);

    // Semitones added to the notes of transposed tracks (low 8 bits used); the
    // transposition control changes it while playing.
    std::atomic<std::int32_t> transposition{0};

private:
    TRcpData& rcp_;
    MidiOutput& output_;
    std::array<std::unique_ptr<TPlayTrackData>, kTrackCount> tracks_;
};

}  // namespace sorvel
