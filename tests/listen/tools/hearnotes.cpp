// SPDX-License-Identifier: GPL-3.0-or-later
// Writes what the listening front hears in recordings, for measuring it
// against a corpus's truth: OUT/NAME.notes.txt with a line "onset offset
// midi" per note (seconds; the marks after a "#"), and with --frames also
// OUT/NAME.frames.txt, the pitch track frame by frame.
//
//     listen_hearnotes [--frames] OUT AUDIO...
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "listen/audiofile.h"
#include "listen/audiolistener.h"
#include "listen/pitchunits.h"

namespace {

using namespace sorvel::listen;

void WriteNotes(const std::string& path, const HeardMelody& m) {
    FILE* f = std::fopen(path.c_str(), "w");
    if (!f) return;
    std::fprintf(f, "# tuning %.1f cents, floor %.1f dB, peak %.1f dB\n", m.tuningCents,
                 m.noiseFloorDb, m.peakDb);
    for (const HeardNote& n : m.notes)
        std::fprintf(f, "%.4f %.4f %d # cents %+.0f conf %.2f level %.1f%s%s%s%s\n", n.onset,
                     n.offset, n.midi, n.cents, n.confidence, n.levelDb,
                     n.attacked ? " attacked" : "",
                     n.slideIn ? (" slide-from-" + std::to_string(n.slideFrom)).c_str() : "",
                     n.vibrato ? " vibrato" : "",
                     n.trill ? (" trill-" + std::to_string(n.trillUpper)).c_str() : "");
    std::fclose(f);
}

void WriteFrames(const std::string& path, const PitchTrack& frames) {
    FILE* f = std::fopen(path.c_str(), "w");
    if (!f) return;
    std::fprintf(f, "# time midi voiced voicedProb levelDb flux\n");
    for (const PitchFrame& p : frames)
        std::fprintf(f, "%.4f %.3f %d %.3f %.1f %.3f\n", p.time, MidiOfHz(p.hz), p.voiced ? 1 : 0,
                     p.voicedProb, p.levelDb, p.flux);
    std::fclose(f);
}

bool Hear(const std::string& audio, const std::string& out, bool frames) {
    AudioFileReader reader;
    sorvel::UserText error;
    if (!reader.Open(audio, &error)) return false;
    AudioListener listener(reader.SampleRate(), kFileLagFrames);
    std::vector<float> block;
    while (const std::size_t got = reader.ReadMono(block, 16384)) listener.Push(block.data(), got);
    listener.Finish();
    const std::string stem = std::filesystem::path(audio).stem().string();
    HeardMelody melody = listener.Melody();
    WriteNotes(out + "/" + stem + ".notes.txt", melody);
    if (frames) WriteFrames(out + "/" + stem + ".frames.txt", listener.Frames());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int i = 1;
    bool frames = false;
    if (i < argc && std::string(argv[i]) == "--frames") frames = true, ++i;
    if (argc - i < 2) {
        std::fprintf(stderr, "usage: listen_hearnotes [--frames] OUT AUDIO...\n");
        return 2;
    }
    const std::string out = argv[i++];
    std::filesystem::create_directories(out);
    int failed = 0;
    for (; i < argc; ++i) {
        if (!Hear(argv[i], out, frames)) {
            std::fprintf(stderr, "%s: cannot read\n", argv[i]);
            ++failed;
        }
    }
    return failed ? 1 : 0;
}
