// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program-wide options, layout defaults for new books, MIDI settings and
// window places, with their built-in defaults. Read once at start-up and
// written back at exit by the settings file code; everything else reads it.
#include <string>
#include <vector>

#include "model/offsetrates.h"

namespace sorvel {

struct Preferences {
    // Location
    int Top = 0, Left = 0, Width = 1010, Height = 740;
    int FormTableOfContentsWidth = 0, FormTableOfContentsHeight = 0;  // 0: design size
    int FormPianoTop = 0, FormPianoLeft = 0;
    int FormPlayTop = 0, FormPlayLeft = 0;
    // Dir (file-system path, UTF-8)
    std::string InitialDir;
    // General
    bool IsDispKeyName = true;
    bool IsRBtnCsrMove = true;
    bool IsSkipCursor = true;
    bool IsFingerNo00 = false;
    // FileName: recent files, newest first (file-system paths, UTF-8)
    std::vector<std::string> RecentFiles;
    // Midi
    int DeviceID = 0;
    int Instrument = 71;
    int MeloVelocity = 80;
    int RhythmChannelNo = 9;
    int ClickHKeyNo = 81, ClickLKeyNo = 75;
    int ClickHVelocity = 120, ClickLVelocity = 100;
    bool IsMonitorMode = false;
    bool IsPlayMetronome = false, IsPlayMusicData = false;
    int PlayCount = 1;
    bool StartClick = false;
    int StartClickNum = 1;
    bool PlayScoreTempo = true;
    int Tempo = 80;
    bool IsNoClickRepeat = true;
    // Default: cursor and colours (colours are 0x00BBGGRR)
    int DefoCurSorFontSize = 18;
    int DefoCurSorFontColor = 0xFF0000;
    int DefoRubberBandColor = 0x000080;
    int DefoPlayCursorColor = 0x0000FF;
    int DefoPlayCursorWidth = 1;
    int DefoPlayCursorDispMode = 0;
    int DefoGridColor = 0xC0C0C0;
    int DefoScoreFontColor = 0;
    // Default: layout of new books
    int DefoNoteFontSize = 18;
    int DefoTitleHeight = 150;
    int DefoTopSpace = 20, DefoBottomSpace = 20, DefoLeftSpace = 20, DefoRightSpace = 20;
    int DefoBarParRow = 4;
    int DefoDivParBar = 9;
    int DefoGridDivNum = 36;
    int DefoGridSize = 25;
    int DefoRowDivNum = 8;
    int DefoRowInterval = 146;
    OffsetRates DefoRates{170, -170, -120, 120, 170, 320, 320, 270, 220, 120, 170};
    // Default: note accidental and dot offsets (program-wide only)
    int DefoOffsetRateX_Rinji = -85, DefoOffsetRateY_Rinji = -60;
    int DefoOffsetRateX_Futen = 60, DefoOffsetRateY_Futen = 20;

    bool operator==(const Preferences&) const = default;
};

}  // namespace sorvel
