// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/audiofile.h"

#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>

namespace sorvel::listen {
namespace {

UserText Unreadable(const std::string& path, const char* why) {
    return UserText(SORVEL_TEXT("sorvel::listen", "音声ファイル %1 を読めません（%2）。"),
                    {UserText::Plain(path), UserText::Plain(why)});
}

// Opens without blocking (a FIFO without a writer would wait for ever) and
// accepts only a regular file; returns the descriptor or -1 with `error`.
int OpenRegularFile(const std::string& path, UserText* error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (error) *error = Unreadable(path, "open");
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        if (error)
            *error = UserText(SORVEL_TEXT("sorvel::listen", "%1 は音声ファイルではありません。"),
                              {UserText::Plain(path)});
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

}  // namespace

AudioFileReader::AudioFileReader() = default;

AudioFileReader::~AudioFileReader() {
    if (file_) sf_close(file_);
}

bool AudioFileReader::Open(const std::string& path, UserText* error) {
    const int fd = OpenRegularFile(path, error);
    if (fd < 0) return false;
    SF_INFO info{};
    file_ = sf_open_fd(fd, SFM_READ, &info, SF_TRUE);
    if (!file_) {
        if (error)
            *error = UserText(
                SORVEL_TEXT("sorvel::listen", "%1 は読める音声ファイルではありません（%2）。"),
                {UserText::Plain(path), UserText::Plain(sf_strerror(nullptr))});
        return false;
    }
    if (info.channels < 1 || info.samplerate < 1) {
        sf_close(file_);
        file_ = nullptr;
        if (error) *error = Unreadable(path, "format");
        return false;
    }
    rate_ = info.samplerate;
    channels_ = info.channels;
    announced_ = std::max<sf_count_t>(info.frames, 0);
    return true;
}

std::size_t AudioFileReader::ReadMono(std::vector<float>& mono, std::size_t maxFrames) {
    mono.clear();
    if (!file_ || failed_ || maxFrames == 0) return 0;
    interleaved_.resize(maxFrames * static_cast<std::size_t>(channels_));
    const sf_count_t got =
        sf_readf_float(file_, interleaved_.data(), static_cast<sf_count_t>(maxFrames));
    if (got <= 0) {
        failed_ = sf_error(file_) != SF_ERR_NO_ERROR;
        return 0;
    }
    const auto frames = static_cast<std::size_t>(got);
    const auto channels = static_cast<std::size_t>(channels_);
    level_.Add(interleaved_.data(), frames * channels);
    mono.resize(frames);
    const float scale = 1.0f / static_cast<float>(channels);
    for (std::size_t i = 0; i < frames; ++i) {
        float sum = 0;
        for (std::size_t c = 0; c < channels; ++c) sum += interleaved_[i * channels + c];
        // A float file may hold NaN or infinities; they would poison every
        // later sum, so they count as silence.
        mono[i] = std::isfinite(sum) ? sum * scale : 0.0f;
    }
    return frames;
}

}  // namespace sorvel::listen
