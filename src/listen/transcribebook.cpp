// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/transcribebook.h"

#include <cstdint>

#include "interchange/bookbuilder.h"
#include "interchange/jianpupieces.h"
#include "listen/transcribeoptions.h"
#include "listen/writtenscore.h"
#include "model/majorkey.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"

namespace sorvel::listen {
namespace {

constexpr double kQuietPeakDb = -30;  // a peak below this is a quiet recording

// Every numeral, dash and rest of the book in reading order.
std::vector<TNote*> Symbols(TMusicBook& book) {
    std::vector<TNote*> out;
    for (int p = 0; p < book.SheetCount(); ++p) {
        const TMusicSheet& page = *book.GetSheet(p);
        for (int i = 0; i < page.ItemCount(); ++i) {
            if (TNote* n = page.GetItem(i)->As<TNote>()) out.push_back(n);
        }
    }
    return out;
}

// The numeral each written note begins with, found through the pieces the
// builder writes for each measure; empty when the book holds other symbols.
std::vector<TNote*> FirstNumerals(const WrittenScore& written, int fifths, TMusicBook& book) {
    const Tonic tonic = TonicOfFifths(fifths);
    const std::vector<TNote*> symbols = Symbols(book);
    // Per measure, the index in `symbols` of the first piece of each note.
    std::vector<std::vector<size_t>> firstOf;
    size_t at = 0;
    for (const interchange::ImportedMeasure& m : written.score.measures) {
        const interchange::MeasurePieces pieces = interchange::PiecesOfMeasure(m, tonic);
        std::vector<size_t> first(m.notes.size(), SIZE_MAX);
        for (size_t i = 0; i < pieces.pieces.size(); ++i) {
            const size_t source = static_cast<size_t>(pieces.pieces[i].source);
            if (source < first.size() && first[source] == SIZE_MAX) first[source] = at + i;
        }
        at += pieces.pieces.size();
        firstOf.push_back(std::move(first));
    }
    std::vector<TNote*> out;
    if (at != symbols.size()) return out;
    for (const auto& [m, k] : written.firstPiece) {
        const size_t s = m < firstOf.size() && k < firstOf[m].size() ? firstOf[m][k] : SIZE_MAX;
        out.push_back(s < symbols.size() ? symbols[s] : nullptr);
    }
    return out;
}

}  // namespace

std::string JianpuKeyName(int fifths) {
    const std::string name = KeyName(fifths);
    if (name.size() == 2) return std::string(name[1] == 'b' ? "\u266D" : "\u266F") + name[0];
    return name;
}

TranscribedBook BuildTranscribedBook(const WrittenMusic& music, const std::string& title,
                                     ModelEnv& env) {
    TranscribedBook out;
    const WrittenScore written = ScoreOfWritten(music, title);
    interchange::BuiltBook built = interchange::BuildBook(written.score, env, title);
    out.book = std::move(built.book);
    out.notes = built.notes;
    const std::vector<TNote*> numerals = FirstNumerals(written, music.fifths, *out.book);
    for (size_t i = 0; i < music.notes.size() && i < numerals.size(); ++i) {
        if (music.notes[i].uncertain && !music.notes[i].rest && numerals[i])
            out.uncertain.push_back(numerals[i]);
    }
    return out;
}

UserText TranscriptionSummary(const WrittenMusic& music, const HeardMelody& melody) {
    int notes = 0, uncertain = 0;
    for (const WrittenNote& w : music.notes) {
        if (w.rest) continue;
        ++notes;
        if (w.uncertain) ++uncertain;
    }
    const std::string meter =
        std::to_string(music.meter.beats) + "/" + std::to_string(music.meter.beatType);
    UserText warnings = UserText::Plain("");
    if (melody.clippedSamples > 0) {
        warnings = UserText(SORVEL_TEXT("sorvel::listen", "録音の %1 サンプルが音割れしています。"),
                            {UserText::Number(melody.clippedSamples)});
    } else if (melody.peakDb < kQuietPeakDb) {
        warnings = UserText(SORVEL_TEXT("sorvel::listen", "録音の音量が小さすぎます。"));
    }
    return UserText(
        SORVEL_TEXT("sorvel::listen",
                    "録音を譜にしました（音符 %1、1＝%2、%3 拍子、♩＝%4、確かめたい音 %5）。%6"),
        {UserText::Number(notes), UserText::Plain(JianpuKeyName(music.fifths)),
         UserText::Plain(meter), UserText::Number(music.tempo), UserText::Number(uncertain),
         warnings});
}

}  // namespace sorvel::listen
