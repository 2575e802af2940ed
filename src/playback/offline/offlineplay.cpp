// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/offline/offlineplay.h"

#include <memory>

#include "model/preferences.h"
#include "playback/conversion/channelsetup.h"
#include "playback/conversion/keyoffset.h"
#include "playback/conversion/playoptions.h"
#include "playback/conversion/sequencewriter.h"
#include "playback/forwardingmidiout.h"
#include "playback/midioutput.h"
#include "playback/playdata.h"
#include "playback/rcpdata.h"
#include "playback/sequencer.h"
#include "playback/timesource.h"

namespace sorvel {

std::vector<UserText> OfflinePlayResult::Warnings() const {
    std::vector<UserText> lines;
    if (!build.Ok()) lines.push_back(WalkErrorText(build.error));
    if (build.endlessLoopStopped)
        lines.push_back(SORVEL_TEXT(
            "sorvel::playback",
            "楽譜の繰り返しが終わらないため、繰り返しが閉じるところで演奏を止めます。"));
    return lines;
}

int OfflinePlay::RhythmChannel() const {
    return RhythmChannelFor(prefs_.RhythmChannelNo);
}

OfflinePlayResult OfflinePlay::Run(OfflineSink& sink) {
    TRcpData rcp;
    rcp.SetStartupValues();
    MidiOutput output([] { return std::vector<MidiOutEntry>{}; });
    output.OpenDevice(std::make_unique<ForwardingMidiOut>(sink));
    TPlayData play(rcp, output);
    VirtualTimeSource clock;
    Sequencer sequencer(play, clock);

    OfflinePlayResult result;
    PlayOptions playOptions = PlayOptions::FromPreferences(prefs_);
    playOptions.startClick = false;  // a file starts with the music, not a count-in
    playOptions.expressive = options_.expressive;
    result.build = BuildSequence(rcp, page_, nullptr, nullptr, playOptions, prefs_);
    sequencer.SetTickTempo(result.build.startTempo);

    SetUpPlayChannels(rcp, output, prefs_.RhythmChannelNo, prefs_.Instrument);
    play.SetTrackMode(conv_track::kMelody, 0);
    play.SetTrackMode(conv_track::kMetronome, options_.metronome ? 0 : track_mode::kMuted);

    SequencerOptions sequencerOptions;
    sequencerOptions.playBias = KeyOffset(page_);
    sequencerOptions.playCount = 1;
    sequencer.StartPlay(sequencerOptions);

    OfflineStep step;
    while (sequencer.IsPlaying() && step.millis < options_.maxMillis) {
        // The tick of this step reads the period before its events can change it.
        step.periodMicros = sequencer.TickPeriodMicros();
        const std::uint32_t before = sequencer.TickCount();
        clock.AdvanceMillis(1);
        ++step.millis;
        sequencer.SequencerTick();
        step.tick = sequencer.TickCount();
        step.ticked = step.tick != before;
        sink.OnStep(step);
    }
    result.finished = !sequencer.IsPlaying();
    if (!result.finished) sequencer.StopPlayback();
    result.millis = step.millis;
    result.ticks = step.tick;
    return result;
}

}  // namespace sorvel
