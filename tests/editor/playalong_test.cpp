// SPDX-License-Identifier: GPL-3.0-or-later
// Playing along from the play dialog: the melody silent while the count-in
// clicks, a stand-in microphone played at known pitches, each note coloured
// soon after it ends and the list afterwards; the choice off by default and
// stored; disabled without an input. Capture device, virtual clock.
#include <cmath>
#include <map>
#include <numbers>

#include "editor/practice/checkcommands.h"
#include "editor/practice/checklistdock.h"
#include "editor/practice/playalongsession.h"
#include "listen/pitchunits.h"
#include "playbackrig.h"
#include "practice/writtennotes.h"

using namespace sorvel;
using namespace sorvel::playtest;

namespace {

constexpr int kRate = 48000;

// The player: sounds the note the play cursor stands at, detuned as asked
// (none for silence), sampled on the virtual clock.
class StandInPlayer : public PlayAlongInput {
public:
    StandInPlayer(const TimeSource& clock, std::function<double()> hzNow)
        : clock_(clock), hzNow_(std::move(hzNow)), start_(clock.NowMicros()), last_(start_) {}
    int Rate() const override { return kRate; }
    std::int64_t StreamStart() const override { return start_; }
    void Take(std::vector<float>& out) override {
        out.clear();
        const std::int64_t now = clock_.NowMicros();
        const std::int64_t count = (now - start_) * kRate / 1'000'000 - made_;
        const double hz = hzNow_();
        for (std::int64_t i = 0; i < count; ++i) {
            phase_ += 2 * std::numbers::pi * hz / kRate;
            out.push_back(hz > 0 ? static_cast<float>(0.4 * std::sin(phase_)) : 0.0f);
        }
        made_ += count;
        last_ = now;
    }

private:
    const TimeSource& clock_;
    std::function<double()> hzNow_;
    std::int64_t start_, last_;
    std::int64_t made_ = 0;
    double phase_ = 0;
};

struct AlongRig : Rig {
    std::vector<TNote*> notes;
    std::map<const TMusicItem*, int> midi;
    std::map<const TMusicItem*, double> detune;  // absent: not played
    CheckCommands* commands = nullptr;

    AlongRig() {
        TMusicSheet& page = *w().CurrentPage();
        Write(page, '1', 1);
        Write(page, '2', 1);
        for (int i = 0; i < page.ItemCount(); ++i)
            if (TNote* n = page.GetItem(i)->As<TNote>()) notes.push_back(n);
        UserText error;
        for (const auto& n : practice::WrittenNotesOf(w().Book(), 0, &error)) midi[n.item] = n.midi;
        commands = FindCheckCommands(w());
        FastOwnTempo(120);
        control<QCheckBox>("chkStartClick")->setChecked(true);
        control<QSpinBox>("edtStartClick")->setValue(1);
        PlayAlongInputs inputs;
        inputs.available = [] { return true; };
        inputs.open = [this](const TimeSource& c) -> std::unique_ptr<PlayAlongInput> {
            return std::make_unique<StandInPlayer>(c, [this] {
                const TMusicItem* at = pc->CursorItem();
                if (!at || !detune.count(at)) return 0.0;
                return listen::HzOfMidi(midi[at] + detune[at] / 100);
            });
        };
        pc->SetPlayAlongInputs(inputs);
    }
    std::size_t Marked() { return commands->Overlay().Check().notes.size(); }
};

}  // namespace

class PlayAlongTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void melodySilentNotesColouredAsTheyEndListAfterwards();
    void offByDefaultStoredAndDisabledWithoutInput();
};

void PlayAlongTest::melodySilentNotesColouredAsTheyEndListAfterwards() {
    AlongRig r;
    QCheckBox* along = r.control<QCheckBox>("chkPlayAlong");
    QVERIFY(along && along->isEnabled());
    along->setChecked(true);
    QCOMPARE(r.notes.size(), 2u);
    r.detune[r.notes[0]] = 30;  // the second note is not played at all
    r.dialog().show();
    QTest::mouseClick(r.control<QPushButton>("btnPlay"), Qt::LeftButton);
    // Each note's end is when the cursor leaves it; the first is marked
    // within 150 ms of that.
    std::int64_t firstEnd = -1, firstMarked = -1;
    const TMusicItem* at = nullptr;
    int ms = 0;
    r.Run(20000, [&] {
        ++ms;
        if (ms % 10 == 0) r.pc->PlayAlong().Poll();
        if (at == r.notes[0] && r.pc->CursorItem() != at) firstEnd = ms;
        at = r.pc->CursorItem();
        if (firstMarked < 0 && r.Marked() >= 1) firstMarked = ms;
    });
    QVERIFY(!r.pc->Sequencer().IsPlaying());
    QVERIFY(r.NoteOns(0).empty());  // the melody's channel stayed silent
    QVERIFY(!r.NoteOns(r.w().Workspace().prefs.RhythmChannelNo).empty());  // the count-in clicked
    QVERIFY(firstMarked > 0);
    QVERIFY(firstEnd > 0);
    QVERIFY2(firstMarked - firstEnd <= 150, qPrintable(QString::number(firstMarked - firstEnd)));
    const auto& checked = r.commands->Overlay().Check().notes;
    QCOMPARE(checked.size(), 2u);
    QCOMPARE(checked[0].status, practice::NoteStatus::kOk);
    QVERIFY2(std::abs(checked[0].cents - 30) < 4, qPrintable(QString::number(checked[0].cents)));
    QCOMPARE(checked[1].status, practice::NoteStatus::kMissed);
    QVERIFY(r.commands->List().isVisible() || !r.commands->List().isHidden());
    QCOMPARE(r.commands->List().NoteOfRow(0), 0);  // the worst first
}

void PlayAlongTest::offByDefaultStoredAndDisabledWithoutInput() {
    AlongRig r;
    QCheckBox* along = r.control<QCheckBox>("chkPlayAlong");
    QVERIFY(!along->isChecked());
    QVERIFY(!r.dialog().PlayAlong());
    along->setChecked(true);
    QVERIFY(r.dialog().PlayAlong());
    // Without an input: disabled, the tooltip says why, and a play is the
    // plain one (the melody sounds).
    PlayAlongInputs none;
    none.available = [] { return false; };
    r.pc->SetPlayAlongInputs(none);
    QVERIFY(!along->isEnabled());
    QVERIFY(!along->toolTip().isEmpty());
    QVERIFY(!r.dialog().PlayAlong());
    QTest::mouseClick(r.control<QPushButton>("btnPlay"), Qt::LeftButton);
    r.Run(20000);
    QCOMPARE(r.NoteOns(0).size(), 2u);
    const std::string path = r.f.SettingsPath().toStdString();
    r.f.window.reset();
    QCOMPARE(ReadPreferenceInt(path, "Playback", "PlayAlong", -1), 1);
    Preferences prefs;
    TfrmPlay again(prefs, path);
    QVERIFY(again.PlayAlong());
}

QTEST_MAIN(PlayAlongTest)
#include "playalong_test.moc"
