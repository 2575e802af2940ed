// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/musicxmlwriter_pitch.h"

#include "interchange/jianpupitch.h"

#include <cstdlib>
#include <optional>

namespace sorvel::interchange {
namespace {

constexpr char kSteps[] = "CDEFGAB";
constexpr int kLetterSemitone[7] = {0, 2, 4, 5, 7, 9, 11};

int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

}  // namespace

ExportKey KeyOfKeyCode(const std::string& keyCode) {
    if (const std::optional<int> fifths = FifthsOfKeyCode(keyCode)) {
        return {*fifths, TonicOfFifths(*fifths)};
    }
    if (const std::optional<Tonic> tonic = TonicOfKeyCode(keyCode)) {
        ExportKey best{};
        bool found = false;
        for (int f = -7; f <= 7; ++f) {
            const Tonic t = TonicOfFifths(f);
            if (t.semitone != tonic->semitone) continue;
            if (!found || std::abs(f) < std::abs(best.fifths)) best = {f, t};
            found = true;
        }
        if (found) return best;
    }
    return {};
}

int AccidentalOfRinji(std::string_view rinji) {
    if (rinji.empty()) return 0;
    return rinji[0] == 'a' ? -1 : rinji[0] == '`' ? 1 : 0;
}

bool IsAccidentalCode(std::string_view rinji) {
    return !rinji.empty() && (rinji[0] == 'a' || rinji[0] == '`' || rinji[0] == 'b');
}

int KeyAlterOfLetter(int fifths, int letter) {
    // Sharps come in the order F C G D A E B, flats in the reverse order.
    static constexpr int kSharpOrder[7] = {3, 0, 4, 1, 5, 2, 6};
    for (int i = 0; i < 7; ++i) {
        if (kSharpOrder[i] != letter) continue;
        if (fifths > 0) return i < fifths ? 1 : 0;
        return (6 - i) < -fifths ? -1 : 0;
    }
    return 0;
}

int SoundingMidi(const ExportKey& key, const Degree& d) {
    return MidiOfJianpu({static_cast<char>('0' + d.degree), d.accidental, d.octave}, key.tonic);
}

XmlPitch SpellDegree(const ExportKey& key, const Degree& d) {
    const int letter = (key.tonic.letter + d.degree - 1) % 7;
    const int midi = SoundingMidi(key, d);
    const int alter = KeyAlterOfLetter(key.fifths, letter) + d.accidental;
    XmlPitch p;
    p.step = kSteps[letter];
    p.alter = alter;
    // MIDI = (octave + 1) × 12 + letter semitone + alter.
    p.octave = FloorDiv(midi - alter - kLetterSemitone[letter], 12) - 1;
    return p;
}

}  // namespace sorvel::interchange
