// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sequence the program plays: a header of tempo, time signature and key, the
// rhythm and user-exclusive banks and 18 tracks, in the layout of RCP sequence files.
// Filled by the score conversion before every play, or from an RCP file.
#include <array>
#include <atomic>
#include <cstdint>
#include <span>
#include <string>

#include "playback/trackdata.h"

namespace sorvel {

struct RhythmDefinition {
    std::string name;  // up to 14 characters
    std::uint8_t note = 0;
    std::uint8_t gate = 0;
};

struct UserExclusive {
    std::string memo;  // up to 24 characters
    std::array<std::uint8_t, 24> data{};
};

// Why an RCP file was not read; the tracks are left empty in every case but kOk.
enum class RcpReadError { kOk, kCannotOpen, kTruncated };

// The message shown for a failed read (UTF-8, for a message box).
const char* RcpReadErrorText(RcpReadError error);

class TRcpData {
public:
    static constexpr int kTrackCount = 18;
    static constexpr int kRhythmCount = 32;
    static constexpr int kUserExclusiveCount = 8;

    // 18 tracks, each with an empty event list; call SetStartupValues for a
    // usable sequence.
    TRcpData();

    // The values of a fresh sequence: header, banks and 18 tracks holding only
    // their end event.
    void SetStartupValues();

    // Replaces the sequence by the file's contents. A file that cannot be read or
    // ends early leaves every track empty and the header untouched.
    RcpReadError ReadRcpFile(const std::string& fileName);
    RcpReadError ReadRcpBytes(std::span<const std::uint8_t> bytes);

    // Track j, 1-18.
    TTrackData& Track(int j) { return tracks_[static_cast<std::size_t>(j - 1)]; }
    const TTrackData& Track(int j) const { return tracks_[static_cast<std::size_t>(j - 1)]; }

    void ClearAllEvents();

    std::string signature;
    std::string title;
    std::string memo;
    std::uint8_t timeBase = 48;
    // Tempo scale of TEMPO events (64: the event value is the tempo). Read by
    // the tempo handler on either thread.
    std::atomic<std::uint8_t> tempo{64};
    std::uint8_t beatDenominator = 4;
    std::uint8_t beatNumerator = 4;
    std::uint8_t key = 0;
    int playBias = 0;
    int trackCount = kTrackCount;
    std::array<RhythmDefinition, kRhythmCount> rhythms;
    std::array<UserExclusive, kUserExclusiveCount> userExclusives;

private:
    std::array<TTrackData, kTrackCount> tracks_;
};

}  // namespace sorvel
