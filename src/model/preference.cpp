// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/preference.h"

#include "model/preferencesfile.h"

namespace sorvel {

template <>
bool Preference<bool>::Read(const std::string& settingsPath) const {
    return ReadPreferenceInt(settingsPath, section_, key_, default_ ? 1 : 0) != 0;
}

template <>
bool Preference<bool>::Write(const std::string& settingsPath, bool value,
                             std::string* error) const {
    return WritePreferenceKey(settingsPath, section_, key_, value ? 1 : 0, error);
}

template <>
int Preference<int>::Read(const std::string& settingsPath) const {
    return ReadPreferenceInt(settingsPath, section_, key_, default_);
}

template <>
bool Preference<int>::Write(const std::string& settingsPath, int value, std::string* error) const {
    return WritePreferenceKey(settingsPath, section_, key_, value, error);
}

std::optional<std::string> Preference<std::string>::Read(const std::string& settingsPath) const {
    return ReadPreferenceText(settingsPath, section_, key_);
}

bool Preference<std::string>::Write(const std::string& settingsPath, std::string_view value,
                                    std::string* error) const {
    return WritePreferenceKey(settingsPath, section_, key_, value, error);
}

}  // namespace sorvel
