// SPDX-License-Identifier: GPL-3.0-or-later
// The play in the window and the batch export set their channels up alike:
// for the same book both send the same set-up messages and sound the melody
// and the metronome on the same channels.
#include <set>

#include "playback/offline/offlineplay.h"
#include "playbackrig.h"

using namespace sorvel;
using namespace sorvel::playtest;

namespace {

// Whether `status` sets a channel up (a controller or a program), as against
// sounding a note.
bool SetsChannelUp(std::uint8_t status) {
    return (status & 0xF0) == 0xB0 || (status & 0xF0) == 0xC0;
}

// Notes the short messages of an offline play: the set-up sent before its
// first step and the channels of every note-on with a velocity.
class SetupSink final : public OfflineSink {
public:
    void ShortMessage(std::uint32_t message) override {
        const auto status = static_cast<std::uint8_t>(message & 0xFF);
        const auto data1 = static_cast<std::uint8_t>((message >> 8) & 0xFF);
        const auto data2 = static_cast<std::uint8_t>((message >> 16) & 0xFF);
        if (!stepped && SetsChannelUp(status)) {
            const bool program = (status & 0xF0) == 0xC0;
            setup.push_back(program ? Bytes{status, data1} : Bytes{status, data1, data2});
        }
        if ((status & 0xF0) == 0x90 && data2 != 0) noteChannels.insert(status & 0x0F);
    }
    void LongMessage(std::span<const std::uint8_t>) override {}
    void Reset() override {}
    void OnStep(const OfflineStep&) override { stepped = true; }

    bool stepped = false;
    std::vector<Bytes> setup;
    std::set<int> noteChannels;
};

std::set<int> NoteOnChannels(const std::vector<Bytes>& sent) {
    std::set<int> channels;
    for (const Bytes& b : sent)
        if (b.size() == 3 && (b[0] & 0xF0) == 0x90 && b[2] != 0) channels.insert(b[0] & 0x0F);
    return channels;
}

}  // namespace

class PlaySetupTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowAndExportSetChannelsUpAlike();
};

void PlaySetupTest::windowAndExportSetChannelsUpAlike() {
    Rig r;
    Preferences& prefs = r.w().Workspace().prefs;
    prefs.RhythmChannelNo = 5;  // not the default, so a fixed channel would show
    r.Write(*r.w().CurrentPage(), '1', 8);
    r.FastOwnTempo();
    r.control<QComboBox>("cmbInstrument")->setCurrentIndex(40);
    QVERIFY(!r.control<QCheckBox>("chkPlayMetronome")->isChecked());  // the metronome sounds

    r.capture.Clear();
    r.pc->PlayStop();
    std::vector<Bytes> windowSetup;
    for (const Bytes& b : r.Shorts())
        if (SetsChannelUp(b[0])) windowSetup.push_back(b);
    r.Run(20000);
    const std::set<int> windowChannels = NoteOnChannels(r.Shorts());
    QVERIFY(!r.pc->Sequencer().IsPlaying());

    SetupSink sink;
    OfflinePlay play(*r.w().CurrentPage(), prefs, {.metronome = true});
    QVERIFY(play.Run(sink).finished);

    QCOMPARE(windowSetup.size(), std::size_t{33});
    QCOMPARE(sink.setup, windowSetup);
    QCOMPARE(windowChannels, (std::set<int>{0, 5}));
    QCOMPARE(sink.noteChannels, windowChannels);
}

QTEST_MAIN(PlaySetupTest)
#include "playsetup_test.moc"
