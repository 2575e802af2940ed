#pragma once
// The transposition a page's key asks for.
#include <string>

namespace sorvel {

class TMusicSheet;

// Semitones of the key text (CP932 bytes, one of the settings dialog's key
// texts) above C. D, and every text not known, gives 2.
int KeyOffset(const std::string& keyCode);

// The key a page plays in: its own KeyCode, or, when that is empty or only
// blanks (the later pages of a piece usually leave it so), the KeyCode of the
// first page of its piece.
const std::string& KeyCodeInForce(const TMusicSheet& page);

// The transposition of everything sounded from a page: the conversion's
// melody, the sequencer, the piano keyboard and the entered-note monitor.
int KeyOffset(const TMusicSheet& page);

}  // namespace sorvel
