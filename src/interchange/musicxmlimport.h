// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Importing a MusicXML file as a new book: read one part, lay it out, and
// say in one line what was imported and what was left out.
#include <memory>
#include <string>

#include "interchange/importedscore.h"

namespace sorvel {
class TMusicBook;
struct ModelEnv;
}  // namespace sorvel

namespace sorvel::interchange {

struct MusicXmlImport {
    bool ok = false;
    UserText message;  // why nothing was imported; empty when ok
    std::unique_ptr<TMusicBook> book;
    UserText summary;  // one line: what was read and what was left out
};

// `partNumber` 0 takes the first part with notes. The book lives in `env`;
// nothing is recorded for undo. A score without a title is named after the file.
MusicXmlImport ImportMusicXmlFile(const std::string& path, int partNumber, ModelEnv& env);

// The book of a part already read from the file at `path`.
MusicXmlImport ImportReadScore(const ImportedScore& score, const std::string& path, ModelEnv& env);

}  // namespace sorvel::interchange
