// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/platform/fileassociation.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "base/atomicfile.h"
#include "base/readfile.h"

extern char** environ;

namespace sorvel {

namespace {

constexpr char kIconName[] = "sorvel";
constexpr char kDefaultsGroup[] = "[Default Applications]";
// Registration marks its two text files, so that removal never takes a file
// that someone else put in the same place.
constexpr char kDesktopMarker[] = "X-Sorvel-Association=true";
constexpr char kMimeMarker[] = "<!-- Sorvel file association -->";
// The desktop entry lists the icons registration wrote (sizes), so that
// removal takes those and leaves icons that were there before.
constexpr char kIconsKey[] = "X-Sorvel-Icons=";
// Files the association reads back are small; anything larger is not ours.
constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* v = std::getenv(name);
    // Relative XDG base directories are ignored, as the XDG rules say.
    return v && v[0] == '/' ? std::string(v) : fallback;
}

bool IsUtf8(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int extra = 0;
        if (c < 0x80)
            extra = 0;
        else if ((c & 0xE0) == 0xC0 && c >= 0xC2)
            extra = 1;
        else if ((c & 0xF0) == 0xE0)
            extra = 2;
        else if ((c & 0xF8) == 0xF0 && c <= 0xF4)
            extra = 3;
        else
            return false;
        if (i + static_cast<std::size_t>(extra) >= s.size() && extra > 0) return false;
        for (int k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

bool ReadText(const std::string& path, std::string& out) {
    return ReadFileBytes(path, kMaxFileBytes, out) == 0;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

std::string Failure(const std::string& path, int err) {
    return path + ": " + std::strerror(err);
}

bool WriteFile(const std::string& path, const std::string& bytes, std::string* error) {
    const int err = WriteFileAtomically(path, bytes, {.createFolders = true});
    if (err == 0) return true;
    if (error) *error = Failure(path, err);
    return false;
}

// Removes the file at `path` when `isOurs` says its bytes are what
// registration wrote. A missing file is no failure.
bool RemoveIfOurs(const std::string& path, const std::function<bool(const std::string&)>& isOurs,
                  std::string* error) {
    std::string bytes;
    if (!Exists(path) || !ReadText(path, bytes) || !isOurs(bytes)) return true;
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) return true;
    if (error) *error = Failure(path, errno);
    return false;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

std::string TrimBlanks(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

bool IsGroupHeader(const std::string& line) {
    const std::string t = TrimBlanks(line);
    return t.size() >= 2 && t.front() == '[' && t.back() == ']';
}

// The key of a "key=value" line, or empty.
std::string KeyOf(const std::string& line) {
    const auto eq = line.find('=');
    return eq == std::string::npos ? std::string() : TrimBlanks(line.substr(0, eq));
}

std::string ValueOf(const std::string& line) {
    const auto eq = line.find('=');
    return eq == std::string::npos ? std::string() : TrimBlanks(line.substr(eq + 1));
}

// The range [begin, end) of the default-applications group's lines after its
// header; begin is 0 when the group is missing.
std::pair<std::size_t, std::size_t> DefaultsGroup(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (TrimBlanks(lines[i]) != kDefaultsGroup) continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !IsGroupHeader(lines[end])) ++end;
        return {i + 1, end};
    }
    return {0, 0};
}

bool IsOnlyBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace

AssociationPlaces AssociationPlaces::FromEnvironment() {
    const char* home = std::getenv("HOME");
    const std::string homeDir = home ? home : "";
    AssociationPlaces p;
    p.dataHome = EnvOr("XDG_DATA_HOME", homeDir + "/.local/share");
    p.configHome = EnvOr("XDG_CONFIG_HOME", homeDir + "/.config");
    const char* path = std::getenv("PATH");
    p.searchPath = path ? path : "/usr/bin:/bin";
    return p;
}

FileAssociation::FileAssociation(AssociationPlaces places, std::string executablePath,
                                 std::vector<AssociationIcon> icons)
    : places_(std::move(places)), executable_(std::move(executablePath)), icons_(std::move(icons)) {
    runner_ = [](const std::vector<std::string>& argv) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        for (int fd = 0; fd <= 2; ++fd) {
            posix_spawn_file_actions_addopen(&actions, fd, "/dev/null",
                                             fd == 0 ? O_RDONLY : O_WRONLY, 0);
        }
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        pid_t pid = 0;
        if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ) == 0) {
            int status = 0;
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }
        posix_spawn_file_actions_destroy(&actions);
    };
}

