// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A setting of our own in the settings file: its section, key and default
// held together and read or written with its type, so no caller spells a key
// or turns a value into text.
#include <optional>
#include <string>
#include <string_view>

namespace sorvel {

// An on/off setting (stored as 0 or 1) or a number. Reading gives the default
// when the file or the key is missing or the value is not a number.
template <typename T>
class Preference {
public:
    constexpr Preference(std::string_view section, std::string_view key, T byDefault)
        : section_(section), key_(key), default_(byDefault) {}

    T Read(const std::string& settingsPath) const;
    bool Write(const std::string& settingsPath, T value, std::string* error = nullptr) const;

    std::string_view Section() const { return section_; }
    std::string_view Key() const { return key_; }
    T Default() const { return default_; }

private:
    std::string_view section_;
    std::string_view key_;
    T default_;
};

// A text setting; reading gives nothing when the file or the key is missing,
// so a caller can tell "never chosen" from any stored text.
template <>
class Preference<std::string> {
public:
    constexpr Preference(std::string_view section, std::string_view key)
        : section_(section), key_(key) {}

    std::optional<std::string> Read(const std::string& settingsPath) const;
    bool Write(const std::string& settingsPath, std::string_view value,
               std::string* error = nullptr) const;

    std::string_view Section() const { return section_; }
    std::string_view Key() const { return key_; }

private:
    std::string_view section_;
    std::string_view key_;
};

template <>
bool Preference<bool>::Read(const std::string& settingsPath) const;
template <>
bool Preference<bool>::Write(const std::string& settingsPath, bool value, std::string* error) const;
template <>
int Preference<int>::Read(const std::string& settingsPath) const;
template <>
bool Preference<int>::Write(const std::string& settingsPath, int value, std::string* error) const;

}  // namespace sorvel
