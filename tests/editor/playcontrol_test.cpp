// SPDX-License-Identifier: GPL-3.0-or-later
// Play control at the edges of a play: a stop or a new book while a tick of
// the timer thread is under way, and the transposition across passes.
#include <atomic>
#include <chrono>
#include <thread>

#include "playbackrig.h"

using namespace sorvel;
using namespace sorvel::playtest;

namespace {

// Sounds into the capture device. Once armed, the next melody note-on that
// comes from the timer thread waits there until the sequencer has been told
// to stop: the tick that sends it is under way while the GUI thread stops
// the play, and reports its position after that.
class TickHoldingOut final : public MidiOut {
public:
    TickHoldingOut(CaptureMidiOut& to, const Sequencer& sequencer)
        : to_(to), sequencer_(sequencer), gui_(std::this_thread::get_id()) {}
    void ShortMessage(std::uint32_t message) override {
        const auto bytes = UnpackShortMessage(message);
        if (bytes[0] == 0x90 && bytes[2] != 0 && std::this_thread::get_id() != gui_ &&
            armed_.exchange(false)) {
            held_ = true;
            // Bounded, so that a test that never stops fails instead of hanging.
            for (int i = 0; i < 5000 && sequencer_.IsPlaying(); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        to_.ShortMessage(message);
    }
    void LongMessage(std::span<const std::uint8_t> bytes) override { to_.LongMessage(bytes); }
    void Reset() override { to_.Reset(); }
    void Arm() { armed_ = true; }
    bool Held() const { return held_; }

private:
    CaptureMidiOut& to_;
    const Sequencer& sequencer_;
    const std::thread::id gui_;
    std::atomic<bool> armed_{false};
    std::atomic<bool> held_{false};
};

// The rig's play on the controller's own 1 ms timer thread, still on the
// virtual clock: a tick runs when the test moves the clock on.
struct TimerRig : Rig {
    TickHoldingOut* out = nullptr;

    TimerRig() {
        PlaybackEngineOptions options;
        options.devices = [] { return std::vector<MidiOutEntry>{}; };
        options.clock = &clock;
        options.timerDriven = true;
        pc->SetEngine(options);
        auto device = std::make_unique<TickHoldingOut>(capture, pc->Sequencer());
        out = device.get();
        pc->UseDevice(std::move(device));
    }
    // Moves the clock on a millisecond at a time, leaving the timer thread
    // time for each, and delivers what the ticks queued, until `done`.
    template <class F>
    bool StepUntil(F done) {
        for (int i = 0; i < 20000 && !done(); ++i) {
            clock.AdvanceMillis(1);
            QTest::qWait(2);
        }
        return done();
    }
    // Plays until the cursor stands on the first note, then holds the tick of
    // the second note inside its note-on.
    bool PlayIntoAHeldTick() {
        Write(*w().CurrentPage(), '1', 8);
        FastOwnTempo();
        pc->PlayStop();
        if (!StepUntil([&] { return pc->CursorItem() != nullptr; })) return false;
        out->Arm();
        return StepUntil([&] { return out->Held(); });
    }
};

}  // namespace

class PlayControlTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void stopDuringATickLeavesNoCursor();
    void newBookDuringATickLeavesTheOldOneAlone();
    void transpositionChangedInPassOneHoldsInPassTwo();
};

// The tick's position is queued after the stop began: it belongs to the
// stopped play, and no cursor comes back once the play stopped.
void PlayControlTest::stopDuringATickLeavesNoCursor() {
    TimerRig r;
    QVERIFY(r.PlayIntoAHeldTick());
    const std::size_t before = r.NoteOns(0).size();
    r.pc->PlayStop();
    QCOMPARE(r.NoteOns(0).size(), before + 1);  // the held tick went on
    QVERIFY(!r.pc->Sequencer().IsPlaying());
    QTest::qWait(20);
    QVERIFY(r.pc->CursorItem() == nullptr);
}

// Run under AddressSanitizer: the old book is freed right after the stop, and
// the position its last tick queued must not read it.
void PlayControlTest::newBookDuringATickLeavesTheOldOneAlone() {
    TimerRig r;
    r.w().resize(700, 500);
    r.w().show();
    QVERIFY(QTest::qWaitForWindowExposed(&r.w()));
    QVERIFY(r.PlayIntoAHeldTick());
    r.f.dialogs.saveAnswers.push_back(SaveAnswer::No);
    r.w().Files().NewBook();
    QVERIFY(!r.pc->IsPlaying());
    QVERIFY(!r.w().IsModified());
    QTest::qWait(20);
    r.w().PaintBox().repaint();
    QVERIFY(r.pc->CursorItem() == nullptr);
}

// The dialog's transposition changed in pass 1 sounds in pass 2 as well, as
// the dialog still shows it.
void PlayControlTest::transpositionChangedInPassOneHoldsInPassTwo() {
    Rig r;
    r.Write(*r.w().CurrentPage(), '1', 4);
    r.FastOwnTempo();
    r.control<QSpinBox>("edtPlayCount")->setValue(2);
    r.pc->PlayStop();
    r.Run(50);
    QCOMPARE(r.NoteOns(0).size(), std::size_t(1));
    auto* bias = r.control<QSpinBox>("edtPlayBias");
    QTest::keyClick(bias, Qt::Key_Up);
    r.Run(20000);
    QVERIFY(!r.pc->IsPlaying());
    const int c = 60 + r.Offset();
    QCOMPARE(r.NoteOns(0), (std::vector<int>{c, c + 1, c + 1, c + 1, c + 1, c + 1, c + 1, c + 1}));
    QCOMPARE(bias->value(), 1);

    // The next play starts from what the dialog shows.
    r.capture.Clear();
    r.control<QSpinBox>("edtPlayCount")->setValue(1);
    r.pc->PlayStop();
    r.Run(20000);
    QCOMPARE(r.NoteOns(0), (std::vector<int>{c + 1, c + 1, c + 1, c + 1}));
}

QTEST_MAIN(PlayControlTest)
#include "playcontrol_test.moc"
