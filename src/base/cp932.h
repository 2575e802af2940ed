#pragma once
// The one codec between the program's byte strings (Windows code page 932,
// "Shift-JIS") and UTF-8, the encoding of everything the user sees.
#include <string>
#include <string_view>

namespace sorvel::cp932 {

// True for the first byte of a double-byte character.
bool IsLeadByte(unsigned char c);

// CP932 bytes to UTF-8. Bytes that do not form a character become U+FFFD.
std::string ToUtf8(std::string_view bytes);

// UTF-8 to CP932 bytes. Characters without a CP932 form become "?".
std::string FromUtf8(std::string_view utf8);

// Number of bytes of the character that starts at `pos` (1 or 2).
std::size_t CharLength(std::string_view bytes, std::size_t pos);

}  // namespace sorvel::cp932
