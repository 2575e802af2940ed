#include "interchange/bookbuilder.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <string_view>

#include "base/arith.h"
#include "base/cp932.h"
#include "edit/barlayout.h"
#include "interchange/jianpupieces.h"
#include "interchange/musicxmlvocabulary.h"
#include "model/daon.h"
#include "model/glyphcodes.h"
#include "model/glyphinfotable.h"
#include "model/horizbar.h"
#include "model/itemfactory.h"
#include "model/layoutstate.h"
#include "model/modelenv.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/pagegrid.h"
#include "model/tempo.h"
#include "model/timing.h"

namespace sorvel::interchange {
namespace {

constexpr char kPlainBar = 'c';
constexpr char kStartRepeat = 'f';
constexpr char kEndRepeat = 'g';
constexpr char kBothRepeats = 'h';
constexpr int kMaxPageTempo = 255;       // the sequencer carries tempos in one byte
constexpr int kMaxItemsPerRow = 10'000;  // a bar's slots, whatever a file's lengths say
constexpr size_t kMaxOpenSlurs = 64;

// Text for the book's CP932 fields: every character is kept, those CP932
// lacks as references ("Méditation", "二泉映月").
std::string BookText(const std::string& utf8) {
    return cp932::FromUtf8(utf8);
}

struct NoteRef {
    TNote* first = nullptr;  // the numeral that carries the note's marks
    TNote* last = nullptr;   // the last numeral or dash it lasts through
    size_t firstSymbol = 0;  // their places in the book's symbols
    size_t lastSymbol = 0;
};

// Slurs begun and not yet ended: their numbers (0 when not known) and the
// places of their first numerals in the book's symbols.
using OpenSlurs = std::vector<std::pair<int, size_t>>;

// A numeral's pitch as written, in semitones from the tonic's middle
// octave; the same number for two numerals that sound the same.
int WrittenPitch(const TNote& note) {
    const int degree = std::clamp(note.Content()[0] - '0', 1, 7);
    const int accidental = note.Rinji() == "`" ? 1 : note.Rinji() == "a" ? -1 : 0;
    return kMajorScale[degree - 1] + accidental + 12 * note.Octave();
}

class Builder {
public:
    Builder(const ImportedScore& score, TModelEnv& env, BuiltBook& out)
        : score_(score), env_(env), out_(out) {}

    void Run(const std::string& fallbackTitle);

private:
    // ---- layout
    void StartPage();
    void NewRow();
    int X(int slot) const { return PageGrid(pageLayout_).SlotX(slot); }
    int Y() const { return PageGrid(pageLayout_).RowBase(row_); }
    BarPlan PlanBar(const std::vector<JianpuPiece>& pieces, int barTicks, int fullBar) const;
    void WriteMeasure(size_t m, int& fullBar);
    void NoteKeyChange(const ImportedMeasure& measure);
    bool StartKeyPage();
    void TakeKey(size_t m, MeasurePieces& written);
    std::vector<char> MeterLeads(const ImportedMeasure& measure, int& fullBar);
    void MarkEnding(const ImportedMeasure& measure, const std::vector<NoteRef>& refs);
    void MarkStartRepeat(const ImportedMeasure& measure, size_t m, bool& ownStartRepeat);
    void KeepOwnTimes(size_t m, const std::vector<JianpuPiece>& pieces,
                      const std::vector<TNote*>& written);
    void KeepSignsAtEnd(size_t m, const std::vector<JianpuPiece>& pieces,
                        const std::vector<TNote*>& written);
    void WriteMultiRest(const ImportedMeasure& measure, int& fullBar);
    void WriteBarLine(char code, int slot);
    TNote* WritePiece(const JianpuPiece& piece, int slot);
    template <class T>
    T* CreateSymbol(char code, int slot);

