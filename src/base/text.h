// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small text rules shared by the file reader, the settings file and the
// dialogs: trimming, decimal conversion with a default.
#include <string>
#include <string_view>

namespace sorvel {

// Removes every byte with a code of 0x20 or below from both ends.
std::string_view Trim(std::string_view s);

// Decimal text: "-170", "0", "146".
std::string IntToStr(long long value);

// Parses an integer the way the stored data expects: an optional sign, then
// decimal digits, nothing else (no blanks, no hexadecimal). Anything else, or
// a value outside the 32-bit range, gives `fallback`.
int StrToIntDef(std::string_view s, int fallback);

// Same rule, reporting failure instead of substituting a value.
bool TryStrToInt(std::string_view s, int& out);

// ASCII case-insensitive equality (keys of the score and settings files).
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace sorvel
