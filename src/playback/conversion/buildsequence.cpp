// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/buildsequence.h"

#include <algorithm>
#include <optional>
#include "model/note.h"

#include "model/preferences.h"
#include "playback/conversion/countin.h"
#include "playback/conversion/expressivemelody.h"
#include "playback/conversion/gatetimes.h"
#include "playback/conversion/noteemitter.h"
#include "playback/conversion/notepitch.h"
#include "playback/conversion/pickupbar.h"
#include "playback/conversion/playrange.h"
#include "playback/conversion/sequencewriter.h"
#include "playback/conversion/starttempo.h"

namespace sorvel {
namespace {

// The page tempos, tempo marks and time signatures up to the start, so that a
// play from the middle of the piece starts in the tempo and time in force there.
void StateAtStart(NoteEmitter& emitter, ExpressiveMelody* expressive, const PlayItems& items,
                  int start) {
    for (int i = 0; i <= start && i < static_cast<int>(items.size()) && items[i]; ++i) {
        if (TNote* note = items[i]->As<TNote>()) {
            emitter.EnterPage(*note);
            emitter.EmitTempoMark(*note);
            if (expressive) expressive->StateBefore(*note);
        } else if (items[i]->Class() == ItemClass::Beat) {
            emitter.SetSignature(TimeSignatureOf(items[i]));
        }
    }
}

// The last note of an expressive play may be followed by its own bends and
// ornament notes: it ends at 80 % of what is left of the play, if later.
void FinishExpressive(SequenceWriter& writer) {
    std::vector<TMidiEvent>& events = writer.Events(conv_track::kMelody).Events();
    int remaining = 0;
    for (auto it = events.rbegin(); it != events.rend(); ++it) {
        remaining += it->type < evt::kFirstNonTiming ? it->step : 0;
        if (it->IsNote() && it->type != 0 && it->gate != 0) {
            if (it->gate > remaining)
                it->gate = static_cast<std::uint16_t>(std::max(PlainGateTime(remaining), 1));
            return;
        }
    }
}

// A final note never runs on, whatever tie or slur it had.
void Finish(SequenceWriter& writer, bool expressive) {
    TMidiEventList& melody = writer.Events(conv_track::kMelody);
    if (expressive) {
        FinishExpressive(writer);
    } else if (melody.Count() > 0) {
        TMidiEvent& lastEvent = melody.Events().back();
        if (lastEvent.IsNote() && lastEvent.gate != 0) {
            lastEvent.gate = static_cast<std::uint16_t>(PlainGateTime(lastEvent.step));
        }
    }
    writer.End(conv_track::kMelody);
    writer.End(conv_track::kMetronome);
}

}  // namespace

UserText WalkErrorText(WalkError error) {
    switch (error) {
        case WalkError::kNoCodaTarget:
            return SORVEL_TEXT("sorvel::playback", "コーダーに対応するコーダーが存在しません");
        case WalkError::kNoFirstVolta:
            return SORVEL_TEXT(
                "sorvel::playback",
                "１の括弧がありません。あるいは、リピートエンドの直後に１括弧が指定されています");
        case WalkError::kNone:
            break;
    }
    return {};
}

std::string BuildResult::Message() const {
    return WalkErrorText(error).Japanese();
}

BuildResult BuildSequence(TRcpData& data, TMusicSheet& currentPage, TNote* first, TNote* last,
                          const PlayOptions& options, const Preferences& prefs) {
    data.ClearAllEvents();
    const PlayItems items = CollectPlayItems(currentPage);
    ShiftPickupStepNos(items);
    ComputeGateTimes(items);
    AssignNotePitches(items);
    const PlayRange range = FindPlayRange(items, first, last);

    BuildResult result;
    result.startTempo = StartTempo(items, currentPage, options);
    SequenceWriter writer(data, prefs);
    NoteEmitter emitter(writer, options, result.startTempo, currentPage);
    std::optional<ExpressiveMelody> expressive;
    if (options.expressive) {
        expressive.emplace(writer, items, std::clamp(prefs.MeloVelocity, 1, 127),
                           result.startTempo);
        emitter.SetExpressive(&*expressive);
    }
    if (options.playScoreTempo) writer.Tempo(result.startTempo, nullptr);
    StateAtStart(emitter, expressive ? &*expressive : nullptr, items, range.start);
    if (expressive) expressive->Setup();
    if (options.startClick) WriteCountIn(writer, items, range.start, options.startClickNum);
    writer.Silence(conv_track::kMelody, 1);
    emitter.BarLine();

    const WalkOutcome outcome = PlayWalk(items, emitter).Run(range, options.nonRepeat);
    if (expressive) expressive->Finish();
    Finish(writer, options.expressive);
    result.error = outcome.error;
    result.endlessLoopStopped = outcome.endlessLoopStopped;
    return result;
}

}  // namespace sorvel