    // ---- marks
    void WriteMarks();
    void WriteTriplets();
    void WriteEndings();
    void WriteEndingOverRows(char code, TNote& first, const TBarLine& end);
    void Attach(TMusicItem& mark, TNote& note);
    void AddSign(TNote& note, char code);
    void AddTempo(TNote& note, int tempo);
    void AddDaon(TNote& note, const std::vector<GraceNote>& graces, bool before,
                 const Tonic& tonic);
    // A mark with a width from one note to another; split at a row or page
    // break into a piece to the row's end and a piece from the next row's
    // margin (which playback and drawing read as continued).
    template <class T>
    void Span(char code, TNote& from, TNote& to);
    template <class T>
    T* SpanTo(char code, TNote& from, int endX);
    void FindRepeats();
    void Slur(size_t from, size_t to);
    const NoteRef* NextSoundingNote(size_t m, size_t k) const;

    void LeftOut(const std::string& label, int n = 1);
    void Rewritten(const std::string& label, int n = 1);
    void CountTuplets(const MeasurePieces& written);

    const ImportedScore& score_;
    TModelEnv& env_;
    BuiltBook& out_;
    TMusicBook* book_ = nullptr;
    TMusicSheet* page_ = nullptr;
    LayoutState pageLayout_;  // the layout of page_, for its grid
    GlyphInfoTable glyphs_;
    Tonic tonic_;                    // the key of page_
    int fifths_ = 0;                 // … as its number of fifths
    std::optional<int> pendingKey_;  // a key change that waits for a row to start
    bool pendingCounted_ = false;    // … and has been counted as written with accidentals
    std::vector<Tonic> tonics_;      // per measure: the key its notes are written in
    int row_ = 0;
    int nextSlot_ = 0;  // 0: the row is empty
    int eightWidth_ = 12, eightHeight_ = 21;
    TBarLine* lastBar_ = nullptr;

