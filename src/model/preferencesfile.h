// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file: where it lives, and reading and writing the preferences
// with their sections, keys, defaults and derived layout values. One table of
// keys serves the reader and the writer.
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "model/preferences.h"

namespace sorvel {

// The recent-file list holds File0 to File7.
inline constexpr int kMaxRecentFiles = 8;

// What deciding the settings file's place needs to know about the machine.
// Tests fill it by hand; the program takes it from the environment.
struct SettingsLocation {
    std::function<bool(const std::string& folder)> folderIsWritable;
    std::function<bool(const std::string& path)> fileExists;
    std::string xdgConfigHome;  // $XDG_CONFIG_HOME; ignored unless absolute
    std::string home;           // $HOME

    static SettingsLocation FromEnvironment();
};

// The executable's path with its extension, dot included, replaced by the three
// letters "ini": /opt/x/Sorvel.exe gives /opt/x/Sorvelini. A name without an
// extension simply gets "ini" appended (/opt/x/sorvel gives /opt/x/sorvelini);
// the dot that starts a hidden file's name is not an extension.
std::string SettingsFileBesideExecutable(const std::string& executablePath);

// The settings file by the rule above when the executable's folder is writable
// and not that of an installation; otherwise the same name in the user's
// configuration folder: $XDG_CONFIG_HOME/sorvel/<name>, or
// ~/.config/sorvel/<name>. An installation is an executable in <prefix>/bin
// with the program's desktop entry in <prefix>/share/applications, as the
// package lays it out: there the folder is shared by every user, and
// writable to the administrator only.
std::string SettingsFilePath(const std::string& executablePath, const SettingsLocation& where);
std::string SettingsFilePath(const std::string& executablePath);

// The folder of the executable (the default of InitialDir).
std::string ExecutableFolder(const std::string& executablePath);

// Fills `prefs` from the file at `path`. Every key that is missing or not an
// integer gets its default; the default of InitialDir is the value `prefs`
// holds on entry (the caller puts the executable's folder there). Grid cells,
// grid step and row step default to values derived from the page size, and the
// left margin is then recomputed so that the grid fills the page width. A file
// that is missing or unreadable gives every default; no content can crash it.
void ReadPreferences(const std::string& path, Preferences& prefs, int pageWidth, int pageHeight);

// Same, from the bytes of a settings file.
void ReadPreferencesText(std::string_view text, Preferences& prefs, int pageWidth, int pageHeight);

// Writes every key with the current values into the file at `path`, keeping
// what else the file holds, and replaces the file atomically. False with a
// message in `error` when the file cannot be read or written.
bool WritePreferences(const std::string& path, const Preferences& prefs, std::string* error);

// Reads or writes only the named keys of the table (any sections), for the
// windows that read their own places when created and write them when closed.
// A key missing from the file keeps the value `prefs` holds; unknown names
// are ignored.
void ReadPreferenceKeys(const std::string& path, Preferences& prefs,
                        std::initializer_list<std::string_view> keys);
bool WritePreferenceKeys(const std::string& path, const Preferences& prefs,
                         std::initializer_list<std::string_view> keys, std::string* error);

// One key, for the windows that keep their own places and for the MIDI output
// that stores a fallback device at once. Reading gives `fallback` when the key
// is missing or not an integer.
int ReadPreferenceInt(const std::string& path, std::string_view section, std::string_view key,
                      int fallback);
// The key's text as stored; nothing when the file or the key is missing.
std::optional<std::string> ReadPreferenceText(const std::string& path, std::string_view section,
                                              std::string_view key);
bool WritePreferenceKey(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value, std::string* error = nullptr);
bool WritePreferenceKey(const std::string& path, std::string_view section, std::string_view key,
                        int value, std::string* error = nullptr);

}  // namespace sorvel
