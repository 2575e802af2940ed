// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/meterfinder.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "listen/meterevidence.h"
#include "listen/transcribeoptions.h"

namespace sorvel::listen {
namespace {

// Note values a pulse may be worth: a sixteenth up to a bar of 3/4.
constexpr int kPulseValues[] = {12, 24, 48, 72, 96, 144};
constexpr double kSlowestQuarter = 60.0 / 40;  // seconds
constexpr double kFastestQuarter = 60.0 / 165;

// The share of notes shorter than a quarter (to the next onset).
double ShortShare(const std::vector<int>& places) {
    if (places.size() < 2) return 0;
    int shorter = 0;
    for (size_t k = 0; k + 1 < places.size(); ++k) shorter += places[k + 1] - places[k] < kQuarter;
    return static_cast<double>(shorter) / static_cast<double>(places.size() - 1);
}

// The geometric mean of the spans from onset to onset, in quarters.
double MeanSpan(const std::vector<int>& places) {
    if (places.size() < 2) return 1;
    double logs = 0;
    for (size_t k = 0; k + 1 < places.size(); ++k)
        logs += std::log2(std::max(1, places[k + 1] - places[k]) / static_cast<double>(kQuarter));
    return std::exp2(logs / static_cast<double>(places.size() - 1));
}

// A reading that writes most notes longer than a beat has taken the tempo
// an octave too fast: a slow tune is written in quarters and eighths, not
// in halves and wholes.
double LongSpanCost(const MetricReading& r, const MetreWeights& w) {
    const double beyond = std::log2(MeanSpan(r.places) / w.longSpan);
    return static_cast<double>(r.places.size()) * w.longPerOctave * std::max(0.0, beyond);
}

// What the tempo costs: nothing in the range of most tunes, much a note for
// each octave beyond it, and a little for the distance from its centre. A
// quick 3/4 whose beats are seldom divided is a waltz: it may run fast, when
// its rhythm is `triple` (its bars of three fit better than those of two or four).
double TempoCost(const MetricReading& r, double quarterSeconds, bool triple,
                 const MetreWeights& w) {
    const double tempo = 60.0 / quarterSeconds;
    double outside = std::max(0.0, std::log2(tempo / w.tempoHigh)) +
                     std::max(0.0, std::log2(w.tempoLow / tempo));
    if (triple && r.meter == TimeSignature{3, 4} && tempo > w.tempoHigh)
        outside *= w.waltz + (1 - w.waltz) * ShortShare(r.places);
    const double centre = std::log2(tempo / w.tempoCentre);
    const double notes = static_cast<double>(r.places.size());
    return notes * (w.tempoOutside * outside + w.tempoPerNote * centre * centre) +
           LongSpanCost(r, w);
}

// 3/8 and 6/8 without the uneven divisions of their beats they are written
// for: a triple rhythm of even notes is read in simple time.
double CompoundCost(const MetreInput& in, const MetricReading& r, const MetreWeights& w) {
    if (!r.meter.Compound()) return 0;
    std::vector<double> sounding;
    for (double s : in.sounding) sounding.push_back(s * r.pulseTicks);
    const double figures = CompoundFigures(r.places, sounding, MeterGrid(r.meter));
    const double notes = static_cast<double>(r.places.size());
    return notes * w.compoundPerNote * std::max(0.0, 1.0 - figures / w.compoundFigures);
}

// What the rhythm says about where bars begin and end: it recurs a bar
// later, and its long notes keep to one place of the bar.
// 4/4 and 6/8 are judged by their halves, as 2/4 and 3/8 are: a rhythm
// recurs as well every two bars as every bar, so which of the two it is only
// the length of the bar decides (BarLengthCost).
double BarCost(const MetricReading& r, const MetreWeights& w) {
    const double notes = static_cast<double>(r.places.size());
    const int full = r.meter.BarTicks();
    const int bar = r.meter.beats == 4 || r.meter.beats == 6 ? full / 2 : full;
    return -notes * (w.similarity * RhythmSimilarity(r.places, bar) +
                     w.concentration * LongNoteConcentration(r.places, bar));
}

// What the number of notes a bar holds says against a metre, beside its
// partner of bars twice or half as long (4/4 and 2/4, 6/8 and 3/8; 3/4
// has none): the one whose bars hold nearer `barNotes` notes costs nothing.
// A busy tune of eighths and sixteenths is written in short bars, one of
// quarters and long notes in long ones.
double HeldCost(const MetricReading& r, const MetreWeights& w) {
    if (r.meter.beats == 3 && r.meter.beatType == 4) return 0;
    const double quarters = static_cast<double>(r.meter.BarTicks()) / kQuarter;
    const double held = std::log2(quarters / MeanSpan(r.places) / w.barNotes);
    const bool longer = r.meter.beats == 4 || r.meter.beats == 6;
    const double partner = longer ? held - 1 : held + 1;
    const double notes = static_cast<double>(r.places.size());
    return notes * w.barNotesPerNote * std::max(0.0, held * held - partner * partner);
}

// Bars of about two seconds are more common than longer or shorter ones,
// and bars of two and four beats more than bars of three.
double BarLengthCost(const MetricReading& r, double quarterSeconds, const MetreWeights& w) {
    const double notes = static_cast<double>(r.places.size());
    const double seconds = std::log2(r.meter.BarTicks() * quarterSeconds / kQuarter / w.barSeconds);
    const double triple = r.meter.beats == 3 ? w.triplePerNote : 0;
    return notes * (w.barPerNote * seconds * seconds + triple) + HeldCost(r, w);
}

// One reading: the pulse worth `value` ticks, bar 0's line at `barStart`.
MetricReading Reading(const MetreInput& in, TimeSignature meter, int value, double barStart,
                      const MetreWeights& w) {
    MetricReading r;
    r.meter = meter;
    r.pulseTicks = value;
    r.barStart = barStart;
    QuantizeInput q;
    for (double p : in.pulses) q.ticks.push_back((p - barStart) * value);
    q.accents = in.accents;
    q.spreads = in.spreads;
    q.secondsPerTick = in.period / value;
    q.lastSounding = in.sounding.empty() ? 0 : in.sounding.back() * value;
    const MeterGrid grid(meter);
    Quantized placed = QuantizeOnsets(grid, q, w.quantize);
    if (placed.places.empty()) return r;
    r.places = std::move(placed.places);
    r.cost = placed.cost + (r.places.front() != 0 ? w.pickup : 0);
    return r;
}

// A reading with what it costs as a choice of note values (the tempo
// octave) and as a choice of bars.
struct Scored {
    MetricReading reading;
    double quarter = 0;  // seconds
    double values = 0;
    double bars = 0;
};

// Whether, with the pulse worth `value`, bars of three beats fit the rhythm
// better than bars of two or four.
bool Triple(const std::vector<Scored>& all, int value) {
    double three = std::numeric_limits<double>::infinity(), other = three;
    for (const Scored& s : all) {
        if (s.reading.pulseTicks != value || s.reading.meter.Compound()) continue;
        double& best = s.reading.meter.beats == 3 ? three : other;
        best = std::min(best, s.values + s.bars);
    }
    return three < other;
}

}  // namespace

MetricReading ReadMetre(const MetreInput& in, std::optional<TimeSignature> meter,
                        double quarterSeconds, const MetreWeights& w) {
    if (in.pulses.empty() || in.period <= 0 || in.accents.size() != in.pulses.size() ||
        in.sounding.size() != in.pulses.size())
        return {};
    // Every reading with what it costs as a choice of note values (the tempo
    // octave) and as a choice of bars.
    std::vector<Scored> all;
    for (const TimeSignature& m : kTranscribedMeters) {
        if (meter && !(*meter == m)) continue;
        const int bar = m.BarTicks();
        for (int value : kPulseValues) {
            const double quarter = in.period * kQuarter / value;
            if (quarter < kFastestQuarter || quarter > kSlowestQuarter) continue;
            if (quarterSeconds > 0 && std::abs(std::log(quarter / quarterSeconds)) > 0.1) continue;
            // The pulse need not fall on beats: bar lines may fall on any
            // sixteenth of it, from one at or after the first onset back over a bar.
            const int common = std::gcd(std::gcd(bar, value), kQuarter / 4);
            const double step = static_cast<double>(common) / value;
            const double base = std::ceil(in.pulses.front() / step) * step;
            for (int i = 0; i <= bar / common; ++i) {
                MetricReading r = Reading(in, m, value, base - i * step, w);
                if (!r.Found()) continue;
                const double values = r.cost + CompoundCost(in, r, w);
                const double bars = BarCost(r, w);
                all.push_back({std::move(r), quarter, values, bars});
            }
        }
    }
    if (all.empty()) return {};
    std::vector<bool> triple;
    for (const Scored& s : all) triple.push_back(Triple(all, s.reading.pulseTicks));
    for (size_t i = 0; i < all.size(); ++i) {
        all[i].values += TempoCost(all[i].reading, all[i].quarter, triple[i], w);
        all[i].bars += BarLengthCost(all[i].reading, all[i].quarter, w);
    }
    // First the note values: the pulse's worth whose best reading costs
    // least; then among its readings the bars.
    const auto byValues =
        std::min_element(all.begin(), all.end(),
                         [](const Scored& a, const Scored& b) { return a.values < b.values; });
    const int value = byValues->reading.pulseTicks;
    Scored* best = nullptr;
    for (Scored& s : all) {
        if (s.reading.pulseTicks != value) continue;
        if (!best || s.values + s.bars < best->values + best->bars) best = &s;
    }
    best->reading.cost = best->values + best->bars;
    return std::move(best->reading);
}

}  // namespace sorvel::listen
