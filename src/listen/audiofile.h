// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a recording (WAV, FLAC, OGG, MP3 through libsndfile) block by block,
// mixed down to mono, so that a file of any length is read in bounded memory.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/usertext.h"
#include "listen/audiolevel.h"

typedef struct sf_private_tag SNDFILE;

namespace sorvel::listen {

class AudioFileReader {
public:
    AudioFileReader();
    ~AudioFileReader();
    AudioFileReader(const AudioFileReader&) = delete;
    AudioFileReader& operator=(const AudioFileReader&) = delete;

    // Opens `path` for reading; only a regular file is opened (a FIFO or a
    // device would block or never end). On failure sets `error` and returns
    // false.
    bool Open(const std::string& path, UserText* error);

    int SampleRate() const { return rate_; }
    int Channels() const { return channels_; }
    // The length the file's header announces, in frames (an estimate for
    // compressed formats; a truncated file delivers fewer).
    std::int64_t AnnouncedFrames() const { return announced_; }

    // Reads up to `maxFrames` frames mixed down to mono into `mono`
    // (replacing its contents); returns the number read, 0 at the end. A read
    // error ends the stream early: ReadFailed() tells.
    std::size_t ReadMono(std::vector<float>& mono, std::size_t maxFrames);
    bool ReadFailed() const { return failed_; }

    // The level of every channel's samples read so far (peak, clipping).
    const AudioLevel& Level() const { return level_; }

private:
    SNDFILE* file_ = nullptr;
    int rate_ = 0;
    int channels_ = 0;
    std::int64_t announced_ = 0;
    bool failed_ = false;
    std::vector<float> interleaved_;
    AudioLevel level_;
};

}  // namespace sorvel::listen
