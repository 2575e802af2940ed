// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For the tests that import small MusicXML documents of their own: the
// document's pieces, the book a document becomes, what that book draws and
// what it plays.
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "interchange/bookbuilder.h"
#include "interchange/musicxmlreader.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/workspace.h"
#include "playback/offline/offlineplay.h"

namespace sorvel::interchange::testbook {

// A partwise document of one part holding `measures`.
inline std::string PartDoc(const std::string& measures) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><score-partwise version=\"4.0\">"
           "<part-list><score-part id=\"P1\"><part-name>Erhu</part-name></score-part>"
           "</part-list><part id=\"P1\">" +
           measures + "</part></score-partwise>";
}

inline std::string XmlMeasure(int number, const std::string& body) {
    return "<measure number=\"" + std::to_string(number) + "\">" + body + "</measure>";
}

// Attributes of a first measure: divisions, key and time.
inline std::string XmlAttributes(int divisions, int fifths, int beats, int beatType,
                                 const std::string& more = "") {
    return "<attributes><divisions>" + std::to_string(divisions) + "</divisions><key><fifths>" +
           std::to_string(fifths) + "</fifths></key><time><beats>" + std::to_string(beats) +
           "</beats><beat-type>" + std::to_string(beatType) + "</beat-type></time>" + more +
           "</attributes>";
}

inline std::string XmlNote(const std::string& step, int octave, int duration,
                           const std::string& more = "") {
    return "<note><pitch><step>" + step + "</step><octave>" + std::to_string(octave) +
           "</octave></pitch><duration>" + std::to_string(duration) + "</duration>" + more +
           "</note>";
}

inline std::string XmlRest(int duration, const std::string& more = "") {
    return "<note><rest/><duration>" + std::to_string(duration) + "</duration>" + more + "</note>";
}

inline std::string TimeModification(int actual, int normal) {
    return "<time-modification><actual-notes>" + std::to_string(actual) +
           "</actual-notes><normal-notes>" + std::to_string(normal) +
           "</normal-notes></time-modification>";
}

inline std::string Notations(const std::string& inside) {
    return "<notations>" + inside + "</notations>";
}

// Counts the note-ons of the melody channel, each with the sequencer tick
// it was sent at.
class NoteOnSink final : public OfflineSink {
public:
    void ShortMessage(std::uint32_t m) override {
        if ((m & 0xF0) == 0x90 && ((m >> 16) & 0x7F) != 0 && (m & 0x0F) == 0)
            pending_.push_back(static_cast<int>((m >> 8) & 0x7F));
    }
    void LongMessage(std::span<const std::uint8_t>) override {}
    void Reset() override {}
    void OnStep(const OfflineStep& step) override {
        for (int n : pending_) ons.emplace_back(n, static_cast<int>(step.tick));
        pending_.clear();
    }
    std::vector<std::pair<int, int>> ons;

private:
    std::vector<int> pending_;
};

// The symbols of a page in reading order as text: numerals with their
// underlines (_), dot (.), octave (' or ,) and accidental (#/b), then bar
// lines and time signatures by their codes.
inline std::string SymbolsOf(const TMusicSheet& page) {
    std::string text;
    for (int i = 0; i < page.ItemCount(); ++i) {
        const TMusicItem* item = page.GetItem(i);
        if (!item->IsSymbol()) continue;
        if (!text.empty()) text += ' ';
        if (const TNote* n = item->As<TNote>()) {
            if (n->Rinji() == "`") text += '#';
            if (n->Rinji() == "a") text += 'b';
            text += n->Content();
            text += std::string(static_cast<size_t>(std::max(n->Length(), 0)), '_');
            if (n->Futen()) text += '.';
            if (n->Octave() > 0) text += std::string(static_cast<size_t>(n->Octave()), '\'');
            if (n->Octave() < 0) text += std::string(static_cast<size_t>(-n->Octave()), ',');
        } else {
            text += item->Content();
        }
    }
    return text;
}

// The notes of a page in item order.
inline std::vector<TNote*> NotesOf(TMusicSheet& page) {
    std::vector<TNote*> notes;
    for (int i = 0; i < page.ItemCount(); ++i) {
        if (TNote* n = page.GetItem(i)->As<TNote>()) notes.push_back(n);
    }
    return notes;
}

// The marks of one class linked to a note.
inline std::vector<TMusicItem*> MarksOn(const TNote& note, ItemClass kind) {
    std::vector<TMusicItem*> marks;
    for (TMusicItem* link : note.Links()) {
        if (link->Class() == kind) marks.push_back(link);
    }
    return marks;
}

// A MusicXML document read and laid out as a book in a workspace of its own.
class ImportedBook : public Workspace {
public:
    explicit ImportedBook(const std::string& xml) {
        read = ReadMusicXmlBytes(xml);
        if (!read.ok) return;
        built = BuildBook(read.score, env, "test");
        book = std::move(built.book);
    }
    bool Ok() const { return read.ok && book != nullptr; }
    TMusicSheet& Page(int i = 0) { return *book->GetSheet(i); }

    // Plays the piece of page `i`: each sounded note with its onset in
    // ticks from the first one.
    std::vector<std::pair<int, int>> Played(int i = 0) {
        NoteOnSink sink;
        OfflinePlay play(Page(i), prefs);
        play.Run(sink);
        std::vector<std::pair<int, int>> played = sink.ons;
        const int first = played.empty() ? 0 : played.front().second;
        for (auto& [note, tick] : played) tick -= first;
        return played;
    }

    int LeftOut(const std::string& label) const {
        for (const auto& [name, count] : built.leftOut) {
            if (name == label) return count;
        }
        return 0;
    }

    MusicXmlReadResult read;
    BuiltBook built;
};

}  // namespace sorvel::interchange::testbook
