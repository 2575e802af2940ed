// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/transcribemusic.h"

#include <algorithm>
#include <cmath>

#include "base/arith.h"
#include "listen/beatstrength.h"
#include "listen/beattracker.h"
#include "listen/keyfinder.h"
#include "listen/meterfinder.h"
#include "listen/tempocurve.h"
#include "listen/tempomap.h"
#include "listen/writtenlengths.h"

namespace sorvel::listen {
namespace {

constexpr double kShortNote = 0.09;  // seconds: shorter notes are doubtful
constexpr double kDoubtfulConfidence = 0.5;
constexpr double kDoubtfulTiming = 0.08;  // seconds between heard and written onset
constexpr double kFallbackPeriod = 0.5;
constexpr double kAttackSpread = 0.035;  // seconds
constexpr double kLegatoSpread = 0.06;
constexpr double kGlideSpread = 0.08;

// How far a heard onset may stand from the written one: an attack is heard
// sharply, a change of pitch under one bow less so, the end of a glide least.
double OnsetSpread(const HeardNote& n) {
    if (n.slideIn) return kGlideSpread;
    return n.attacked ? kAttackSpread : kLegatoSpread;
}

// The pulse period: from the onsets' repetitions, else from a known tempo,
// else half a second.
double PulsePeriod(const std::vector<double>& strength, const TranscribeOptions& options) {
    const double known = options.tempo > 0 ? 60.0 / options.tempo : 0;
    double period = EstimatePulsePeriod(strength, known);
    if (period <= 0) period = known > 0 ? known : kFallbackPeriod;
    return period;
}

MetricReading Read(const std::vector<HeardNote>& notes, const PulseTrack& track,
                   const TranscribeOptions& options) {
    MetreInput in;
    for (size_t k = 0; k < notes.size(); ++k) {
        in.pulses.push_back(track.PulseAt(notes[k].onset));
        in.accents.push_back(NoteAccent(notes, k));
        in.spreads.push_back(OnsetSpread(notes[k]));
    }
    in.period = track.MedianPeriod();
    for (const HeardNote& n : notes)
        in.sounding.push_back(std::max(0.0, track.PulseAt(n.offset) - track.PulseAt(n.onset)));
    const double quarter = options.tempo > 0 ? 60.0 / options.tempo : 0;
    MetricReading reading = ReadMetre(in, options.meter, quarter);
    if (!reading.Found() && quarter > 0) reading = ReadMetre(in, options.meter, 0);
    return reading;
}

std::vector<PlacedNote> Placed(const std::vector<HeardNote>& notes, const PulseTrack& track,
                               const MetricReading& reading) {
    std::vector<PlacedNote> placed;
    for (size_t k = 0; k < notes.size(); ++k) {
        PlacedNote p;
        p.place = reading.places[k];
        const double sound = track.PulseAt(notes[k].offset) - track.PulseAt(notes[k].onset);
        p.sounding = std::max(0.0, sound) * reading.pulseTicks;
        p.triplet = MeterGrid::Ternary(p.place);
        placed.push_back(p);
    }
    return placed;
}

void CopyHeard(const std::vector<HeardNote>& notes, WrittenMusic& music) {
    for (WrittenNote& w : music.notes) {
        if (w.rest || w.heard < 0) continue;
        const HeardNote& h = notes[static_cast<size_t>(w.heard)];
        w.midi = h.midi;
        w.slideIn = h.slideIn;
        w.slideFrom = h.slideIn ? h.slideFrom : 0;
        w.vibrato = h.vibrato;
        w.trill = h.trill;
    }
}

int Key(const WrittenMusic& music, const TranscribeOptions& options) {
    if (options.keyFifths) return *options.keyFifths;
    std::vector<KeyedPitch> pitches;
    for (const WrittenNote& w : music.notes) {
        if (!w.rest) pitches.push_back({w.midi, static_cast<double>(w.ticks)});
    }
    return FindKey(pitches);
}

// Tempo changes that keep the written notes on the smoothed times of their
// places (which follow the drift and let single onsets stray).
void WriteTempo(const std::vector<HeardNote>& notes, const TranscribeOptions& options,
                WrittenMusic& music) {
    std::vector<int> places;
    std::vector<double> onsets;
    std::vector<size_t> index;
    for (size_t i = 0; i < music.notes.size(); ++i) {
        const WrittenNote& w = music.notes[i];
        if (w.rest || w.heard < 0) continue;
        places.push_back(w.start);
        onsets.push_back(notes[static_cast<size_t>(w.heard)].onset);
        index.push_back(i);
    }
    const int given = options.tempo > 0 ? RoundHalfEven(options.tempo) : 0;
    const std::vector<double> smooth = SmoothTimes(places, onsets);
    const std::vector<TempoChange> changes = FitTempo(places, smooth, kTempoTolerance, given);
    for (const TempoChange& c : changes) {
        if (c.note < index.size()) music.notes[index[c.note]].tempo = c.tempo;
    }
    music.tempo = changes.empty() ? 80 : changes.front().tempo;
    if (!index.empty()) music.notes[index.front()].tempo = 0;
}

void MarkDoubtful(const std::vector<HeardNote>& notes, const PulseTrack& track,
                  const MetricReading& reading, WrittenMusic& music) {
    for (WrittenNote& w : music.notes) {
        if (w.rest || w.heard < 0) continue;
        const HeardNote& h = notes[static_cast<size_t>(w.heard)];
        const double written =
            track.TimeAt(reading.barStart + w.start / static_cast<double>(reading.pulseTicks));
        w.uncertain = h.confidence < kDoubtfulConfidence || h.offset - h.onset < kShortNote ||
                      std::abs(written - h.onset) > kDoubtfulTiming;
    }
}

}  // namespace

std::vector<HeardNote> CleanNotes(const std::vector<HeardNote>& notes) {
    std::vector<HeardNote> out;
    for (const HeardNote& n : notes) {
        if (!std::isfinite(n.onset) || !std::isfinite(n.offset) || n.onset < 0) continue;
        if (n.offset <= n.onset) continue;
        HeardNote c = n;
        c.midi = std::clamp(c.midi, 0, 127);
        out.push_back(c);
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const HeardNote& a, const HeardNote& b) { return a.onset < b.onset; });
    // Onsets closer than a millisecond are one note.
    std::vector<HeardNote> kept;
    for (const HeardNote& n : out) {
        if (!kept.empty() && n.onset - kept.back().onset < 0.001) {
            kept.back().offset = std::max(kept.back().offset, n.offset);
            continue;
        }
        if (!kept.empty()) kept.back().offset = std::min(kept.back().offset, n.onset);
        kept.push_back(n);
    }
    return kept;
}

WrittenMusic WriteMusic(const HeardMelody& melody, const TranscribeOptions& options) {
    WrittenMusic music;
    const std::vector<HeardNote> notes = CleanNotes(melody.notes);
    if (notes.empty()) return music;
    const std::vector<double> strength = OnsetStrength(notes, melody.seconds);
    const PulseTrack track = TrackPulses(notes, strength, PulsePeriod(strength, options));
    if (track.Empty()) return music;
    const MetricReading reading = Read(notes, track, options);
    if (!reading.Found()) return music;
    music.meter = reading.meter;
    music.firstOffset = reading.places.front();
    music.notes =
        WriteLengths(Placed(notes, track, reading), MeterGrid(reading.meter), music.firstOffset);
    CopyHeard(notes, music);
    music.fifths = Key(music, options);
    WriteTempo(notes, options, music);
    MarkDoubtful(notes, track, reading, music);
    return music;
}

}  // namespace sorvel::listen
