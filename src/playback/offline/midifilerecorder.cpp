// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/offline/midifilerecorder.h"

#include <bit>

#include "playback/offline/smftrack.h"

namespace sorvel {
namespace {

// Sequencer tick k plays k − 1 ticks after the start: the set-up messages and
// the first tick share file tick 0 (in real time they are a millisecond apart).
std::uint32_t FileTick(std::uint32_t sequencerTick) {
    return sequencerTick > 0 ? sequencerTick - 1 : 0;
}

std::string TimeSignatureData(int beats, int unit) {
    // Numerator, denominator as a power of 2, MIDI clocks per metronome click
    // (a quarter, or a dotted quarter in eighth-note time), 32nds per quarter.
    const int power = std::countr_zero(static_cast<unsigned>(unit));
    const int clocks = unit == 8 ? 36 : 24;
    return {static_cast<char>(beats), static_cast<char>(power), static_cast<char>(clocks), 8};
}

}  // namespace

void MidiFileRecorder::ShortMessage(std::uint32_t message) {
    const auto bytes = UnpackShortMessage(message);
    const std::uint8_t status = bytes[0];
    if (status < 0x80 || status >= 0xF0) return;  // only channel messages reach a track
    Event e;
    const int length = ShortMessageLength(status);
    e.bytes.push_back(status);
    // A data byte with its top bit set would read as a status byte in the file.
    for (int i = 1; i < length; ++i) e.bytes.push_back(bytes[static_cast<std::size_t>(i)] & 0x7F);
    events_.push_back(std::move(e));
}

void MidiFileRecorder::LongMessage(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 2 || bytes.front() != 0xF0) return;
    events_.push_back({0, std::vector<std::uint8_t>(bytes.begin(), bytes.end())});
}

void MidiFileRecorder::OnStep(const OfflineStep& step) {
    const std::uint32_t tick = FileTick(step.tick);
    for (; unstamped_ < events_.size(); ++unstamped_) events_[unstamped_].tick = tick;
    if (step.ticked && (tempo_.empty() || tempo_.back().periodMicros != step.periodMicros))
        tempo_.push_back({tick, step.periodMicros});
    lastTick_ = tick;
}

std::string MidiFileRecorder::ConductorTrack() const {
    SmfTrack track;
    if (!options_.title.empty()) track.Meta(0, smf_meta::kTrackName, options_.title);
    if (options_.timeSignature) {
        const auto [beats, unit] = *options_.timeSignature;
        track.Meta(0, smf_meta::kTimeSignature, TimeSignatureData(beats, unit));
    }
    for (const TempoChange& change : tempo_)
        track.Tempo(change.tick, change.periodMicros * kTicksPerQuarter);
    return track.Finish(lastTick_);
}

std::string MidiFileRecorder::ChannelTrack(int channel, bool withExclusives,
                                           const char* name) const {
    SmfTrack track;
    track.Meta(0, smf_meta::kTrackName, name);
    for (const Event& e : events_) {
        if (e.bytes[0] == 0xF0) {
            if (withExclusives) track.SystemExclusive(e.tick, e.bytes);
        } else if ((e.bytes[0] & 0x0F) == channel) {
            track.Message(e.tick, e.bytes);
        }
    }
    return track.Finish(lastTick_);
}

std::string MidiFileRecorder::FileBytes() const {
    const int trackCount = options_.rhythmTrack ? 3 : 2;
    std::string file = SmfHeaderChunk(1, trackCount, kTicksPerQuarter);
    file += ConductorTrack();
    file += ChannelTrack(options_.melodyChannel, true, "Melody");
    if (options_.rhythmTrack) file += ChannelTrack(options_.rhythmChannel, false, "Metronome");
    return file;
}

}  // namespace sorvel