std::string FileAssociation::DesktopEntryPath() const {
    return places_.dataHome + "/applications/" + kDesktopFileName;
}

std::string FileAssociation::MimePackagePath() const {
    return places_.dataHome + "/mime/packages/sorvel.xml";
}

std::string FileAssociation::IconPath(int size) const {
    const std::string dim = std::to_string(size);
    return places_.dataHome + "/icons/hicolor/" + dim + "x" + dim + "/apps/" + kIconName + ".png";
}

std::string FileAssociation::DefaultsListPath() const {
    return places_.configHome + "/mimeapps.list";
}

bool FileAssociation::IsRegistered() const {
    return Exists(MimePackagePath());
}

std::string FileAssociation::ExecLine(const std::string& executablePath) {
    // The path is one quoted argument: inside the quotes ", `, $ and \ take
    // a backslash. The value is then escaped as a string value, where a
    // backslash is written twice, and a literal % is written twice.
    std::string quoted = "\"";
    for (char c : executablePath) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    std::string value;
    for (char c : quoted) {
        if (c == '\\')
            value += "\\\\";
        else if (c == '%')
            value += "%%";
        else
            value += c;
    }
    return value + " %f";
}

std::string FileAssociation::DesktopEntryText(const std::vector<int>& iconSizes) const {
    if (executable_.empty() || executable_.front() != '/' || !IsUtf8(executable_) ||
        executable_.find_first_of("\n\r") != std::string::npos) {
        return {};
    }
    std::string text;
    text += "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Version=1.5\n";
    text += "Name=Sorvel\n";
    text += "Name[ja]=ソルベル\n";
    text += "Name[zh_CN]=Sorvel 二胡简谱\n";
    text += "Name[zh_TW]=Sorvel 二胡簡譜\n";
    text += "GenericName=Erhu Score Editor\n";
    text += "GenericName[ja]=二胡数字譜エディター\n";
    text += "GenericName[zh_CN]=二胡简谱编辑器\n";
    text += "GenericName[zh_TW]=二胡簡譜編輯器\n";
    text += "Comment=Write, print and play erhu scores in numbered notation (jianpu)\n";
    text += "Comment[ja]=二胡専用数字譜エディター『ソルベル』\n";
    text += "Comment[zh_CN]=编写、打印和播放二胡简谱\n";
    text += "Comment[zh_TW]=編寫、列印和播放二胡簡譜\n";
    text += "Exec=" + ExecLine(executable_) + "\n";
    text += std::string("Icon=") + kIconName + "\n";
    text += "Terminal=false\n";
    text += "Categories=AudioVideo;Audio;Music;\n";
    text += std::string("MimeType=") + kScoreMimeType + ";\n";
    // The opener of score files only: the program's menu entry is its own.
    text += "NoDisplay=true\n";
    text += std::string(kDesktopMarker) + "\n";
    text += kIconsKey;
    for (int size : iconSizes) text += std::to_string(size) + ";";
    text += "\n";
    return text;
}

