#include "base/cp932.h"

#include <iconv.h>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace sorvel::cp932 {
namespace {

constexpr std::string_view kReferenceStart = "&#x";
constexpr std::string_view kEscapedAmpersand = "&#x26;";
constexpr char32_t kAmpersand = 0x26;
constexpr int kMaxReferenceDigits = 6;  // U+10FFFF

// Converts with iconv; on an invalid or unconvertible sequence, `fail(rest)`
// gives the text to append and the number of input bytes to skip.
template <typename Fail>
std::string Convert(const char* to, const char* from, std::string_view in, Fail fail) {
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
            const auto [replacement, n] = fail(std::string_view(src, left));
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

bool IsScalarValue(char32_t c) {
    return c > 0 && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

// The code point of the well-formed UTF-8 sequence at the start of `s`, with
// its length; a length of 0 when the sequence is malformed.
std::pair<char32_t, size_t> DecodeUtf8(std::string_view s) {
    const size_t n = Utf8SequenceLength(s);
    const auto lead = static_cast<unsigned char>(s[0]);
    const bool complete = lead < 0x80 || (lead >= 0xC2 && lead <= 0xF4 &&
                                          n == (lead < 0xE0   ? 2u
                                                : lead < 0xF0 ? 3u
                                                              : 4u));
    if (!complete) return {0, 0};
    char32_t c = n == 1 ? lead : lead & (0x7F >> n);
    for (size_t i = 1; i < n; ++i) c = (c << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[n] || !IsScalarValue(c)) return {0, 0};
    return {c, n};
}

std::string EncodeUtf8(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

std::string Reference(char32_t c) {
    char text[16];
    std::snprintf(text, sizeof text, "&#x%04X;", static_cast<unsigned>(c));
    return text;
}

// Whether CP932 has a form for the character: the same test the writer's
// conversion makes, so reading accepts exactly the references it writes.
bool CanHold(char32_t c) {
    const std::string utf8 = EncodeUtf8(c);
    bool held = true;
    Convert("CP932", "UTF-8", utf8, [&](std::string_view rest) {
        held = false;
        return std::pair<std::string, size_t>{"", rest.size()};
    });
    return held;
}

// The reference at the start of `s` ("&#x" already matched): its code point
// and length, or a length of 0 when `s` holds no well-formed reference.
std::pair<char32_t, size_t> ParseReference(std::string_view s) {
    char32_t c = 0;
    size_t i = kReferenceStart.size();
    for (; i < s.size() && s[i] != ';'; ++i) {
        const char h = s[i];
        const int digit = h >= '0' && h <= '9'   ? h - '0'
                          : h >= 'A' && h <= 'F' ? h - 'A' + 10
                          : h >= 'a' && h <= 'f' ? h - 'a' + 10
                                                 : -1;
        if (digit < 0 || i - kReferenceStart.size() == kMaxReferenceDigits) return {0, 0};
        c = c * 16 + static_cast<char32_t>(digit);
    }
    if (i == s.size() || i == kReferenceStart.size()) return {0, 0};
    return {c, i + 1};
}

// Replaces the references of converted text by their characters.
std::string ReadReferences(std::string text) {
    size_t at = text.find(kReferenceStart);
    if (at == std::string::npos) return text;
    std::string out(text, 0, at);
    while (at < text.size()) {
        const std::string_view rest = std::string_view(text).substr(at);
        if (rest.starts_with(kReferenceStart)) {
            const auto [c, length] = ParseReference(rest);
            const bool escapedAmpersand =
                c == kAmpersand && rest.substr(length).starts_with(kReferenceStart.substr(1));
            if (length > 0 && (escapedAmpersand || (IsScalarValue(c) && !CanHold(c)))) {
                out += EncodeUtf8(c);
                at += length;
                continue;
            }
        }
        out += text[at++];
    }
    return out;
}

// Escapes the "&" of every "&#x" the user typed.
std::string EscapeTypedReferences(std::string_view utf8) {
    std::string out;
    size_t from = 0;
    for (size_t at = utf8.find(kReferenceStart); at != std::string_view::npos;
         at = utf8.find(kReferenceStart, at + 1)) {
        out.append(utf8.substr(from, at - from));
        out += kEscapedAmpersand;
        from = at + 1;
    }
    out.append(utf8.substr(from));
    return out;
}

}  // namespace

bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::size_t CharLength(std::string_view bytes, std::size_t pos) {
    if (pos + 1 < bytes.size() && IsLeadByte(static_cast<unsigned char>(bytes[pos]))) return 2;
    return 1;
}

std::string ToUtf8(std::string_view bytes) {
    return ReadReferences(Convert("UTF-8", "CP932", bytes, [](std::string_view rest) {
        return std::pair<std::string, size_t>{"\xEF\xBF\xBD", CharLength(rest, 0)};
    }));
}

std::string FromUtf8(std::string_view utf8) {
    return Convert("CP932", "UTF-8", EscapeTypedReferences(utf8), [](std::string_view rest) {
        const auto [c, length] = DecodeUtf8(rest);
        if (length == 0) return std::pair<std::string, size_t>{"?", Utf8SequenceLength(rest)};
        return std::pair<std::string, size_t>{Reference(c), length};
    });
}

}  // namespace sorvel::cp932
