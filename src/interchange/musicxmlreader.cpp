// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/musicxmlreader.h"

#include <cerrno>
#include <pugixml.hpp>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/readfile.h"
#include "base/text.h"
#include "interchange/musicxmlreader_internal.h"
#include "interchange/musicxmlvocabulary.h"
#include "interchange/mxlarchive.h"

namespace sorvel::interchange {
namespace {

using xmlread::TextOf;

constexpr TextTemplate kTooLarge =
    SORVEL_TEXT("sorvel::interchange", "ファイルが大きすぎるため読み込めません。");
constexpr TextTemplate kNoScoreInMxl =
    SORVEL_TEXT("sorvel::interchange", "圧縮MusicXML（.mxl）の中に楽譜が見つかりません。");
constexpr TextTemplate kTimewise = SORVEL_TEXT(
    "sorvel::interchange",
    "タイムワイズ形式のMusicXMLには対応していません。パートワイズ形式で保存し直してください。");
constexpr TextTemplate kNotAScore =
    SORVEL_TEXT("sorvel::interchange", "MusicXMLの楽譜ではありません。");
constexpr TextTemplate kNoNotes =
    SORVEL_TEXT("sorvel::interchange", "音符のあるパートがありません。");
constexpr TextTemplate kFileMissing =
    SORVEL_TEXT("sorvel::interchange", "指定されたファイルは見つかりません。");
constexpr TextTemplate kFileUnreadable =
    SORVEL_TEXT("sorvel::interchange", "ファイルを読み込めません。");
constexpr TextTemplate kNotAFile =
    SORVEL_TEXT("sorvel::interchange", "通常のファイルではないため読み込めません。");

MusicXmlReadResult Failure(UserText message) {
    MusicXmlReadResult result;
    result.message = std::move(message);
    return result;
}

bool HasPitchedNote(pugi::xml_node part) {
    for (pugi::xml_node measure : part.children("measure")) {
        for (pugi::xml_node note : measure.children("note")) {
            if (note.child("pitch")) return true;
        }
    }
    return false;
}

// The text of the credit marked with `type` ("title", "composer"): its words joined.
std::string CreditText(pugi::xml_node score, std::string_view type) {
    for (pugi::xml_node credit : score.children("credit")) {
        bool marked = false;
        for (pugi::xml_node t : credit.children("credit-type")) marked |= TextOf(t) == type;
        if (!marked) continue;
        std::string text;
        for (pugi::xml_node words : credit.children("credit-words")) text += words.child_value();
        return std::string(sorvel::Trim(text));
    }
    return {};
}

// The name and whether it has notes of every part, so that a user can choose
// one. Names are looked up by id in one pass over the part list.
void ListParts(pugi::xml_node score, const std::vector<pugi::xml_node>& parts, ImportedScore& out) {
    constexpr size_t kMaxPartNameBytes = 200;
    std::unordered_map<std::string_view, std::string_view> names;
    for (pugi::xml_node entry : score.child("part-list").children("score-part")) {
        names.emplace(entry.attribute("id").value(), entry.child_value("part-name"));
    }
    for (pugi::xml_node part : parts) {
        const auto it = names.find(part.attribute("id").value());
        std::string name =
            it == names.end() ? std::string() : std::string(sorvel::Trim(it->second));
        if (name.size() > kMaxPartNameBytes) name.resize(kMaxPartNameBytes);
        out.parts.push_back({std::move(name), HasPitchedNote(part)});
    }
}

// Whether the part is played with a bow, by the first instrument sound its
// score-part names, else by its part name.
bool IsBowedPart(pugi::xml_node score, pugi::xml_node part) {
    const std::string_view id = part.attribute("id").value();
    for (pugi::xml_node entry : score.child("part-list").children("score-part")) {
        if (entry.attribute("id").value() != id) continue;
        std::string_view sound;
        for (pugi::xml_node instrument : entry.children("score-instrument")) {
            sound = TextOf(instrument.child("instrument-sound"));
            if (!sound.empty()) break;
        }
        return IsBowedStringPart(sound, TextOf(entry.child("part-name")));
    }
    return IsBowedStringPart({}, {});
}

void ReadHeader(pugi::xml_node score, ImportedScore& out) {
    out.title = TextOf(score.child("work").child("work-title"));
    if (out.title.empty()) out.title = TextOf(score.child("movement-title"));
    if (out.title.empty()) out.title = CreditText(score, "title");
    for (pugi::xml_node creator : score.child("identification").children("creator")) {
        if (xmlread::AttrOf(creator, "type") == "composer") {
            out.composer = TextOf(creator);
            if (!out.composer.empty()) break;
        }
    }
    if (out.composer.empty()) out.composer = CreditText(score, "composer");
}

// A part without a tempo of its own takes the first tempo written in any
// part: scores often mark it only above the top staff.
void TakeTempoOfOtherParts(const std::vector<pugi::xml_node>& parts, ImportedScore& out) {
    for (pugi::xml_node part : parts) {
        for (pugi::xml_node measure : part.children("measure")) {
            for (pugi::xml_node c = measure.first_child(); c; c = c.next_sibling()) {
                const std::string_view name = c.name();
                int tempo = 0;
                if (name == "direction") tempo = xmlread::TempoOfDirection(c);
                if (name == "sound") {
                    xmlread::DirectionMarks marks;
                    xmlread::ReadSound(c, marks);
                    tempo = marks.tempo;
                }
                if (tempo > 0) {
                    out.tempo = tempo;
                    return;
                }
            }
        }
    }
}

MusicXmlReadResult ReadScoreXml(std::string_view bytes, int partNumber) {
    // Neither a DOCTYPE nor processing instructions are kept, and pugixml
    // never loads or expands an entity the document declares itself.
    constexpr unsigned kParseOptions =
        pugi::parse_default & ~(pugi::parse_doctype | pugi::parse_pi);
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer(bytes.data(), bytes.size(), kParseOptions);
    if (!parsed) {
        return Failure(
            UserText(SORVEL_TEXT("sorvel::interchange",
                                 "MusicXMLとして読み込めません（XMLの誤り: %1、%2 バイト目）。"),
                     {UserText::Plain(parsed.description()),
                      UserText::Number(static_cast<long long>(parsed.offset))}));
    }
    const pugi::xml_node root = doc.document_element();
    const std::string_view rootName = root.name();
    if (rootName == "score-timewise") return Failure(kTimewise);
    if (rootName != "score-partwise") return Failure(kNotAScore);

    std::vector<pugi::xml_node> parts;
    for (pugi::xml_node part : root.children("part")) parts.push_back(part);
    const int count = static_cast<int>(parts.size());
    pugi::xml_node chosen;
    if (partNumber == 0) {
        for (int i = 0; i < count && !chosen; ++i) {
            if (HasPitchedNote(parts[static_cast<size_t>(i)])) {
                chosen = parts[static_cast<size_t>(i)];
                partNumber = i + 1;
            }
        }
        if (!chosen) return Failure(kNoNotes);
    } else if (partNumber < 1 || partNumber > count) {
        return Failure(
            UserText(SORVEL_TEXT("sorvel::interchange",
                                 "パート %1 はありません（この楽譜のパートは %2 個です）。"),
                     {UserText::Number(partNumber), UserText::Number(count)}));
    } else {
        chosen = parts[static_cast<size_t>(partNumber - 1)];
    }

    MusicXmlReadResult result;
    ImportedScore& score = result.score;
    score.partNumber = partNumber;
    score.partCount = count;
    ReadHeader(root, score);
    ListParts(root, parts, score);
    xmlread::LeftOutTally tally(score);
    xmlread::ReadPart(chosen, IsBowedPart(root, chosen), score, tally);
    if (score.tempo == 0) TakeTempoOfOtherParts(parts, score);
    result.ok = true;
    return result;
}

}  // namespace

MusicXmlReadResult ReadMusicXmlBytes(std::string_view bytes, int partNumber) {
    if (bytes.size() > kMaxMusicXmlBytes) return Failure(kTooLarge);
    if (bytes.substr(0, 2) == "PK") {
        const MxlScore mxl = ExtractMxlScore(bytes, kMaxMusicXmlBytes);
        switch (mxl.status) {
            case MxlStatus::Ok:
                return ReadScoreXml(mxl.xml, partNumber);
            case MxlStatus::TooLarge:
                return Failure(kTooLarge);
            case MxlStatus::NoScore:
                break;
        }
        return Failure(kNoScoreInMxl);
    }
    return ReadScoreXml(bytes, partNumber);
}

MusicXmlReadResult ReadMusicXmlFile(const std::string& path, int partNumber) {
    std::string bytes;
    const int error = ReadFileBytes(path, kMaxMusicXmlBytes, bytes);
    switch (error) {
        case 0:
            return ReadMusicXmlBytes(bytes, partNumber);
        case ENOENT:
        case ENOTDIR:
            return Failure(kFileMissing);
        case EFBIG:
            return Failure(kTooLarge);
        default:
            return Failure(NotARegularFile(error) ? kNotAFile : kFileUnreadable);
    }
}

}  // namespace sorvel::interchange
