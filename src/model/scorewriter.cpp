// SPDX-License-Identifier: GPL-3.0-or-later
// The score writer: the book's SaveToStrings and the file bytes.
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/cp932.h"
#include "base/text.h"
#include "model/musicbook.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/scorefile.h"
#include "model/scorekeys.h"

namespace sorvel {
namespace {

using scorefile::ClassKeys;
using scorefile::KeyRole;

// Where the lines go: a list of lines, or the file bytes directly (no string
// per line), each line given as pieces.
struct LinesSink {
    std::vector<std::string>& lines;
    void Line(std::initializer_list<std::string_view> pieces) {
        std::string line;
        size_t size = 0;
        for (std::string_view p : pieces) size += p.size();
        line.reserve(size);
        for (std::string_view p : pieces) line += p;
        lines.push_back(std::move(line));
    }
};

struct BytesSink {
    std::string& bytes;
    void Line(std::initializer_list<std::string_view> pieces) {
        for (std::string_view p : pieces) bytes += p;
        bytes += "\r\n";
    }
};

// The value of a plain (non-property) key of a book or page.
std::string PlainValue(const Persistent& object, KeyRole role) {
    switch (role) {
        case KeyRole::DispGrid:
            return static_cast<const TMusicBook&>(object).isDispGrid ? "1" : "0";
        case KeyRole::PageWidth:
            return IntToStr(static_cast<const TMusicSheet&>(object).PageWidth);
        case KeyRole::PageHeight:
            return IntToStr(static_cast<const TMusicSheet&>(object).PageHeight);
        case KeyRole::Name:
            return static_cast<const TMusicItem&>(object).Name();
        default:
            return {};
    }
}

// One key line: the door every value passes on its way into a file or onto
// the clipboard. A raw control byte in a value (which the codec never
// leaves, but an older file or a program's own text may hold) is written as
// its reference, so no value can end its line early or add a line of its own.
template <class Sink>
void KeyLine(Sink& sink, std::string_view key, std::string value) {
    sink.Line({"  ", key, "=", cp932::ReferenceControls(std::move(value))});
}

// "class <name>", the key lines in file order, "end   <name>".
template <class Sink>
void AppendBlock(Sink& sink, const Persistent& object, const ClassKeys& keys) {
    const std::string_view className = object.ClassName();
    sink.Line({"class ", className});
    const std::vector<const PropertyInfo*>& entries = keys.Entries(object);
    for (size_t i = 0; i < keys.Keys().size(); ++i) {
        const scorefile::FileKey& key = keys.Keys()[i];
        if (key.role == KeyRole::Links) {
            for (const TMusicItem* link : static_cast<const TMusicItem&>(object).Links()) {
                KeyLine(sink, key.name, link->Name());
            }
        } else if (key.role == KeyRole::Property) {
            KeyLine(sink, key.name, entries[i] ? entries[i]->get(object) : std::string());
        } else {
            KeyLine(sink, key.name, PlainValue(object, key.role));
        }
    }
    sink.Line({"end   ", className});
}

// The writer (the book's SaveToStrings, after the header line).
template <class Sink>
void WriteBook(TMusicBook& book, Sink& sink) {
    sink.Line({kScoreHeader});
    AppendBlock(sink, book, scorefile::BookKeys());
    for (int p = 0; p < book.SheetCount(); ++p) {
        TMusicSheet& page = *book.GetSheet(p);
        AppendBlock(sink, page, scorefile::SheetKeys());
        // Names exist only while the page is written, even if writing fails.
        struct Naming {
            TMusicSheet& page;
            explicit Naming(TMusicSheet& p) : page(p) { page.NameItems(); }
            ~Naming() { page.ClearItemNames(); }
        } naming(page);
        for (int i = 0; i < page.ItemCount(); ++i) {
            const TMusicItem& item = *page.GetItem(i);
            AppendBlock(sink, item, scorefile::ItemKeys(item.Class()));
        }
    }
}

}  // namespace

std::vector<std::string> SaveBookToLines(TMusicBook& book) {
    std::vector<std::string> lines;
    LinesSink sink{lines};
    WriteBook(book, sink);
    return lines;
}

std::string SaveBookToFileBytes(TMusicBook& book) {
    std::string bytes;
    BytesSink sink{bytes};
    WriteBook(book, sink);
    return bytes;
}

std::vector<std::string> SaveItemsToLines(TMusicSheet& page,
                                          const std::vector<TMusicItem*>& items) {
    std::vector<std::string> lines;
    LinesSink sink{lines};
    page.NameItems();
    for (const TMusicItem* item : items)
        AppendBlock(sink, *item, scorefile::ItemKeys(item->Class()));
    page.ClearItemNames();
    return lines;
}

std::string LinesToFileBytes(const std::vector<std::string>& lines) {
    size_t total = 0;
    for (const std::string& line : lines) total += line.size() + 2;
    std::string bytes;
    bytes.reserve(total);
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace sorvel
