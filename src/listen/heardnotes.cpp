// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/heardnotes.h"

#include <algorithm>
#include <cmath>

#include "listen/bowchanges.h"
#include "listen/changeonsets.h"
#include "listen/marks.h"
#include "listen/noteonsets.h"
#include "listen/noterelease.h"
#include "listen/notetracker.h"
#include "listen/pitchunits.h"
#include "listen/tuning.h"

namespace sorvel::listen {
namespace {

constexpr int kLowestMidi = 46;  // a little below the pitch search's floor
constexpr int kHighestMidi = 100;
constexpr float kGateOverFloorDb = 8.0f;
constexpr float kGateBelowPlayingDb = 40.0f;
constexpr float kGateSoftnessDb = 6.0f;
constexpr int kChunkFrames = 8192;  // the note model decodes at most this many frames at once
constexpr int kCutSearch = 1024;
constexpr int kSilenceBefore = 5;  // a note after this many quiet frames is attacked

struct Levels {
    float floor = -120;
    float playing = -120;
    float gate = -120;
};

float Percentile(std::vector<float> v, double q) {
    if (v.empty()) return -120;
    const auto k = static_cast<std::size_t>(q * static_cast<double>(v.size() - 1));
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(k), v.end());
    return v[k];
}

Levels MeasureLevels(const PitchTrack& frames) {
    std::vector<float> voiced, quiet;
    for (const PitchFrame& f : frames) (f.voiced ? voiced : quiet).push_back(f.levelDb);
    Levels l;
    l.playing = Percentile(voiced, 0.9);
    l.floor =
        quiet.size() * 20 >= frames.size() ? Percentile(quiet, 0.3) : Percentile(voiced, 0.02) - 20;
    l.gate = std::max(l.floor + kGateOverFloorDb, l.playing - kGateBelowPlayingDb);
    return l;
}

std::vector<NoteObservation> Observe(const PitchTrack& frames, double tuningCents,
                                     const Levels& levels) {
    std::vector<NoteObservation> obs(frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const PitchFrame& f = frames[i];
        obs[i].pitch = static_cast<float>(MidiOfHz(f.hz) - tuningCents / 100.0);
        const float gate =
            std::clamp((f.levelDb - levels.gate) / kGateSoftnessDb + 0.5f, 0.0f, 1.0f);
        const float sure = 0.5f + 0.5f * std::min(1.0f, 2.0f * f.voicedProb);
        obs[i].voicing = f.voiced ? std::clamp(gate * sure, 0.02f, 0.98f) : 0.02f;
    }
    return obs;
}

// Decodes the note model chunk by chunk, cutting long takes at their
// quietest frame so that memory stays bounded.
std::vector<NoteSpan> TrackInChunks(const std::vector<NoteObservation>& obs) {
    const NoteTracker tracker(kLowestMidi, kHighestMidi);
    std::vector<NoteSpan> spans;
    std::size_t start = 0;
    while (start < obs.size()) {
        std::size_t end = std::min(obs.size(), start + kChunkFrames);
        if (end < obs.size()) {
            std::size_t cut = end - 1;
            for (std::size_t i = end - kCutSearch; i < end; ++i)
                if (obs[i].voicing < obs[cut].voicing) cut = i;
            end = cut + 1;
        }
        std::vector<NoteObservation> chunk(obs.begin() + static_cast<std::ptrdiff_t>(start),
                                           obs.begin() + static_cast<std::ptrdiff_t>(end));
        for (NoteSpan s : tracker.Track(chunk)) {
            s.first += static_cast<int>(start);
            s.last += static_cast<int>(start);
            spans.push_back(s);
        }
        start = end;
    }
    return spans;
}

// Notes start at their attack when one lies near the pitch change.
// Each attack goes to one note only.
std::vector<NoteDraft> Drafts(const PitchTrack& frames, const std::vector<NoteSpan>& spans,
                              const OnsetCurve& onsets, float floorDb) {
    std::vector<NoteDraft> notes;
    int claimed = -1;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        NoteDraft n;
        n.first = spans[i].first;
        n.last = spans[i].last;
        n.midi = spans[i].midi;
        // A bow change starts the note at the foot of its dip.
        const int peak = spans[i].bowChange ? -1 : AttackNear(frames, onsets, spans[i], claimed);
        const int before = notes.empty() ? -1 : notes.back().first;
        int attack = peak < 0 ? -1 : FootOfAttack(frames, peak, before, floorDb);
        if (peak >= 0) claimed = peak;
        const bool afterQuiet = notes.empty() || n.first - notes.back().last > kSilenceBefore;
        // A rise that began with the note before is that note's attack
        // still going on (a glide right after it), not a new one.
        if (attack >= 0 && !afterQuiet &&
            (attack <= before + 1 || !FellBefore(frames, before, attack)))
            attack = -1;
        n.attacked = attack >= 0 || afterQuiet || spans[i].bowChange;
        if (attack >= 0) {
            if (!notes.empty() && notes.back().last == n.first - 1) notes.back().last = attack - 1;
            n.first = attack;
        }
        if (!notes.empty() && notes.back().last >= n.first) notes.back().last = n.first - 1;
        if (!notes.empty() && notes.back().last < notes.back().first) notes.pop_back();
        notes.push_back(n);
    }
    return notes;
}

}  // namespace

