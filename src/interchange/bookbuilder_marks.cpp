// SPDX-License-Identifier: GPL-3.0-or-later
// The marks of the laid-out book: signs, tempos, grace notes, slurs,
// hairpins, triplets and endings, each linked to the numeral it belongs to.
#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "interchange/bookbuilder_internal.h"
#include "interchange/musicxmlvocabulary.h"
#include "model/daon.h"
#include "model/glyphcodes.h"
#include "model/itemfactory.h"
#include "model/markmeanings.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/tempo.h"

namespace sorvel::interchange::bookbuild {
namespace {

constexpr size_t kMaxOpenSlurs = 64;

// Slurs begun and not yet ended: their numbers (0 when not known) and the
// places of their first numerals in the book's symbols.
using OpenSlurs = std::vector<std::pair<int, size_t>>;

// A numeral's pitch as written, in semitones from the tonic's middle
// octave; the same number for two numerals that sound the same.
// The code a hairpin that begins at a note is written with: a decrescendo
// for the diminuendo, a crescendo otherwise.
char HairpinCode(char wedgeStart) {
    return HairpinDirectionOf(wedgeStart) < 0 ? markcode::kDecrescendo : markcode::kCrescendo;
}

int WrittenPitch(const TNote& note) {
    const int degree = std::clamp(note.Content()[0] - '0', 1, 7);
    const int accidental = note.Rinji() == "`" ? 1 : note.Rinji() == "a" ? -1 : 0;
    return kMajorScale[degree - 1] + accidental + 12 * note.Octave();
}

void LinkBoth(TMusicItem& a, TMusicItem& b) {
    a.Link(b);
    b.Link(a);
}

// The first note of the row that holds `note`.
TNote& FirstNoteOfRow(TNote& note) {
    const TMusicSheet& page = note.Sheet();
    TNote* first = &note;
    for (int i = page.IndexOfItem(&note) - 1; i >= 0; --i) {
        TMusicItem* item = page.GetItem(i);
        if (!item->IsSymbol()) continue;
        if (item->PosY() != note.PosY()) break;
        if (TNote* n = item->As<TNote>()) first = n;
    }
    return *first;
}

// The number of the i-th slur start or stop of a note; 0 when not known.
int NumberAt(const std::vector<int>& numbers, int i) {
    return static_cast<size_t>(i) < numbers.size() ? numbers[static_cast<size_t>(i)] : 0;
}

// The open slur the i-th stop of a note ends: the last begun of its number,
// else the last begun.
OpenSlurs::iterator OpenSlur(OpenSlurs& open, const std::vector<int>& stopNumbers, int i) {
    const int number = NumberAt(stopNumbers, i);
    for (auto it = open.end(); number != 0 && it != open.begin();) {
        --it;
        if (it->first == number) return it;
    }
    return open.end() - 1;
}

}  // namespace

void Builder::Attach(TMusicItem& mark, TNote& note) {
    const std::string& content = mark.Content();
    const char code = content.empty() ? ' ' : content[0];
    const bool slide = code == markcode::kSlideUp || code == markcode::kSlideDown;
    const int rateX = slide ? 100 : 0;
    int rateY = slide ? 0 : glyphs_.LookupContent(content).OffsetRate;
    // The fermata (a glyph of the time signatures' kind) and the breath mark
    // have no rate of their own; they stand where ornaments do.
    if (!slide && rateY == 0) rateY = note.Sheet().OffsetRateX_Ornament();
    const int x = note.PosX() - eightWidth_ * rateX / 100;
    int y = note.PosY() - eightHeight_ * rateY / 100;
    // Two marks of one height on a note (finger numbers and ornaments share
    // a rate) stand one above the other.
    for (int tries = 0; tries < 4; ++tries) {
        bool taken = false;
        for (TMusicItem* other : note.Links()) {
            if (other->PosY() == y && other->PosX() == x) taken = true;
        }
        if (!taken) break;
        y -= eightHeight_ * (rateY < 0 ? -1 : 1) * 3 / 4;
    }
    mark.SetPosX(x);
    mark.SetPosY(y);
    LinkBoth(note, mark);
}

void Builder::AddSign(TNote& note, char code) {
    for (TMusicItem* other : note.Links()) {
        if (other->Content() == std::string(1, code)) return;
    }
    TMusicSign* sign = CreateItem<TMusicSign>(note.Sheet());
    sign->SetContent(std::string(1, code));
    Attach(*sign, note);
}

void Builder::AddTempo(TNote& note, int tempo) {
    TTempo* mark = CreateItem<TTempo>(note.Sheet());
    mark->SetContent("/");
    mark->SetTempo(std::clamp(tempo, 1, kMaxPageTempo));
    mark->SetTempoUnit(0);
    mark->SetPrintMode(1);
    Attach(*mark, note);
}

void Builder::AddDaon(TNote& note, const std::vector<GraceNote>& graces, bool before,
                      const Tonic& tonic) {
    if (graces.empty()) return;
    TDaon* daon = before ? static_cast<TDaon*>(CreateItem<TDaonLeft>(note.Sheet()))
                         : static_cast<TDaon*>(CreateItem<TDaonRight>(note.Sheet()));
    daon->SetContent(before ? "K" : "L");
    std::string data;
    for (size_t i = 0; i < 4; ++i) {
        if (i >= graces.size()) {
            data += " 3 ";
            continue;
        }
        JianpuPitch jp = ToJianpu(graces[i].pitch, tonic);
        if (jp.accidental != 0)
            LeftOut(SORVEL_TEXT_NOOP("sorvel::interchange", "装飾音の臨時記号"));
        data += jp.degree;
        data += static_cast<char>('0' + std::clamp(jp.octave, -3, 6) + 3);
        const int f = graces[i].finger;
        data += f >= 0 && f <= 4 ? static_cast<char>('T' + f) : ' ';
    }
    if (graces.size() > 4)
        LeftOut(SORVEL_TEXT_NOOP("sorvel::interchange", "5つ目からの装飾音"),
                static_cast<int>(graces.size()) - 4);
    daon->SetAllNoteData(data);
    daon->SetLength(std::clamp(graces.front().underlines, 1, 3));
    Attach(*daon, note);
}

template <class T>
T* Builder::SpanTo(char code, TNote& from, int endX) {
    T* mark = CreateItem<T>(from.Sheet());
    mark->SetContent(std::string(1, code));
    Attach(*mark, from);
    mark->SetPosX(from.PosX());
    mark->SetWidth(std::max(page_->GridSize() / 2, endX - from.PosX()));
    return mark;
}

template <class T>
void Builder::Span(char code, TNote& from, TNote& to) {
    if (&from == &to) return;
    if (&from.Sheet() == &to.Sheet() && from.PosY() == to.PosY()) {
        SpanTo<T>(code, from, to.PosX());
        return;
    }
    TMusicSheet& fromPage = from.Sheet();
    SpanTo<T>(code, from, fromPage.PageWidth - fromPage.RightSpace());
    // The piece from the margin belongs to the row's first note, as the
    // editor links a continued mark: playback and export carry the mark on
    // from the last note of the row before.
    T* rest = CreateItem<T>(to.Sheet());
    rest->SetContent(std::string(1, code));
    Attach(*rest, FirstNoteOfRow(to));
    rest->SetPosX(to.Sheet().LeftSpace());
    rest->SetWidth(std::max(1, to.PosX() - to.Sheet().LeftSpace()));
}

// The layout writes ties between the pieces of a note as slurs.
template void Builder::Span<TSlur>(char code, TNote& from, TNote& to);

// The numerals that repeat the pitch sounding before them (places in the
// symbols, in order), and how many numerals of their own stand before each
// place: where slurs split, found once for all of them.
void Builder::FindRepeats() {
    constexpr int kSilent = INT_MIN;  // after a rest
    int sounding = kSilent;
    numeralsBefore_.assign(1, 0);
    for (size_t i = 0; i < symbols_.size(); ++i) {
        const TNote* note = symbols_[i]->As<TNote>();
        const char code = note && !note->Content().empty() ? note->Content()[0] : '\0';
        const bool numeral = code >= '1' && code <= '7';
        if (code == kRestCode) sounding = kSilent;
        if (numeral) {
            const int pitch = WrittenPitch(*note);
            if (pitch == sounding) repeats_.push_back(i);
            sounding = pitch;
        }
        numeralsBefore_.push_back(numeralsBefore_.back() + (numeral ? 1 : 0));
    }
}

// A slur over the numerals from `from` to `to` (places in the symbols).
// Numbered notation reads an arc over two neighbouring numerals of one pitch
// as a tie, and playback holds the note over: so where the slur comes to a
// repeat of the pitch sounding before it that the score does not tie, it
// ends, and a new one starts at the repeat. A piece with no second note of
// its own draws no arc.
void Builder::Slur(size_t from, size_t to) {
    // More repeats under one slur than any score has: it is drawn whole.
    constexpr size_t kMaxPieces = 64;
    std::vector<size_t> starts{from};
    for (auto it = std::upper_bound(repeats_.begin(), repeats_.end(), from);
         it != repeats_.end() && *it <= to && starts.size() <= kMaxPieces; ++it) {
        if (!tiedIn_[*it]) starts.push_back(*it);
    }
    if (starts.size() == 1 || starts.size() > kMaxPieces) {
        Span<TSlur>('Y', *symbols_[from]->As<TNote>(), *symbols_[to]->As<TNote>());
        return;
    }
    for (size_t k = 0; k < starts.size(); ++k) {
        size_t last = k + 1 < starts.size() ? starts[k + 1] - 1 : to;
        while (last > starts[k] && !symbols_[last]->As<TNote>()) --last;
        if (numeralsBefore_[last + 1] - numeralsBefore_[starts[k]] >= 2)
            Span<TSlur>('Y', *symbols_[starts[k]]->As<TNote>(), *symbols_[last]->As<TNote>());
    }
}

const NoteRef* Builder::NextSoundingNote(size_t m, size_t k) const {
    // The first note after note k of measure m that has numerals of its own.
    for (size_t mm = m; mm < score_.measures.size(); ++mm) {
        const auto& notes = score_.measures[mm].notes;
        if (groups_[mm].size() != notes.size()) return nullptr;  // a multi-bar rest
        for (size_t kk = mm == m ? k + 1 : 0; kk < notes.size(); ++kk) {
            if (groups_[mm][kk] != static_cast<int>(kk)) continue;
            return notes[kk].rest || !refs_[mm][kk].first ? nullptr : &refs_[mm][kk];
        }
    }
    return nullptr;
}

void Builder::WriteMarks() {
    OpenSlurs slurs;
    TNote* wedgeFrom = nullptr;
    char wedgeCode = 0;
    for (size_t m = 0; m < score_.measures.size(); ++m) {
        const auto& notes = score_.measures[m].notes;
        for (size_t k = 0; k < notes.size(); ++k) {
            const ImportedNote& n = notes[k];
            const int group = groups_[m].empty() ? -1 : groups_[m][k];
            if (group < 0) continue;
            NoteRef& ref = refs_[m][static_cast<size_t>(group)];
            if (!ref.first) continue;
            for (char code : n.signs) AddSign(*ref.first, code);
            if (n.slideIn) AddSign(*ref.first, n.slideIn);
            if (n.tempo > 0) AddTempo(*ref.first, n.tempo);
            AddDaon(*ref.first, n.gracesBefore, true, tonics_[m]);
            AddDaon(*ref.last, n.gracesAfter, false, tonics_[m]);
            const bool lastOfGroup = k + 1 >= notes.size() || groups_[m][k + 1] != group;
            if (n.tieToNext && !n.rest && lastOfGroup) {
                const NoteRef* next = NextSoundingNote(m, k);
                if (next && next->first->Content() != "0") {
                    Span<TSlur>('Y', *ref.last, *next->first);
                    tiedIn_[next->firstSymbol] = true;
                }
            }
            for (int i = 0; i < n.slurStops && !slurs.empty(); ++i) {
                const auto open = OpenSlur(slurs, n.slurStopNumbers, i);
                Slur(open->second, ref.lastSymbol);
                slurs.erase(open);
            }
            for (int i = 0; i < n.slurStarts; ++i) {
                // More open slurs than any score has: the oldest is given up.
                if (slurs.size() >= kMaxOpenSlurs) {
                    slurs.erase(slurs.begin());
                    LeftOut(SORVEL_TEXT_NOOP("sorvel::interchange", "終わりのないスラー"));
                }
                slurs.emplace_back(NumberAt(n.slurStartNumbers, i), ref.firstSymbol);
            }
            // Hairpins begin and end with the note's own time: a note tied
            // into a longer one has its part of the numeral and dashes.
            const NoteRef& own =
                k < ownTimes_[m].size() && ownTimes_[m][k].first ? ownTimes_[m][k] : ref;
            // A hairpin that begins and ends here stands under this note alone.
            const bool alone = n.wedgeStart && n.wedgeStop && !wedgeFrom;
            if (n.wedgeStop && wedgeFrom) {
                Span<TCresc>(wedgeCode, *wedgeFrom, *own.last);
                wedgeFrom = nullptr;
            }
            if (alone) {
                SpanTo<TCresc>(HairpinCode(n.wedgeStart), *own.first, own.last->PosX());
            } else if (n.wedgeStart) {
                wedgeFrom = own.first;
                wedgeCode = HairpinCode(n.wedgeStart);
            }
        }
    }
    if (!slurs.empty())
        LeftOut(SORVEL_TEXT_NOOP("sorvel::interchange", "終わりのないスラー"),
                static_cast<int>(slurs.size()));
    for (const auto& [note, signs] : signsAtEnd_) {
        for (char code : *signs) AddSign(*note, code);
    }
}

void Builder::WriteTriplets() {
    // The timing pass counts the note linked to a triplet mark and the two
    // notes right after it: the mark spans those three numerals.
    for (size_t i = 0; i + 2 < symbols_.size(); ++i) {
        if (!tripletMarks_[i]) continue;
        TNote* first = symbols_[i]->As<TNote>();
        TNote* third = symbols_[i + 2]->As<TNote>();
        if (first && third) Span<T3ren>('Z', *first, *third);
    }
}

void Builder::WriteEndings() {
    for (const EndingMark& e : endings_) {
        if (!e.first || !e.end) continue;
        const char code = static_cast<char>('<' + e.number - 1);
        if (e.hidden) {
            // Only where the ending begins: a bracket of no width.
            SpanTo<TKakko>(code, *e.first, e.first->PosX())->SetWidth(0);
            continue;
        }
        WriteEndingOverRows(code, *e.first, *e.end);
    }
}

// An ending bracket from its first note to just before its closing bar line.
// Over a row break it goes on from each further row's left margin, linked to
// that row's first note as the editor links a continued mark, so the ending
// is drawn on every row it covers and stays one ending in the export.
void Builder::WriteEndingOverRows(char code, TNote& first, const TBarLine& end) {
    const int endX = end.PosX() - page_->GridSize() / 4;
    const auto sameRow = [](const TMusicItem& a, const TMusicItem& b) {
        return &a.Sheet() == &b.Sheet() && a.PosY() == b.PosY();
    };
    const auto from = std::find(symbols_.begin(), symbols_.end(), &first);
    const auto to = std::find(from, symbols_.end(), &end);
    TNote* rowFirst = &first;
    for (auto it = from; it != to; ++it) {
        TNote* note = (*it)->As<TNote>();
        if (!note || sameRow(*note, *rowFirst)) continue;
        TMusicSheet& page = rowFirst->Sheet();
        TKakko* piece = SpanTo<TKakko>(code, *rowFirst, page.PageWidth - page.RightSpace());
        if (rowFirst != &first) {
            piece->SetPosX(page.LeftSpace());
            piece->SetWidth(page.PageWidth - page.RightSpace() - page.LeftSpace());
        }
        rowFirst = note;
    }
    TKakko* last = SpanTo<TKakko>(code, *rowFirst, endX);
    if (rowFirst != &first) {
        last->SetPosX(rowFirst->Sheet().LeftSpace());
        last->SetWidth(std::max(1, endX - last->PosX()));
    }
}

}  // namespace sorvel::interchange::bookbuild
