// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/hearfile.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "listen/audiofile.h"
#include "listen/audiolevel.h"
#include "listen/audiolistener.h"
#include "listen/hearsamples.h"

namespace sorvel::listen {

HeardMelody HearFile(const std::string& path, const ListenProgress& progress, UserText* error,
                     PitchTrack* frames) {
    AudioFileReader reader;
    UserText problem;
    if (!reader.Open(path, &problem)) return RefuseHearing(error, std::move(problem));
    AudioListener listener(reader.SampleRate(), kFileLagFrames);
    std::vector<float> block;
    std::int64_t read = 0;
    const double announced =
        static_cast<double>(std::max<std::int64_t>(reader.AnnouncedFrames(), 1));
    while (const std::size_t got = reader.ReadMono(block, kHearingBlockFrames)) {
        listener.Push(block.data(), got);
        read += static_cast<std::int64_t>(got);
        if (!progress.Report(std::min(1.0, read / announced) * kHearingReadShare))
            return RefuseHearing(error, HearingCancelled());
    }
    if (reader.ReadFailed() && read == 0)
        return RefuseHearing(
            error, UserText(SORVEL_TEXT("sorvel::listen", "音声ファイル %1 を読めません（%2）。"),
                            {UserText::Plain(path), UserText::Plain("read")}));
    return FinishHearing(listener, reader.Level(), read, reader.SampleRate(), progress, error,
                         frames);
}

}  // namespace sorvel::listen
