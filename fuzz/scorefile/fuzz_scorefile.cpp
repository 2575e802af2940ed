// SPDX-License-Identifier: GPL-3.0-or-later
// Reads any bytes as a score file. Whatever is read must write back stably:
// save, read the saved text, save again, and the two saves are equal except
// for the order of an item's link lines, which follows the order in which
// the reader resolved the links. Stability is asked only of valid
// CP932 text: comma text cannot quote a line whose double-byte character is
// cut short (its lead byte would take the closing quote as its second byte).
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "base/cp932.h"
#include "model/musicbook.h"
#include "model/scorefile.h"
#include "model/workspace.h"

namespace {

// The saved lines with each run of link lines sorted.
std::vector<std::string> Normalized(std::vector<std::string> lines) {
    auto isLink = [](const std::string& l) { return l.rfind("  LinkMusicItem=", 0) == 0; };
    for (auto it = lines.begin(); it != lines.end();) {
        auto end = std::find_if_not(it, lines.end(), isLink);
        std::sort(it, end);
        it = end == it ? it + 1 : end;
    }
    return lines;
}

bool IsValidCp932(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (!sorvel::cp932::IsLeadByte(static_cast<unsigned char>(bytes[i]))) continue;
        if (++i == bytes.size()) return false;
        const auto trail = static_cast<unsigned char>(bytes[i]);
        if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sorvel;
    static Workspace fe;  // built once per process
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ReadResult first = ReadScoreBytes(bytes, fe.env);
    if (first.status != ReadStatus::Ok) {
        if (first.book) std::abort();  // a failure never hands back a book
        return 0;
    }
    const std::vector<std::string> saved = SaveBookToLines(*first.book);
    ReadResult second = ReadScoreBytes(LinesToFileBytes(saved), fe.env);
    if (second.status != ReadStatus::Ok) std::abort();
    if (IsValidCp932(LinesToFileBytes(saved)) &&
        Normalized(SaveBookToLines(*second.book)) != Normalized(saved)) {
        std::abort();
    }
    if (fe.undo.CanUndo() || fe.undo.GroupOpen()) std::abort();  // nothing recorded
    return 0;
}