    std::vector<std::vector<NoteRef>> refs_;  // per measure, per imported note
    std::vector<std::vector<int>> groups_;    // per measure: the note whose pieces write each note
    // Per measure, per imported note: the numeral or dash at its onset and
    // the last one before its end (within a tie, a part of its group's).
    std::vector<std::vector<NoteRef>> ownTimes_;
    std::vector<TMusicItem*> symbols_;  // every symbol in reading order
    std::vector<bool> tripletMarks_;    // beside symbols_: a triplet bracket begins
    std::vector<bool> tiedIn_;          // beside symbols_: tied to the numeral before
    std::vector<size_t> repeats_;       // see FindRepeats
    std::vector<int> numeralsBefore_;
    struct EndingMark {
        int number;
        TNote* first;
        TBarLine* end;
        bool closed;
        bool hidden;
    };
    std::vector<EndingMark> endings_;
    // Jump signs with the numeral or dash where their note stops sounding.
    std::vector<std::pair<TNote*, const std::string*>> signsAtEnd_;
};

void LinkBoth(TMusicItem& a, TMusicItem& b) {
    a.Link(b);
    b.Link(a);
}

void Builder::LeftOut(const std::string& label, int n) {
    CountLeftOut(out_.leftOut, label, n);
}

void Builder::Rewritten(const std::string& label, int n) {
    CountLeftOut(out_.rewritten, label, n);
}

// Tuplets whose brackets the book cannot draw (it has the triplet's only),
// and those drawn as triplets.
void Builder::CountTuplets(const MeasurePieces& written) {
    for (int actual : written.unbracketed)
        LeftOut(NamedLeftOutLabel(kTupletBracketLabel, std::to_string(actual)));
    for (int actual : written.asTriplets)
        Rewritten(NamedLeftOutLabel(kTupletAsTripletsLabel, std::to_string(actual)));
}

void Builder::StartPage() {
    page_ = book_->NewSheet();
    CopyPageLayout(pageLayout_, *page_);
    row_ = 0;
    nextSlot_ = 0;
    // A page without a key text plays in its piece's first key.
    if (book_->SheetCount() > 1 && fifths_ != score_.fifths)
        page_->SetKeyCode(KeyCodeOfFifths(fifths_));
}

// A key signature that differs from the key of the page waits for the
// start of a row: a page plays in the one key of its header.
void Builder::NoteKeyChange(const ImportedMeasure& measure) {
    if (!measure.keyChange) return;
    if (measure.fifths == fifths_) {
        pendingKey_.reset();
    } else {
        pendingKey_ = measure.fifths;
    }
    pendingCounted_ = false;
}

// At the start of a row a waiting key change starts a page in the new key
// (the page begun here, if the rows ran out just now); true when it did.
bool Builder::StartKeyPage() {
    if (!pendingKey_ || nextSlot_ != 0) return false;
    fifths_ = *pendingKey_;
    tonic_ = TonicOfFifths(fifths_);
    pendingKey_.reset();
    if (page_->ItemCount() > 0) StartPage();
    page_->SetKeyCode(KeyCodeOfFifths(fifths_));
    Rewritten(SORVEL_TEXT_NOOP("sorvel::interchange", "調号の変更（新しいページにしました）"));
    return true;
}

void Builder::NewRow() {
    ++row_;
    nextSlot_ = 0;
    if (row_ >= std::max(1, page_->RowDivNum())) StartPage();
}

template <class T>
T* Builder::CreateSymbol(char code, int slot) {
    T* item = CreateItem<T>(*page_);
    item->SetContent(std::string(1, code));
    item->SetPosX(X(slot));
    item->SetPosY(Y());
    symbols_.push_back(item);
    tripletMarks_.push_back(false);
    tiedIn_.push_back(false);
    return item;
}

void Builder::WriteBarLine(char code, int slot) {
    if (code != 'c' && code != 'd' && code != 'e' && code != 'g') code = kPlainBar;
    lastBar_ = CreateSymbol<TBarLine>(code, slot);
    nextSlot_ = slot + 1;
}

TNote* Builder::WritePiece(const JianpuPiece& piece, int slot) {
    char code = kRestCode;
    if (piece.kind == JianpuPiece::Kind::Note) code = piece.pitch.degree;
    if (piece.kind == JianpuPiece::Kind::Dash) code = kSustainDash;
    TNote* note = CreateSymbol<TNote>(code, slot);
    note->SetLength(piece.length);
    if (piece.futen) note->SetFuten(1);
    if (piece.kind == JianpuPiece::Kind::Note) {
        note->SetOctave(piece.pitch.octave);
        if (piece.pitch.accidental != 0) note->SetRinji(piece.pitch.Rinji());
        ++out_.notes;
    }
    tripletMarks_.back() = piece.tripletMark;
    tiedIn_.back() = piece.tiedToPrevious;
    return note;
}

BarPlan Builder::PlanBar(const std::vector<JianpuPiece>& pieces, int barTicks, int fullBar) const {
    std::vector<int> onsets;
    onsets.reserve(pieces.size());
    for (const JianpuPiece& piece : pieces) onsets.push_back(piece.onset);
    return sorvel::PlanBar(onsets, barTicks, fullBar, page_->DivParBar() - 1, kMaxItemsPerRow);
}

// A rest of several bars, after the time signature its first measure sets:
// playback gives the rest its bars by the meter in force.
void Builder::WriteMultiRest(const ImportedMeasure& measure, int& fullBar) {
    const std::vector<char> leads = MeterLeads(measure, fullBar);
    const int share = std::max(1, page_->DivParBar() - 1);
    const int gridSlots = page_->GridDivNum();
    const int leadCount = static_cast<int>(leads.size());
    if (nextSlot_ > 0 && nextSlot_ + leadCount + share > gridSlots) NewRow();
    int start = nextSlot_;
    for (char code : leads) CreateSymbol<TBeat>(code, start++);
    if (nextSlot_ == 0) start = std::max(start, 1);
    THorizBar* bar = CreateSymbol<THorizBar>('M', start);
    bar->SetBarNum(std::to_string(measure.multiRest));
    bar->SetWidth((share - 1) * page_->GridSize());
    WriteBarLine(measure.rightBar, start + share - 1);
}

// The time signature a measure starts (the bar length it sets goes to
// `fullBar`); a meter the book has no sign for is counted as left out.
std::vector<char> Builder::MeterLeads(const ImportedMeasure& measure, int& fullBar) {
    std::vector<char> leads;
    if (measure.beats <= 0 || measure.beatType <= 0) return leads;
    const char code = CodeOfMeter(measure.beats, measure.beatType);
    fullBar = std::max(1, measure.beats * 4 * kTicksPerQuarter / measure.beatType);
    if (code)
        leads.push_back(code);
    else
        LeftOut(NamedLeftOutLabel(kUnknownMeterLabel, std::to_string(measure.beats) + "/" +
                                                          std::to_string(measure.beatType)));
    return leads;
}

// The measure's part of a volta bracket: a new bracket where one starts, or
// the bracket in progress carried on to this measure's bar line.
void Builder::MarkEnding(const ImportedMeasure& measure, const std::vector<NoteRef>& refs) {
    TNote* first = nullptr;
    for (const NoteRef& r : refs) {
        if (r.first) {
            first = r.first;
            break;
        }
    }
    if (measure.endingStart || endings_.empty() || endings_.back().closed ||
        endings_.back().number != measure.ending)
        endings_.push_back({measure.ending, first, nullptr, false, measure.endingHidden});
    EndingMark& ending = endings_.back();
    if (!ending.first) ending.first = first;
    ending.end = lastBar_;
    ending.closed = measure.endingStop;
}

// A waiting key change starts its page when measure `m` begins a row, and
// the measure is written in the new key (the places of its numerals do not
// depend on the key); otherwise the measure keeps the old key.
void Builder::TakeKey(size_t m, MeasurePieces& written) {
    if (StartKeyPage()) written.pieces = PiecesOfMeasure(score_.measures[m], tonic_).pieces;
    if (pendingKey_ && !pendingCounted_) {
        LeftOut(SORVEL_TEXT_NOOP("sorvel::interchange", "調号の変更（臨時記号で書きました）"));
        pendingCounted_ = true;
    }
    tonics_[m] = tonic_;
}

void Builder::WriteMeasure(size_t m, int& fullBar) {
    const ImportedMeasure& measure = score_.measures[m];
    const std::vector<char> leads = MeterLeads(measure, fullBar);

    MeasurePieces written = PiecesOfMeasure(measure, tonic_);
    CountTuplets(written);
    groups_[m] = written.groupOf;
    const std::vector<JianpuPiece>& pieces = written.pieces;
    int barTicks = measure.length;
    for (const JianpuPiece& p : pieces) barTicks = std::max(barTicks, p.onset + p.ticks);
    const BarPlan plan = PlanBar(pieces, barTicks, fullBar);

    const int gridSlots = page_->GridDivNum();
    // Grace notes before the bar's first note are drawn to its left: they
    // get room of their own instead of covering the bar line.
    int graceRoom = 0;
    if (!pieces.empty()) {
        const size_t first = static_cast<size_t>(pieces.front().source);
        if (first < measure.notes.size())
            graceRoom = static_cast<int>(
                            std::min<size_t>(measure.notes[first].gracesBefore.size(), 4) + 1) /
                        2;
    }
    const int leadCount = static_cast<int>(leads.size()) + graceRoom;
    // Mid-row: leads and notes follow the last bar line. At a row's start a
    // start-repeat needs a bar line of its own in slot 0.
    if (nextSlot_ > 0 && nextSlot_ + leadCount + plan.slots > gridSlots) NewRow();
    bool ownStartRepeat = false;
    MarkStartRepeat(measure, m, ownStartRepeat);
    TakeKey(m, written);
    int slot = nextSlot_;
    if (ownStartRepeat) CreateSymbol<TBarLine>(kStartRepeat, slot++);
    for (char code : leads) CreateSymbol<TBeat>(code, slot++);
    if (nextSlot_ == 0) slot = std::max(slot, 1);
    slot += graceRoom;
    // A bar longer than the rest of its row is written one slot a piece and
    // goes on in the next rows, as typed bars do.
    const BarRows rows = PlaceInRows(plan, slot, gridSlots);

    std::vector<NoteRef>& refs = refs_[m];
    refs.assign(measure.notes.size() + 1, NoteRef{});
    TNote* previous = nullptr;
    std::vector<TNote*> notesWritten;
    notesWritten.reserve(pieces.size());
    int row = 0;  // rows of this bar begun so far, after its first
    for (size_t i = 0; i < pieces.size(); ++i) {
        for (; row < rows.pieces[i].row; ++row) NewRow();
        TNote* note = WritePiece(pieces[i], rows.pieces[i].slot);
        notesWritten.push_back(note);
        const size_t source = static_cast<size_t>(pieces[i].source);
        if (source < refs.size()) {
            NoteRef& ref = refs[source];
            if (!ref.first) {
                ref.first = note;
                ref.firstSymbol = symbols_.size() - 1;
            }
            ref.last = note;
            ref.lastSymbol = symbols_.size() - 1;
        }
        if (pieces[i].tiedToPrevious && previous) Span<TSlur>('Y', *previous, *note);
        previous = note;
    }
    for (; row < rows.barLine.row; ++row) NewRow();
    WriteBarLine(measure.rightBar, rows.barLine.slot);
    if (measure.ending >= 1 && measure.ending <= 4) MarkEnding(measure, refs);
    KeepOwnTimes(m, pieces, notesWritten);
    KeepSignsAtEnd(m, pieces, notesWritten);
    ++out_.measures;
}

// A start repeat where the measure has one. An implied one (not printed in
// the file) needs no bar line of its own at the beginning or after an end
// repeat, where the book's repeats start anyway.
void Builder::MarkStartRepeat(const ImportedMeasure& measure, size_t m, bool& ownStartRepeat) {
    if (!measure.repeatForward) return;
    const std::string end(1, kEndRepeat), both(1, kBothRepeats);
    if (measure.repeatForwardImplied &&
        (m == 0 || (lastBar_ && (lastBar_->Content() == end || lastBar_->Content() == both))))
        return;
    if (nextSlot_ > 0 && lastBar_) {
        lastBar_->SetContent(
            std::string(1, lastBar_->Content() == end ? kBothRepeats : kStartRepeat));
    } else if (m > 0) {
        ownStartRepeat = true;
    }
}

// Fine, D.S., D.C. and To Coda act where the play reaches them: on the
// numeral or dash that sounds last before their note ends (a held note's
// last dash), not at the note's first numeral.
void Builder::KeepOwnTimes(size_t m, const std::vector<JianpuPiece>& pieces,
                           const std::vector<TNote*>& written) {
    const ImportedMeasure& measure = score_.measures[m];
    const size_t count = std::min(pieces.size(), written.size());
    std::vector<NoteRef>& own = ownTimes_[m];
    own.assign(measure.notes.size(), NoteRef{});
    size_t begin = 0;  // the first piece that starts at or after the note's onset
    for (size_t k = 0; k < measure.notes.size(); ++k) {
        const ImportedNote& n = measure.notes[k];
        const int group = groups_[m][k];
        while (begin < count && pieces[begin].onset < n.onset) ++begin;
        for (size_t i = begin; i < count && pieces[i].onset < n.onset + n.duration; ++i) {
            if (pieces[i].source != group) continue;
            if (!own[k].first) own[k].first = written[i];
            own[k].last = written[i];
        }
    }
}

void Builder::KeepSignsAtEnd(size_t m, const std::vector<JianpuPiece>& pieces,
                             const std::vector<TNote*>& written) {
    // Notes and pieces both run in time order: one pass over each.
    const ImportedMeasure& measure = score_.measures[m];
    const size_t count = std::min(pieces.size(), written.size());
    size_t next = 0;  // the first piece that starts at or after the note's end
    for (size_t k = 0; k < measure.notes.size(); ++k) {
        const ImportedNote& n = measure.notes[k];
        const int end = n.onset + n.duration;
        while (next < count && pieces[next].onset < end) ++next;
        const int group = groups_[m][k];
        if (n.signsAtEnd.empty() || group < 0 || next == 0) continue;
        if (pieces[next - 1].source == group)
            signsAtEnd_.emplace_back(written[next - 1], &n.signsAtEnd);
    }
}

void Builder::Attach(TMusicItem& mark, TNote& note) {
    const std::string& content = mark.Content();
    const char code = content.empty() ? ' ' : content[0];
    const bool slide = code == kSlideUp || code == kSlideDown;
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
                SpanTo<TCresc>(n.wedgeStart == 'J' ? 'J' : 'I', *own.first, own.last->PosX());
            } else if (n.wedgeStart) {
                wedgeFrom = own.first;
                wedgeCode = n.wedgeStart == 'J' ? 'J' : 'I';
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

void Builder::Run(const std::string& fallbackTitle) {
    TUndo* const savedUndo = env_.undo;
    env_.undo = nullptr;  // a new book: nothing to undo

    out_.book = std::make_unique<TMusicBook>(env_);
    book_ = out_.book.get();
    book_->ApplyDefaultLayout();
    fifths_ = score_.fifths;
    StartPage();
    TMusicSheet& first = *page_;
    glyphs_.RefreshRates(first.Rates());
    const int px = RoundHalfEven(first.NoteFontSize() * 96.0 / 72.0);
    eightWidth_ = RoundHalfEven(px * 512.0 / 1024.0);
    eightHeight_ = RoundHalfEven(px * 900.0 / 1024.0);
    tonic_ = TonicOfFifths(score_.fifths);

    const std::string title = score_.title.empty() ? fallbackTitle : score_.title;
    first.SetTitle(BookText(title.empty() ? "MusicXML" : title));
    first.SetWriter(BookText(score_.composer));
    first.SetKeyCode(KeyCodeOfFifths(score_.fifths));
    if (score_.tempo > 0) first.SetPlayCount(std::clamp(score_.tempo, 1, kMaxPageTempo));
    first.SetPlaySpeed(BookText(score_.tempoWords));
    out_.leftOut = score_.leftOut;

    refs_.resize(score_.measures.size());
    groups_.resize(score_.measures.size());
    ownTimes_.resize(score_.measures.size());
    tonics_.assign(score_.measures.size(), tonic_);
    int fullBar = 4 * kTicksPerQuarter;
    for (size_t m = 0; m < score_.measures.size(); ++m) {
        const ImportedMeasure& measure = score_.measures[m];
        NoteKeyChange(measure);
        if (measure.multiRest > 1) {
            WriteMultiRest(measure, fullBar);
            const size_t skip = static_cast<size_t>(measure.multiRest) - 1;
            out_.measures += measure.multiRest;
            for (size_t k = 1; k <= skip && m + 1 < score_.measures.size(); ++k)
                NoteKeyChange(score_.measures[++m]);
            continue;
        }
        WriteMeasure(m, fullBar);
    }
    FindRepeats();
    WriteMarks();
    WriteTriplets();
    WriteEndings();
    for (int i = 0; i < book_->SheetCount(); ++i) ComputeTiming(*book_->GetSheet(i));
    env_.undo = savedUndo;
}

}  // namespace

BuiltBook BuildBook(const ImportedScore& score, TModelEnv& env, const std::string& fallbackTitle) {
    BuiltBook out;
    Builder(score, env, out).Run(fallbackTitle);
    return out;
}

}  // namespace sorvel::interchange
