// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/preferencesfile.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

#include "base/arith.h"
#include "base/atomicfile.h"
#include "base/text.h"
#include "model/inifile.h"

namespace sorvel {
namespace {

using P = Preferences;
using R = OffsetRates;

// One key of the settings file and the field it fills. Exactly one of the
// field pointers is set.
struct KeyInfo {
    const char* section;
    const char* key;
    int P::*intField = nullptr;
    bool P::*boolField = nullptr;
    int R::*rateField = nullptr;
    std::string P::*textField = nullptr;
};

constexpr KeyInfo I(const char* s, const char* k, int P::*f) {
    return {s, k, f};
}
constexpr KeyInfo B(const char* s, const char* k, bool P::*f) {
    return {s, k, nullptr, f};
}
constexpr KeyInfo Rate(const char* k, int R::*f) {
    return {"Default", k, nullptr, nullptr, f};
}
constexpr KeyInfo T(const char* s, const char* k, std::string P::*f) {
    return {s, k, nullptr, nullptr, nullptr, f};
}

// Every key but the recent files, in the order the file lists them. The reader
// goes through it in this order, so the keys a derived default depends on
// (bars, cells, margins, title, rows) come before the derived key.
const std::vector<KeyInfo>& Keys() {
    static const std::vector<KeyInfo> keys = {
        I("Location", "Top", &P::Top),
        I("Location", "Left", &P::Left),
        I("Location", "Width", &P::Width),
        I("Location", "Height", &P::Height),
        I("Location", "FormTableOfContentsWidth", &P::FormTableOfContentsWidth),
        I("Location", "FormTableOfContentsHeight", &P::FormTableOfContentsHeight),
        I("Location", "FormPianoTop", &P::FormPianoTop),
        I("Location", "FormPianoLeft", &P::FormPianoLeft),
        I("Location", "FormPlayTop", &P::FormPlayTop),
        I("Location", "FormPlayLeft", &P::FormPlayLeft),
        T("Dir", "InitialDir", &P::InitialDir),
        B("General", "IsDispKeyName", &P::IsDispKeyName),
        B("General", "IsRBtnCsrMove", &P::IsRBtnCsrMove),
        B("General", "IsSkipCursor", &P::IsSkipCursor),
        B("General", "IsFingerNo00", &P::IsFingerNo00),
        I("Midi", "DeviceID", &P::DeviceID),
        I("Midi", "Instrument", &P::Instrument),
        I("Midi", "MeloVelocity", &P::MeloVelocity),
        I("Midi", "RhythmChannelNo", &P::RhythmChannelNo),
        I("Midi", "ClickHKeyNo", &P::ClickHKeyNo),
        I("Midi", "ClickLKeyNo", &P::ClickLKeyNo),
        I("Midi", "ClickHVelocity", &P::ClickHVelocity),
        I("Midi", "ClickLVelocity", &P::ClickLVelocity),
        B("Midi", "IsMonitorMode", &P::IsMonitorMode),
        B("Midi", "IsPlayMetronome", &P::IsPlayMetronome),
        B("Midi", "IsPlayMusicData", &P::IsPlayMusicData),
        I("Midi", "PlayCount", &P::PlayCount),
        B("Midi", "StartClick", &P::StartClick),
        I("Midi", "StartClickNum", &P::StartClickNum),
        B("Midi", "PlayScoreTempo", &P::PlayScoreTempo),
        I("Midi", "Tempo", &P::Tempo),
        B("Midi", "IsNoClickRepeat", &P::IsNoClickRepeat),
        I("Default", "DefoCurSorFontSize", &P::DefoCurSorFontSize),
        I("Default", "DefoCurSorFontColor", &P::DefoCurSorFontColor),
        I("Default", "DefoRubberBandColor", &P::DefoRubberBandColor),
        I("Default", "DefoPlayCursorColor", &P::DefoPlayCursorColor),
        I("Default", "DefoPlayCursorWidth", &P::DefoPlayCursorWidth),
        I("Default", "DefoPlayCursorDispMode", &P::DefoPlayCursorDispMode),
        I("Default", "DefoGridColor", &P::DefoGridColor),
        I("Default", "DefoScoreFontColor", &P::DefoScoreFontColor),
        I("Default", "DefoNoteFontSize", &P::DefoNoteFontSize),
        I("Default", "DefoTitleHeight", &P::DefoTitleHeight),
        I("Default", "DefoTopSpace", &P::DefoTopSpace),
        I("Default", "DefoBottomSpace", &P::DefoBottomSpace),
        I("Default", "DefoLeftSpace", &P::DefoLeftSpace),
        I("Default", "DefoRightSpace", &P::DefoRightSpace),
        I("Default", "DefoBarParRow", &P::DefoBarParRow),
        I("Default", "DefoDivParBar", &P::DefoDivParBar),
        I("Default", "DefoGridDivNum", &P::DefoGridDivNum),
        I("Default", "DefoGridSize", &P::DefoGridSize),
        I("Default", "DefoRowDivNum", &P::DefoRowDivNum),
        I("Default", "DefoRowInterval", &P::DefoRowInterval),
        Rate("DefoOffsetRateX_FingerNo", &R::FingerNo),
        Rate("DefoOffsetRateX_PF", &R::PF),
        Rate("DefoOffsetRateX_Crese", &R::Crese),
        Rate("DefoOffsetRateX_Slur", &R::Slur),
        Rate("DefoOffsetRateX_Ornament", &R::Ornament),
        Rate("DefoOffsetRateX_Speed", &R::Speed),
        Rate("DefoOffsetRateX_Branch", &R::Branch),
        Rate("DefoOffsetRateX_Bow", &R::Bow),
        Rate("DefoOffsetRateX_String", &R::String),
        Rate("DefoOffsetRateX_3ren", &R::Ren3),
        Rate("DefoOffsetRateX_Kakko", &R::Kakko),
        I("Default", "DefoOffsetRateX_Rinji", &P::DefoOffsetRateX_Rinji),
        I("Default", "DefoOffsetRateY_Rinji", &P::DefoOffsetRateY_Rinji),
        I("Default", "DefoOffsetRateX_Futen", &P::DefoOffsetRateX_Futen),
        I("Default", "DefoOffsetRateY_Futen", &P::DefoOffsetRateY_Futen),
    };
    return keys;
}

constexpr const char* kRecentSection = "FileName";

std::string RecentKey(int i) {
    return "File" + IntToStr(i);
}

int ClampToInt(long long v) {
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

// Integer fields (booleans as 0 and 1) through one pair of accessors; the
// text field has no integer value.
int GetInt(const P& p, const KeyInfo& k) {
    if (k.intField) return p.*k.intField;
    if (k.boolField) return p.*k.boolField ? 1 : 0;
    if (k.rateField) return p.DefoRates.*k.rateField;
    return 0;
}

void SetInt(P& p, const KeyInfo& k, int v) {
    if (k.intField)
        p.*k.intField = v;
    else if (k.boolField)
        p.*k.boolField = v != 0;
    else if (k.rateField)
        p.DefoRates.*k.rateField = v;
}

// The default of a key whose default follows from other values: grid cells
// from bars and cells per bar, grid step and row step from the page size.
int DefaultOf(const P& p, const KeyInfo& k, int pageWidth, int pageHeight) {
    if (k.intField == &P::DefoGridDivNum)
        return ClampToInt(static_cast<long long>(p.DefoBarParRow) * p.DefoDivParBar);
    if (k.intField == &P::DefoGridSize)
        return DivTrunc(
            ClampToInt(static_cast<long long>(pageWidth) - p.DefoLeftSpace - p.DefoRightSpace),
            p.DefoGridDivNum);
    if (k.intField == &P::DefoRowInterval)
        return DivTrunc(ClampToInt(static_cast<long long>(pageHeight) - p.DefoTopSpace -
                                   p.DefoBottomSpace - p.DefoTitleHeight),
                        p.DefoRowDivNum);
    return GetInt(p, k);
}

// Reads one key into `p`; a missing or malformed value gives `fallback`.
void ReadKey(const TIniFile& ini, const KeyInfo& k, P& p, int fallback) {
    const std::optional<std::string> v = ini.Value(k.section, k.key);
    if (k.textField) {
        // An empty folder is no folder to offer: keep the default.
        if (v && !v->empty()) p.*k.textField = *v;
        return;
    }
    SetInt(p, k, v ? StrToIntDef(*v, fallback) : fallback);
}

void ReadRecentFiles(const TIniFile& ini, P& p) {
    p.RecentFiles.clear();
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        const std::optional<std::string> v = ini.Value(kRecentSection, RecentKey(i));
        if (!v || v->empty()) break;
        p.RecentFiles.push_back(*v);
    }
}

void StoreKey(TIniFile& ini, const KeyInfo& k, const P& p) {
    if (!k.textField) {
        ini.SetValue(k.section, k.key, IntToStr(GetInt(p, k)));
    } else if (!ini.SetValue(k.section, k.key, p.*k.textField)) {
        // A folder name with a line break cannot be stored in a line.
        ini.SetValue(k.section, k.key, "");
    }
}

// The recent files from File0 upward. Old keys go first, so a shorter list
// leaves no stale entries behind; a name that cannot be stored in a line is
// left out rather than cutting the list short.
void StoreRecentFiles(TIniFile& ini, const P& p) {
    for (int i = 0; i < kMaxRecentFiles; ++i) ini.RemoveKey(kRecentSection, RecentKey(i));
    int n = 0;
    for (const std::string& file : p.RecentFiles) {
        if (n == kMaxRecentFiles) break;
        if (file.empty()) continue;
        if (ini.SetValue(kRecentSection, RecentKey(n), file)) ++n;
    }
}

bool Wanted(const KeyInfo& k, std::initializer_list<std::string_view> keys) {
    return std::any_of(keys.begin(), keys.end(),
                       [&](std::string_view name) { return EqualsNoCase(name, k.key); });
}

TIniFile LoadOrEmpty(const std::string& path) {
    TIniFile ini;
    if (!TIniFile::Load(path, ini, nullptr)) ini = TIniFile();
    return ini;
}

void ReadFrom(const TIniFile& ini, P& prefs, int pageWidth, int pageHeight) {
    Preferences fresh;
    fresh.InitialDir = std::move(prefs.InitialDir);
    prefs = std::move(fresh);
    for (const KeyInfo& k : Keys())
        ReadKey(ini, k, prefs, DefaultOf(prefs, k, pageWidth, pageHeight));
    ReadRecentFiles(ini, prefs);
    // The grid fills the width exactly; what is left over goes to the left margin.
    prefs.DefoLeftSpace = ClampToInt(
        static_cast<long long>(pageWidth) -
        static_cast<long long>(prefs.DefoGridDivNum) * prefs.DefoGridSize - prefs.DefoRightSpace);
}

}  // namespace

SettingsLocation SettingsLocation::FromEnvironment() {
    SettingsLocation where;
    where.folderIsWritable = [](const std::string& folder) {
        return ::access(folder.c_str(), W_OK) == 0;
    };
    where.fileExists = [](const std::string& path) { return ::access(path.c_str(), F_OK) == 0; };
    if (const char* v = std::getenv("XDG_CONFIG_HOME")) where.xdgConfigHome = v;
    if (const char* v = std::getenv("HOME")) where.home = v;
    return where;
}

std::string ExecutableFolder(const std::string& executablePath) {
    return FolderOf(executablePath);
}

std::string SettingsFileBesideExecutable(const std::string& executablePath) {
    const size_t nameStart = executablePath.rfind('/') + 1;  // npos + 1 == 0
    const size_t dot = executablePath.rfind('.');
    if (dot != std::string::npos && dot > nameStart) return executablePath.substr(0, dot) + "ini";
    return executablePath + "ini";
}

namespace {

bool IsInstalled(const std::string& folder, const SettingsLocation& where) {
    constexpr std::string_view kBin = "/bin";
    if (!where.fileExists || !folder.ends_with(kBin)) return false;
    const std::string prefix = folder.substr(0, folder.size() - kBin.size());
    return where.fileExists(prefix + "/share/applications/sorvel.desktop");
}

}  // namespace

std::string SettingsFilePath(const std::string& executablePath, const SettingsLocation& where) {
    const std::string beside = SettingsFileBesideExecutable(executablePath);
    const std::string folder = ExecutableFolder(executablePath);
    if (where.folderIsWritable && where.folderIsWritable(folder) && !IsInstalled(folder, where))
        return beside;
    std::string base;
    if (!where.xdgConfigHome.empty() && where.xdgConfigHome.front() == '/')
        base = where.xdgConfigHome;
    else if (!where.home.empty())
        base = where.home + "/.config";
    else
        return beside;  // no user folder known: the rule's place is the only one
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    return base + "/sorvel/" + beside.substr(beside.rfind('/') + 1);
}

std::string SettingsFilePath(const std::string& executablePath) {
    return SettingsFilePath(executablePath, SettingsLocation::FromEnvironment());
}

void ReadPreferencesText(std::string_view text, Preferences& prefs, int pageWidth, int pageHeight) {
    ReadFrom(TIniFile::Parse(text), prefs, pageWidth, pageHeight);
}

void ReadPreferences(const std::string& path, Preferences& prefs, int pageWidth, int pageHeight) {
    ReadFrom(LoadOrEmpty(path), prefs, pageWidth, pageHeight);
}

bool WritePreferences(const std::string& path, const Preferences& prefs, std::string* error) {
    TIniFile ini;
    // A file that exists but cannot be read is not overwritten: what it holds
    // beyond our keys would be lost.
    if (!TIniFile::Load(path, ini, error)) return false;
    for (const KeyInfo& k : Keys()) StoreKey(ini, k, prefs);
    StoreRecentFiles(ini, prefs);
    return ini.Save(path, error);
}

void ReadPreferenceKeys(const std::string& path, Preferences& prefs,
                        std::initializer_list<std::string_view> keys) {
    const TIniFile ini = LoadOrEmpty(path);
    for (const KeyInfo& k : Keys())
        if (Wanted(k, keys)) ReadKey(ini, k, prefs, GetInt(prefs, k));
}

bool WritePreferenceKeys(const std::string& path, const Preferences& prefs,
                         std::initializer_list<std::string_view> keys, std::string* error) {
    TIniFile ini;
    if (!TIniFile::Load(path, ini, error)) return false;
    for (const KeyInfo& k : Keys())
        if (Wanted(k, keys)) StoreKey(ini, k, prefs);
    return ini.Save(path, error);
}

int ReadPreferenceInt(const std::string& path, std::string_view section, std::string_view key,
                      int fallback) {
    const std::optional<std::string> v = LoadOrEmpty(path).Value(section, key);
    return v ? StrToIntDef(*v, fallback) : fallback;
}

std::optional<std::string> ReadPreferenceText(const std::string& path, std::string_view section,
                                              std::string_view key) {
    return LoadOrEmpty(path).Value(section, key);
}

bool WritePreferenceKey(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value, std::string* error) {
    TIniFile ini;
    if (!TIniFile::Load(path, ini, error)) return false;
    if (!ini.SetValue(section, key, value)) {
        if (error) *error = "a value with a line break cannot be stored";
        return false;
    }
    return ini.Save(path, error);
}

bool WritePreferenceKey(const std::string& path, std::string_view section, std::string_view key,
                        int value, std::string* error) {
    return WritePreferenceKey(path, section, key, IntToStr(value), error);
}

}  // namespace sorvel
