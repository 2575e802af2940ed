// SPDX-License-Identifier: GPL-3.0-or-later
// The play cursor waits for the sound: a device whose audio is heard some
// time after a note is sent moves the cursor that much later, and a stop in
// between leaves no cursor behind.
#include <QElapsedTimer>

#include "playbackrig.h"

using namespace sorvel;
using namespace sorvel::playtest;

namespace {

constexpr std::int64_t kDelayMicros = 60'000;

// The capture device with a synthesizer's queued audio in front of the ear.
class DelayedOut final : public MidiOut {
public:
    explicit DelayedOut(CaptureMidiOut& to) : to_(to) {}
    void ShortMessage(std::uint32_t message) override { to_.ShortMessage(message); }
    void LongMessage(std::span<const std::uint8_t> bytes) override { to_.LongMessage(bytes); }
    void Reset() override { to_.Reset(); }
    std::int64_t SoundDelayMicros() const override { return kDelayMicros; }

private:
    CaptureMidiOut& to_;
};

struct DelayRig : Rig {
    DelayRig() {
        pc->UseDevice(std::make_unique<DelayedOut>(capture));
        Write(*w().CurrentPage(), '1', 4);
        FastOwnTempo(60);
    }
    // Ticks and delivers the queued calls until the first melody note went out.
    void PlayToTheFirstNote() {
        pc->PlayStop();
        for (int i = 0; i < 2000 && NoteOns(0).empty(); ++i) {
            clock.AdvanceMillis(1);
            pc->Sequencer().SequencerTick();
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
    }
    const TMusicItem* FirstNote() {
        TMusicSheet& page = *w().CurrentPage();
        for (int i = 0; i < page.ItemCount(); ++i)
            if (page.GetItem(i)->As<TNote>()) return page.GetItem(i);
        return nullptr;
    }
};

}  // namespace

class PlayCursorTimingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cursorMovesWhenTheNoteIsHeard();
    void stopBeforeTheNoteIsHeardLeavesNoCursor();
};

void PlayCursorTimingTest::cursorMovesWhenTheNoteIsHeard() {
    DelayRig r;
    QElapsedTimer elapsed;
    r.PlayToTheFirstNote();
    elapsed.start();
    QCOMPARE(r.NoteOns(0).size(), std::size_t(1));
    QVERIFY(r.pc->CursorItem() == nullptr);  // sent, not yet heard
    QTRY_VERIFY_WITH_TIMEOUT(r.pc->CursorItem() != nullptr, 2000);
    QVERIFY(r.pc->CursorItem() == r.FirstNote());
    // Timers do not fire early; the delay was counted from the tick, just
    // before the clock started here.
    QVERIFY2(elapsed.elapsed() >= kDelayMicros / 1000 - 5,
             qPrintable(QString::number(elapsed.elapsed())));
    r.pc->PlayStop();
}

void PlayCursorTimingTest::stopBeforeTheNoteIsHeardLeavesNoCursor() {
    DelayRig r;
    r.PlayToTheFirstNote();
    QVERIFY(r.pc->CursorItem() == nullptr);
    r.pc->PlayStop();
    QTest::qWait(3 * kDelayMicros / 1000);
    QVERIFY(r.pc->CursorItem() == nullptr);
}

QTEST_MAIN(PlayCursorTimingTest)
#include "playcursortiming_test.moc"
