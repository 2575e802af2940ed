// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/changeonsets.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "listen/pitchunits.h"

namespace sorvel::listen {
namespace {

constexpr int kSearchFrames = static_cast<int>(0.25 / kHopSeconds);
constexpr int kTopReach = 6;  // frames after the takeover that show the level reached
// The partials must have been this far below the level they reach about
// the takeover …
constexpr float kClearRiseDb = 10.0f;
// … the foot of their rise is followed back while the level keeps falling
// (going back), within this tolerance for the flicker of the bins …
constexpr float kFlickerDb = 1.0f;
// … and the onset is where they first stand this far above the foot.
constexpr float kSoundingDb = 6.0f;
// A glide leaves the note before where its pitch is no longer surely held.
constexpr float kSureVoicing = 0.5f;
constexpr double kHeldSemitones = 0.35;
// A dip this far below the notes on either side is a rest (or the release
// before a new bow), not the change from one to the other.
constexpr float kBridgeDipDb = 10.0f;
// The note before keeps at least this much of its length.
constexpr int kKeptFrames = static_cast<int>(0.04 / kHopSeconds);

// The other note's pitch in frame `t`: the tracked pitch while it is near
// that note (it follows its vibrato), else the note's own.
double AvoidAt(const PitchTrack& frames, int t, double beforeHz) {
    const PitchFrame& f = frames[static_cast<std::size_t>(t)];
    if (f.voiced && f.hz > 0 && std::abs(CentsBetween(f.hz, beforeHz)) < 100.0) return f.hz;
    return beforeHz;
}

// A frame still holds the note before when it is surely voiced near its pitch.
bool Holds(const PitchFrame& f, double beforeMidi) {
    return f.voiced && f.voicedProb >= kSureVoicing && f.hz > 0 &&
           std::abs(MidiOfHz(f.hz) - beforeMidi) <= kHeldSemitones;
}

// The sound goes on between frames `last` (the end of one note) and `first`
// (the start of the next): no frame between falls this far below the
// loudest level of either note near them.
bool Bridges(const PitchTrack& frames, int last, int first) {
    const int n = static_cast<int>(frames.size());
    float before = -1e9f, after = -1e9f;
    for (int t = std::max(0, last - kSearchFrames); t <= last; ++t)
        before = std::max(before, frames[static_cast<std::size_t>(t)].levelDb);
    for (int t = first; t <= std::min(n - 1, first + kSearchFrames); ++t)
        after = std::max(after, frames[static_cast<std::size_t>(t)].levelDb);
    const float floor = std::min(before, after) - kBridgeDipDb;
    for (int t = last + 1; t < first; ++t)
        if (frames[static_cast<std::size_t>(t)].levelDb < floor) return false;
    return true;
}

}  // namespace

int GlideStart(const PitchTrack& frames, double beforeMidi, int from, int first) {
    int t = first;
    while (t > std::max(from, 0) && !Holds(frames[static_cast<std::size_t>(t - 1)], beforeMidi))
        --t;
    return t;
}

int PartialsOnset(const PitchTrack& frames, const FrameSpectra& spectra, double hz, double beforeHz,
                  int from, int takeover) {
    from = std::max(from, 1);
    const int to =
        std::min({takeover + kTopReach, spectra.Frames() - 2, static_cast<int>(frames.size()) - 2});
    if (from >= takeover || takeover > to) return -1;
    std::vector<float> raw;
    for (int t = from - 1; t <= to + 1; ++t)
        raw.push_back(spectra.PartialsDb(t, hz, AvoidAt(frames, t, beforeHz)));
    // A three-frame mean takes off the flicker of single bins.
    const auto at = [&](int t) {
        const auto i = static_cast<std::size_t>(t - from + 1);
        return (raw[i - 1] + raw[i] + raw[i + 1]) / 3;
    };
    // The level the partials reach about the takeover, and the last frame
    // before it where they were well below that: the rise happened after.
    int peak = std::max(from, takeover - kTopReach);
    for (int t = peak; t <= to; ++t)
        if (at(t) > at(peak)) peak = t;
    int below = peak;
    while (below >= from && at(below) > at(peak) - kClearRiseDb) --below;
    if (below < from) return -1;
    // The foot: back down the slope to where the level stops falling,
    // within the flicker of the bins.
    int foot = below;
    for (int t = below - 1; t >= from && at(t) <= at(foot) + kFlickerDb; --t)
        if (at(t) < at(foot)) foot = t;
    int onset = foot;
    while (onset < peak && at(onset) < at(foot) + kSoundingDb) ++onset;
    return onset;
}

void PlaceChangeOnsets(const PitchTrack& frames, const FrameSpectra& spectra, double tuningCents,
                       std::vector<NoteDraft>& notes) {
    for (std::size_t i = 1; i < notes.size(); ++i) {
        NoteDraft& before = notes[i - 1];
        NoteDraft& n = notes[i];
        if (n.midi == before.midi || n.first - before.last > kSearchFrames) continue;
        const double hz = HzOfMidi(n.midi + tuningCents / 100.0);
        const double beforeHz = HzOfMidi(before.midi + tuningCents / 100.0);
        const int from = std::max(before.first + kKeptFrames, n.first - kSearchFrames);
        // Unvoiced frames between the notes with the sound going on (no dip
        // into a rest) are the change itself: the new note began there.
        const bool joined = n.first - before.last <= 1 || Bridges(frames, before.last, n.first);
        int onset = n.first;
        if (!n.glidedIn) {
            onset = PartialsOnset(frames, spectra, hz, beforeHz, from, n.first);
            if (onset < 0) onset = n.first;
        } else if (joined) {
            // A glide out of the note before starts where it leaves that
            // note, long before the partials of its goal rise.
            onset = GlideStart(frames, MidiOfHz(beforeHz), from, n.first);
        }
        if (joined) onset = std::min(onset, before.last + 1);
        if (onset < n.first) {
            n.first = onset;
            before.last = std::min(before.last, onset - 1);
        }
    }
}

}  // namespace sorvel::listen
