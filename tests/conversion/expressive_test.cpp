// SPDX-License-Identifier: GPL-3.0-or-later
// Expressive playback: what each erhu mark adds to the melody track, that the
// plain rendering ignores the marks, and that every note still begins on its
// own tick under its own name (metronome and play cursor keep their time).
#include "expressivefixture.h"
#include "playback/conversion/removecountin.h"

namespace sorvel::testing {
namespace {

TEST_F(ExpressiveTest, PlainPlaybackIgnoresTheMarks) {
    std::vector<TNote*> n = Score("1234");
    Mark(*n[0], "E");  // f
    Mark(*n[1], "[");  // trill
    Mark(*n[2], "^");  // slide
    Graces(*n[3], "53 63  3  3 ");
    options.expressive = false;
    Build();
    std::vector<std::pair<int, int>> events;
    for (const TMidiEvent& e : Track(1)) events.emplace_back(e.type, e.velocity);
    EXPECT_EQ(events, (std::vector<std::pair<int, int>>{{evt::kTempo, 0},
                                                        {0, 0},
                                                        {60, 80},
                                                        {62, 80},
                                                        {64, 80},
                                                        {65, 80},
                                                        {evt::kEndOfTrack, 254}}));
}

TEST_F(ExpressiveTest, SetsTheBendRangeFirstAndKeepsEveryOnset) {
    std::vector<TNote*> n = Score("12|3");
    options.expressive = false;
    Build();
    const std::map<const TMusicItem*, int> plain = Onsets();
    options.expressive = true;
    Build();
    EXPECT_EQ(Onsets(), plain);
    std::vector<std::pair<int, int>> controls;
    for (const TMidiEvent& e : Track(1))
        if (e.type == evt::kControl) controls.emplace_back(e.gate, e.velocity);
    // Bend range 12 and full expression before the music; the range back at
    // 2 after it.
    EXPECT_EQ(controls, (std::vector<std::pair<int, int>>{{101, 0},
                                                          {100, 0},
                                                          {6, 12},
                                                          {38, 0},
                                                          {101, 127},
                                                          {100, 127},
                                                          {11, 127},
                                                          {101, 0},
                                                          {100, 0},
                                                          {6, 2},
                                                          {38, 0},
                                                          {101, 127},
                                                          {100, 127}}));
    EXPECT_EQ(Notes(), (std::vector<std::tuple<int, int, int, int>>{
                           {60, 1, 38, 80}, {62, 49, 38, 80}, {64, 97, 38, 80}}));
}

TEST_F(ExpressiveTest, DynamicsSetTheVelocityAndAccentsAddToOneNote) {
    std::vector<TNote*> n = Score("123456");
    Mark(*n[0], "B");  // p
    Mark(*n[2], "x");  // accent
    Mark(*n[3], "G");  // fff
    Mark(*n[4], "@");  // ppp
    Mark(*n[5], "H");  // sf
    Build();
    std::vector<int> velocities;
    for (const auto& note : Notes()) velocities.push_back(std::get<3>(note));
    EXPECT_EQ(velocities, (std::vector<int>{56, 56, 76, 120, 30, 60}));
}

TEST_F(ExpressiveTest, ADynamicBeforeTheStartIsInForce) {
    std::vector<TNote*> n = Score("1234");
    Mark(*n[0], "E");  // f
    Build(n[2]);
    EXPECT_EQ(std::get<3>(Notes().front()), 94);
}

TEST_F(ExpressiveTest, GraceNotesTakeTheEndOfTheNoteBefore) {
    std::vector<TNote*> n = Score("13");
    Graces(*n[1], "53 63  3  3 ");  // 5 6 before 3
    Build();
    // Two 32nds (6 ticks) just before the beat of 3, lighter; 1 ends there.
    EXPECT_EQ(Notes(), (std::vector<std::tuple<int, int, int, int>>{
                           {60, 1, 36, 80}, {67, 37, 6, 70}, {69, 43, 6, 70}, {64, 49, 38, 80}}));
    // They sound under the name of the note before: the cursor moves to 3 on its beat.
    for (const Timed& t : Timeline()) {
        if (t.event.type == 67 || t.event.type == 69) {
            EXPECT_EQ(t.event.sourceItem, n[0]);
        }
    }
    EXPECT_EQ(Onsets().at(n[1]), 49);
}

TEST_F(ExpressiveTest, GraceNotesAtTheStartOrBeforeAShortNoteFallOnTheBeat) {
    std::vector<TNote*> n = Score("5");
    Graces(*n[0], "63  3  3  3 ");
    Build();
    EXPECT_EQ(Notes(),
              (std::vector<std::tuple<int, int, int, int>>{{69, 1, 6, 70}, {67, 7, 32, 80}}));
    // Never more than half of the note they lean on.
    TNote* shortNote = N("1", 3);  // a 16th: 12 ticks
    Graces(*shortNote, "53 63 73 13 ");
    Build();
    int graceTicks = 0;
    for (const auto& [pitch, tick, gate, velocity] : Notes())
        if (velocity == 70 && tick > 40) graceTicks += gate;
    EXPECT_LE(graceTicks, 6);
}

TEST_F(ExpressiveTest, GraceNotesAfterANoteEndIt) {
    std::vector<TNote*> n = Score("53");
    Graces(*n[0], "63 53  3  3 ", false);
    Build();
    EXPECT_EQ(Pitches(), (std::vector<int>{67, 69, 67, 64}));
    EXPECT_EQ(std::get<1>(Notes()[1]), 1 + 48 - 12);
    EXPECT_EQ(Onsets().at(n[1]), 49);
}

TEST_F(ExpressiveTest, ATrillAlternatesWithTheDegreeAboveEightTimesASecond) {
    std::vector<TNote*> n = Score("3");
    n[0]->SetLength(0);
    Mark(*n[0], "[");
    Build();
    // A quarter at 120 is half a second: notes of 12 ticks, 3 4 3, the last
    // one released where the plain note would be (a fourth would be a blip).
    EXPECT_EQ(Notes(), (std::vector<std::tuple<int, int, int, int>>{
                           {64, 1, 12, 80}, {65, 13, 12, 70}, {64, 25, 14, 70}}));
    // The degree above 7 is 1 of the next octave.
    std::vector<TNote*> m = Score("7");
    Mark(*m[0], "[");
    Build(m[0]);
    EXPECT_EQ(Pitches(), (std::vector<int>{71, 72, 71}));
}

TEST_F(ExpressiveTest, ATrillGoesOnOverTheDashesOfItsNote) {
    std::vector<TNote*> n = Score("58");
    Mark(*n[0], "[");
    Build();
    // Tied into the dash, the trill runs on to the dash's release.
    EXPECT_EQ(Pitches(), (std::vector<int>{67, 69, 67, 69, 67, 69, 67}));
    // Only the note's own first stroke is full; the dash goes on lighter.
    std::vector<int> velocities;
    for (const auto& note : Notes()) velocities.push_back(std::get<3>(note));
    EXPECT_EQ(velocities, (std::vector<int>{80, 70, 70, 70, 70, 70, 70}));
}

TEST_F(ExpressiveTest, MordentsTurnsAndTremolo) {
    const std::pair<const char*, std::vector<int>> cases[] = {
        {"]", {64, 65, 64}},          // upper mordent: main, upper, main
        {"p", {64, 62, 64}},          // lower mordent
        {"s", {65, 64, 62, 64}},      // turn: upper, main, lower, main
        {"v", {62, 64, 65, 64}},      // inverted turn
        {"z", {64, 64, 64, 64, 64}},  // tremolo: 8 ticks a stroke, up to the release
    };
    for (const auto& [code, pitches] : cases) {
        SCOPED_TRACE(code);
        TNote* note = N("3");
        Mark(*note, code);
        Build(note);
        EXPECT_EQ(Pitches(), pitches);
        EXPECT_EQ(TotalTicks(), 1 + 48);
    }
}

TEST_F(ExpressiveTest, ASlideBendsIntoTheNoteFromAWholeToneOrTheNoteBefore) {
    std::vector<TNote*> n = Score("5");
    Mark(*n[0], "^");
    Build();
    std::vector<std::pair<int, int>> bends = Bends(1);
    ASSERT_GE(bends.size(), 3u);
    EXPECT_EQ(bends.front(), (std::pair<int, int>{1, -200}));
    EXPECT_EQ(bends.back().second, 0);
    EXPECT_LE(bends.back().first, 1 + 14);
    for (std::size_t i = 1; i < bends.size(); ++i) EXPECT_GT(bends[i].second, bends[i - 1].second);
    // The bend comes before the note it bends.
    const std::vector<Timed> timeline = Timeline();
    for (std::size_t i = 0; i < timeline.size(); ++i) {
        if (timeline[i].event.type == 67) {
            EXPECT_EQ(timeline[i - 1].event.type, evt::kPitch);
            break;
        }
    }
    // From a minor third below (3 to 5) the slide starts on the note before.
    std::vector<TNote*> m = Score("35");
    Mark(*m[1], "^");
    Build(m[0]);
    EXPECT_EQ(Bends(49).front(), (std::pair<int, int>{49, -300}));
    // Downwards from above.
    Mark(*m[0], "_");
    Build(m[0]);
    EXPECT_EQ(Bends(1).front(), (std::pair<int, int>{1, 200}));
}

TEST_F(ExpressiveTest, AGlissandoLeavesTheNoteBeforeAndArrivesOnTheBeat) {
    std::vector<TNote*> n = Score("15");
    Mark(*n[1], "{");
    Build();
    const std::vector<std::pair<int, int>> bends = Bends(1);
    ASSERT_GE(bends.size(), 3u);
    // Up a fifth during the last third of 1, back to the centre as 5 strikes.
    EXPECT_GE(bends.front().first, 1 + 48 - 16);
    EXPECT_EQ(bends[bends.size() - 2].second, 700);
    EXPECT_EQ(bends.back(), (std::pair<int, int>{49, 0}));
    // 1 sounds on to the beat of 5.
    EXPECT_EQ(std::get<2>(Notes()[0]), 48);
    EXPECT_EQ(Onsets().at(n[1]), 49);
}

TEST_F(ExpressiveTest, VibratoIsAGentlePitchModulation) {
    std::vector<TNote*> n = Score("5");
    n[0]->SetLength(0);
    Mark(*n[0], "w");
    N("8");
    Build();
    const std::vector<std::pair<int, int>> bends = Bends(2);
    ASSERT_GE(bends.size(), 10u);
    int low = 0, high = 0;
    for (const auto& [tick, cents] : bends) {
        low = std::min(low, cents);
        high = std::max(high, cents);
    }
    EXPECT_LE(high, 30);
    EXPECT_GE(high, 25);
    EXPECT_GE(low, -30);
    EXPECT_LE(low, -25);
    // It waits a moment before it starts.
    EXPECT_GE(bends.front().first, 1 + 12);
}

// The wave is drawn with at least 16 bends a cycle (a cycle is 180 ms);
// where a cycle is shorter than 16 ticks, with one every tick.
TEST_F(ExpressiveTest, VibratoIsASmoothWave) {
    for (int tempo : {60, 120, 200}) {
        SCOPED_TRACE(tempo);
        StartNewBook();
        page->SetPlayCount(tempo);
        Mark(*N("5"), "w");
        N("8");
        N("8");
        Build();
        const std::vector<std::pair<int, int>> bends = Bends(2);
        ASSERT_GE(bends.size(), 10u);
        const double cycle = 180.0 * tempo * 48 / 60000;
        int firstCycle = 0;
        for (const auto& [tick, cents] : bends)
            if (tick < bends.front().first + cycle) ++firstCycle;
        EXPECT_GE(firstCycle, std::min(16, static_cast<int>(cycle)));
        // A 30-cent sine moves at most 2 pi 30 / 16 cents from one of 16
        // points a cycle to the next.
        const double points = std::min(16.0, cycle);
        for (std::size_t i = 1; i < bends.size(); ++i) {
            EXPECT_LE(bends[i].first - bends[i - 1].first,
                      std::max(1, static_cast<int>(cycle / 16)));
            EXPECT_LE(std::abs(bends[i].second - bends[i - 1].second),
                      2 * 3.1416 * 30 / points + 0.5)
                << "at " << bends[i].first;
        }
    }
}

TEST_F(ExpressiveTest, StaccatissimoIsShorterAndAFermataLonger) {
    std::vector<TNote*> n = Score("123");
    Mark(*n[0], "y");
    Mark(*n[1], ")");
    Build();
    EXPECT_EQ(std::get<2>(Notes()[0]), 9);  // 20 % of a quarter
    std::vector<std::pair<int, const TMusicItem*>> tempos;
    for (const TMidiEvent& e : Track(1))
        if (e.type == evt::kTempo) tempos.emplace_back(e.gate, e.sourceItem);
    EXPECT_EQ(tempos, (std::vector<std::pair<int, const TMusicItem*>>{
                          {120, nullptr}, {80, n[1]}, {120, n[2]}}));
}

// A fermata on the last note does not leave the play slow: a second pass,
// which with the dialog's tempo starts with no tempo event, is in time again.
TEST_F(ExpressiveTest, AFermataOnTheLastNoteEndsWithTheTempoBack) {
    std::vector<TNote*> n = Score("123");
    Mark(*n[2], ")");
    options.playScoreTempo = false;
    options.tempo = 90;
    Build();
    std::vector<std::pair<int, int>> tempos;  // value, tick
    for (const Timed& t : Timeline())
        if (t.event.type == evt::kTempo) tempos.emplace_back(t.event.gate, t.tick);
    EXPECT_EQ(tempos, (std::vector<std::pair<int, int>>{{60, 1 + 2 * 48}, {90, 1 + 3 * 48}}));
}

// Staccatissimo releases the note at a fifth of it. An ornament on it stops
// there: nothing of it sounds after the release, no note is a stub of a
// tick, and a trill comes to rest on the main note.
TEST_F(ExpressiveTest, StaccatissimoCutsTheOrnamentAtTheRelease) {
    const std::pair<const char*, std::size_t> cases[] = {{"[", 3}, {"\\", 3}, {"z", 5}};
    for (const auto& [code, count] : cases) {
        SCOPED_TRACE(code);
        StartNewBook();
        page->SetPlayCount(40);  // slow enough for the ornament to begin
        TNote* note = N("3");
        note->SetFuten(1);  // a dotted quarter: released at tick 14 of 72
        Mark(*note, "y");
        Mark(*note, code);
        Build();
        EXPECT_EQ(Notes().size(), count);
        for (const auto& [pitch, tick, gate, velocity] : Notes()) {
            EXPECT_LE(tick + gate, 1 + 14) << "note at " << tick;
            EXPECT_GE(gate, 2) << "note at " << tick;
        }
        EXPECT_EQ(Pitches().back(), 64);
    }
}

// Released where the plain note would be, a trill ends on its main note at
// every tempo, however its notes fall against the release.
TEST_F(ExpressiveTest, ATrillEndsOnItsMainNote) {
    for (int tempo = 40; tempo <= 240; tempo += 10) {
        SCOPED_TRACE(tempo);
        StartNewBook();
        page->SetPlayCount(tempo);
        Mark(*N("3"), "[");
        Build();
        ASSERT_FALSE(Notes().empty());
        EXPECT_EQ(Pitches().back(), 64);
        for (const auto& [pitch, tick, gate, velocity] : Notes()) {
            EXPECT_LE(tick + gate, 1 + 38);
            EXPECT_GE(gate, 2);
        }
    }
}

TEST_F(ExpressiveTest, EveryOnsetTickOpensWithItsOwnNote) {
    std::vector<TNote*> n = Score("1234|5678|1");
    Mark(*n[0], "B");
    Mark(*n[1], "w");
    Mark(*n[2], "[");
    Mark(*n[3], "^");
    Graces(*n[4], "13  3  3  3 ");
    Mark(*n[5], "{");
    Mark(*n[6], ")");
    TCresc* cresc = Mark<TCresc>(*n[4], "I");
    cresc->SetWidth(n[6]->PosX() - n[4]->PosX());
    options.expressive = false;
    Build();
    const std::map<const TMusicItem*, int> plain = Onsets();
    options.expressive = true;
    Build();
    EXPECT_EQ(Onsets(), plain);
    // The sequencer reports the first event of each tick to the cursor: at
    // every note's onset that event names the note.
    std::map<int, const TMusicItem*> firstOfTick;
    for (const Timed& t : Timeline())
        if (!firstOfTick.contains(t.tick)) firstOfTick[t.tick] = t.event.sourceItem;
    for (const auto& [item, tick] : plain) {
        if (item->Content() == "8") continue;
        EXPECT_EQ(firstOfTick.at(tick), item) << "note at tick " << tick;
    }
    // The metronome gets exactly the plain clicks.
    options.expressive = false;
    Build();
    const std::vector<TMidiEvent> plainClicks = Track(2);
    options.expressive = true;
    Build();
    ASSERT_EQ(Track(2).size(), plainClicks.size());
    for (std::size_t i = 0; i < plainClicks.size(); ++i)
        EXPECT_EQ(Track(2)[i].step, plainClicks[i].step);
}

TEST_F(ExpressiveTest, RepeatsAndCountInWorkAsInPlainPlayback) {
    std::vector<TNote*> n = Score("[12:3");
    Mark(*n[0], "[");
    options.startClick = true;
    Build();
    EXPECT_EQ(Pitches(), (std::vector<int>{60, 62, 60, 62, 60, 62, 60, 62, 64}));
    const int countIn = 4 * 48;
    EXPECT_EQ(Onsets().at(n[2]), countIn + 1 + 4 * 48);
    RemoveCountIn(data);
    EXPECT_EQ(Onsets().at(n[2]), 1 + 4 * 48);
}

}  // namespace
}  // namespace sorvel::testing
