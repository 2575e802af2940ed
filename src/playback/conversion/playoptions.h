// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the play dialog (or a batch command) asks of one conversion.
#include "model/preferences.h"

namespace sorvel {

struct PlayOptions {
    // "楽譜の速度で演奏する": the tempo comes from the page and the tempo marks.
    bool playScoreTempo = true;
    // The dialog's tempo, used clamped to 10-240.
    int tempo = 80;
    // "演奏開始時クリック音" and its bar count (used clamped to 0-1000).
    bool startClick = false;
    int startClickNum = 1;
    // "ﾘﾋﾟｰﾄ記号 D.C. D.S. を無視して演奏する": every item once, in page order.
    bool nonRepeat = false;
    // Expressive playback: the erhu's marks (dynamics, hairpins, grace notes,
    // ornaments, slides, vibrato, accents, fermatas) are played. Off, the
    // melody is one event a note.
    bool expressive = false;

    // The stored choices of the play dialog; the repeat option is never stored.
    static PlayOptions FromPreferences(const Preferences& prefs) {
        PlayOptions o;
        o.playScoreTempo = prefs.PlayScoreTempo;
        o.tempo = prefs.Tempo;
        o.startClick = prefs.StartClick;
        o.startClickNum = prefs.StartClickNum;
        return o;
    }
};

}  // namespace sorvel
