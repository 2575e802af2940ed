// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/usertext.h"

#include <ostream>
#include <utility>

namespace sorvel {

UserText::UserText(TextTemplate marked, std::vector<UserText> values)
    : context(marked.context), source(marked.source), args(std::move(values)) {}

UserText::UserText(const char* context, std::string source, std::vector<UserText> values)
    : context(context), source(std::move(source)), args(std::move(values)) {}

UserText UserText::Plain(std::string text) {
    UserText t;
    t.source = std::move(text);
    return t;
}

UserText UserText::Number(long long value) {
    return Plain(std::to_string(value));
}

UserText UserText::List(std::vector<UserText> items) {
    if (items.empty()) return UserText();
    UserText joined = std::move(items.front());
    for (size_t i = 1; i < items.size(); ++i) {
        joined = UserText(SORVEL_TEXT("sorvel::base", "%1、%2"),
                          {std::move(joined), std::move(items[i])});
    }
    return joined;
}

std::string UserText::Japanese() const {
    if (!context) return source;
    std::vector<std::string> values;
    values.reserve(args.size());
    for (const UserText& arg : args) values.push_back(arg.Japanese());
    return FillPlaces(source, values);
}

std::ostream& operator<<(std::ostream& out, const UserText& text) {
    return out << text.Japanese();
}

std::string FillPlaces(const std::string& pattern, const std::vector<std::string>& values) {
    std::string out;
    out.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const size_t index = static_cast<size_t>(pattern[i + 1] - '1');
            if (index < values.size()) {
                out += values[index];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace sorvel
