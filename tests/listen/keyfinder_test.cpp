// SPDX-License-Identifier: GPL-3.0-or-later
// The key of known tunes, and reading the names of keys, metres and tempos.
#include <gtest/gtest.h>

#include "listen/keyfinder.h"
#include "listen/transcribebook.h"
#include "listen/transcribeoptions.h"
#include "transcribetunes.h"

namespace sorvel::listen {
namespace {

std::vector<KeyedPitch> Pitches(const char* tune, int tonic) {
    std::vector<KeyedPitch> out;
    for (const testtunes::TuneNote& n : testtunes::ParseTune(tune, tonic)) {
        if (n.midi) out.push_back({n.midi, static_cast<double>(n.ticks)});
    }
    return out;
}

TEST(FindKey, ThePentatonicTonicIsOneNotTheNoteItEndsOn) {
    // In A, ending on its sixth (F♯): the key is A, not F♯ or D or E.
    EXPECT_EQ(FindKey(Pitches("3/ 5/ 6/ 6/ | 5/ 6/ 3 | 5/ 3/ 2/ 3/ | 5/ 3/ 2 | 3/ 2/ 1/ 6,/ | "
                              "2/ 3/ 6, | 6,-",
                              69)),
              3);
    // In G, ending on its fifth.
    EXPECT_EQ(FindKey(Pitches("3/ 3// 5// 6// 1'// 1'// 6// | 5/ 5// 6// 5 | 6,/ 1/ 2 | 5,-", 67)),
              1);
}

TEST(FindKey, DiatonicTunesInTheErhusKeys) {
    // D major with C♯ and G.
    EXPECT_EQ(FindKey(Pitches("3 3 4 5 | 5 4 3 2 | 1 1 2 3 | 3. 2/ 2- | 2 2 3 1 | 2 3/ 4/ 3 1 | "
                              "7, 1 2 5, | 1---",
                              62)),
              2);
    // B♭ major with E♭ and A.
    EXPECT_EQ(FindKey(Pitches("5/. 6// 5/ 3/-- | 2' 2'/ 7/-- | 1' 1'/ 5/-- | 6 6/ 1'/. 7// 6/ | "
                              "4 4/ 2/ | 1--",
                              70)),
              -2);
    // F major ending on its tonic.
    EXPECT_EQ(FindKey(Pitches("5 3/ 5/ 1'- | 6 1' 5- | 5 1/ 2/ 3 2/ 1/ | 4. 7,/ 1---", 65)), -1);
    // C major with both of its half steps.
    EXPECT_EQ(FindKey(Pitches("1 2 3 4 | 5 6 7 1' | 7 6 5 4 | 3 2 1-", 60)), 0);
    EXPECT_EQ(FindKey({}), 0);
}

TEST(TranscribeOptions, ReadsMetresKeysAndTempos) {
    EXPECT_EQ(ParseTimeSignature("3/8"), (TimeSignature{3, 8}));
    EXPECT_EQ(ParseTimeSignature("6/8"), (TimeSignature{6, 8}));
    for (const char* bad : {"5/4", "3/", "/4", "3-4", "", "3/4x", "2/2"})
        EXPECT_FALSE(ParseTimeSignature(bad)) << bad;

    EXPECT_EQ(ParseKeyName("D"), 2);
    EXPECT_EQ(ParseKeyName("Bb"), -2);
    EXPECT_EQ(ParseKeyName("bb"), -2);
    EXPECT_EQ(ParseKeyName("F#"), 6);
    EXPECT_EQ(ParseKeyName("E\u266D"), -3);
    EXPECT_EQ(ParseKeyName("C#"), 7);
    EXPECT_EQ(ParseKeyName("Cb"), -7);
    for (const char* bad : {"", "H", "Fb", "B#", "C##", "Dm", "do"})
        EXPECT_FALSE(ParseKeyName(bad)) << bad;

    EXPECT_EQ(ParseTempo("72"), 72);
    EXPECT_EQ(ParseTempo("92.5"), 92.5);
    for (const char* bad : {"", "abc", "19", "301", "nan", "inf", "72bpm", "-80"})
        EXPECT_FALSE(ParseTempo(bad)) << bad;
}

TEST(TranscribeOptions, KeyNamesRoundTrip) {
    for (int fifths = -7; fifths <= 7; ++fifths) EXPECT_EQ(ParseKeyName(KeyName(fifths)), fifths);
    EXPECT_EQ(KeyName(-2), "Bb");
    EXPECT_EQ(KeyName(6), "F#");
    EXPECT_EQ(KeyName(9), "");
    EXPECT_EQ(JianpuKeyName(-2), "\u266DB");
    EXPECT_EQ(JianpuKeyName(6), "\u266FF");
    EXPECT_EQ(JianpuKeyName(2), "D");
}

}  // namespace
}  // namespace sorvel::listen
