// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The score file's own key orders, one small table per class, with the
// reader's default of every key. Values are got and set through the
// class's property table; only the plain fields (Name, the links, isDispGrid,
// PageWidth, PageHeight) are handled by role.
#include <mutex>
#include <string_view>
#include <vector>

#include "model/musicitem.h"
#include "model/property.h"

namespace sorvel {

struct Preferences;

namespace scorefile {

enum class KeyRole : unsigned char {
    Property,   // through the property table
    Name,       // the item's name (plain)
    Links,      // one LinkMusicItem line per link (plain)
    DispGrid,   // the book's isDispGrid (plain boolean)
    PageWidth,  // the page's plain size fields: written, never read
    PageHeight,
};

// Where a missing or malformed integer's default comes from.
enum class DefaultFrom : unsigned char { Fixed, RinjiX, RinjiY, FutenX, FutenY };

struct FileKey {
    const char* name;
    KeyRole role = KeyRole::Property;
    int def = 0;
    DefaultFrom from = DefaultFrom::Fixed;
    int id = -1;  // index among the known keys (KnownKeyId); -1 for Links
};

// One class's keys in file order, with their property entries resolved on
// first use from an object of the class.
class ClassKeys {
public:
    explicit ClassKeys(std::vector<FileKey> keys);
    const std::vector<FileKey>& Keys() const { return keys_; }
    // Entry per key (null for plain roles). Resolved once, thread-safely.
    const std::vector<const PropertyInfo*>& Entries(const Persistent& sample) const;

private:
    std::vector<FileKey> keys_;
    mutable std::once_flag once_;
    mutable std::vector<const PropertyInfo*> entries_;
};

const ClassKeys& BookKeys();
const ClassKeys& SheetKeys();
const ClassKeys& ItemKeys(ItemClass c);

// The id of a key (compared without regard to letter case), or -1 when no
// class has it. Ids are below kKnownKeyCapacity.
inline constexpr int kKnownKeyCapacity = 64;
int KnownKeyId(std::string_view key);

// The default of an integer key (fixed, or the preference it names).
int DefaultOf(const FileKey& key, const Preferences& prefs);

}  // namespace scorefile
}  // namespace sorvel
