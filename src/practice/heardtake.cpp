// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/heardtake.h"

#include "listen/hearfile.h"
#include "listen/hearsamples.h"

namespace sorvel::practice {

HeardTake HearTakeFile(const std::string& path, const listen::ListenProgress& progress,
                       UserText* error) {
    HeardTake take;
    take.melody = listen::HearFile(path, progress, error, &take.frames);
    if (take.melody.notes.empty()) take.frames.clear();
    return take;
}

HeardTake HearTakeSamples(const float* samples, std::size_t count, int rate,
                          const listen::ListenProgress& progress, UserText* error) {
    HeardTake take;
    take.melody = listen::HearSamples(samples, count, rate, progress, error, &take.frames);
    if (take.melody.notes.empty()) take.frames.clear();
    return take;
}

}  // namespace sorvel::practice
