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

// "label count、label count" of a tally.
std::string Listed(const std::vector<std::pair<std::string, int>>& tally) {
    std::string text;
    for (size_t i = 0; i < tally.size(); ++i) {
        if (i > 0) text += "、";
        text += tally[i].first + " " + std::to_string(tally[i].second);
    }
    return text;
}

std::string SummaryLine(const ImportedScore& score, const BuiltBook& built) {
    std::string line = "MusicXMLを読み込みました（パート " + std::to_string(score.partNumber) +
                       "/" + std::to_string(score.partCount) + "、" +
                       std::to_string(built.measures) + " 小節、" + std::to_string(built.notes) +
                       " 音、" + std::to_string(built.book->SheetCount()) + " ページ）。";
    if (!built.rewritten.empty()) line += "書き換えたもの: " + Listed(built.rewritten) + "。";
    if (built.leftOut.empty()) return line + "読み込まなかったものはありません。";
    return line + "読み込まなかったもの: " + Listed(built.leftOut) + "。";
}

}  // namespace

MusicXmlImport ImportMusicXmlFile(const std::string& path, int partNumber, TModelEnv& env) {
    MusicXmlImport result;
    MusicXmlReadResult read = ReadMusicXmlFile(path, partNumber);
    if (!read.ok) {
        result.message = read.message;
        return result;
    }
    return ImportReadScore(read.score, path, env);
}

MusicXmlImport ImportReadScore(const ImportedScore& score, const std::string& path,
                               TModelEnv& env) {
    MusicXmlImport result;
    BuiltBook built = BuildBook(score, env, FileStem(path));
    result.summary = SummaryLine(score, built);
    result.book = std::move(built.book);
    result.ok = true;
    return result;
}

}  // namespace sorvel::interchange
