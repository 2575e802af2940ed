// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <utility>

namespace sorvel::cp932 {
namespace {

constexpr std::string_view kReferenceStart = "&#x";
constexpr std::string_view kEscapedAmpersand = "&#x26;";
constexpr char32_t kAmpersand = 0x26;
constexpr char32_t kLineFeed = 0x0A;
constexpr char32_t kCarriageReturn = 0x0D;
constexpr int kMaxReferenceDigits = 6;  // U+10FFFF

// The JIS side of the Japanese compatibility pairs (〜 ‖ − — ¢ £ ¬): CP932
// writes each as its own character (～ ∥ － ― ￠ ￡ ￢), and so do we.
constexpr char32_t kJisForms[] = {0x301C, 0x2016, 0x2212, 0x2014, 0x00A2, 0x00A3, 0x00AC};

// The conversions differ in two ways between one text and a whole score text.
enum class Scope {
    Field,      // controls are references; a typed "&#x" is escaped
    ScoreText,  // controls and "&#x" text are the file's own
};

bool IsControl(char32_t c) {
    return c < 0x20 || c == 0x7F;
}

bool IsJisForm(char32_t c) {
    for (const char32_t form : kJisForms) {
        if (c == form) return true;
    }
    return false;
}

// One iconv conversion, open for as long as the object lives.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (Open()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Open() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `in`; on an invalid or unconvertible sequence,
    // `fail(rest)` gives the text to append and the number of bytes to skip.
    template <typename Fail>
    std::string All(std::string_view in, Fail fail) {
        std::string out;
        if (!Open()) return std::string(in);
        out.reserve(in.size() * 3 / 2 + 4);
        char buf[1024];
        auto* src = const_cast<char*>(in.data());
        size_t left = in.size();
        while (left > 0) {
            char* dst = buf;
            size_t room = sizeof buf;
            size_t r = iconv(cd_, &src, &left, &dst, &room);
            out.append(buf, static_cast<size_t>(dst - buf));
            if (r == static_cast<size_t>(-1) && errno != E2BIG) {
                const auto [replacement, n] = fail(std::string_view(src, left));
                src += n;
                left -= n;
                out.append(replacement);
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

    // Converts one short text whole into `out`; false when any of it fails.
    bool Whole(std::string_view in, std::string& out) {
        if (!Open()) return false;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buf[16];
        auto* src = const_cast<char*>(in.data());
        size_t left = in.size();
        char* dst = buf;
        size_t room = sizeof buf;
        if (iconv(cd_, &src, &left, &dst, &room) == static_cast<size_t>(-1)) return false;
        out.assign(buf, static_cast<size_t>(dst - buf));
        return left == 0;
    }

private:
    iconv_t cd_;
};

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
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
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

// Which characters the bytes hold as themselves, decided by the conversion
// itself (both ways), so that the writer and the reader always agree.
class ExactForms {
public:
    // The bytes that hold `c` as itself, or nothing when it is written as a
    // reference: a control character, one CP932 lacks, or one whose CP932
    // form reads back as another character (other than the JIS forms).
    std::optional<std::string> BytesOf(char32_t c) {
        if (IsControl(c)) return std::nullopt;
        if (c < 0x80) return std::string(1, static_cast<char>(c));
        const std::string utf8 = EncodeUtf8(c);
        std::string bytes;
        if (!encode_.Whole(utf8, bytes)) return std::nullopt;
        if (IsJisForm(c)) return bytes;
        std::string back;
        if (!decode_.Whole(bytes, back) || back != utf8) return std::nullopt;
        return bytes;
    }

    bool WrittenAsReference(char32_t c) { return !BytesOf(c); }

private:
    Converter encode_{"CP932", "UTF-8"};
    Converter decode_{"UTF-8", "CP932"};
};

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

// Whether the reference to `c` at the start of `rest` (of `length` bytes) is
// one the writer makes, and so is read back as its character.
bool IsReadBack(std::string_view rest, char32_t c, size_t length, Scope scope, ExactForms& forms) {
    if (length == 0 || !IsScalarValue(c)) return false;
    if (scope == Scope::ScoreText) return !IsControl(c) && forms.WrittenAsReference(c);
    const bool escapedAmpersand =
        c == kAmpersand && rest.substr(length).starts_with(kReferenceStart.substr(1));
    return escapedAmpersand || forms.WrittenAsReference(c);
}

// Replaces the references of converted text by their characters.
std::string ReadReferences(std::string text, Scope scope) {
    size_t at = text.find(kReferenceStart);
    if (at == std::string::npos) return text;
    ExactForms forms;
    std::string out(text, 0, at);
    while (at < text.size()) {
        const std::string_view rest = std::string_view(text).substr(at);
        if (rest.starts_with(kReferenceStart)) {
            const auto [c, length] = ParseReference(rest);
            if (IsReadBack(rest, c, length, scope, forms)) {
                out += EncodeUtf8(c);
                at += length;
                continue;
            }
        }
        out += text[at++];
    }
    return out;
}

std::string ToUtf8In(std::string_view bytes, Scope scope) {
    Converter decode("UTF-8", "CP932");
    return ReadReferences(
        decode.All(bytes,
                   [](std::string_view rest) {
                       return std::pair<std::string, size_t>{"\xEF\xBF\xBD", CharLength(rest, 0)};
                   }),
        scope);
}

// Character by character: printable ASCII as it is, every other character
// as its exact CP932 form or else as a reference.
std::string FromUtf8In(std::string_view utf8, Scope scope) {
    ExactForms forms;
    std::string out;
    out.reserve(utf8.size() + 8);
    size_t at = 0;
    while (at < utf8.size()) {
        const std::string_view rest = utf8.substr(at);
        const auto lead = static_cast<unsigned char>(rest[0]);
        if (scope == Scope::Field && rest.starts_with(kReferenceStart)) {
            out += kEscapedAmpersand;  // the typed "&"; "#x" follows as typed
            ++at;
            continue;
        }
        if (lead >= 0x20 && lead < 0x7F) {
            out += rest[0];
            ++at;
            continue;
        }
        const auto [c, length] = DecodeUtf8(rest);
        if (length == 0) {
            out += '?';
            at += Utf8SequenceLength(rest);
            continue;
        }
        if (scope == Scope::ScoreText && IsControl(c)) {
            out += static_cast<char>(c);
        } else if (const std::optional<std::string> bytes = forms.BytesOf(c)) {
            out += *bytes;
        } else {
            out += Reference(c);
        }
        at += length;
    }
    return out;
}

// The line end (CR or LF, raw or as a reference) at the start of `s`: its
// character and length, or a length of 0 when none starts there.
std::pair<char32_t, size_t> LineEndAt(std::string_view s) {
    if (s[0] == '\r' || s[0] == '\n') return {static_cast<unsigned char>(s[0]), 1};
    if (!s.starts_with(kReferenceStart)) return {0, 0};
    const auto [c, length] = ParseReference(s);
    if (length == 0 || (c != kLineFeed && c != kCarriageReturn)) return {0, 0};
    return {c, length};
}

// The length of the line break at the start of `s`: CR LF counts as one.
size_t LineBreakLength(std::string_view s) {
    const auto [c, length] = LineEndAt(s);
    if (length == 0 || c != kCarriageReturn || length == s.size()) return length;
    const auto [next, nextLength] = LineEndAt(s.substr(length));
    return next == kLineFeed ? length + nextLength : length;
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
    return ToUtf8In(bytes, Scope::Field);
}

std::string FromUtf8(std::string_view utf8) {
    return FromUtf8In(utf8, Scope::Field);
}

std::string ScoreTextToUtf8(std::string_view bytes) {
    return ToUtf8In(bytes, Scope::ScoreText);
}

std::string ScoreTextFromUtf8(std::string_view utf8) {
    return FromUtf8In(utf8, Scope::ScoreText);
}

std::string ReferenceControls(std::string bytes) {
    const auto isControl = [](char b) { return IsControl(static_cast<unsigned char>(b)); };
    if (std::none_of(bytes.begin(), bytes.end(), isControl)) return bytes;
    std::string out;
    out.reserve(bytes.size() + 16);
    for (const char b : bytes) {
        if (isControl(b)) {
            out += Reference(static_cast<unsigned char>(b));
        } else {
            out += b;
        }
    }
    return out;
}

std::vector<std::string> SplitLineBreaks(std::string_view bytes) {
    std::vector<std::string> lines(1);
    size_t at = 0;
    while (at < bytes.size()) {
        if (const size_t n = LineBreakLength(bytes.substr(at))) {
            lines.emplace_back();
            at += n;
            continue;
        }
        const size_t length = CharLength(bytes, at);
        lines.back().append(bytes.substr(at, length));
        at += length;
    }
    return lines;
}

}  // namespace sorvel::cp932
