#include "base/cp932.h"

#include <cerrno>
#include <iconv.h>

namespace sorvel::cp932 {
namespace {

// Converts with iconv; on an invalid or unconvertible sequence, appends
// `replacement` and skips `skip(pos)` input bytes.
template <typename Skip>
std::string Convert(const char* to, const char* from, std::string_view in,
                    std::string_view replacement, Skip skip) {
    std::string out;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
    out.reserve(in.size() * 3 / 2 + 4);
    char buf[1024];
    auto* src = const_cast<char*>(in.data());
    size_t left = in.size();
    while (left > 0) {
        char* dst = buf;
        size_t room = sizeof buf;
        size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(buf, static_cast<size_t>(dst - buf));
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            size_t n = skip(std::string_view(src, left));
            src += n;
            left -= n;
            out.append(replacement);
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

size_t Utf8SequenceLength(std::string_view s) {
    auto c = static_cast<unsigned char>(s[0]);
    size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    if (n > s.size()) n = s.size();
    for (size_t i = 1; i < n; ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return i;
    }
    return n;
}

}  // namespace

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

std::size_t CharLength(std::string_view bytes, std::size_t pos) {
    if (pos + 1 < bytes.size() && IsLeadByte(static_cast<unsigned char>(bytes[pos]))) return 2;
    return 1;
}

std::string ToUtf8(std::string_view bytes) {
    return Convert("UTF-8", "CP932", bytes, "\xEF\xBF\xBD",
                   [](std::string_view rest) { return CharLength(rest, 0); });
}

std::string FromUtf8(std::string_view utf8) {
    return Convert("CP932", "UTF-8", utf8, "?", Utf8SequenceLength);
}

}  // namespace sorvel::cp932
