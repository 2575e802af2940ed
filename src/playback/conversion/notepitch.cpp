// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/notepitch.h"

#include "model/glyphcodes.h"
#include "model/note.h"
#include "playback/conversion/keyoffset.h"

namespace sorvel {
namespace {

// Semitones above C of each degree: flat, natural, sharp.
constexpr int kSemitones[7][3] = {{-1, 0, 1}, {1, 2, 3},  {3, 4, 5},   {4, 5, 6},
                                  {6, 7, 8},  {8, 9, 10}, {10, 11, 12}};

int AccidentalColumn(const std::string& rinji) {
    if (rinji.empty()) return 1;
    if (rinji[0] == 'a') return 0;
    if (rinji[0] == '`') return 2;
    return 1;
}

}  // namespace

int NotePitch(const std::string& content, int octave, const std::string& rinji) {
    if (content.empty() || content[0] < '1' || content[0] > '7') return 0;
    const int degree = content[0] - '1';
    return kSemitones[degree][AccidentalColumn(rinji)] + octave * 12 + 60;
}

std::optional<int> MonitorNoteNumber(const TMusicItem& item) {
    const TNote* note = item.As<TNote>();
    const char code = CodeOf(note);
    if (!note || code < '1' || code > '7') return std::nullopt;
    return KeyOffset(note->Sheet()) + NotePitch(note->Content(), note->Octave(), note->Rinji());
}

void AssignNotePitches(const PlayItems& items) {
    const TNote* lastSounding = nullptr;
    for (TMusicItem* item : items) {
        TNote* note = item ? item->As<TNote>() : nullptr;
        if (!note) continue;
        if (CodeOf(note) == kSustainDash) {
            note->NoteNo = lastSounding ? NotePitch(lastSounding->Content(), lastSounding->Octave(),
                                                    lastSounding->Rinji())
                                        : 0;
            continue;
        }
        note->NoteNo = NotePitch(note->Content(), note->Octave(), note->Rinji());
        lastSounding = note;
    }
}

}  // namespace sorvel
