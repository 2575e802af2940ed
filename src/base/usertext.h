// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text for the user made by a layer without Qt: a Japanese template with
// places %1 … %9 and the texts that fill them. The layers mark their templates
// with SORVEL_TEXT or SORVEL_TEXT_NOOP, which lupdate reads as
// QT_TRANSLATE_NOOP; the editor translates each template and fills it, the
// command line prints Japanese().
#include <iosfwd>
#include <string>
#include <vector>

namespace sorvel {

// A marked template: its translation context (one per layer) and the
// Japanese source text.
struct TextTemplate {
    const char* context;
    const char* source;
};

}  // namespace sorvel

// A template with its context, for UserText.
#define SORVEL_TEXT(context, source) (::sorvel::TextTemplate{context, source})
// Marks a literal that stays a plain string in the code (a key that is also
// shown, such as a label of what an import left out); expands to the literal.
#define SORVEL_TEXT_NOOP(context, source) source

namespace sorvel {

struct UserText {
    // The translation context of the template; null for a text shown as it
    // stands (a path, a number, a name taken from a file).
    const char* context = nullptr;
    std::string source;  // the template, or the plain text
    std::vector<UserText> args;

    UserText() = default;
    UserText(TextTemplate marked, std::vector<UserText> values = {});
    // A template whose source is known only at run time but was marked
    // elsewhere with SORVEL_TEXT_NOOP in `context`.
    UserText(const char* context, std::string source, std::vector<UserText> values = {});

    static UserText Plain(std::string text);
    static UserText Number(long long value);
    // Items joined by the separator template "%1、%2", so that each language
    // has its own separator.
    static UserText List(std::vector<UserText> items);

    bool empty() const { return source.empty(); }
    // The Japanese text: the templates as written, filled.
    std::string Japanese() const;
};

// Fills %1 … %9 of `pattern` with `values` in one pass from left to right (a
// value holding "%2" is not filled again; a place without a value stays).
// Japanese() and the editor's translation both fill with it.
std::string FillPlaces(const std::string& pattern, const std::vector<std::string>& values);

// Writes Japanese() (test failure output, logs).
std::ostream& operator<<(std::ostream& out, const UserText& text);

}  // namespace sorvel
