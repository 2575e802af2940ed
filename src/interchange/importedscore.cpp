// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/importedscore.h"

#include <algorithm>

namespace sorvel::interchange {

int MidiOfPitch(const XmlPitch& p) {
    // Semitones of the steps above C, indexed from 'A'.
    static constexpr int kStepSemitones[7] = {9, 11, 0, 2, 4, 5, 7};
    const int step = p.step >= 'A' && p.step <= 'G' ? kStepSemitones[p.step - 'A'] : 0;
    return (p.octave + 1) * 12 + step + p.alter;
}

std::string NamedLeftOutLabel(TextTemplate label, const std::string& name) {
    return FillPlaces(label.source, {name});
}

UserText LeftOutLabelText(const std::string& label) {
    for (const TextTemplate& named : {kUnsupportedMarkLabel, kGraceMarkLabel, kUnknownMeterLabel,
                                      kTupletBracketLabel, kTupletAsTripletsLabel}) {
        const std::string_view source(named.source);
        const size_t place = source.find("%1");
        const std::string_view prefix = source.substr(0, place);
        const std::string_view suffix = source.substr(place + 2);
        if (label.size() > prefix.size() + suffix.size() && label.starts_with(prefix) &&
            label.ends_with(suffix)) {
            return UserText(named,
                            {UserText::Plain(label.substr(
                                prefix.size(), label.size() - prefix.size() - suffix.size()))});
        }
    }
    return UserText("sorvel::interchange", label);
}

void CountLeftOut(std::vector<std::pair<std::string, int>>& leftOut, const std::string& label,
                  int n) {
    const auto it = std::find_if(leftOut.begin(), leftOut.end(),
                                 [&label](const auto& entry) { return entry.first == label; });
    if (it == leftOut.end()) {
        leftOut.emplace_back(label, n);
    } else {
        it->second += n;
    }
}

}  // namespace sorvel::interchange