std::string FileAssociation::MimePackageText() {
    std::string text;
    text += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    text += std::string(kMimeMarker) + "\n";
    text += "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    text += std::string("  <mime-type type=\"") + kScoreMimeType + "\">\n";
    // The untranslated comment is the English one, as desktops expect.
    text += "    <comment>Sorvel erhu score</comment>\n";
    text += "    <comment xml:lang=\"ja\">ソルベル数字譜ファイル</comment>\n";
    text += "    <comment xml:lang=\"zh_CN\">Sorvel 二胡简谱文件</comment>\n";
    text += "    <comment xml:lang=\"zh_TW\">Sorvel 二胡簡譜檔案</comment>\n";
    text += std::string("    <icon name=\"") + kIconName + "\"/>\n";
    text += "    <glob pattern=\"*.svl\"/>\n";
    text += "  </mime-type>\n";
    text += "</mime-info>\n";
    return text;
}

std::vector<int> FileAssociation::IconsWritten() const {
    std::string entry;
    if (!ReadText(DesktopEntryPath(), entry) || entry.find(kDesktopMarker) == std::string::npos) {
        return {};
    }
    std::vector<int> sizes;
    for (const std::string& line : SplitLines(entry)) {
        if (line.rfind(kIconsKey, 0) != 0) continue;
        std::istringstream list(line.substr(std::strlen(kIconsKey)));
        std::string size;
        while (std::getline(list, size, ';')) {
            if (!size.empty() && size.find_first_not_of("0123456789") == std::string::npos &&
                size.size() <= 4) {
                sizes.push_back(std::stoi(size));
            }
        }
    }
    return sizes;
}

bool FileAssociation::Register(std::string* error) {
    if (DesktopEntryText({}).empty()) {
        if (error) {
            *error = QCoreApplication::translate("FileAssociation",
                                                 "この場所のプログラムは登録できません: %1")
                         .arg(QString::fromStdString(executable_))
                         .toStdString();
        }
        return false;
    }
    // Icons already in place (installed with the program's menu entry, or by
    // an earlier registration) are used as they are.
    std::vector<int> ours = IconsWritten();
    std::vector<const AssociationIcon*> toWrite;
    for (const AssociationIcon& icon : icons_) {
        const bool listed = std::find(ours.begin(), ours.end(), icon.size) != ours.end();
        if (!listed && Exists(IconPath(icon.size))) continue;
        if (!listed) ours.push_back(icon.size);
        toWrite.push_back(&icon);
    }
    // The entry goes first: should a later step fail, removal finds in it
    // which icons to take back.
    bool ok = WriteFile(DesktopEntryPath(), DesktopEntryText(ours), error) &&
              WriteFile(MimePackagePath(), MimePackageText(), error);
    for (const AssociationIcon* icon : toWrite) {
        ok = ok && WriteFile(IconPath(icon->size), icon->png, error);
    }
    ok = ok && WriteDefault(error);
    if (!ok) {
        // Take back what was written; the first failure is what is reported.
        std::string ignored;
        Unregister(&ignored);
        return false;
    }
    Refresh();
    return true;
}

bool FileAssociation::Unregister(std::string* error) {
    bool ok = true;
    for (int size : IconsWritten()) {
        const auto own = std::find_if(icons_.begin(), icons_.end(),
                                      [size](const AssociationIcon& i) { return i.size == size; });
        // An icon changed since registration is someone else's now.
        ok = RemoveIfOurs(
                 IconPath(size),
                 [&](const std::string& bytes) { return own == icons_.end() || bytes == own->png; },
                 error) &&
             ok;
    }
    ok = RemoveIfOurs(
             DesktopEntryPath(),
             [](const std::string& bytes) {
                 return bytes.find(kDesktopMarker) != std::string::npos;
             },
             error) &&
         ok;
    ok = RemoveIfOurs(
             MimePackagePath(),
             [](const std::string& bytes) { return bytes.find(kMimeMarker) != std::string::npos; },
             error) &&
         ok;
    ok = RemoveDefault(error) && ok;
    Refresh();
    return ok;
}

