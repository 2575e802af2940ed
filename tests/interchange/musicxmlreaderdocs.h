// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For the tests of the MusicXML reader: small partwise documents built from
// their pieces, reading one, and what the score read says (a pitch as text,
// how often a label was left out).
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "interchange/musicxmlreader.h"

namespace sorvel::interchange::readerdocs {

inline int LeftOut(const ImportedScore& s, const std::string& label) {
    for (const auto& [l, n] : s.leftOut) {
        if (l == label) return n;
    }
    return 0;
}

inline std::string Pitch(const XmlPitch& p) {
    std::string s(1, p.step);
    if (p.alter > 0) s += std::string(static_cast<size_t>(p.alter), '#');
    if (p.alter < 0) s += std::string(static_cast<size_t>(-p.alter), 'b');
    return s + std::to_string(p.octave);
}

// A small partwise document: one part of the given measures, 2 divisions to
// the quarter unless the measures say otherwise.
inline std::string Doc(const std::string& measures, const std::string& header = "") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><score-partwise version=\"4.0\">" + header +
           "<part-list><score-part id=\"P1\"/></part-list><part id=\"P1\">" + measures +
           "</part></score-partwise>";
}

inline std::string Measure(const std::string& body, const std::string& number = "1") {
    return "<measure number=\"" + number + "\">" + body + "</measure>";
}

inline constexpr char kAttributes[] =
    "<attributes><divisions>2</divisions><key><fifths>0</fifths></key>"
    "<time><beats>4</beats><beat-type>4</beat-type></time></attributes>";

inline std::string Note(const std::string& step, int octave, int duration,
                        const std::string& more = "") {
    return "<note><pitch><step>" + step + "</step><octave>" + std::to_string(octave) +
           "</octave></pitch><duration>" + std::to_string(duration) + "</duration>" + more +
           "</note>";
}

inline ImportedScore ReadDoc(const std::string& xml, int part = 0) {
    const MusicXmlReadResult r = ReadMusicXmlBytes(xml, part);
    EXPECT_TRUE(r.ok) << r.message;
    return r.score;
}

}  // namespace sorvel::interchange::readerdocs
