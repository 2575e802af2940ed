#pragma once
// The transposition a page's key asks for.
#include <string>

namespace sorvel {

class TMusicSheet;

// Semitones of the key text (CP932 bytes, one of the settings dialog's key
// texts) above C. D, and every text not known, gives 2.
int KeyOffset(const std::string& keyCode);
int KeyOffset(const TMusicSheet& page);

}  // namespace sorvel
