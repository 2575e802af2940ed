// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/musicxmlimport.h"

#include "interchange/bookbuilder.h"
#include "interchange/musicxmlreader.h"
#include "model/musicbook.h"

namespace sorvel::interchange {
namespace {

std::string FileStem(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name;
}

// "label count, label count" of a tally, each label translatable.
UserText Listed(const std::vector<std::pair<std::string, int>>& tally) {
    std::vector<UserText> items;
    for (const auto& [label, count] : tally) {
        // A label and its count: "和音の音 3".
        items.push_back(UserText(SORVEL_TEXT("sorvel::interchange", "%1 %2"),
                                 {LeftOutLabelText(label), UserText::Number(count)}));
    }
    return UserText::List(std::move(items));
}

UserText SummaryLine(const ImportedScore& score, const BuiltBook& built) {
    const UserText rewritten =
        built.rewritten.empty()
            ? UserText::Plain("")
            : UserText(SORVEL_TEXT("sorvel::interchange", "書き換えたもの: %1。"),
                       {Listed(built.rewritten)});
    const UserText leftOut =
        built.leftOut.empty()
            ? UserText(SORVEL_TEXT("sorvel::interchange", "読み込まなかったものはありません。"))
            : UserText(SORVEL_TEXT("sorvel::interchange", "読み込まなかったもの: %1。"),
                       {Listed(built.leftOut)});
    return UserText(
        SORVEL_TEXT("sorvel::interchange",
                    "MusicXMLを読み込みました（パート %1/%2、%3 小節、%4 音、%5 ページ）。%6%7"),
        {UserText::Number(score.partNumber), UserText::Number(score.partCount),
         UserText::Number(built.measures), UserText::Number(built.notes),
         UserText::Number(built.book->SheetCount()), rewritten, leftOut});
}

}  // namespace

MusicXmlImport ImportMusicXmlFile(const std::string& path, int partNumber, ModelEnv& env) {
    MusicXmlImport result;
    MusicXmlReadResult read = ReadMusicXmlFile(path, partNumber);
    if (!read.ok) {
        result.message = read.message;
        return result;
    }
    return ImportReadScore(read.score, path, env);
}

MusicXmlImport ImportReadScore(const ImportedScore& score, const std::string& path, ModelEnv& env) {
    MusicXmlImport result;
    BuiltBook built = BuildBook(score, env, FileStem(path));
    result.summary = SummaryLine(score, built);
    result.book = std::move(built.book);
    result.ok = true;
    return result;
}

}  // namespace sorvel::interchange
