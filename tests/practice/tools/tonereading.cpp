// SPDX-License-Identifier: GPL-3.0-or-later
// The check's reading of stretches of a recording, for the truth of rendered
// takes: `practice_tonereading FILE START END MIDI ...` prints, per stretch,
// the cents of its steady tone against MIDI at A4 = 440 Hz, read from the
// take's pitch track exactly as a checked note is, then the tuner's reading
// of the same stretch ("none" where there is no clear pitch).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <vector>

#include "listen/audiofile.h"
#include "listen/pitchunits.h"
#include "listen/tuner.h"
#include "practice/heardtake.h"
#include "practice/takecheck.h"

namespace {

using namespace sorvel;

std::vector<float> ReadAll(const char* path, int* rate) {
    listen::AudioFileReader reader;
    UserText error;
    std::vector<float> all, block;
    if (!reader.Open(path, &error)) {
        std::fprintf(stderr, "%s\n", error.Japanese().c_str());
        return all;
    }
    while (const std::size_t got = reader.ReadMono(block, 65536))
        all.insert(all.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(got));
    *rate = reader.SampleRate();
    return all;
}

void PrintCents(std::optional<double> cents) {
    if (cents)
        std::printf("%.2f", *cents);
    else
        std::printf("none");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5 || (argc - 2) % 3 != 0) {
        std::fprintf(stderr, "usage: %s FILE START END MIDI ...\n", argv[0]);
        return 2;
    }
    int rate = 0;
    const std::vector<float> all = ReadAll(argv[1], &rate);
    UserText error;
    const practice::HeardTake take = practice::HearTakeFile(argv[1], {}, &error);
    if (all.empty() || take.frames.empty()) {
        std::fprintf(stderr, "%s\n", error.Japanese().c_str());
        return 1;
    }
    const auto byTime = [](const listen::PitchFrame& f, double t) { return f.time < t; };
    for (int i = 2; i + 2 < argc; i += 3) {
        const double start = std::atof(argv[i]), end = std::atof(argv[i + 1]);
        const int midi = std::atoi(argv[i + 2]);
        const auto a = std::lower_bound(take.frames.begin(), take.frames.end(), start, byTime);
        const auto b = std::lower_bound(a, take.frames.end(), end, byTime);
        PrintCents(practice::MeasureNoteCents(std::span<const listen::PitchFrame>(a, b), midi,
                                              listen::kA4Hz));
        const auto from = static_cast<std::size_t>(start * rate);
        const auto to = std::min(all.size(), static_cast<std::size_t>(end * rate));
        const listen::TunerReading r =
            from < to ? listen::EstimateTone(all.data() + from, to - from, rate)
                      : listen::TunerReading();
        std::printf(" ");
        PrintCents(r.valid ? std::optional<double>((listen::MidiOfHz(r.hz) - midi) * 100.0)
                           : std::nullopt);
        std::printf("\n");
    }
    return 0;
}
