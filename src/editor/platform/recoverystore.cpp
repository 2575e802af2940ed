// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/platform/recoverystore.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <map>
#include <optional>
#include <utility>

#include "base/atomicfile.h"
#include "base/readfile.h"
#include "model/scorefile.h"

namespace sorvel {
namespace {

constexpr std::string_view kCopySuffix = ".svl";
constexpr std::string_view kSideSuffix = ".info";
constexpr std::string_view kTriedSuffix = ".tried";    // a restore begun and not finished
constexpr std::string_view kRefusedMark = ".refused";  // before the suffix of a copy set aside
constexpr std::string_view kTempMark = ".tmp-";        // what the atomic writer appends
constexpr std::string_view kSideHeader = "sorvel recovery 1\n";
// A folder stuffed with entries is read only this far, so finding leftovers
// stays quick whatever lies there.
constexpr int kMaxFolderEntries = 100'000;

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
    if (text.empty() || text.front() == '-' || text.front() == '+') return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

std::string Stem(const RecoveryOwner& owner) {
    return std::to_string(owner.pid) + "-" + std::to_string(owner.startTicks);
}

// The path of one of an owner's files in `folder`.
std::string EntryPath(const std::string& folder, const RecoveryOwner& owner,
                      std::string_view suffix) {
    return folder + "/" + Stem(owner) + std::string(suffix);
}

enum class EntryKind { Copy, Side, Temp, Tried };

// Splits a name of ours, "<pid>-<ticks><suffix>", into its owner and kind. Only
// the exact spelling we write counts (no leading zeros or signs), so one owner
// has exactly one copy name.
std::optional<std::pair<RecoveryOwner, EntryKind>> ParseName(std::string_view name) {
    const size_t dash = name.find('-');
    const size_t dot = name.find('.');
    if (dash == std::string_view::npos || dot == std::string_view::npos || dot < dash) {
        return std::nullopt;
    }
    RecoveryOwner owner;
    if (!ParseNumber(name.substr(0, dash), owner.pid) ||
        !ParseNumber(name.substr(dash + 1, dot - dash - 1), owner.startTicks) || owner.pid <= 0 ||
        owner.pid > INT_MAX || Stem(owner) != name.substr(0, dot)) {
        return std::nullopt;
    }
    const std::string_view suffix = name.substr(dot);
    if (suffix == kCopySuffix) return std::pair{owner, EntryKind::Copy};
    if (suffix == kSideSuffix) return std::pair{owner, EntryKind::Side};
    if (suffix == kTriedSuffix) return std::pair{owner, EntryKind::Tried};
    for (const std::string_view base : {kCopySuffix, kSideSuffix}) {
        if (suffix.substr(0, base.size()) == base &&
            suffix.substr(base.size(), kTempMark.size()) == kTempMark) {
            return std::pair{owner, EntryKind::Temp};
        }
    }
    return std::nullopt;
}

// Up to `limit` bytes from the start of a regular file in `dir`; a symbolic
// link, a pipe or a device is refused before anything is read. Returns false
// when the file cannot be read; `st` describes the whole file.
bool ReadStart(int dir, const std::string& name, size_t limit, std::string& out, struct stat& st) {
    const int fd = openat(dir, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (ok) {
        out.resize(static_cast<size_t>(std::min<off_t>(st.st_size, static_cast<off_t>(limit))));
        size_t done = 0;
        while (done < out.size()) {
            const ssize_t n = read(fd, out.data() + done, out.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += static_cast<size_t>(n);
        }
        out.resize(done);
    }
    close(fd);
    return ok;
}

std::string SideFileText(std::string_view originalPath, std::int64_t savedAt) {
    std::string text(kSideHeader);
    text += std::to_string(savedAt);
    text += '\n';
    text += originalPath;
    return text;
}

// Fills the original path and the time from a side file's text; false when the
// text is not one we wrote.
bool ParseSideFile(std::string_view text, RecoveryLeftover& leftover) {
    if (text.substr(0, kSideHeader.size()) != kSideHeader) return false;
    text.remove_prefix(kSideHeader.size());
    const size_t end = text.find('\n');
    std::int64_t savedAt = 0;
    if (end == std::string_view::npos || !ParseNumber(text.substr(0, end), savedAt)) return false;
    const std::string_view path = text.substr(end + 1);
    if (path.find('\0') != std::string_view::npos) return false;
    leftover.savedAt = savedAt;
    leftover.originalPath = path;
    return true;
}

// Removes what a symbolic link or other non-file left at one of our own names,
// since the atomic writer would otherwise write through the link.
void DropNonFile(const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) unlink(path.c_str());
}

struct ProcessStat {
    char state = '?';
    std::uint64_t startTicks = 0;
};

// State and start time from /proc/<pid>/stat. The command name (field 2) may
// hold spaces and parentheses, so fields are counted from the last ')'.
std::optional<ProcessStat> ReadProcessStat(long pid) {
    std::string text;
    if (ReadFileBytes("/proc/" + std::to_string(pid) + "/stat", 4096, text) != 0) {
        return std::nullopt;
    }
    const size_t paren = text.rfind(')');
    if (paren == std::string::npos) return std::nullopt;
    std::string_view rest = std::string_view(text).substr(paren + 1);
    ProcessStat stat;
    for (int field = 3; field <= 22; ++field) {
        const size_t start = rest.find_first_not_of(' ');
        if (start == std::string_view::npos) return std::nullopt;
        rest.remove_prefix(start);
        const size_t end = std::min(rest.find(' '), rest.size());
        const std::string_view token = rest.substr(0, end);
        if (field == 3) stat.state = token.empty() ? '?' : token.front();
        if (field == 22 && !ParseNumber(token, stat.startTicks)) return std::nullopt;
        rest.remove_prefix(end);
    }
    return stat;
}

bool ProcIsMounted() {
    return access("/proc/self/stat", R_OK) == 0;
}

// The entries of our folder that belong to one owner.
struct OwnerFiles {
    bool copyIsFile = false;
    bool restoreTried = false;
    std::vector<std::string> names;  // every entry of this owner, the copy included
};

// The entries of the folder `dir` by owner, but for `self`.
std::map<RecoveryOwner, OwnerFiles> ListOwners(int dir, const RecoveryOwner& self) {
    std::map<RecoveryOwner, OwnerFiles> owners;
    const int listingFd = dup(dir);
    DIR* listing = listingFd >= 0 ? fdopendir(listingFd) : nullptr;
    if (!listing) {
        if (listingFd >= 0) close(listingFd);
        return owners;
    }
    int entries = 0;
    while (const dirent* entry = readdir(listing)) {
        if (++entries > kMaxFolderEntries) break;
        const auto parsed = ParseName(entry->d_name);
        if (!parsed || parsed->first == self) continue;
        OwnerFiles& files = owners[parsed->first];
        files.names.emplace_back(entry->d_name);
        if (parsed->second == EntryKind::Tried) files.restoreTried = true;
        if (parsed->second == EntryKind::Copy) {
            struct stat st;
            files.copyIsFile =
                fstatat(dir, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode);
        }
    }
    closedir(listing);
    return owners;
}

// Renames an owner's copy and side file in `dir` to their set-aside names;
// the new name of the copy, or empty when it could not be moved.
std::string SetAsideAt(int dir, const RecoveryOwner& owner) {
    const auto move = [&](std::string_view suffix) {
        const std::string from = Stem(owner) + std::string(suffix);
        const std::string to = Stem(owner) + std::string(kRefusedMark) + std::string(suffix);
        return renameat(dir, from.c_str(), dir, to.c_str()) == 0 ? to : std::string();
    };
    std::string copy = move(kCopySuffix);
    if (!copy.empty()) move(kSideSuffix);
    return copy;
}

// The leftover of an editor that has ended, if its copy is a score file the
// reader would take. Everything else of that editor is removed (all of it
// when there is nothing to restore, else its temporary files), except a copy
// with bytes that is not restorable, or whose restore was begun and never
// finished: that one is set aside and its new name given in `setAside`.
std::optional<RecoveryLeftover> TidyEnded(int dir, const std::string& folder,
                                          const RecoveryOwner& owner, const OwnerFiles& files,
                                          std::string& setAside) {
    const std::string copyName = Stem(owner) + std::string(kCopySuffix);
    const std::string sideName = Stem(owner) + std::string(kSideSuffix);
    std::string start;
    struct stat copy {};
    const bool readable =
        files.copyIsFile && ReadStart(dir, copyName, kScoreHeader.size(), start, copy);
    const bool restorable = readable && start == kScoreHeader &&
                            copy.st_size <= static_cast<off_t>(kMaxScoreBytes) &&
                            !files.restoreTried;
    const bool keep = restorable || (readable && copy.st_size > 0);
    if (!restorable && keep) {
        const std::string moved = SetAsideAt(dir, owner);
        if (!moved.empty()) setAside = folder + "/" + moved;
    }
    for (const std::string& name : files.names) {
        if (!keep || (name != copyName && name != sideName)) unlinkat(dir, name.c_str(), 0);
    }
    if (!restorable) return std::nullopt;
    RecoveryLeftover leftover;
    leftover.copyPath = folder + "/" + copyName;
    leftover.owner = owner;
    std::string side;
    struct stat sideStat;
    if (!ReadStart(dir, sideName, RecoveryStore::kMaxSideFileBytes + 1, side, sideStat) ||
        sideStat.st_size > static_cast<off_t>(RecoveryStore::kMaxSideFileBytes) ||
        !ParseSideFile(side, leftover)) {
        // Without a readable side file the copy is still worth offering: as a
        // never-saved book, from the time the copy was written.
        leftover.originalPath.clear();
        leftover.savedAt = static_cast<std::int64_t>(copy.st_mtime);
    }
    return leftover;
}

}  // namespace

RecoveryLocation RecoveryLocation::FromEnvironment() {
    RecoveryLocation where;
    if (const char* v = std::getenv("XDG_STATE_HOME")) where.xdgStateHome = v;
    if (const char* v = std::getenv("HOME")) where.home = v;
    return where;
}

std::string RecoveryFolder(const RecoveryLocation& where) {
    if (!where.xdgStateHome.empty() && where.xdgStateHome.front() == '/') {
        return where.xdgStateHome + "/sorvel/recovery";
    }
    if (!where.home.empty()) return where.home + "/.local/state/sorvel/recovery";
    return {};
}

RecoveryOwner OwnerOfProcess(long pid) {
    RecoveryOwner owner{pid, 0};
    if (const auto stat = ReadProcessStat(pid)) owner.startTicks = stat->startTicks;
    return owner;
}

RecoveryOwner OwnerOfThisProcess() {
    return OwnerOfProcess(static_cast<long>(getpid()));
}

bool OwnerIsRunning(const RecoveryOwner& owner) {
    // kill() with 0 or a negative id would address process groups.
    if (owner.pid <= 0 || owner.pid > INT_MAX) return false;
    if (const auto stat = ReadProcessStat(owner.pid)) {
        if (stat->state == 'Z' || stat->state == 'X') return false;
        return owner.startTicks == 0 || stat->startTicks == owner.startTicks;
    }
    if (ProcIsMounted()) return false;
    return kill(static_cast<pid_t>(owner.pid), 0) == 0 || errno == EPERM;
}

RecoveryStore::RecoveryStore(std::string folder, RecoveryOwner owner)
    : folder_(std::move(folder)), owner_(owner) {}

RecoveryStore RecoveryStore::ForThisProcess(const RecoveryLocation& where) {
    return RecoveryStore(RecoveryFolder(where), OwnerOfThisProcess());
}

std::string RecoveryStore::CopyPath() const {
    return EntryPath(folder_, owner_, kCopySuffix);
}

int RecoveryStore::Write(std::string_view bytes, std::string_view originalPath,
                         std::int64_t savedAt) const {
    if (folder_.empty()) return ENOENT;
    const std::string copy = CopyPath();
    const std::string side = EntryPath(folder_, owner_, kSideSuffix);
    DropNonFile(copy);
    DropNonFile(side);
    const AtomicWriteOptions options{.createFolders = true};
    if (int err = WriteFileAtomically(copy, bytes, options)) return err;
    return WriteFileAtomically(side, SideFileText(originalPath, savedAt), options);
}

void RecoveryStore::Remove() const {
    if (folder_.empty()) return;
    unlink(EntryPath(folder_, owner_, kCopySuffix).c_str());
    unlink(EntryPath(folder_, owner_, kSideSuffix).c_str());
}

std::vector<RecoveryLeftover> RecoveryStore::FindLeftovers(
    std::vector<std::string>* setAside) const {
    std::vector<RecoveryLeftover> leftovers;
    if (folder_.empty()) return leftovers;
    const int dir = open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return leftovers;
    for (const auto& [owner, files] : ListOwners(dir, owner_)) {
        if (OwnerIsRunning(owner)) continue;
        std::string movedTo;
        if (auto leftover = TidyEnded(dir, folder_, owner, files, movedTo)) {
            leftovers.push_back(std::move(*leftover));
        }
        if (!movedTo.empty() && setAside) setAside->push_back(std::move(movedTo));
    }
    close(dir);
    std::sort(leftovers.begin(), leftovers.end(), [](const auto& a, const auto& b) {
        return a.savedAt != b.savedAt ? a.savedAt > b.savedAt : a.copyPath < b.copyPath;
    });
    if (leftovers.size() > kMaxLeftovers) leftovers.resize(kMaxLeftovers);
    return leftovers;
}

void RecoveryStore::Discard(const RecoveryOwner& leftoverOwner) const {
    if (folder_.empty() || leftoverOwner == owner_ || OwnerIsRunning(leftoverOwner)) return;
    unlink(EntryPath(folder_, leftoverOwner, kCopySuffix).c_str());
    unlink(EntryPath(folder_, leftoverOwner, kSideSuffix).c_str());
    unlink(EntryPath(folder_, leftoverOwner, kTriedSuffix).c_str());
}

void RecoveryStore::BeginRestore(const RecoveryOwner& leftoverOwner) const {
    if (folder_.empty() || leftoverOwner == owner_ || OwnerIsRunning(leftoverOwner)) return;
    const std::string marker = EntryPath(folder_, leftoverOwner, kTriedSuffix);
    const int fd = open(marker.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) close(fd);
}

std::string RecoveryStore::SetAside(const RecoveryOwner& leftoverOwner) const {
    if (folder_.empty() || leftoverOwner == owner_ || OwnerIsRunning(leftoverOwner)) return {};
    const int dir = open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return {};
    const std::string moved = SetAsideAt(dir, leftoverOwner);
    close(dir);
    if (moved.empty()) return {};
    unlink(EntryPath(folder_, leftoverOwner, kTriedSuffix).c_str());
    return folder_ + "/" + moved;
}

int RecoveryStore::Adopt(const RecoveryOwner& leftoverOwner) const {
    if (folder_.empty()) return ENOENT;
    if (leftoverOwner == owner_) return 0;
    if (OwnerIsRunning(leftoverOwner)) return EBUSY;
    const auto take = [&](std::string_view suffix) {
        return rename(EntryPath(folder_, leftoverOwner, suffix).c_str(),
                      EntryPath(folder_, owner_, suffix).c_str()) == 0;
    };
    if (!take(kCopySuffix)) return errno;
    // A copy without its side file is offered as a never-saved book, which is
    // better than one with the side file of something else.
    if (!take(kSideSuffix)) unlink(EntryPath(folder_, owner_, kSideSuffix).c_str());
    unlink(EntryPath(folder_, leftoverOwner, kTriedSuffix).c_str());
    return 0;
}

}  // namespace sorvel
