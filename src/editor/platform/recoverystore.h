// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recovery copies on disk: one score file per running editor in the user's
// state folder, its side file, and the leftovers of editors that ended without
// removing theirs. Qt-free; it never reads a copy as a score (the score reader
// does that) and holds no state beyond its folder and owner, so one store may
// be used from two threads at once.
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sorvel {

// What finding the recovery folder needs to know about the machine. Tests fill
// it by hand; the program takes it from the environment.
struct RecoveryLocation {
    std::string xdgStateHome;  // $XDG_STATE_HOME; ignored unless absolute
    std::string home;          // $HOME

    static RecoveryLocation FromEnvironment();
};

// $XDG_STATE_HOME/sorvel/recovery, else ~/.local/state/sorvel/recovery; empty
// when neither is known (the store then keeps nothing).
std::string RecoveryFolder(const RecoveryLocation& where);

// The process that writes a copy: its id and the time the kernel started it
// (clock ticks after boot, field 22 of /proc/<pid>/stat), so that a process
// id reused by another program is not taken for the editor that wrote the copy.
struct RecoveryOwner {
    long pid = 0;
    std::uint64_t startTicks = 0;  // 0 when the kernel does not tell it

    auto operator<=>(const RecoveryOwner&) const = default;
};

// The owner for a process id (startTicks 0 if /proc cannot tell).
RecoveryOwner OwnerOfProcess(long pid);
RecoveryOwner OwnerOfThisProcess();

// Whether the process that wrote a copy still runs: the id exists, is not a
// zombie, and was started at the recorded time. Without /proc only the id is
// checked.
bool OwnerIsRunning(const RecoveryOwner& owner);

// A copy left by an editor that no longer runs.
struct RecoveryLeftover {
    std::string copyPath;      // the score file
    std::string originalPath;  // the book's file, UTF-8; empty for a never-saved book
    std::int64_t savedAt = 0;  // seconds since 1970 when the copy was written
    RecoveryOwner owner;
};

class RecoveryStore {
public:
    // The store of the editor `owner` in `folder`. Its copy is named after the
    // owner ("<pid>-<startTicks>.svl"), its side file likewise (".info").
    RecoveryStore(std::string folder, RecoveryOwner owner);
    static RecoveryStore ForThisProcess(const RecoveryLocation& where);

    const std::string& Folder() const { return folder_; }
    const RecoveryOwner& Owner() const { return owner_; }
    std::string CopyPath() const;

    // Replaces this editor's copy with `bytes` and its side file with the
    // original path and the time, each atomically; creates the folder (0700).
    // Returns 0 or the errno of the first failure.
    int Write(std::string_view bytes, std::string_view originalPath, std::int64_t savedAt) const;

    // Removes this editor's copy and side file (nothing else's).
    void Remove() const;

    // The copies of editors that no longer run, newest first, at most
    // kMaxLeftovers. Files of such editors that hold nothing to restore (a side
    // file alone, a temporary file of an interrupted write, an empty copy) are
    // removed on the way. A copy the reader would refuse (bytes that are not a
    // score file, more than it reads) or one whose restore was begun and never
    // finished (the reader refused it, or the editor ended while reading it)
    // is set aside instead (SetAside): its new path goes to `setAside`. Entries
    // that are not ours by name, not regular files, or belong to a running
    // editor are left alone.
    std::vector<RecoveryLeftover> FindLeftovers(std::vector<std::string>* setAside = nullptr) const;

    // Removes the copy and side file of an editor that no longer runs; a
    // running editor's files (this one's included) are never touched.
    void Discard(const RecoveryOwner& leftoverOwner) const;

    // Notes that the copy of an editor that no longer runs is being read for a
    // restore. Until Adopt or Discard, the copy counts as refused: should the
    // editor end before, the next start sets it aside instead of offering it.
    void BeginRestore(const RecoveryOwner& leftoverOwner) const;

    // Makes the copy and side file of an editor that no longer runs this
    // editor's own, by renaming, so there is no moment without a copy on disk.
    // Returns 0 or an errno.
    int Adopt(const RecoveryOwner& leftoverOwner) const;

    // Moves the copy of an editor that no longer runs out of the way of later
    // starts, keeping its bytes: "<pid>-<ticks>.refused.svl" in the same
    // folder (its side file likewise), a name no start offers or removes.
    // Returns the new path of the copy, or empty when it could not be moved.
    std::string SetAside(const RecoveryOwner& leftoverOwner) const;

    static constexpr std::size_t kMaxLeftovers = 16;
    static constexpr std::size_t kMaxSideFileBytes = 16384;

private:
    std::string folder_;
    RecoveryOwner owner_;
};

}  // namespace sorvel
