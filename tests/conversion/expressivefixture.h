// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The expressive conversion tests' fixture: a page at 120 beats a minute
// played with the marks, and readings of the melody track as it sounds
// (notes, bends, expression, loudness, the tick of every event).
#include <cmath>
#include <map>

#include "conversionfixture.h"
#include "model/daon.h"
#include "playback/conversion/notetimeline.h"

namespace sorvel::testing {

// An event of track 1 at its tick from the start of the track.
struct Timed {
    int tick;
    TMidiEvent event;
};

class ExpressiveTest : public ConversionTest {
protected:
    ExpressiveTest() {
        page->SetPlayCount(120);  // 120 a minute: 125 ms is 12 ticks
        options.expressive = true;
    }

    std::vector<Timed> Timeline() const {
        std::vector<Timed> out;
        int tick = 0;
        for (const TMidiEvent& e : Track(1)) {
            out.push_back({tick, e});
            if (e.type < evt::kFirstNonTiming) tick += e.step;
        }
        return out;
    }
    // Sounding notes (pitch, tick, gate, velocity) in order.
    std::vector<std::tuple<int, int, int, int>> Notes() const {
        std::vector<std::tuple<int, int, int, int>> out;
        for (const Timed& t : Timeline())
            if (t.event.IsNote() && t.event.type != 0 && t.event.gate != 0)
                out.emplace_back(t.event.type, t.tick, t.event.gate, t.event.velocity);
        return out;
    }
    std::vector<int> Pitches() const {
        std::vector<int> out;
        for (const auto& n : Notes()) out.push_back(std::get<0>(n));
        return out;
    }
    // Bends in cents from the note, with their ticks; those of the notes,
    // not the set-up before them and the reset after them.
    std::vector<std::pair<int, int>> Bends(int fromTick = 0) const {
        std::vector<std::pair<int, int>> out;
        for (const Timed& t : Timeline()) {
            if (t.event.type != evt::kPitch || t.tick < fromTick || !t.event.sourceItem) continue;
            const int value = t.event.velocity << 7 | t.event.gate;
            out.emplace_back(t.tick,
                             static_cast<int>(std::lround((value - kBendCenter) * 1200.0 / 8192)));
        }
        return out;
    }
    std::vector<std::pair<int, int>> Expression() const {
        std::vector<std::pair<int, int>> out;
        for (const Timed& t : Timeline())
            if (t.event.type == evt::kControl && t.event.gate == 11)
                out.emplace_back(t.tick, t.event.velocity);
        return out;
    }
    // The tick each note's first event stands on.
    std::map<const TMusicItem*, int> Onsets() const {
        std::map<const TMusicItem*, int> out;
        for (const Timed& t : Timeline())
            if (t.event.sourceItem && !out.contains(t.event.sourceItem))
                out[t.event.sourceItem] = t.tick;
        return out;
    }
    int TotalTicks() const { return Timeline().back().tick; }

    // The loudness of the melody in decibels (0: velocity 127 at full
    // expression) from each tick where it changes: a note struck or the
    // expression moved. The General MIDI SoundFont's default curves take
    // 40 log10(x / 127) dB off for the velocity x and alike for the
    // expression. A note whose pitch still sounds is not struck anew (the
    // sequencer lengthens it) and keeps the velocity it was struck with.
    std::vector<std::pair<int, double>> Levels() const {
        std::vector<std::pair<int, double>> out;
        std::map<int, int> soundsUntil;  // pitch: the tick its gate runs out
        int velocity = 0, expression = 127;
        for (const Timed& t : Timeline()) {
            const TMidiEvent& e = t.event;
            if (e.type == evt::kControl && e.gate == 11) {
                expression = e.velocity;
            } else if (e.IsNote() && e.type != 0 && e.gate != 0 && e.velocity != 0) {
                if (soundsUntil[e.type] <= t.tick) velocity = e.velocity;
                soundsUntil[e.type] = t.tick + e.gate;
            } else {
                continue;
            }
            if (velocity == 0) continue;
            const double level = Decibels(velocity) + Decibels(expression);
            if (!out.empty() && out.back().first == t.tick)
                out.back().second = level;
            else
                out.emplace_back(t.tick, level);
        }
        return out;
    }
    static double Decibels(int value) { return 40.0 * std::log10(value / 127.0); }
    // The level in force at `tick`.
    static double LevelAt(const std::vector<std::pair<int, double>>& levels, int tick) {
        double level = -1000;
        for (const auto& [at, value] : levels)
            if (at <= tick) level = value;
        return level;
    }

    TDaon* Graces(TNote& note, const std::string& data, bool before = true) {
        TDaon* daon = before ? static_cast<TDaon*>(Mark<TDaonLeft>(note, "K"))
                             : static_cast<TDaon*>(Mark<TDaonRight>(note, "L"));
        EXPECT_TRUE(daon->SetAllNoteData(data));
        return daon;
    }
};

}  // namespace sorvel::testing
