// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The transposition a page's key asks for.
#include <string>

namespace sorvel {

class TMusicSheet;

// Semitones of the key text (CP932 bytes) above C: the seven texts playback
// has always known keep their values, any other "１＝…（…弦）" text gives
// the pitch class of the tonic it names, and every other text 2 (D).
int KeyOffset(const std::string& keyCode);

// The key a page plays in: its own KeyCode, or, when that is empty or only
// blanks (the later pages of a piece usually leave it so), the KeyCode of the
// first page of its piece.
const std::string& KeyCodeInForce(const TMusicSheet& page);

// The transposition of everything sounded from a page: the conversion's
// melody, the sequencer, the piano keyboard and the entered-note monitor.
int KeyOffset(const TMusicSheet& page);

}  // namespace sorvel
