// SPDX-License-Identifier: GPL-3.0-or-later
// The tuner's reading of sound fed as the microphone delivers it (blocks of
// 25 ms at 48 kHz, a reading after each): sines, a bowed tone with vibrato,
// silence and noise, a tone that moves; and how a reading is shown in a key.
#include <QtTest>
#include <cmath>
#include <functional>
#include <numbers>
#include <random>
#include <vector>

#include "editor/practice/tunerreadout.h"
#include "editor/practice/tunertracker.h"

using namespace sorvel;

namespace {

constexpr int kInputRate = 48000;
constexpr int kBlock = kInputRate / 40;

// A signal by its frequency at each time: sine or a bowed-string-like
// sawtooth of twelve harmonics, phase carried over any change of frequency.
struct Voice {
    std::function<double(double)> hz;
    bool bowed = false;
    double amplitude = 0.3;
};

std::vector<float> Render(const Voice& voice, double seconds, double from = 0) {
    std::vector<float> out;
    double phase = 0;
    const auto n = static_cast<std::size_t>(seconds * kInputRate);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = from + static_cast<double>(i) / kInputRate;
        phase += 2 * std::numbers::pi * voice.hz(t) / kInputRate;
        double v = std::sin(phase);
        if (voice.bowed) {
            v = 0;
            for (int k = 1; k <= 12; ++k) v += std::sin(k * phase) / k;
            v *= 0.5;
        }
        out.push_back(static_cast<float>(voice.amplitude * v));
    }
    return out;
}

// Feeds `samples` block by block; the reading after each block.
std::vector<listen::TunerReading> Readings(TunerTracker& tracker,
                                           const std::vector<float>& samples) {
    std::vector<listen::TunerReading> readings;
    for (std::size_t at = 0; at < samples.size(); at += kBlock) {
        const std::size_t n = std::min<std::size_t>(kBlock, samples.size() - at);
        tracker.Push(samples.data() + at, n);
        readings.push_back(tracker.Read());
    }
    return readings;
}

double Cents(const listen::TunerReading& r, int midi) {
    return 100.0 * (r.midi - midi) + r.cents;
}

}  // namespace

class TunerReadoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aSteadyToneReadsToACent() {
        struct Case {
            double hz, a4;
            int midi;
            double cents;
        };
        for (const Case c : {Case{293.66, 440, 62, 0}, Case{440, 440, 69, 0}, Case{442, 442, 69, 0},
                             Case{293.66 * std::pow(2, 7 / 1200.0), 440, 62, 7},
                             Case{880 * std::pow(2, -30 / 1200.0), 440, 81, -30}}) {
            TunerTracker tracker(kInputRate, c.a4);
            const auto readings = Readings(tracker, Render({[&](double) { return c.hz; }}, 1.0));
            for (std::size_t i = 16; i < readings.size(); ++i) {
                QVERIFY(readings[i].valid);
                QCOMPARE(readings[i].midi, c.midi);
                QVERIFY2(std::fabs(readings[i].cents - c.cents) <= 1.0,
                         qPrintable(QString("%1 Hz: %2").arg(c.hz).arg(readings[i].cents)));
            }
        }
    }

    // A bowed tone 12 cents sharp of D4 with a vibrato of ±25 cents at
    // 5.5 Hz: the needle stays near the centre, and on average is on it.
    void aBowedToneWithVibratoReadsItsCentre() {
        const Voice voice{
            [](double t) {
                return 293.66 *
                       std::pow(2, (12 + 25 * std::sin(2 * std::numbers::pi * 5.5 * t)) / 1200);
            },
            true};
        TunerTracker tracker(kInputRate, 440);
        const auto readings = Readings(tracker, Render(voice, 2.0));
        double sum = 0;
        int count = 0;
        for (std::size_t i = 20; i < readings.size(); ++i) {
            QVERIFY(readings[i].valid);
            QVERIFY2(std::fabs(Cents(readings[i], 62) - 12) < 8,
                     qPrintable(QString::number(Cents(readings[i], 62))));
            sum += Cents(readings[i], 62);
            ++count;
        }
        QVERIFY(std::fabs(sum / count - 12) < 2);
    }

    void silenceAndNoiseGiveNoReading() {
        TunerTracker tracker(kInputRate, 440);
        for (const auto& r : Readings(tracker, std::vector<float>(kInputRate, 0.0f)))
            QVERIFY(!r.valid);
        std::mt19937 random(7);
        std::uniform_real_distribution<float> noise(-0.3f, 0.3f);
        std::vector<float> hiss(2 * kInputRate);
        for (float& v : hiss) v = noise(random);
        int readingsOfNoise = 0;
        for (const auto& r : Readings(tracker, hiss)) readingsOfNoise += r.valid;
        QCOMPARE(readingsOfNoise, 0);
    }

    // Nothing stale: once the tone stops, the next reading is none, and a
    // new tone reads as itself at once, not as a blend with the last.
    void aToneThatStopsLeavesNothingBehind() {
        TunerTracker tracker(kInputRate, 440);
        Readings(tracker, Render({[](double) { return 440.0; }, true}, 1.0));
        const auto after = Readings(tracker, std::vector<float>(kInputRate / 4, 0.0f));
        QVERIFY(!after.front().valid || after.size() > 1);
        for (std::size_t i = 2; i < after.size(); ++i) QVERIFY(!after[i].valid);
        const auto next = Readings(tracker, Render({[](double) { return 293.66; }, true}, 0.5));
        for (std::size_t i = 3; i < next.size(); ++i) {
            QVERIFY(next[i].valid);
            QCOMPARE(next[i].midi, 62);
        }
    }

    // A steady tone moved by 20 cents, or to the next note: the reading is
    // at the new pitch 50 ms later, and precise again after the window.
    void theNeedleFollowsAMoveWithin50Ms() {
        for (const double move : {20.0, -15.0, 200.0}) {
            TunerTracker tracker(kInputRate, 440);
            // One voice, its phase unbroken, moved at 1 s.
            const Voice voice{
                [move](double t) { return 293.66 * std::pow(2, (t < 1.0 ? 0 : move) / 1200); },
                true};
            std::vector<float> samples = Render(voice, 1.6);
            Readings(tracker, {samples.begin(), samples.begin() + kInputRate});
            const auto readings = Readings(tracker, {samples.begin() + kInputRate, samples.end()});
            // Two blocks of 25 ms: 50 ms after the move.
            QVERIFY(readings[1].valid);
            QVERIFY2(std::fabs(Cents(readings[1], 62) - move) <= 3,
                     qPrintable(QString("%1: %2").arg(move).arg(Cents(readings[1], 62))));
            QVERIFY(std::fabs(Cents(readings.back(), 62) - move) <= 1);
        }
    }

    void theDegreeDependsOnTheKey() {
        // 1=D: D4 is 1, A4 5, D5 1 with a dot above, A3 5 with one below.
        QCOMPARE(DegreeOfPitch(62, 2), (ScaleDegree{1, 0, 0}));
        QCOMPARE(DegreeOfPitch(69, 2), (ScaleDegree{5, 0, 0}));
        QCOMPARE(DegreeOfPitch(74, 2), (ScaleDegree{1, 0, 1}));
        QCOMPARE(DegreeOfPitch(57, 2), (ScaleDegree{5, 0, -1}));
        QCOMPARE(DegreeOfPitch(68, 2), (ScaleDegree{4, 1, 0}));  // G♯4: ♯4
        // 1=G: D4 is 5 below, A4 2, F4 ♭7 below, G4 1.
        QCOMPARE(DegreeOfPitch(62, 7), (ScaleDegree{5, 0, -1}));
        QCOMPARE(DegreeOfPitch(69, 7), (ScaleDegree{2, 0, 0}));
        QCOMPARE(DegreeOfPitch(65, 7), (ScaleDegree{7, -1, -1}));
        QCOMPARE(DegreeOfPitch(67, 7), (ScaleDegree{1, 0, 0}));
        // Far below: two dots.
        QCOMPARE(DegreeOfPitch(38, 2), (ScaleDegree{1, 0, -2}));
    }

    void theViewNamesTheNoteAndTheOpenString() {
        listen::TunerReading r;
        r.valid = true;
        r.midi = 62;
        r.cents = -3;
        TunerView view = ViewOfReading(r, 2);
        QCOMPARE(QString::fromStdString(view.name), QString("D4"));
        QCOMPARE(view.string, OpenString::Inner);
        r.midi = 69;
        QCOMPARE(ViewOfReading(r, 2).string, OpenString::Outer);
        r.midi = 70;
        view = ViewOfReading(r, 10);  // 1=♭B
        QCOMPARE(QString::fromStdString(view.name), QString::fromUtf8("B♭4"));
        QCOMPARE(view.degree, (ScaleDegree{1, 0, 0}));
        QCOMPARE(view.string, OpenString::None);
        QCOMPARE(QString::fromStdString(ViewOfReading(r, 2).name), QString::fromUtf8("A♯4"));
        // Strings tuned otherwise (G and D): D4 is the outer one.
        r.midi = 62;
        QCOMPARE(ViewOfReading(r, 2, {55, 62}).string, OpenString::Outer);
        QCOMPARE(QString::fromStdString(PitchName(60, false)), QString("C4"));
        QCOMPARE(QString::fromStdString(PitchName(59, false)), QString("B3"));
        r.valid = false;
        QVERIFY(!ViewOfReading(r, 2).valid);
        QVERIFY(ViewOfReading(r, 2).name.empty());
    }
};

QTEST_MAIN(TunerReadoutTest)
#include "tunerreadout_test.moc"
