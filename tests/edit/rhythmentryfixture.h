// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A book for the rhythm entry tests, on the default layout: 36 slots of 25
// units from x = 20, a bar's share of 8 slots and its bar line, rows 146
// units apart from y = 243, eight rows a page. Typing drives the entry key by
// key as the editor does; PutMusic writes music there before; SymbolsOf and
// ReadBack read the page back.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "edit/rhythmentry.h"
#include "model/glyphcodes.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/undo.h"
#include "model/workspace.h"

namespace sorvel::rhythmentrytest {

inline constexpr int kRow0 = 243;
inline constexpr int kRowInterval = 146;
inline int X(int slot) {
    return 20 + 25 * slot;
}
inline int Y(int row) {
    return kRow0 + kRowInterval * row;
}

// One item as the tests compare it: "5" at slot 10 with one underline is
// {"5", 10, 0, 1, 0, 0}; bar lines and ties have only content and slot.
struct Seen {
    std::string content;
    int slot, row, length, futen, octave;
    bool operator==(const Seen&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Seen& s) {
    return os << s.content << "@" << s.slot << "/" << s.row << " len" << s.length << " dot"
              << s.futen << " oct" << s.octave;
}

inline std::vector<Seen> SymbolsOf(const TMusicSheet& page) {
    std::vector<Seen> out;
    for (int i = 0; i < page.ItemCount(); ++i) {
        const TMusicItem& item = *page.GetItem(i);
        if (!item.IsSymbol()) continue;
        Seen s{
            item.Content(), (item.PosX() - 20) / 25, (item.PosY() - kRow0) / kRowInterval, 0, 0, 0};
        if (const TNote* note = dynamic_cast<const TNote*>(&item)) {
            s.length = note->Length();
            s.futen = note->Futen();
            s.octave = note->Octave();
        }
        out.push_back(s);
    }
    std::sort(out.begin(), out.end(), [](const Seen& a, const Seen& b) {
        return a.row != b.row ? a.row < b.row : a.slot < b.slot;
    });
    return out;
}

inline int CountClass(const TMusicSheet& page, ItemClass kind) {
    int n = 0;
    for (int i = 0; i < page.ItemCount(); ++i) n += page.GetItem(i)->Class() == kind;
    return n;
}

// A book with the entry started at `at`; every key is one undo step.
class Typing : public Workspace {
public:
    explicit Typing(EntryPlace at = {0, X(0), Y(0)}) : entry(*book_(), layout, glyphs) {
        entry.Resume(undo.StateId(), at);
    }

    // Keys as the editor maps them: digits, x z 9 c v -, # b n (accidentals),
    // g (a grace note), / (a bar closed short) and B for Backspace.
    void Keys(const std::string& keys) {
        for (char key : keys) {
            // After an undo the editor puts the cursor where the kept run goes on.
            if (key != ' ') Press(key, entry.NextOf(undo.StateId()).value_or(entry.Next()));
        }
    }

    // The keys typed with the key cursor first at `at`, on the page shown
    // (a click put it there, or the page was turned under it).
    void KeysAt(EntryPlace at, const std::string& keys) {
        const std::size_t first = keys.find_first_not_of(' ');
        if (first == std::string::npos) return;
        Press(keys[first], at);
        Keys(keys.substr(first + 1));
    }

    // One key with the key cursor at `at`, as one undo step.
    void Press(char key, EntryPlace at) {
        entry.Resume(undo.StateId(), at);
        undo.BeginGroup();
        switch (key) {
            case 'x':
                entry.ShiftOctave(1);
                break;
            case 'z':
                entry.ShiftOctave(-1);
                break;
            case '9':
                entry.ToggleDot();
                break;
            case 'c':
                entry.Halve();
                break;
            case 'v':
                entry.Double();
                break;
            case '-':
                entry.AddBeat();
                break;
            case 'B':
                entry.RemoveLast();
                break;
            case '#':
                entry.ToggleAccidental(kSharpRinji);
                break;
            case 'b':
                entry.ToggleAccidental(kFlatRinji);
                break;
            case 'n':
                entry.ToggleAccidental(kNaturalRinji);
                break;
            case 'g':
                entry.ArmGrace();
                break;
            case '/':
                entry.CloseBar();
                break;
            default:
                if (entry.GraceArmed()) {
                    entry.TypeGrace(key);
                } else {
                    entry.Type(key);
                }
                break;
        }
        undo.EndGroup();
        entry.Remember(undo.StateId());
    }

    TMusicSheet& Page(int i) { return *book->GetSheet(i); }

    RhythmEntry entry;

private:
    TMusicBook* book_() {
        NewBook();
        return book.get();
    }
};

template <class T>
T* Put(TMusicSheet& page, char code, int slot, int row) {
    T* item = CreateItem<T>(page);
    item->SetContent(std::string(1, code));
    item->SetPosX(X(slot));
    item->SetPosY(Y(row));
    return item;
}

inline void PutMeter(TMusicSheet& page, char code, int slot, int row) {
    Put<TBeat>(page, code, slot, row);
}

inline void PutBarLine(TMusicSheet& page, char code, int slot, int row) {
    Put<TBarLine>(page, code, slot, row);
}

// Music written before: `text` from slot `slot` of `row`, one slot a
// character: digits are quarter notes, "|" a bar line, " " an empty slot.
inline void PutMusic(TMusicSheet& page, const std::string& text, int slot, int row) {
    for (char c : text) {
        if (c == '|') PutBarLine(page, 'c', slot, row);
        if (c >= '0' && c <= '7') Put<TNote>(page, c, slot, row);
        ++slot;
    }
}

// A note as heard: scale digit, octave, onset and length in ticks.
struct Heard {
    char digit;
    int octave, onset, ticks;
    bool operator==(const Heard&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Heard& h) {
    return os << h.digit << "(" << h.octave << ")@" << h.onset << "+" << h.ticks;
}

// The notes of a page read as a player reads them, in row and slot order:
// a numeral lasts by its underlines and dot, a dash adds a beat to the note
// before it, a time signature takes no time. Every bar line must stand where
// a bar of `barTicks` ends.
inline std::vector<Heard> ReadBack(const TMusicSheet& page, int barTicks) {
    std::vector<Heard> heard;
    int onset = 0;
    for (const Seen& s : SymbolsOf(page)) {
        if (s.content == "c") {
            EXPECT_EQ(onset % barTicks, 0) << "a bar line at " << onset;
        } else if (s.content == "8") {
            heard.back().ticks += 48;
            onset += 48;
        } else if (s.content >= "0" && s.content <= "7") {
            const int ticks = (48 >> s.length) * (s.futen ? 3 : 2) / 2;
            heard.push_back({s.content[0], s.octave, onset, ticks});
            onset += ticks;
        }
    }
    return heard;
}

}  // namespace sorvel::rhythmentrytest
