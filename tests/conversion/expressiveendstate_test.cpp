// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever an expressive play bends, slides, trembles or swells, every track
// of it ends with its channel as a plain play leaves it: the bend at centre,
// the bend range back at 2 semitones with no parameter left selected, and the
// expression full. Many seeded books dense with slides and vibrato, played
// whole and in parts, are checked event by event.
#include <random>
#include <sstream>

#include "conversionfixture.h"
#include "model/daon.h"
#include "playback/conversion/notetimeline.h"

namespace sorvel::testing {
namespace {

// A channel's controller state as the events of one track leave it.
struct ChannelState {
    int bend = kBendCenter;
    int rpnMsb = 127, rpnLsb = 127;  // the parameter selected: none
    int rangeSemitones = 2, rangeCents = 0;
    int expression = 127;

    void Apply(const TMidiEvent& e) {
        if (e.type == evt::kPitch) bend = e.velocity << 7 | e.gate;
        if (e.type != evt::kControl) return;
        const bool rangeSelected = rpnMsb == 0 && rpnLsb == 0;
        switch (e.gate) {
            case 101:
                rpnMsb = e.velocity;
                break;
            case 100:
                rpnLsb = e.velocity;
                break;
            case 6:
                if (rangeSelected) rangeSemitones = e.velocity;
                break;
            case 38:
                if (rangeSelected) rangeCents = e.velocity;
                break;
            case 11:
                expression = e.velocity;
                break;
            default:
                break;
        }
    }
    std::string Describe() const {
        std::ostringstream out;
        out << "bend " << bend << ", RPN " << rpnMsb << "/" << rpnLsb << ", range "
            << rangeSemitones << "." << rangeCents << ", expression " << expression;
        return out.str();
    }
};

// Deterministic on every platform: only the engine's raw numbers are used.
class Dice {
public:
    explicit Dice(unsigned seed) : engine_(seed) {}
    int Below(int n) { return static_cast<int>(engine_() % static_cast<unsigned>(n)); }
    bool Percent(int p) { return Below(100) < p; }
    char Of(const std::string& codes) {
        return codes[static_cast<std::size_t>(Below(static_cast<int>(codes.size())))];
    }

private:
    std::mt19937 engine_;
};

class ExpressiveEndStateTest : public ConversionTest {
protected:
    ExpressiveEndStateTest() { options.expressive = true; }

    // A book of one row or two: notes of every length with slides, vibrato
    // and the other marks thick on them, dashes, rests and bar lines.
    std::vector<TNote*> RandomBook(Dice& dice) {
        StartNewBook();
        const int tempos[] = {40, 60, 80, 100, 120, 144, 200, 240};
        page->SetPlayCount(tempos[dice.Below(8)]);
        std::vector<TNote*> notes;
        const int count = 6 + dice.Below(30);
        for (int i = 0; i < count; ++i) {
            if (dice.Percent(12)) Bar(dice.Percent(90) ? "c" : "g");
            const bool dash = !notes.empty() && dice.Percent(20);
            TNote* note = N(dash ? "8" : std::string(1, dice.Percent(8) ? '0' : dice.Of("1234567")),
                            dice.Below(4));
            if (dice.Percent(15)) note->SetFuten(1);
            if (!dash && dice.Percent(30)) note->SetOctave(dice.Below(3) - 1);
            notes.push_back(note);
            if (dash || note->Content() == "0") continue;
            AddMarks(dice, *note);
        }
        for (int i = 0; i + 1 < count; ++i) {
            if (!dice.Percent(10)) continue;
            const int last = std::min(count - 1, i + 1 + dice.Below(4));
            TCresc* hairpin =
                Mark<TCresc>(*notes[static_cast<std::size_t>(i)], dice.Percent(50) ? "I" : "J");
            hairpin->SetWidth(std::max(notes[static_cast<std::size_t>(last)]->PosX() -
                                           notes[static_cast<std::size_t>(i)]->PosX(),
                                       1));
        }
        return notes;
    }

    void AddMarks(Dice& dice, TNote& note) {
        if (dice.Percent(45)) Mark(note, std::string(1, dice.Of("^_{|")));  // slides
        if (dice.Percent(50)) Mark(note, "w");                              // vibrato
        if (dice.Percent(15)) Mark(note, std::string(1, dice.Of("[\\]psvz")));
        if (dice.Percent(10)) Mark(note, "y");  // staccatissimo
        if (dice.Percent(6)) Mark(note, ")");   // fermata
        if (dice.Percent(8)) Mark(note, std::string(1, dice.Of("xH")));
        if (dice.Percent(12)) Mark(note, std::string(1, dice.Of("@ABCDEFG")));
        if (dice.Percent(12)) {
            std::string data;
            const int graces = 1 + dice.Below(3);
            for (int g = 0; g < 4; ++g)
                data += g < graces ? std::string(1, dice.Of("1234567")) + "3 " : " 3 ";
            if (dice.Percent(70))
                Mark<TDaonLeft>(note, "K")->SetAllNoteData(data);
            else
                Mark<TDaonRight>(note, "L")->SetAllNoteData(data);
        }
    }

    // Every track's end state, as a failure message per track off its defaults.
    std::vector<std::string> OffDefaultTracks() const {
        std::vector<std::string> off;
        for (int j = 1; j <= TRcpData::kTrackCount; ++j) {
            ChannelState state;
            for (const TMidiEvent& e : Track(j)) state.Apply(e);
            if (state.bend != kBendCenter || state.rpnMsb != 127 || state.rpnLsb != 127 ||
                state.rangeSemitones != 2 || state.rangeCents != 0 || state.expression != 127)
                off.push_back("track " + std::to_string(j) + ": " + state.Describe());
        }
        return off;
    }
};

TEST_F(ExpressiveEndStateTest, EveryTrackEndsWithTheBendCentredAndTheRangeAtItsDefault) {
    constexpr unsigned kBooks = 300;
    std::vector<std::string> failures;
    auto check = [&](const std::string& play) {
        for (const std::string& off : OffDefaultTracks()) failures.push_back(play + ", " + off);
    };
    for (unsigned seed = 1; seed <= kBooks; ++seed) {
        Dice dice(seed);
        const std::vector<TNote*> notes = RandomBook(dice);
        options.startClick = dice.Percent(30);
        options.playScoreTempo = dice.Percent(80);
        // The whole piece, then from one note to another.
        Build();
        check("book " + std::to_string(seed));
        const int size = static_cast<int>(notes.size());
        const int from = dice.Below(size);
        const int to = from + dice.Below(size - from);
        Build(notes[static_cast<std::size_t>(from)], notes[static_cast<std::size_t>(to)]);
        check("book " + std::to_string(seed) + " from note " + std::to_string(from) + " to " +
              std::to_string(to));
    }
    std::string first;
    for (std::size_t i = 0; i < failures.size() && i < 5; ++i) first += "\n  " + failures[i];
    EXPECT_TRUE(failures.empty()) << failures.size() << " of " << 2 * kBooks
                                  << " plays end off the defaults:" << first;
}

}  // namespace
}  // namespace sorvel::testing