namespace {

constexpr double kShortSeconds = 0.08;  // shorter notes are doubtful

// Median cents of the frames near the note's pitch (after a glide, before the release).
double MedianCents(const NoteDraft& n, const std::vector<float>& pitch,
                   const std::vector<bool>& voiced) {
    std::vector<float> cents;
    for (int t = n.first; t <= n.last; ++t) {
        const float d = pitch[static_cast<std::size_t>(t)] - static_cast<float>(n.midi);
        if (voiced[static_cast<std::size_t>(t)] && std::abs(d) < 0.7f) cents.push_back(100 * d);
    }
    if (cents.empty()) return 0;
    auto mid = cents.begin() + static_cast<std::ptrdiff_t>(cents.size() / 2);
    std::nth_element(cents.begin(), mid, cents.end());
    return *mid;
}

HeardNote Finish(const NoteDraft& n, const PitchTrack& frames, const PitchLine& line) {
    HeardNote h;
    h.onset = frames[static_cast<std::size_t>(n.first)].time;
    h.offset = frames[static_cast<std::size_t>(n.last)].time + kHopSeconds;
    h.midi = n.midi;
    h.cents = MedianCents(n, line.pitch, line.voiced);
    h.attacked = n.attacked;
    h.slideIn = n.slideIn;
    h.slideFrom = n.slideFrom;
    h.vibrato = n.vibrato;
    h.trill = n.trill;
    h.trillUpper = n.trillUpper;
    double sure = 0;
    int count = 0;
    for (int t = n.first; t <= n.last; ++t) {
        const PitchFrame& f = frames[static_cast<std::size_t>(t)];
        h.levelDb = std::max(h.levelDb, static_cast<double>(f.levelDb));
        sure += f.voiced ? f.voicedProb : 0;
        ++count;
    }
    const double length = h.offset - h.onset;
    const double byLength = std::min(1.0, length / kShortSeconds);
    const double byPitch =
        n.trill ? 1.0 : 1.0 - std::clamp((std::abs(h.cents) - 25.0) / 25.0, 0.0, 1.0);
    const double byVoicing = std::min(1.0, 2.0 * sure / std::max(count, 1));
    h.confidence = std::clamp(std::min({byLength, byPitch, byVoicing}), 0.0, 1.0);
    return h;
}

}  // namespace

HeardMelody HearNotes(const PitchTrack& frames, const FrameSpectra& spectra, double seconds) {
    HeardMelody melody;
    melody.seconds = seconds;
    if (frames.empty()) return melody;
    const Levels levels = MeasureLevels(frames);
    melody.noiseFloorDb = levels.floor;
    melody.tuningCents = EstimateTuningCents(frames, levels.gate);
    const std::vector<NoteObservation> obs = Observe(frames, melody.tuningCents, levels);
    std::vector<NoteSpan> spans = TrackInChunks(obs);
    const OnsetCurve onsets = FindOnsets(frames, levels.floor);
    SplitAtBowChanges(frames, spectra, spans);
    std::vector<NoteDraft> notes = Drafts(frames, spans, onsets, levels.floor);
    std::vector<float> pitch(frames.size());
    std::vector<bool> voiced(frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        pitch[i] = obs[i].pitch;
        voiced[i] = frames[i].voiced && obs[i].voicing > 0.3f;
    }
    const PitchLine line{pitch, voiced};
    MergeGlides(line, notes);
    MergeOutliers(notes);
    MergeTrills(notes);
    PlaceChangeOnsets(frames, spectra, melody.tuningCents, notes);
    TrimReleases(frames, notes);
    MarkSlides(line, notes);
    MarkVibrato(line, notes);
    for (const NoteDraft& n : notes) melody.notes.push_back(Finish(n, frames, line));
    return melody;
}

}  // namespace sorvel::listen
