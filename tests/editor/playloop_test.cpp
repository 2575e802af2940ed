// SPDX-License-Identifier: GPL-3.0-or-later
// Practice loops from the play dialog: the selected bars played a number of
// times or until stopped, slower or faster, the pass and its speed shown, the
// choices stored; through the capture device on a virtual clock.
#include <cstdlib>
#include <set>

#include "playbackrig.h"

using namespace sorvel;
using namespace sorvel::playtest;

namespace {

constexpr int kTempo = 120;

// The tick period at `percent` of kTempo, in microseconds.
std::int64_t Period(int percent) {
    return (1'250'000'000 / (kTempo * std::int64_t{percent}) + 5) / 10;
}

struct LoopRig : Rig {
    std::vector<TNote*> notes;  // in play order, four a bar

    // Four bars of quarter notes, the digit of each its bar's number.
    LoopRig() {
        TMusicSheet& page = *w().CurrentPage();
        for (char digit : {'1', '2', '3', '4'}) Write(page, digit, 4, digit - '1');
        for (int row = 0; row < 4; ++row)
            for (int i = 0; i < page.ItemCount(); ++i)
                if (TNote* n = page.GetItem(i)->As<TNote>();
                    n && n->PosY() == layout().RowBase(row))
                    notes.push_back(n);
        FastOwnTempo(kTempo);
    }
    void SelectBars(int first, int last) {
        auto& selection = w().View().Selection();
        selection.clear();
        for (int i = (first - 1) * 4; i < last * 4; ++i) selection.push_back(notes[i]);
    }
    QLabel* state() { return control<QLabel>("lblLoopState"); }
    // Melody note-ons with their times.
    std::vector<CaptureMidiOut::Message> Onsets() {
        std::vector<CaptureMidiOut::Message> out;
        for (const auto& m : capture.Messages())
            if (m.bytes.size() == 3 && m.bytes[0] == 0x90 && m.bytes[2] != 0) out.push_back(m);
        return out;
    }
    // Every message with its time from the first one.
    std::vector<std::pair<std::int64_t, Bytes>> Timed() {
        std::vector<std::pair<std::int64_t, Bytes>> out;
        const auto all = capture.Messages();
        for (const auto& m : all) out.emplace_back(m.timeMicros - all.front().timeMicros, m.bytes);
        return out;
    }
};

}  // namespace

class PlayLoopTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void barsThreeAndFourThreeTimesAtSeventyToEighty();
    void endlessLoopStopsWithTheSoundOff();
    void onePassAtFullSpeedIsThePlainPlayOfTheRange();
    void choicesAreStoredUnderOurOwnKeys();
};

// Each pass plays bar 3 and bar 4 only, its beats 48 ticks at its speed apart
// (within the timer's 1.5 ms, where 70, 75 and 80 % differ by 40 ms a beat);
// the dialog shows each pass and its speed while it plays, nothing after.
void PlayLoopTest::barsThreeAndFourThreeTimesAtSeventyToEighty() {
    LoopRig r;
    r.SelectBars(3, 4);
    r.control<QSpinBox>("edtPlayCount")->setValue(3);
    r.control<QSpinBox>("edtTempoPercent")->setValue(70);
    r.control<QCheckBox>("chkTempoRise")->setChecked(true);
    r.dialog().show();
    QTest::mouseClick(r.control<QPushButton>("btnPlay"), Qt::LeftButton);
    QVERIFY(!r.control<QSpinBox>("edtTempoPercent")->isEnabled());
    std::vector<QString> shown;
    r.Run(60000, [&] {
        if (shown.empty() || shown.back() != r.state()->text()) shown.push_back(r.state()->text());
    });
    QVERIFY(!r.pc->IsPlaying());
    QCOMPARE(shown, (std::vector<QString>{QString::fromUtf8("1 / 3 回目　速度 70 %"),
                                          QString::fromUtf8("2 / 3 回目　速度 75 %"),
                                          QString::fromUtf8("3 / 3 回目　速度 80 %"), QString()}));

    const auto ons = r.Onsets();
    QCOMPARE(ons.size(), std::size_t(24));
    const std::uint8_t three = 64 + r.Offset(), four = 65 + r.Offset();
    const int percents[] = {70, 75, 80};
    for (std::size_t pass = 0; pass < 3; ++pass) {
        const std::int64_t beat = 48 * Period(percents[pass]);
        const std::int64_t start = ons[pass * 8].timeMicros;
        for (std::size_t k = 0; k < 8; ++k) {
            const auto& m = ons[pass * 8 + k];
            QCOMPARE(m.bytes, (Bytes{0x90, k < 4 ? three : four, 80}));
            const std::int64_t late = m.timeMicros - start - static_cast<std::int64_t>(k) * beat;
            QVERIFY2(std::llabs(late) <= 1500,
                     qPrintable(QString("pass %1 beat %2: %3 us").arg(pass).arg(k).arg(late)));
        }
    }
    QVERIFY(r.control<QSpinBox>("edtTempoPercent")->isEnabled());
}

