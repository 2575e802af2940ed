// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A score built in code (the conversion tests' helpers), played offline into a
// MIDI file that is read back, with the virtual time of every message sent.
#include <optional>
#include <string>
#include <vector>

#include "base/cp932.h"
#include "conversionfixture.h"
#include "playback/offline/midifilerecorder.h"
#include "playback/offline/offlineplay.h"
#include "playback/offline/pieceinfo.h"
#include "smfreader.h"

namespace sorvel::testing {

// A short message as the sequencer sent it, with the millisecond of virtual
// time it was sent in.
struct SentMessage {
    std::uint32_t message = 0;
    std::int64_t millis = 0;
    int Channel() const { return static_cast<int>(message & 0x0F); }
};

// Passes everything on to the recorder and notes each short message.
class TimedSink final : public OfflineSink {
public:
    explicit TimedSink(OfflineSink& next) : next_(next) {}
    void ShortMessage(std::uint32_t message) override {
        sent.push_back({message, 0});
        ++waiting_;
        next_.ShortMessage(message);
    }
    void LongMessage(std::span<const std::uint8_t> bytes) override { next_.LongMessage(bytes); }
    void Reset() override { next_.Reset(); }
    void OnStep(const OfflineStep& step) override {
        for (std::size_t i = sent.size() - waiting_; i < sent.size(); ++i)
            sent[i].millis = step.millis;
        waiting_ = 0;
        next_.OnStep(step);
    }
    std::vector<SentMessage> sent;

private:
    OfflineSink& next_;
    std::size_t waiting_ = 0;
};

inline const std::string kKeyC = cp932::FromUtf8("１＝Ｃ　（２６弦）");
inline const std::string kKeyD = cp932::FromUtf8("１＝Ｄ　（１５弦）");

class OfflineTest : public ConversionTest {
protected:
    OfflineTest() {
        page->SetPlayCount(120);  // the page's tempo
        page->SetKeyCode(kKeyC);
    }

    // Plays the piece of `on` (default: page 1) into a MIDI file and reads it back.
    SmfFile Export(bool metronome = false, TMusicSheet* on = nullptr,
                   std::int64_t maxMillis = OfflinePlayOptions{}.maxMillis) {
        TMusicSheet& target = on ? *on : *page;
        OfflinePlay play(
            target, prefs,
            {.metronome = metronome, .expressive = expressive, .maxMillis = maxMillis});
        MidiFileOptions fileOptions;
        fileOptions.rhythmChannel = play.RhythmChannel();
        fileOptions.rhythmTrack = metronome;
        const PieceInfo info = ReadPieceInfo(target);
        fileOptions.title = info.title;
        if (info.signature)
            fileOptions.timeSignature = {info.signature->beats, info.signature->unit};
        MidiFileRecorder recorder(fileOptions);
        TimedSink timed(recorder);
        result = play.Run(timed);
        sent = timed.sent;
        std::string error;
        std::optional<SmfFile> file = ReadSmf(recorder.FileBytes(), error);
        EXPECT_TRUE(file) << error;
        return file.value_or(SmfFile{});
    }

    bool expressive = false;
    OfflinePlayResult result;
    std::vector<SentMessage> sent;
};

// Note numbers of the note-ons of a track, in order.
inline std::vector<int> NoteOns(const std::vector<SmfEvent>& track) {
    std::vector<int> notes;
    for (const SmfEvent& e : track)
        if (e.IsNoteOn()) notes.push_back(e.bytes[1]);
    return notes;
}

}  // namespace sorvel::testing
