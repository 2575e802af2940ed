// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The score file: the writer, the reader and the block reader that
// paste uses. Texts are CP932 bytes, as the model holds them; messages are UTF-8.
//
// Reading never touches the caller's open book or its undo history: the
// reader builds a complete new book and hands it back. After a successful read
// the caller detaches its view, destroys the old book, clears the undo
// history and takes the new book. A failed read hands back no book
// and leaves everything as it was.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/filestamp.h"
#include "base/usertext.h"

namespace sorvel {

class TMusicBook;
class TMusicSheet;
class TMusicItem;
struct ModelEnv;

// Line 1 of every score file, "二胡数字譜データVer1.0" in CP932.
inline constexpr std::string_view kScoreHeader =
    "\x93\xF1\x8C\xD3\x90\x94\x8E\x9A\x95\x88\x83\x66\x81\x5B\x83\x5E\x56\x65\x72\x31\x2E\x30";

// ---- Writer ---------------------------------------------------------------

// The header line, then the book block, then page by page the page block and
// its items' blocks. Names the items of each page while it is written and
// clears the names afterwards (the only change made to the book).
std::vector<std::string> SaveBookToLines(TMusicBook& book);

// The blocks of `items` (all on `page`) as the file writes them, their
// names and links included: the page's items are named by their index for
// the moment and the names cleared afterwards. The clipboard and the paste
// placement carry items in this form.
std::vector<std::string> SaveItemsToLines(TMusicSheet& page, const std::vector<TMusicItem*>& items);

// The file bytes: every line followed by CR LF, the last one included.
std::string LinesToFileBytes(const std::vector<std::string>& lines);

// LinesToFileBytes(SaveBookToLines(book)), written straight into one buffer.
std::string SaveBookToFileBytes(TMusicBook& book);

struct SaveResult {
    bool ok = false;
    UserText message;    // for the user; empty on success
    std::string detail;  // the system's reason (strerror), for logs and the command line
    FileStamp stamp;     // on success: the file as written, to notice later changes by others
};

// Writes the book atomically: a temporary file in the target's folder,
// flushed and synced, then renamed over the target (a symbolic link is
// followed, so the file it points to is replaced). On failure the old file is
// intact and the temporary file is removed. Never throws.
//
// Refused, with the file untouched:
// - a file set read-only ("「<path>」に保存できません。", detail EACCES), which
//   the rename would otherwise replace whatever its mode;
// - a book the reader would not take back (ReaderLimitBroken, or a text over
//   kMaxScoreBytes): the message is that of the limit, so no unreadable
//   file is ever written.
// The path is a file-system path of bytes, used as it is (no conversion).
SaveResult SaveScoreFile(TMusicBook& book, const std::string& path);

// "「<path>」に保存できません。" with the system's reason: the message of a
// file that cannot be written.
SaveResult SaveFailure(const std::string& path, int error);

// The question before saving over a file that changed on disk since it was
// opened or last saved (ChangeSince(stamp, path) == DiskChange::Changed),
// asked with Yes and No; Yes saves over it.
UserText ChangedOnDiskQuestion(const std::string& path);

// ---- Reader ---------------------------------------------------------------

enum class ReadStatus {
    Ok,
    FileNotFound,  // "指定されたファイルは見つかりません。"
    Unreadable,    // the file exists but cannot be read (permissions), or is no
                   // regular file (a folder, a device, a pipe, a kernel file)
    NotAScore,     // empty, or line 1 is not exactly kScoreHeader: the GUI shows nothing
    Malformed,     // no book block, a book without pages, a second book block
    TooLarge,      // beyond the reader's limits (below); no legitimate score comes near them
};

struct ReadResult {
    ReadStatus status = ReadStatus::Malformed;
    std::unique_ptr<TMusicBook> book;  // set exactly when status is Ok
    UserText message;                  // empty for Ok and NotAScore
    FileStamp stamp;                   // ReadScoreFile, status Ok: the file as it was read
};

// A result without a book, with the status and message of a failure.
ReadResult ReadFailure(ReadStatus status, const char* message);

// The texts of the failures; as the program shows them. The model's texts
// are translated in the context kModelTexts.
inline constexpr char kModelTexts[] = "sorvel::model";
inline constexpr char kMsgFileNotFound[] =
    SORVEL_TEXT_NOOP("sorvel::model", "指定されたファイルは見つかりません。");
inline constexpr char kMsgUnreadable[] =
    SORVEL_TEXT_NOOP("sorvel::model", "ファイルを読み込めません。");
inline constexpr char kMsgNotAFile[] =
    SORVEL_TEXT_NOOP("sorvel::model", "通常のファイルではないため読み込めません。");
inline constexpr char kMsgMalformed[] =
    SORVEL_TEXT_NOOP("sorvel::model", "楽譜データが壊れているため読み込めません。");
inline constexpr char kMsgTooLarge[] =
    SORVEL_TEXT_NOOP("sorvel::model", "楽譜データが大きすぎるため読み込めません。");

// Limits that keep hostile input from exhausting memory or time. A score the
// program writes stays far below each (a 200-page book of 100,000 items is
// about 18 MB with 500 items a page).
inline constexpr size_t kMaxScoreBytes = 256u << 20;  // whole file
inline constexpr int kMaxScoreBlocks = 1'000'000;     // end lines in one text
inline constexpr int kMaxItemsPerPage = 20'000;       // items read onto one page
inline constexpr int kMaxLinksPerItem = 256;          // link names kept, links made
inline constexpr long kMaxTextBoxLines = 1'000'000;   // text-box lines in one text
inline constexpr size_t kMaxClassNameLength = 99;     // characters 7 to 105 of a class line
inline constexpr size_t kMaxLinkNameLength = 99;      // characters 15 to 113 of a link line

// Reads a score from its bytes. The new book lives in `env` (which must
// outlive it); while it is built env.undo is set aside, so nothing is
// recorded whatever group the caller has open. Every page gets the timing pass.
ReadResult ReadScoreBytes(std::string_view bytes, ModelEnv& env);

// Reads the file at `path` (a file-system path of bytes, used as it is) and
// then as ReadScoreBytes.
ReadResult ReadScoreFile(const std::string& path, ModelEnv& env);

// ---- Block reader (paste) -------------------------------------------------

// Reads item blocks onto `page` and returns the items made, in text order.
// Blocks of other classes are skipped; lines outside blocks are ignored.
// Sorting is suspended while reading; then the page is sorted, links between
// the new items are resolved and the names cleared. Creation and property
// changes are recorded with the page's undo manager as usual (paste opens the
// group). Stops making items at kMaxItemsPerPage items or kMaxTextBoxLines
// text lines per call.
std::vector<TMusicItem*> ReadItemBlocks(TMusicSheet& page, const std::vector<std::string>& lines);

// Splits text into lines at CR LF, LF or CR. A line end at the very end adds
// no empty line ("a\r\n" is one line, "" none).
std::vector<std::string> SplitScoreLines(std::string_view text);

}  // namespace sorvel
