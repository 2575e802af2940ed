// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For the transcription tests: tunes written in a small numbered notation,
// played as a bowed-string player would (tempo drift, uneven onsets, notes
// released a little early) into the HeardMelody the analysis would hear,
// and the written notes of a transcription to compare with the tune.
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "listen/heardmelody.h"
#include "listen/writtenmusic.h"
#include "model/majorkey.h"

namespace sorvel::listen::testtunes {

struct TuneNote {
    int midi = 0;  // 0: a rest
    int ticks = 0;
    bool vibrato = false, slide = false, trill = false;
    bool tied = false;  // ties into the next note: one sound
};

// "5/ 6// 1'// | 5-:v 0 [3 3/ 5/ 6/]": degrees 1–7 (0 a rest) of the major
// key with `tonic` (the MIDI note of 1), ' and , for octaves, # and b
// before; a quarter halved by each /, dotted by ., each - adds the length
// again; ~ ties to the next note; :v :s :t vibrato, slide, trill; [3 a b c]
// a triplet. Bar lines are for reading only.
inline std::vector<TuneNote> ParseTune(const std::string& text, int tonic) {
    std::vector<TuneNote> out;
    std::string spaced = text;
    for (char& c : spaced) {
        if (c == '|') c = ' ';
    }
    std::istringstream in(spaced);
    std::string token;
    bool triplet = false;
    while (in >> token) {
        if (token == "[3") {
            triplet = true;
            continue;
        }
        bool close = token.back() == ']';
        if (close) token.pop_back();
        TuneNote n;
        size_t i = 0;
        int accidental = 0;
        for (; i < token.size() && (token[i] == '#' || token[i] == 'b'); ++i)
            accidental += token[i] == '#' ? 1 : -1;
        const int degree = token[i++] - '0';
        int octave = 0;
        for (; i < token.size() && (token[i] == '\'' || token[i] == ','); ++i)
            octave += token[i] == '\'' ? 1 : -1;
        int base = 48, dots = 0, dashes = 0;
        for (; i < token.size() && token[i] != ':'; ++i) {
            if (token[i] == '/') base /= 2;
            if (token[i] == '.') ++dots;
            if (token[i] == '-') ++dashes;
            if (token[i] == '~') n.tied = true;
        }
        for (; i < token.size(); ++i) {
            n.vibrato |= token[i] == 'v';
            n.slide |= token[i] == 's';
            n.trill |= token[i] == 't';
        }
        n.ticks = (dots ? base * 3 / 2 : base) + dashes * base;
        if (triplet) n.ticks = n.ticks * 2 / 3;
        n.midi = degree == 0 ? 0 : tonic + kMajorScale[degree - 1] + accidental + 12 * octave;
        out.push_back(n);
        if (close) triplet = false;
    }
    return out;
}

struct Playing {
    double tempo = 90;   // quarter notes a minute
    double drift = 0;    // peak change of speed over the piece, 0.05 = 5 %
    double jitter = 0;   // seconds: onsets heard up to this early or late
    double gate = 0.85;  // share of its length a note sounds before a rest
    double start = 0.3;  // seconds before the first note
    unsigned seed = 7;
};

inline Playing At(double tempo, double drift = 0, double jitter = 0, unsigned seed = 7) {
    Playing p;
    p.tempo = tempo;
    p.drift = drift;
    p.jitter = jitter;
    p.seed = seed;
    return p;
}

inline HeardNote Heard(double onset, double offset, int midi = 60) {
    HeardNote n;
    n.onset = onset;
    n.offset = offset;
    n.midi = midi;
    return n;
}

// The time of each written tick under a drifting tempo: one slow wave of
// speed over `total` ticks.
inline double TimeOfTick(int tick, int total, const Playing& p) {
    const double secondsPerTick = 60.0 / (p.tempo * 48);
    double t = p.start;
    for (int k = 0; k < tick; ++k) {
        const double speed = 1 + p.drift * std::sin(2 * M_PI * (k + 0.5) / std::max(total, 1));
        t += secondsPerTick / speed;
    }
    return t;
}

// The melody the tune's notes make when played: a note tied on is one sound.
inline HeardMelody Perform(const std::vector<TuneNote>& tune, const Playing& p) {
    int total = 0;
    for (const TuneNote& n : tune) total += n.ticks;
    std::mt19937 random(p.seed);
    std::uniform_real_distribution<double> jitter(-p.jitter, p.jitter);
    HeardMelody m;
    int tick = 0;
    for (size_t i = 0; i < tune.size(); ++i) {
        const TuneNote& n = tune[i];
        const bool continued = i > 0 && tune[i - 1].tied && tune[i - 1].midi == n.midi;
        if (n.midi != 0 && !continued) {
            HeardNote h;
            h.onset = TimeOfTick(tick, total, p) + jitter(random);
            h.midi = n.midi;
            h.levelDb = -20;
            h.vibrato = n.vibrato;
            h.slideIn = n.slide;
            h.slideFrom = n.slide ? n.midi - 2 : 0;
            h.trill = n.trill;
            h.trillUpper = n.trill ? n.midi + 2 : 0;
            m.notes.push_back(h);
        }
        if (n.midi != 0) {
            const double from = TimeOfTick(tick, total, p);
            m.notes.back().offset = from + p.gate * (TimeOfTick(tick + n.ticks, total, p) - from);
        }
        tick += n.ticks;
    }
    // Notes of a phrase are joined: the bow carries a note to the next one
    // when less than a rest lies between them.
    for (size_t k = 0; k + 1 < m.notes.size(); ++k) {
        if (m.notes[k + 1].onset - m.notes[k].offset < 0.1)
            m.notes[k].offset = m.notes[k + 1].onset;
    }
    m.seconds = TimeOfTick(total, total, p) + 1;
    m.peakDb = -3;
    m.noiseFloorDb = -70;
    return m;
}

// A written note as the tests compare it: pitch (0 a rest) and length.
struct Written {
    int midi = 0;
    int ticks = 0;
    bool operator==(const Written&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Written& w) {
    return out << (w.midi ? std::to_string(w.midi) : std::string("rest")) << "/" << w.ticks;
}

// The tune's notes and rests with tied notes joined.
inline std::vector<Written> WrittenOfTune(const std::vector<TuneNote>& tune) {
    std::vector<Written> out;
    for (size_t i = 0; i < tune.size(); ++i) {
        const bool continued = i > 0 && tune[i - 1].tied && tune[i - 1].midi == tune[i].midi;
        if (continued) {
            out.back().ticks += tune[i].ticks;
        } else {
            out.push_back({tune[i].midi, tune[i].ticks});
        }
    }
    return out;
}

inline std::vector<Written> WrittenOfMusic(const WrittenMusic& music) {
    std::vector<Written> out;
    for (const WrittenNote& n : music.notes) out.push_back({n.rest ? 0 : n.midi, n.ticks});
    return out;
}

// The share of notes (rests left out) written with the tune's pitch and length,
// paired in order.
inline double LengthsRight(const std::vector<Written>& tune, const std::vector<Written>& written) {
    std::vector<Written> a, b;
    for (const Written& w : tune)
        if (w.midi) a.push_back(w);
    for (const Written& w : written)
        if (w.midi) b.push_back(w);
    size_t right = 0;
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) right += a[i] == b[i];
    return a.empty() ? 0 : static_cast<double>(right) / static_cast<double>(a.size());
}

}  // namespace sorvel::listen::testtunes
