// SPDX-License-Identifier: GPL-3.0-or-later
// The book of a transcription read back as a score (pitches, lengths, ties,
// triplets, key, metre, tempo changes, marks), the notes to check found in
// it, the summary, and transcription as a whole with its errors and cancel.
#include <gtest/gtest.h>

#include "interchange/musicxmlreader.h"
#include "interchange/musicxmlvocabulary.h"
#include "interchange/musicxmlwriter.h"
#include "listen/transcribe.h"
#include "listen/transcribebook.h"
#include "listen/writtenscore.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/workspace.h"
#include "transcribetunes.h"

namespace sorvel::listen {
namespace {

using interchange::ImportedScore;

WrittenNote Note(int start, int ticks, int midi) {
    WrittenNote n;
    n.start = start;
    n.ticks = ticks;
    n.midi = midi;
    return n;
}

WrittenNote Rest(int start, int ticks) {
    WrittenNote n = Note(start, ticks, 0);
    n.rest = true;
    return n;
}

// 2/4 in D from an eighth's pickup: a note held over the bar line, a
// triplet, a rest, marks, a tempo change and a note to check; the last bar
// completes the pickup's.
WrittenMusic Example() {
    WrittenMusic m;
    m.meter = {2, 4};
    m.firstOffset = 72;
    m.fifths = 2;
    m.tempo = 80;
    m.notes = {Note(72, 24, 69),  Note(96, 72, 74),  Note(168, 48, 76),
               Note(216, 24, 78), Note(240, 16, 79), Note(256, 16, 81),
               Note(272, 16, 80), Rest(288, 24),     Note(312, 48, 74)};
    m.notes[2].tempo = 84;
    m.notes[3].slideIn = true;
    m.notes[3].slideFrom = 76;
    m.notes[4].vibrato = true;
    m.notes[6].trill = true;
    m.notes[6].uncertain = true;
    m.notes[8].slideIn = true;
    m.notes[8].slideFrom = 79;
    return m;
}

// The score a book writes as MusicXML, read back.
ImportedScore ReadBack(TMusicBook& book) {
    const interchange::MusicXmlReadResult read =
        interchange::ReadMusicXmlBytes(interchange::WriteMusicXml(book));
    EXPECT_TRUE(read.ok) << read.message;
    return read.score;
}

struct Sounded {
    int midi = 0;
    int ticks = 0;
    bool operator==(const Sounded&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Sounded& s) {
    return out << s.midi << "/" << s.ticks;
}

// Notes and rests with ties joined, in order.
std::vector<Sounded> Sounds(const ImportedScore& score) {
    std::vector<Sounded> out;
    bool tied = false;
    for (const auto& m : score.measures) {
        for (const auto& n : m.notes) {
            const int midi = n.rest ? 0 : interchange::MidiOfPitch(n.pitch);
            if (tied && !out.empty() && out.back().midi == midi)
                out.back().ticks += n.duration;
            else
                out.push_back({midi, n.duration});
            tied = n.tieToNext;
        }
    }
    return out;
}

class TranscribedBookTest : public ::testing::Test, protected Workspace {};

TEST_F(TranscribedBookTest, ReadsBackAsTheWrittenMusic) {
    const WrittenMusic music = Example();
    TranscribedBook built = BuildTranscribedBook(music, "茉莉花", env);
    ASSERT_TRUE(built.book);
    const ImportedScore score = ReadBack(*built.book);
    std::vector<Sounded> expected;
    for (const WrittenNote& n : music.notes) expected.push_back({n.rest ? 0 : n.midi, n.ticks});
    EXPECT_EQ(Sounds(score), expected);
    EXPECT_EQ(built.notes, 9);  // the note held over the bar line takes a numeral in each
    EXPECT_EQ(score.title, "茉莉花");
    EXPECT_EQ(score.fifths, 2);
    EXPECT_EQ(score.tempo, 80);
    ASSERT_EQ(score.measures.size(), 4u);
    EXPECT_EQ(score.measures[0].beats, 2);
    EXPECT_EQ(score.measures[0].beatType, 4);
    EXPECT_EQ(score.measures[0].length, 24);  // the pickup
    int triplets = 0, tempos = 0;
    for (const auto& m : score.measures) {
        for (const auto& n : m.notes) {
            triplets += n.triplet;
            if (n.tempo) tempos = n.tempo;
        }
    }
    EXPECT_EQ(triplets, 3);
    EXPECT_EQ(tempos, 84);
}

TEST_F(TranscribedBookTest, NotesHeldOverBarLinesAreTied) {
    const WrittenScore written = ScoreOfWritten(Example(), "t");
    const auto& measures = written.score.measures;
    ASSERT_EQ(measures.size(), 4u);
    // The quarter from 168 is an eighth in bar 1 tied to an eighth in bar 2.
    EXPECT_EQ(measures[1].notes.back().duration, 24);
    EXPECT_TRUE(measures[1].notes.back().tieToNext);
    EXPECT_EQ(measures[2].notes.front().duration, 24);
    EXPECT_FALSE(measures[2].notes.front().tieToNext);
    EXPECT_EQ(measures[3].length, 72);  // the last bar completes the pickup's
    ASSERT_EQ(written.firstPiece.size(), 9u);
    EXPECT_EQ(written.firstPiece[2], (std::pair<size_t, size_t>{1, 1}));
    EXPECT_EQ(written.firstPiece[3], (std::pair<size_t, size_t>{2, 1}));
}

// The numerals of a book (degrees 1–7) in reading order.
std::vector<TNote*> Numerals(TMusicBook& book) {
    std::vector<TNote*> out;
    for (int p = 0; p < book.SheetCount(); ++p) {
        const TMusicSheet& page = *book.GetSheet(p);
        for (int i = 0; i < page.ItemCount(); ++i) {
            TNote* n = page.GetItem(i)->As<TNote>();
            if (n && !n->Content().empty() && n->Content()[0] >= '1' && n->Content()[0] <= '7')
                out.push_back(n);
        }
    }
    return out;
}

std::string SignsOn(const TNote& note) {
    std::string signs;
    for (const TMusicItem* link : note.Links()) {
        if (link->Class() == ItemClass::MusicSign) signs += link->Content();
    }
    return signs;
}

TEST_F(TranscribedBookTest, MarksStandOnTheirNumeralsAndTheNotesToCheckAreFound) {
    TranscribedBook built = BuildTranscribedBook(Example(), "t", env);
    const std::vector<TNote*> numerals = Numerals(*built.book);
    ASSERT_EQ(numerals.size(), 9u);
    EXPECT_EQ(SignsOn(*numerals[4]), std::string(1, markcode::kSlideUp));
    EXPECT_EQ(SignsOn(*numerals[5]), "w");
    EXPECT_EQ(SignsOn(*numerals[7]), "[");
    EXPECT_EQ(SignsOn(*numerals[8]), std::string(1, markcode::kSlideDown));
    EXPECT_EQ(SignsOn(*numerals[0]), "");
    ASSERT_EQ(built.uncertain.size(), 1u);
    EXPECT_EQ(built.uncertain[0], numerals[7]);
    EXPECT_EQ(numerals[7]->Content(), "4");  // G♯ in D: ♯4
    EXPECT_EQ(numerals[7]->Rinji(), "`");
}

TEST(SpellInKey, KeepsTheScaleAndSpellsTheRestAsNumberedNotationDoes) {
    const auto spelt = [](int midi, int fifths) {
        const interchange::XmlPitch p = SpellInKey(midi, fifths);
        EXPECT_EQ(interchange::MidiOfPitch(p), midi);
        return std::string(1, p.step) +
               (p.alter > 0   ? "#"
                : p.alter < 0 ? "b"
                              : "") +
               std::to_string(p.octave);
    };
    EXPECT_EQ(spelt(60, 0), "C4");
    EXPECT_EQ(spelt(66, 0), "F#4");  // ♯4
    EXPECT_EQ(spelt(70, 0), "Bb4");  // ♭7
    EXPECT_EQ(spelt(61, 0), "C#4");  // ♯1
    EXPECT_EQ(spelt(63, 0), "Eb4");  // ♭3
    EXPECT_EQ(spelt(68, 0), "G#4");  // ♯5
    EXPECT_EQ(spelt(70, -2), "Bb4");
    EXPECT_EQ(spelt(63, -2), "Eb4");
    EXPECT_EQ(spelt(64, -2), "E4");  // ♯4 of B♭
    EXPECT_EQ(spelt(66, 6), "F#4");
    EXPECT_EQ(spelt(71, 6), "B4");
    EXPECT_EQ(spelt(72, 2), "C5");  // ♭7 of D
    EXPECT_EQ(spelt(59, -7), "Cb4");
}

TEST_F(TranscribedBookTest, SummaryNamesWhatWasWritten) {
    HeardMelody heard;
    heard.peakDb = -3;
    const std::string line = TranscriptionSummary(Example(), heard).Japanese();
    EXPECT_NE(line.find("音符 8"), std::string::npos) << line;
    EXPECT_NE(line.find("1＝D"), std::string::npos) << line;
    EXPECT_NE(line.find("2/4"), std::string::npos) << line;
    EXPECT_NE(line.find("♩＝80"), std::string::npos) << line;
    EXPECT_NE(line.find("確かめたい音 1"), std::string::npos) << line;
    EXPECT_EQ(line.find("音割れ"), std::string::npos) << line;
    heard.clippedSamples = 12;
    EXPECT_NE(TranscriptionSummary(Example(), heard).Japanese().find("12 サンプルが音割れ"),
              std::string::npos);
    heard.clippedSamples = 0;
    heard.peakDb = -45;
    EXPECT_NE(TranscriptionSummary(Example(), heard).Japanese().find("小さ"), std::string::npos);
}

TEST_F(TranscribedBookTest, TranscribesAMelodyIntoABookWithProgress) {
    const auto tune = testtunes::ParseTune(
        "5, | 1- 3/ 1/ | 3- 2 | 1- 6, | 5,- 5, | 1- 3/ 1/ | "
        "3- 2/ 3/ | 5-- | 5-",
        67);
    HeardMelody heard = testtunes::Perform(tune, testtunes::At(84));
    heard.notes[3].confidence = 0.1;
    std::vector<double> reported;
    const ListenProgress progress{[&](double f) {
        reported.push_back(f);
        return true;
    }};
    TranscribeResult r = Transcribe(heard, {}, "Amazing Grace", env, progress);
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_TRUE(r.book);
    EXPECT_TRUE(r.error.empty());
    EXPECT_FALSE(r.summary.empty());
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.back(), 1.0);
    for (size_t i = 1; i < reported.size(); ++i) EXPECT_GE(reported[i], reported[i - 1]);
    ASSERT_EQ(r.uncertain.size(), 1u);
    const std::vector<TNote*> numerals = Numerals(*r.book);
    EXPECT_NE(std::find(numerals.begin(), numerals.end(), r.uncertain[0]), numerals.end());
    EXPECT_EQ(r.uncertain[0]->Content(), "1");  // the fourth note, the eighth 1 of G
    EXPECT_EQ(r.music.meter, (TimeSignature{3, 4}));
}

TEST_F(TranscribedBookTest, NothingHeardOrCancelledWritesNoBook) {
    TranscribeResult none = Transcribe(HeardMelody{}, {}, "t", env);
    EXPECT_FALSE(none.ok);
    EXPECT_FALSE(none.book);
    EXPECT_NE(none.error.Japanese().find("聞き取れません"), std::string::npos);

    const HeardMelody heard =
        testtunes::Perform(testtunes::ParseTune("1 2 3 4 | 5-", 60), testtunes::At(90));
    for (double stopAt : {0.0, 0.5}) {
        const ListenProgress cancel{[stopAt](double f) { return f < stopAt || f > stopAt; }};
        TranscribeResult stopped = Transcribe(heard, {}, "t", env, cancel);
        EXPECT_FALSE(stopped.ok);
        EXPECT_FALSE(stopped.book);
        EXPECT_NE(stopped.error.Japanese().find("中止"), std::string::npos);
    }
}

TEST(TranscribeTitle, IsTheFileNameWithoutFolderAndExtension) {
    EXPECT_EQ(TitleOfRecording("/home/me/録音/茉莉花.wav"), "茉莉花");
    EXPECT_EQ(TitleOfRecording("take.2.flac"), "take.2");
    EXPECT_EQ(TitleOfRecording("noext"), "noext");
    EXPECT_EQ(TitleOfRecording("dir.d/.hidden"), ".hidden");
}

}  // namespace
}  // namespace sorvel::listen
