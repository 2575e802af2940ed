// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/midioutput.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <filesystem>
#include <mutex>

#include "playback/capturemidiout.h"
#include "playback/fluidsynthout.h"
#include "playback/forwardingmidiout.h"
#include "playback/monitornote.h"

namespace sorvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

using Forward = ForwardingMidiOut;

struct OutputFixture : ::testing::Test {
    VirtualTimeSource clock;
    CaptureMidiOut capture{clock};
    std::vector<bool> opens{true, true, true};
    int listings = 0;
    MidiOutput output{[this] {
        ++listings;
        std::vector<MidiOutEntry> entries;
        for (std::size_t i = 0; i < opens.size(); ++i) {
            entries.push_back(
                {"device " + std::to_string(i), [this, i]() -> std::unique_ptr<MidiOut> {
                     if (!opens[i]) return nullptr;
                     return std::make_unique<Forward>(capture);
                 }});
        }
        return entries;
    }};
};

TEST_F(OutputFixture, ShortMessagePacksChannelStatusAndData) {
    output.OpenDevice(std::make_unique<Forward>(capture));
    output.SendShortMessage(9, 0x90, 81, 120);
    output.SendShortMessage(2, 0xC0, 71, 0);
    output.SendShortMessage(0, 0xB0, 0x1FF, 0x100);  // each value taken as 8 bits
    const auto m = capture.Messages();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].bytes, (Bytes{0x99, 0x51, 0x78}));
    EXPECT_EQ(m[1].bytes, (Bytes{0xC2, 71}));
    EXPECT_EQ(m[2].bytes, (Bytes{0xB0, 0xFF, 0x00}));
}

TEST_F(OutputFixture, LongMessagePassesTheBytes) {
    output.OpenDevice(std::make_unique<Forward>(capture));
    const std::uint8_t gsReset[] = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40,
                                    0x00, 0x7F, 0x00, 0x41, 0xF7};
    output.SendLongMessage(gsReset, sizeof gsReset);
    const auto m = capture.Messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].kind, CaptureMidiOut::Kind::kLong);
    EXPECT_EQ(m[0].bytes, Bytes(std::begin(gsReset), std::end(gsReset)));
}

TEST_F(OutputFixture, NothingHappensWithoutADevice) {
    EXPECT_FALSE(output.IsOpen());
    output.SendShortMessage(0, 0x90, 60, 100);
    const std::uint8_t sysex[] = {0xF0, 0xF7};
    output.SendLongMessage(sysex, 2);
    EXPECT_EQ(capture.Count(), 0u);
}

TEST_F(OutputFixture, ListsDevicesAndResetsOnOpen) {
    EXPECT_EQ(output.ListMidiOutputs(),
              (std::vector<std::string>{"device 0", "device 1", "device 2"}));
    EXPECT_TRUE(output.OpenMidiOutput(1));
    EXPECT_TRUE(output.IsOpen());
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_EQ(capture.Messages()[0].kind, CaptureMidiOut::Kind::kReset);
    EXPECT_FALSE(output.OpenMidiOutput(7));
    EXPECT_FALSE(output.IsOpen());
    output.CloseMidiOutput();
    EXPECT_FALSE(output.IsOpen());
}

TEST_F(OutputFixture, ChoosingFallsBackToDeviceZeroThenToNone) {
    EXPECT_EQ(output.ChooseMidiOutput(2), 2);
    opens[2] = false;
    EXPECT_EQ(output.ChooseMidiOutput(2), 0);
    EXPECT_TRUE(output.IsOpen());
    EXPECT_EQ(output.ChooseMidiOutput(9), 0);
    opens[0] = false;
    EXPECT_EQ(output.ChooseMidiOutput(2), -1);
    EXPECT_FALSE(output.IsOpen());
}

// Listing probes every device (the SoundFont, an ALSA client): a choice lists
// them once, also when it falls back to device 0.
TEST_F(OutputFixture, ChoosingListsTheDevicesOnce) {
    opens[2] = false;
    listings = 0;
    EXPECT_EQ(output.ChooseMidiOutput(2), 0);
    EXPECT_EQ(listings, 1);
    listings = 0;
    EXPECT_EQ(output.ChooseMidiOutput(1), 1);
    EXPECT_EQ(listings, 1);
}

