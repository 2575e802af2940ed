#pragma once
// The one codec between the program's byte strings (Windows code page 932,
// "Shift-JIS") and UTF-8, the encoding of everything the user sees.
//
// A character that CP932 cannot hold is kept inside the bytes as the numeric
// reference "&#xHHHH;" (its code point in hexadecimal), so a score file stays
// Shift-JIS and loses nothing. An "&" that the user typed before "#x" is
// itself written as "&#x26;", so typed text is never read as a reference.
// Bytes without references convert exactly as plain CP932.
#include <string>
#include <string_view>

namespace sorvel::cp932 {

// True for the first byte of a double-byte character.
bool IsLeadByte(unsigned char c);

// CP932 bytes to UTF-8, references read back as their characters. Bytes that
// do not form a character become U+FFFD. A reference is read only where the
// writer puts one: for a character CP932 has no form for, or "&#x26;" before
// "#x"; any other "&#x" text (from an older file) is shown as it stands.
std::string ToUtf8(std::string_view bytes);

// UTF-8 to CP932 bytes. Characters without a CP932 form become references;
// malformed UTF-8 becomes "?".
std::string FromUtf8(std::string_view utf8);

// Number of bytes of the character that starts at `pos` (1 or 2).
std::size_t CharLength(std::string_view bytes, std::size_t pos);

}  // namespace sorvel::cp932