bool FileAssociation::WriteDefault(std::string* error) {
    const std::string path = DefaultsListPath();
    std::string text;
    if (Exists(path) && !ReadText(path, text)) {
        if (error) *error = Failure(path, EIO);
        return false;
    }
    const std::string updated = WithDefaultApplication(text, kScoreMimeType, kDesktopFileName);
    return updated == text || WriteFile(path, updated, error);
}

bool FileAssociation::RemoveDefault(std::string* error) {
    const std::string path = DefaultsListPath();
    std::string text;
    if (!Exists(path) || !ReadText(path, text)) return true;
    const std::string updated = WithoutDefaultApplication(text, kScoreMimeType, kDesktopFileName);
    if (updated == text) return true;
    if (IsOnlyBlank(updated)) {
        if (::unlink(path.c_str()) == 0 || errno == ENOENT) return true;
        if (error) *error = Failure(path, errno);
        return false;
    }
    return WriteFile(path, updated, error);
}

std::string FileAssociation::FindCommand(const std::string& name) const {
    std::size_t start = 0;
    while (start <= places_.searchPath.size()) {
        const std::size_t end = places_.searchPath.find(':', start);
        const std::string dir = places_.searchPath.substr(
            start, end == std::string::npos ? std::string::npos : end - start);
        if (!dir.empty() && dir.front() == '/') {
            const std::string candidate = dir + "/" + name;
            if (::access(candidate.c_str(), X_OK) == 0) return candidate;
        }
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return {};
}

void FileAssociation::Refresh() {
    const std::string mimeDir = places_.dataHome + "/mime";
    const std::string appsDir = places_.dataHome + "/applications";
    if (const std::string cmd = FindCommand("update-mime-database");
        !cmd.empty() && Exists(mimeDir)) {
        runner_({cmd, mimeDir});
    }
    if (const std::string cmd = FindCommand("update-desktop-database");
        !cmd.empty() && Exists(appsDir)) {
        runner_({cmd, appsDir});
    }
}

std::string WithDefaultApplication(const std::string& text, const std::string& mimeType,
                                   const std::string& desktopId) {
    std::vector<std::string> lines = SplitLines(text);
    const std::string entry = mimeType + "=" + desktopId + ";";
    const auto [begin, end] = DefaultsGroup(lines);
    if (begin == 0) {
        if (!lines.empty() && !TrimBlanks(lines.back()).empty()) lines.emplace_back();
        lines.emplace_back(kDefaultsGroup);
        lines.push_back(entry);
        return JoinLines(lines);
    }
    for (std::size_t i = begin; i < end; ++i) {
        if (KeyOf(lines[i]) == mimeType) {
            if (lines[i] == entry) return text;
            lines[i] = entry;
            return JoinLines(lines);
        }
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(begin), entry);
    return JoinLines(lines);
}

std::string WithoutDefaultApplication(const std::string& text, const std::string& mimeType,
                                      const std::string& desktopId) {
    std::vector<std::string> lines = SplitLines(text);
    const auto [begin, end] = DefaultsGroup(lines);
    if (begin == 0) return text;
    std::size_t found = end;
    for (std::size_t i = begin; i < end; ++i) {
        if (KeyOf(lines[i]) != mimeType) continue;
        std::string value = ValueOf(lines[i]);
        while (!value.empty() && value.back() == ';') value.pop_back();
        if (value == desktopId) found = i;
    }
    if (found == end) return text;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(found));
    const std::size_t groupEnd = end - 1;
    bool empty = true;
    for (std::size_t i = begin; i < groupEnd; ++i) {
        if (!TrimBlanks(lines[i]).empty()) empty = false;
    }
    if (empty) {
        // The group held nothing else: the header and its blank lines go too.
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(begin - 1),
                    lines.begin() + static_cast<std::ptrdiff_t>(groupEnd));
        while (!lines.empty() && TrimBlanks(lines.back()).empty()) lines.pop_back();
    }
    return JoinLines(lines);
}

}  // namespace sorvel