TEST(MidiOutput, AnEntryWithoutAnOpenerIsNotOpened) {
    MidiOutput output([] { return std::vector<MidiOutEntry>{{"unusable port", nullptr}}; });
    EXPECT_FALSE(output.OpenMidiOutput(0));
    EXPECT_EQ(output.ChooseMidiOutput(0), -1);
    EXPECT_FALSE(output.IsOpen());
}

TEST(SystemMidiOutputs, DeviceZeroIsTheBuiltInSynthesizer) {
    const std::vector<MidiOutEntry> entries = SystemMidiOutputs();
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries[0].name, "FluidSynth (General MIDI)");
    // Without a sound card the ALSA ports are simply absent.
}

TEST(SystemMidiOutputs, PrefersTheFluidR3SoundFont) {
    const std::string sf = DefaultSoundFont();
    if (std::filesystem::exists("/usr/share/sounds/sf2/FluidR3_GM.sf2")) {
        EXPECT_EQ(sf, "/usr/share/sounds/sf2/FluidR3_GM.sf2");
    }
}

// The cut-off timer on a virtual clock: it fires when the test has moved the
// clock past its deadline, so the machine's load does not shift it.
class VirtualOneShot final : public OneShotTimer {
public:
    VirtualOneShot(VirtualTimeSource& clock, std::chrono::milliseconds interval,
                   std::function<void()> onFire)
        : clock_(clock), interval_(interval.count() * 1000), onFire_(std::move(onFire)) {}
    void Start() override { deadline_ = clock_.NowMicros() + interval_; }
    void Stop() override { deadline_ = -1; }
    void Advance(int ms) {
        for (int i = 0; i < ms; ++i) {
            clock_.AdvanceMillis(1);
            if (deadline_ >= 0 && clock_.NowMicros() >= deadline_) {
                deadline_ = -1;
                onFire_();
            }
        }
    }

private:
    VirtualTimeSource& clock_;
    const std::int64_t interval_;
    const std::function<void()> onFire_;
    std::int64_t deadline_ = -1;
};

// Two monitor notes 300 ms apart: the first is cut by the second, the second
// one second after it started.
TEST(MonitorNote, SecondNoteCutsTheFirstAndSoundsOneSecond) {
    VirtualTimeSource clock;
    CaptureMidiOut capture(clock);
    MidiOutput output([] { return std::vector<MidiOutEntry>{}; });
    output.OpenDevice(std::make_unique<Forward>(capture));
    VirtualOneShot* timer = nullptr;
    MonitorNote monitor(output, std::chrono::seconds(1),
                        [&](std::chrono::milliseconds interval, std::function<void()> onFire) {
                            auto made = std::make_unique<VirtualOneShot>(clock, interval,
                                                                         std::move(onFire));
                            timer = made.get();
                            return made;
                        });
    monitor.PlayMonitorNote(60);
    timer->Advance(300);
    monitor.PlayMonitorNote(64);
    timer->Advance(999);
    EXPECT_EQ(capture.Count(), 6u);
    timer->Advance(1);
    const auto m = capture.Messages();
    ASSERT_EQ(m.size(), 7u);
    const std::vector<Bytes> expected{{0xB2, 120, 0}, {0xC2, 0}, {0x92, 60, 100},
                                      {0xB2, 120, 0}, {0xC2, 0}, {0x92, 64, 100},
                                      {0xB2, 120, 0}};
    for (std::size_t i = 0; i < m.size(); ++i) EXPECT_EQ(m[i].bytes, expected[i]) << i;
    EXPECT_EQ(m[3].timeMicros, 300'000);
    EXPECT_EQ(m[6].timeMicros - m[5].timeMicros, 1'000'000);
    timer->Advance(5000);
    EXPECT_EQ(capture.Count(), 7u);  // once only
}

// The live timer fires once, never before its interval; waited for, not timed.
TEST(ThreadedOneShotTimer, FiresOnceNotBeforeItsInterval) {
    std::mutex mutex;
    std::condition_variable fired;
    int fires = 0;
    ThreadedOneShotTimer timer(std::chrono::milliseconds(50), [&] {
        const std::lock_guard lock(mutex);
        ++fires;
        fired.notify_all();
    });
    const auto start = std::chrono::steady_clock::now();
    timer.Start();
    std::unique_lock lock(mutex);
    ASSERT_TRUE(fired.wait_for(lock, std::chrono::minutes(1), [&] { return fires > 0; }));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
    lock.unlock();
    timer.Stop();  // waits for a firing under way; none may follow
    EXPECT_EQ(fires, 1);
}

}  // namespace
}  // namespace sorvel
