// SPDX-License-Identifier: GPL-3.0-or-later
// The tuner's reading of stretches of a recording, for the truth of rendered
// takes: `practice_tonereading FILE START END MIDI ...` prints, per stretch,
// the cents of its steady tone against MIDI at A4 = 440 Hz ("none" when
// there is no clear pitch).
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "listen/audiofile.h"
#include "listen/pitchunits.h"
#include "listen/tuner.h"

int main(int argc, char** argv) {
    using namespace sorvel;
    if (argc < 5 || (argc - 2) % 3 != 0) {
        std::fprintf(stderr, "usage: %s FILE START END MIDI ...\n", argv[0]);
        return 2;
    }
    listen::AudioFileReader reader;
    UserText error;
    if (!reader.Open(argv[1], &error)) {
        std::fprintf(stderr, "%s\n", error.Japanese().c_str());
        return 1;
    }
    std::vector<float> all, block;
    while (const std::size_t got = reader.ReadMono(block, 65536))
        all.insert(all.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(got));
    const double rate = reader.SampleRate();
    for (int i = 2; i + 2 < argc; i += 3) {
        const auto from = static_cast<std::size_t>(std::atof(argv[i]) * rate);
        const auto to =
            std::min(all.size(), static_cast<std::size_t>(std::atof(argv[i + 1]) * rate));
        const int midi = std::atoi(argv[i + 2]);
        const listen::TunerReading r =
            from < to ? listen::EstimateTone(all.data() + from, to - from, reader.SampleRate())
                      : listen::TunerReading();
        if (r.valid)
            std::printf("%.2f\n", (listen::MidiOfHz(r.hz) - midi) * 100.0);
        else
            std::printf("none\n");
    }
    return 0;
}