// Endless: the count is set aside, the passes go on past it, and Stop ends
// the play with every sounding channel silenced.
void PlayLoopTest::endlessLoopStopsWithTheSoundOff() {
    LoopRig r;
    r.SelectBars(3, 3);
    r.control<QSpinBox>("edtPlayCount")->setValue(2);
    r.control<QCheckBox>("chkLoopEndless")->setChecked(true);
    QVERIFY(!r.control<QSpinBox>("edtPlayCount")->isEnabled());
    r.dialog().show();
    QTest::mouseClick(r.control<QPushButton>("btnPlay"), Qt::LeftButton);
    r.Run(12500);
    QVERIFY(r.pc->IsPlaying());
    QVERIFY(r.pc->Sequencer().PassCount() >= 5);
    QCOMPARE(r.state()->text(),
             QString::fromUtf8("%1 回目　速度 100 %").arg(r.pc->Sequencer().PassCount() + 1));
    QTest::mouseClick(r.control<QPushButton>("btnStop"), Qt::LeftButton);
    QVERIFY(!r.pc->IsPlaying());
    QVERIFY(!r.pc->Sequencer().IsPlaying());
    QVERIFY(r.state()->text().isEmpty());
    const std::size_t count = r.capture.Count();
    r.clock.AdvanceMillis(3000);
    r.pc->Sequencer().SequencerTick();
    QCOMPARE(r.capture.Count(), count);
    const auto all = r.capture.Messages();
    std::size_t lastOn = 0;
    for (std::size_t i = 0; i < all.size(); ++i)
        if ((all[i].bytes[0] & 0xF0) == 0x90 && all[i].bytes[2] != 0) lastOn = i;
    std::set<int> silenced;
    for (std::size_t i = lastOn + 1; i < all.size(); ++i)
        if ((all[i].bytes[0] & 0xF0) == 0xB0 && all[i].bytes[1] == 120)
            silenced.insert(all[i].bytes[0] & 0x0F);
    QVERIFY(silenced.count(0));                                        // the melody
    QVERIFY(silenced.count(r.w().Workspace().prefs.RhythmChannelNo));  // the metronome
}

// One pass at 100 %, rising or not, sends the same messages at the same times
// as a play with the loop options untouched.
void PlayLoopTest::onePassAtFullSpeedIsThePlainPlayOfTheRange() {
    LoopRig r;
    r.SelectBars(3, 4);
    r.pc->PlayStop();
    r.Run(20000);
    const auto plain = r.Timed();
    QCOMPARE(r.NoteOns(0).size(), std::size_t(8));

    r.capture.Clear();
    r.control<QSpinBox>("edtPlayCount")->setValue(1);
    r.control<QSpinBox>("edtTempoPercent")->setValue(100);
    r.control<QCheckBox>("chkTempoRise")->setChecked(true);
    r.pc->PlayStop();
    r.Run(20000);
    QCOMPARE(r.Timed(), plain);

    // A slow pass differs; the plain play after it is as before.
    r.capture.Clear();
    r.control<QSpinBox>("edtTempoPercent")->setValue(50);
    r.pc->PlayStop();
    r.Run(20000);
    QVERIFY(r.Timed() != plain);
    r.capture.Clear();
    r.control<QSpinBox>("edtTempoPercent")->setValue(100);
    r.control<QCheckBox>("chkTempoRise")->setChecked(false);
    r.pc->PlayStop();
    r.Run(20000);
    QCOMPARE(r.Timed(), plain);
}

void PlayLoopTest::choicesAreStoredUnderOurOwnKeys() {
    Rig r;
    QVERIFY(!r.control<QCheckBox>("chkLoopEndless")->isChecked());  // off by default
    QCOMPARE(r.control<QSpinBox>("edtTempoPercent")->value(), 100);
    QVERIFY(!r.control<QCheckBox>("chkTempoRise")->isChecked());
    r.control<QSpinBox>("edtTempoPercent")->setValue(300);  // held to 150
    QCOMPARE(r.dialog().TempoPercent(), 150);
    r.control<QSpinBox>("edtTempoPercent")->setValue(65);
    r.control<QCheckBox>("chkLoopEndless")->setChecked(true);
    r.control<QCheckBox>("chkTempoRise")->setChecked(true);
    const std::string path = r.f.SettingsPath().toStdString();
    r.f.window.reset();
    QCOMPARE(ReadPreferenceInt(path, "Playback", "LoopEndless", -1), 1);
    QCOMPARE(ReadPreferenceInt(path, "Playback", "LoopTempoPercent", -1), 65);
    QCOMPARE(ReadPreferenceInt(path, "Playback", "LoopTempoRise", -1), 1);
    Preferences prefs;
    TfrmPlay again(prefs, path);
    QVERIFY(again.LoopEndless());
    QCOMPARE(again.TempoPercent(), 65);
    QVERIFY(again.TempoRise());
}

QTEST_MAIN(PlayLoopTest)
#include "playloop_test.moc"
