// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/mxlarchive.h"

#include <zip.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <pugixml.hpp>

namespace sorvel::interchange {
namespace {

constexpr size_t kMaxContainerBytes = 1u << 20;
constexpr size_t kReadChunk = 1u << 16;

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

enum class EntryRead { Ok, Failed, TooLarge };

// Inflates one entry into `out`, never holding more than `maxBytes` bytes: the
// size the archive declares is checked first, and the inflated bytes are
// counted as they come, since a hostile archive may declare a small size.
EntryRead ReadEntry(zip_t* archive, zip_uint64_t index, size_t maxBytes, std::string& out) {
    out.clear();
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(archive, index, 0, &st) != 0) return EntryRead::Failed;
    if ((st.valid & ZIP_STAT_SIZE) != 0 && st.size > maxBytes) return EntryRead::TooLarge;
    std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(archive, index, 0));
    if (!file) return EntryRead::Failed;
    for (;;) {
        const size_t done = out.size();
        if (done > maxBytes) {
            out.clear();
            return EntryRead::TooLarge;
        }
        const size_t room = std::min(kReadChunk, maxBytes + 1 - done);
        out.resize(done + room);
        const zip_int64_t n = zip_fread(file.get(), out.data() + done, room);
        if (n < 0) {
            out.clear();
            return EntryRead::Failed;
        }
        out.resize(done + static_cast<size_t>(n));
        if (n == 0) break;
    }
    if (out.size() > maxBytes) {
        out.clear();
        return EntryRead::TooLarge;
    }
    return EntryRead::Ok;
}

bool EndsWithNoCase(std::string_view s, std::string_view suffix) {
    if (s.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), s.end() - suffix.size(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

// The first rootfile's path from META-INF/container.xml; empty when there is none.
std::string RootfileOfContainer(zip_t* archive) {
    const zip_int64_t index = zip_name_locate(archive, "META-INF/container.xml", 0);
    if (index < 0) return {};
    std::string bytes;
    if (ReadEntry(archive, static_cast<zip_uint64_t>(index), kMaxContainerBytes, bytes) !=
        EntryRead::Ok) {
        return {};
    }
    pugi::xml_document doc;
    if (!doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default)) return {};
    const pugi::xml_node rootfile = doc.child("container").child("rootfiles").child("rootfile");
    return rootfile.attribute("full-path").value();
}

// The index of the first score-like entry outside META-INF; -1 when none.
zip_int64_t FirstScoreEntry(zip_t* archive, zip_int64_t entries) {
    for (zip_int64_t i = 0; i < entries; ++i) {
        const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(i), 0);
        if (name == nullptr) continue;
        const std::string_view n(name);
        if (n.rfind("META-INF/", 0) == 0) continue;
        if (EndsWithNoCase(n, ".musicxml") || EndsWithNoCase(n, ".xml")) return i;
    }
    return -1;
}

}  // namespace

MxlScore ExtractMxlScore(std::string_view bytes, size_t maxBytes) {
    MxlScore result;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (source == nullptr) {
        zip_error_fini(&error);
        return result;
    }
    Archive archive(zip_open_from_source(source, ZIP_RDONLY, &error));
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(source);  // still ours when the open failed
        return result;
    }
    const zip_int64_t entries = zip_get_num_entries(archive.get(), 0);
    if (entries > kMaxMxlEntries) {
        result.status = MxlStatus::TooLarge;
        return result;
    }
    zip_int64_t index = -1;
    const std::string rootfile = RootfileOfContainer(archive.get());
    if (!rootfile.empty()) index = zip_name_locate(archive.get(), rootfile.c_str(), 0);
    if (index < 0) index = FirstScoreEntry(archive.get(), entries);
    if (index < 0) return result;
    switch (ReadEntry(archive.get(), static_cast<zip_uint64_t>(index), maxBytes, result.xml)) {
        case EntryRead::Ok:
            result.status = MxlStatus::Ok;
            break;
        case EntryRead::TooLarge:
            result.status = MxlStatus::TooLarge;
            break;
        case EntryRead::Failed:
            break;
    }
    return result;
}

}  // namespace sorvel::interchange
