// The walk over the book's pages that plans the exported score: notes with
// their dashes become written events, bar lines end measures, and every mark
// linked to a note is carried to the written note or the directions before it.
#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "base/cp932.h"
#include "base/text.h"
#include "interchange/musicxmlwriter_pitch.h"
#include "interchange/musicxmlwriter_plan.h"
#include "model/daon.h"
#include "model/glyphcodes.h"
#include "model/horizbar.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/tempo.h"
#include "model/textbox.h"
#include "model/timing.h"

namespace sorvel::interchange {
namespace {

constexpr int kMaxMultiRest = 1000;  // bars of one multi-bar rest written out at most

char CodeOf(const TMusicItem& item) { return item.Content().empty() ? '\0' : item.Content()[0]; }

// Text for the document: UTF-8 without the control characters XML forbids.
std::string DocText(std::string_view cp932Bytes) {
    std::string text = cp932::ToUtf8(Trim(cp932Bytes));
    std::erase_if(text, [](char c) {
        return static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t';
    });
    return text;
}

struct Value {
    int ticks;
    const char* type;
    int dots;
};

// The notated values from the longest down; a length is written as the
// fewest tied values, longest first.
constexpr Value kValues[] = {
    {192, "whole", 0}, {144, "half", 1}, {96, "half", 0},  {72, "quarter", 1},
    {48, "quarter", 0}, {36, "eighth", 1}, {24, "eighth", 0}, {18, "16th", 1},
    {12, "16th", 0},   {9, "32nd", 1},    {6, "32nd", 0},    {3, "64th", 0},
};

std::vector<Value> SplitTicks(int ticks) {
    std::vector<Value> pieces;
    for (const Value& v : kValues) {
        while (ticks >= v.ticks) {
            pieces.push_back(v);
            ticks -= v.ticks;
        }
    }
    // Shorter than any written value: only lengths the editor cannot enter.
    if (ticks > 0) pieces.push_back({ticks, "128th", 0});
    return pieces;
}

const char* TypeOfUnderlines(int length) {
    static constexpr const char* kTypes[] = {"quarter", "eighth", "16th", "32nd", "64th", "128th"};
    return kTypes[std::clamp(length, 0, 5)];
}

const char* AccidentalName(int alter) {
    switch (alter) {
        case -2: return "flat-flat";
        case -1: return "flat";
        case 1: return "sharp";
        case 2: return "double-sharp";
        default: return "natural";
    }
}

struct TimeSig {
    int beats = 0, beatType = 0;
    int BarTicks() const { return beats > 0 ? beats * kDivisions * 4 / beatType : 0; }
    bool operator==(const TimeSig&) const = default;
};

std::optional<TimeSig> TimeOfBeat(char code) {
    const Meter* meter = MeterOfCode(code);
    if (!meter) return std::nullopt;
    return TimeSig{meter->beats, meter->beatType};
}

bool LinkedToTriplet(const TNote& note) {
    return std::any_of(note.Links().begin(), note.Links().end(),
                       [](const TMusicItem* l) { return l->Class() == ItemClass::Ren3; });
}

// Marks that belong to a note but were left without a link (drawn over it,
// yet linked to nothing) go with the note they sit on: a note of the row
// band the mark is in, under a one-glyph sign (within a grid step) or under
// the left end of a mark with a width. Triplet marks stay out: the timing
// pass counts linked ones only.
using LooseMarks = std::unordered_map<const TNote*, std::vector<const TMusicItem*>>;

const TNote* NoteUnder(const TMusicSheet& page, const std::vector<const TNote*>& notes, const TMusicItem& mark) {
    const int band = page.RowInterval() > 0 ? page.RowInterval() / 2 : 73;
    const int grid = std::max(page.GridSize(), 1);
    const TNote* best = nullptr;
    int bestDx = 0, bestDy = 0;
    for (const TNote* note : notes) {
        const int dy = std::abs(note->PosY() - mark.PosY());
        int dx = std::abs(note->PosX() - mark.PosX());
        if (mark.AnchoredAtLeft()) {
            if (note->PosX() < mark.PosX() - grid || note->PosX() > mark.PosX() + std::max(mark.Width(), grid)) continue;
            dx = note->PosX() - (mark.PosX() - grid);
        } else if (dx > grid) {
            continue;
        }
        if (dy > band) continue;
        if (!best || dy < bestDy || (dy == bestDy && dx < bestDx)) best = note, bestDx = dx, bestDy = dy;
    }
    return best;
}

LooseMarks FindLooseMarks(const TMusicSheet& page) {
    LooseMarks loose;
    std::vector<const TNote*> notes;
    for (int i = 0; i < page.ItemCount(); ++i) {
        if (const TNote* note = page.GetItem(i)->As<TNote>()) notes.push_back(note);
    }
    for (int i = 0; i < page.ItemCount(); ++i) {
        const TMusicItem& item = *page.GetItem(i);
        if (item.LinkCount() > 0 || item.IsSymbol()) continue;
        switch (item.Class()) {
            case ItemClass::MusicSign:
            case ItemClass::Cresc:
            case ItemClass::Slur:
            case ItemClass::RenTon:
            case ItemClass::Kakko:
            case ItemClass::DaonLeft:
            case ItemClass::DaonRight:
                if (const TNote* note = NoteUnder(page, notes, item)) loose[note].push_back(&item);
                break;
            default: break;
        }
    }
    return loose;
}

bool IsSlideCode(char c) { return c == kSlideUp || c == kSlideDown || c == kGlissUp || c == kGlissDown; }

// A note of the book being collected into one written event.
struct Event {
    const TNote* note = nullptr;
    std::vector<const TNote*> sources;
    bool rest = false;
    Degree jp;
    XmlPitch pitch;
    int midi = 0;
    bool showAccidental = false;
    int ticks = 0;
    bool triplet = false;
    int underlines = 0;
    bool tupletStart = false, tupletStop = false;
    bool tieFromPrevious = false;
    char slideIn = 0;
    const char* entry = nullptr;
    std::vector<const MarkCode*> marks;
    std::vector<OutDirection> before, soundAfter;
    std::vector<OutNote> gracesBefore, gracesAfter;
};

// Whether a note is a member of a triplet, and which end.
struct TripletRole {
    bool member = false, start = false, stop = false;
};

class Planner {
public:
    explicit Planner(TMusicBook& book) : book_(book) {}
    PlanState Run();

private:
    void StartPiece(const TMusicSheet& page, bool first);
    void SetKey(const TMusicSheet& page);
    void WalkPage(TMusicSheet& page);
    void OnNote(const TNote& note, TripletRole role);
    void OnBar(const TMusicItem& bar);
    void OnBeat(const TMusicItem& beat);
    void OnMultiRest(const THorizBar& bar);
    void OnLooseMark(const TMusicItem& mark);
    void EndTriplet();
    void CollectMarks(const TNote& note, Event& e);
    void AddSign(char code, Event& e);
    std::optional<OutDirection> TempoDirection(const TTempo& tempo);
    std::vector<OutNote> Graces(const TDaon& daon);
    void Flush();
    void WritePieces(Event& e, WrittenEvent& w, const OutConnector* slideStop);
    NoteRef Emit(OutNote n, const TMusicItem* at, bool forceAccidental = false);
    void OpenMeasure(const TMusicItem* at);
    void CloseMeasure(char rightBar);

    TMusicBook& book_;
    PlanState plan_;
    std::vector<OutMeasure>& measures_ = plan_.score.measures;

    ExportKey key_;
    std::optional<std::string> keyText_;
    TimeSig time_;
    OutAttributes pendingAttr_;
    std::vector<OutDirection> pendingDirs_;
    bool pendingForward_ = false;
    bool anyEmitted_ = false;

    std::optional<Event> pending_;
    int nextEvent_ = 0;
    std::optional<Degree> lastSounding_;  // none after a rest or at a piece's start
    NoteRef lastEventLast_;
    bool lastEventRest_ = true;
    int lastEventMidi_ = 0;
    NoteRef lastTriplet_;

    bool open_ = false;
    std::vector<int> barTicks_;  // per measure: the bar length in force when it opened
    size_t pieceFirstMeasure_ = 0;
    bool pieceStart_ = false;
    int baseTempo_ = 0;
    bool pieceFirstNote_ = false;
    const TMusicSheet* lastPage_ = nullptr;
    int lastRowY_ = 0;
    std::map<std::pair<char, int>, int> alters_;  // accidentals in force in the measure
    std::unordered_set<const TMusicItem*> spansSeen_;
    LooseMarks loose_;
    int tempoInForce_ = 0;
};

PlanState Planner::Run() {
    for (int p = 0; p < book_.SheetCount(); ++p) {
        TMusicSheet& page = *book_.GetSheet(p);
        ComputeTiming(page);
        Flush();
        if (p == 0 || !Trim(page.Title()).empty()) StartPiece(page, p == 0);
        SetKey(page);
        WalkPage(page);
    }
    Flush();
    if (measures_.empty()) {
        OutNote rest;
        rest.rest = rest.measureRest = true;
        rest.duration = time_.BarTicks() > 0 ? time_.BarTicks() : 4 * kDivisions;
        Emit(rest, nullptr);
    }
    if (open_) CloseMeasure('c');
    if (!pendingDirs_.empty()) {
        std::vector<OutNote>& last = measures_.back().notes;
        last.back().after.insert(last.back().after.end(), pendingDirs_.begin(), pendingDirs_.end());
    }
    // Measure numbers: a pickup that opens the book is measure 0.
    int number = 1;
    for (size_t i = 0; i < measures_.size(); ++i) {
        measures_[i].number = i == 0 && measures_[i].implicit ? "0" : std::to_string(number++);
    }
    PlaceSpans(plan_);
    return std::move(plan_);
}

void Planner::StartPiece(const TMusicSheet& page, bool first) {
    if (first) {
        plan_.score.title = DocText(page.Title());
        if (plan_.score.title.empty()) plan_.score.title = DocText(book_.Title());
        plan_.score.composer = DocText(page.Writer());
    } else {
        // The piece before ends with a double bar unless it has a stronger one.
        if (open_) CloseMeasure('d');
        else if (measures_.size() > pieceFirstMeasure_ && measures_.back().rightBar == 'c')
            measures_.back().rightBar = 'd';
        OutDirection title;
        title.text = DocText(page.Title());
        title.bold = true;
        pendingDirs_.push_back(title);
    }
    pieceStart_ = true;
    pieceFirstMeasure_ = measures_.size();
    pieceFirstNote_ = true;
    lastSounding_.reset();
    lastEventLast_ = {};
    lastEventRest_ = true;
    pendingForward_ = false;
    baseTempo_ = std::max(page.PlayCount(), 0);
    tempoInForce_ = baseTempo_;
    OutDirection tempo;
    tempo.kind = OutDirection::Kind::Tempo;
    tempo.text = DocText(page.PlaySpeed());
    if (baseTempo_ > 0) {
        tempo.perMinute = baseTempo_;
        tempo.soundAttribute = "tempo";
        tempo.soundValue = std::to_string(baseTempo_);
    }
    if (tempo.perMinute > 0 || !tempo.text.empty()) pendingDirs_.push_back(tempo);
}

void Planner::SetKey(const TMusicSheet& page) {
    // A page without a key text plays in the key of its piece's first page.
    std::string text = page.KeyCode();
    if (Trim(text).empty()) {
        int start = book_.IndexOfSheet(&page);
        while (start > 0 && Trim(book_.GetSheet(start)->Title()).empty()) --start;
        text = book_.GetSheet(std::max(start, 0))->KeyCode();
    }
    const ExportKey key = KeyOfKeyCode(text);
    if (keyText_ && key.fifths == key_.fifths) return;
    keyText_ = text;
    key_ = key;
    pendingAttr_.fifths = key.fifths;
    alters_.clear();
}

void Planner::WalkPage(TMusicSheet& page) {
    // The same triplet grouping as the timing pass: a note linked to a
    // triplet mark and the two notes right after it.
    int countdown = 0;
    loose_ = FindLooseMarks(page);
    for (int i = 0; i < page.ItemCount(); ++i) {
        const TMusicItem& item = *page.GetItem(i);
        const TNote* note = item.As<TNote>();
        if (!note) {
            if (countdown > 0) EndTriplet();
            countdown = 0;
        }
        switch (item.Class()) {
            case ItemClass::Note: {
                TripletRole role;
                if (countdown > 0) {
                    role.member = true;
                    role.stop = --countdown == 0;
                } else if (LinkedToTriplet(*note)) {
                    role.member = role.start = true;
                    countdown = 2;
                }
                OnNote(*note, role);
                break;
            }
            case ItemClass::BarLine: OnBar(item); break;
            case ItemClass::Beat: OnBeat(item); break;
            case ItemClass::HorizBar: OnMultiRest(*item.As<THorizBar>()); break;
            case ItemClass::TextBox:
            case ItemClass::Tempo:
                if (item.LinkCount() == 0) OnLooseMark(item);
                break;
            default: break;
        }
    }
    if (countdown > 0) EndTriplet();
}

void Planner::EndTriplet() {
    if (pending_ && pending_->triplet) pending_->tupletStop = true;
    else if (lastTriplet_.Valid()) plan_.At(lastTriplet_).tupletStop = true;
}

void Planner::OnNote(const TNote& note, TripletRole role) {
    const char code = CodeOf(note);
    if (note.StepTime <= 0 || code < kRestCode || code > kSustainDash) return;
    const bool dash = code == kSustainDash;
    // A dash with nothing of its own lengthens the note it follows.
    if (dash && pending_ && !pending_->triplet && !role.member && note.LinkCount() == 0 && !loose_.contains(&note)) {
        pending_->ticks += note.StepTime;
        pending_->sources.push_back(&note);
        return;
    }
    Flush();
    Event e;
    e.note = &note;
    e.sources.push_back(&note);
    e.ticks = note.StepTime;
    e.triplet = role.member;
    e.underlines = note.Length();
    e.tupletStart = role.start;
    e.tupletStop = role.stop;
    if (code == '0') {
        e.rest = true;
        lastSounding_.reset();
    } else if (dash) {
        // A dash sounds the last note before it, held over.
        e.rest = !lastSounding_;
        if (lastSounding_) e.jp = *lastSounding_;
    } else {
        e.jp = {code - '0', AccidentalOfRinji(note.Rinji()), note.Octave()};
        e.showAccidental = IsAccidentalCode(note.Rinji());
        lastSounding_ = e.jp;
    }
    if (!e.rest) {
        e.pitch = SpellDegree(key_, e.jp);
        e.midi = SoundingMidi(key_, e.jp);
        e.tieFromPrevious = dash && lastEventLast_.Valid() && !lastEventRest_ && lastEventMidi_ == e.midi;
    }
    CollectMarks(note, e);
    pieceFirstNote_ = false;
    pending_ = std::move(e);
}

void Planner::CollectMarks(const TNote& note, Event& e) {
    std::vector<const TMusicItem*> marks(note.Links().begin(), note.Links().end());
    if (const auto it = loose_.find(&note); it != loose_.end()) marks.insert(marks.end(), it->second.begin(), it->second.end());
    for (const TMusicItem* link : marks) {
        switch (link->Class()) {
            case ItemClass::MusicSign: AddSign(CodeOf(*link), e); break;
            case ItemClass::Cresc:
            case ItemClass::Slur:
            case ItemClass::RenTon:
            case ItemClass::Kakko:
                if (spansSeen_.insert(link).second) plan_.spans.push_back({link, &note});
                break;
            case ItemClass::DaonLeft:
            case ItemClass::DaonRight: {
                std::vector<OutNote> graces = Graces(*static_cast<const TDaon*>(link));
                auto& into = link->Class() == ItemClass::DaonLeft ? e.gracesBefore : e.gracesAfter;
                into.insert(into.end(), graces.begin(), graces.end());
                break;
            }
            case ItemClass::Tempo:
                if (auto d = TempoDirection(*link->As<TTempo>())) e.before.push_back(*d);
                break;
            case ItemClass::TextBox: OnLooseMark(*link); break;
            default: break;
        }
    }
    // Directions of loose marks met before the note stand before it too.
    e.before.insert(e.before.begin(), pendingDirs_.begin(), pendingDirs_.end());
    pendingDirs_.clear();
}

void Planner::AddSign(char code, Event& e) {
    if (IsSlideCode(code)) {
        e.slideIn = code;
        return;
    }
    const MarkCode* mark = MarkOfCode(code);
    if (!mark) return;
    OutDirection d;
    switch (mark->place) {
        case MarkPlace::Dynamics:
            d.kind = OutDirection::Kind::Dynamics;
            d.text = mark->element;
            d.below = true;
            break;
        case MarkPlace::Segno:
            d.kind = OutDirection::Kind::Segno;
            d.soundAttribute = "segno";
            d.soundValue = "segno";
            break;
        case MarkPlace::Coda: d.kind = OutDirection::Kind::Coda; break;
        case MarkPlace::Words: {
            d.text = mark->text;
            // Fine, D.S. and D.C. act after their note has sounded: their
            // playback goes in a sound of its own after the note.
            OutDirection jump;
            if (code == 'i') jump.soundAttribute = "fine", jump.soundValue = "yes";
            if (code == 'k') jump.soundAttribute = "dalsegno", jump.soundValue = "segno";
            if (code == 'm') jump.soundAttribute = "dacapo", jump.soundValue = "yes";
            if (jump.soundAttribute) e.soundAfter.push_back(jump);
            break;
        }
        default: e.marks.push_back(mark); return;
    }
    e.before.push_back(d);
}

std::optional<OutDirection> Planner::TempoDirection(const TTempo& tempo) {
    if (tempo.Tempo() <= 0) return std::nullopt;
    OutDirection d;
    d.kind = OutDirection::Kind::Tempo;
    d.printed = tempo.PrintMode() != 0;
    if (tempo.TempoUnit() == 0) {
        d.perMinute = tempo.Tempo();
        // Playback starts a piece without a page tempo at its first note's mark.
        if (baseTempo_ == 0 && pieceFirstNote_) baseTempo_ = d.perMinute;
    } else if (baseTempo_ > 0) {
        d.perMinute = baseTempo_ * tempo.Tempo() / 100;
    }
    if (d.perMinute > 0) {
        // A mark that restates the tempo in force (the page tempo shown in
        // the header) says nothing new.
        if (d.perMinute == tempoInForce_) return std::nullopt;
        tempoInForce_ = d.perMinute;
        d.soundAttribute = "tempo";
        d.soundValue = std::to_string(d.perMinute);
    } else {
        d.text = std::to_string(tempo.Tempo()) + "%";  // no tempo to take it of
    }
    return d;
}

std::vector<OutNote> Planner::Graces(const TDaon& daon) {
    std::vector<OutNote> graces;
    // The slots up to the first empty one are the group's notes.
    for (int i = 0; i < daon.UsedSlotCount(); ++i) {
        const TDaonSlot& slot = daon.Slots()[static_cast<size_t>(i)];
        if (slot.note[0] < '1' || slot.note[0] > '7') continue;
        OutNote g;
        g.grace = true;
        g.pitch = SpellDegree(key_, Degree{slot.note[0] - '0', 0, slot.octave});
        g.type = TypeOfUnderlines(std::max(daon.Length(), 1));
        if (!slot.finger.empty()) {
            const MarkCode* finger = MarkOfCode(slot.finger[0]);
            if (finger && finger->place == MarkPlace::Technical) g.marks.push_back(finger);
        }
        graces.push_back(g);
    }
    return graces;
}

void Planner::OnLooseMark(const TMusicItem& mark) {
    Flush();
    if (const TTempo* tempo = mark.As<TTempo>()) {
        if (auto d = TempoDirection(*tempo)) pendingDirs_.push_back(*d);
        return;
    }
    std::string text;
    for (const std::string& line : mark.As<TTextBox>()->Lines()) {
        const std::string l = DocText(line);
        if (l.empty()) continue;
        if (!text.empty()) text += '\n';
        text += l;
    }
    if (text.empty()) return;
    OutDirection d;
    d.text = std::move(text);
    pendingDirs_.push_back(d);
}

void Planner::OnBar(const TMusicItem& bar) {
    Flush();
    const char code = CodeOf(bar);
    const char right = code == 'd' || code == 'e' ? code : (code == 'g' || code == 'h' ? 'g' : 'c');
    CloseMeasure(right);
    if (code == 'f' || code == 'h') pendingForward_ = true;
}

void Planner::OnBeat(const TMusicItem& beat) {
    Flush();
    const char code = CodeOf(beat);
    if (code == ')') {
        // The fermata glyph among the time signatures holds the note before it.
        const MarkCode* fermata = MarkOfCode(')');
        if (fermata && lastEventLast_.Valid()) plan_.At(lastEventLast_).marks.push_back(fermata);
        return;
    }
    const std::optional<TimeSig> t = TimeOfBeat(code);
    if (!t || (*t == time_ && !pieceStart_)) return;
    time_ = *t;
    pendingAttr_.beats = t->beats;
    pendingAttr_.beatType = t->beatType;
}

void Planner::OnMultiRest(const THorizBar& bar) {
    Flush();
    if (open_) CloseMeasure('c');
    const int count = std::clamp(StrToIntDef(Trim(bar.BarNum()), 1), 1, kMaxMultiRest);
    const int ticks = time_.BarTicks() > 0 ? time_.BarTicks() : 4 * kDivisions;
    for (int i = 0; i < count; ++i) {
        OutNote rest;
        rest.rest = rest.measureRest = true;
        rest.duration = ticks;
        if (i == 0 && count > 1) pendingAttr_.multipleRest = count;
        lastEventLast_ = Emit(rest, &bar);
        CloseMeasure('c');
    }
    lastEventRest_ = true;
}

void Planner::Flush() {
    if (!pending_) return;
    Event e = std::move(*pending_);
    pending_.reset();
    WrittenEvent w;
    w.id = nextEvent_++;
    w.rest = e.rest;
    w.midi = e.midi;
    // A slide leads from the note before into this one; with no note before
    // it, it becomes a scoop (upwards) or a plop (downwards) of its own.
    OutConnector slideStop;
    const OutConnector* stop = nullptr;
    if (e.slideIn && !e.rest) {
        const bool gliss = e.slideIn == kGlissUp || e.slideIn == kGlissDown;
        slideStop.kind = gliss ? OutConnector::Kind::Glissando : OutConnector::Kind::Slide;
        if (lastEventLast_.Valid() && !lastEventRest_) {
            OutConnector start = slideStop;
            plan_.At(lastEventLast_).connectors.push_back(start);
            slideStop.start = false;
            stop = &slideStop;
        } else {
            const bool up = e.slideIn == kSlideUp || e.slideIn == kGlissUp;
            e.entry = up ? "scoop" : "plop";
        }
    }
    if (e.tieFromPrevious) plan_.At(lastEventLast_).tieStart = true;
    for (OutNote& g : e.gracesBefore) {
        const NoteRef r = Emit(std::move(g), e.note);
        if (!w.first.Valid()) w.first = r;
    }
    WritePieces(e, w, stop);
    const int after = static_cast<int>(e.gracesAfter.size());
    for (OutNote& g : e.gracesAfter) {
        g.stealPrevious = 50 / after;  // together they take half of the note
        Emit(std::move(g), e.note);
    }
    lastEventLast_ = w.mainLast;
    lastEventRest_ = e.rest;
    lastEventMidi_ = e.midi;
    if (e.triplet) lastTriplet_ = w.mainLast;
    for (const TNote* source : e.sources) {
        plan_.written[source] = w;
        plan_.orderIndex[source] = static_cast<int>(plan_.order.size());
        plan_.order.push_back(source);
    }
}

// The event as written notes: one for a triplet member, else the tied values
// its length splits into. The first carries the marks, the last the jumps.
void Planner::WritePieces(Event& e, WrittenEvent& w, const OutConnector* slideStop) {
    const std::vector<Value> pieces =
        e.triplet ? std::vector<Value>{{e.ticks, TypeOfUnderlines(e.underlines), 0}} : SplitTicks(e.ticks);
    for (size_t k = 0; k < pieces.size(); ++k) {
        const bool firstPiece = k == 0, lastPiece = k + 1 == pieces.size();
        OutNote n;
        n.rest = e.rest;
        n.pitch = e.pitch;
        n.duration = pieces[k].ticks;
        n.type = pieces[k].type;
        n.dots = pieces[k].dots;
        n.triplet = e.triplet;
        n.tupletStart = e.tupletStart && firstPiece;
        n.tupletStop = e.tupletStop && lastPiece;
        n.tieStop = !e.rest && (!firstPiece || e.tieFromPrevious);
        n.tieStart = !e.rest && !lastPiece;
        if (firstPiece) {
            n.marks = e.marks;
            n.before = std::move(e.before);
            n.entry = e.entry;
            if (slideStop) n.connectors.push_back(*slideStop);
        }
        if (lastPiece) n.soundAfter = std::move(e.soundAfter);
        const NoteRef r = Emit(std::move(n), e.note, firstPiece && e.showAccidental);
        if (firstPiece) w.mainFirst = r;
        if (!w.first.Valid()) w.first = r;
        w.mainLast = r;
    }
}

NoteRef Planner::Emit(OutNote n, const TMusicItem* at, bool forceAccidental) {
    if (!open_) OpenMeasure(at);
    if (!anyEmitted_) {
        pendingAttr_.divisions = pendingAttr_.clef = true;
        if (!pendingAttr_.fifths) pendingAttr_.fifths = key_.fifths;
        // A score with no time signature before its first note has no metre.
        if (pendingAttr_.beats == 0) pendingAttr_.senzaMisura = true;
        anyEmitted_ = true;
    }
    if (pendingAttr_.Any()) {
        n.attributes = pendingAttr_;
        pendingAttr_ = {};
    }
    if (!pendingDirs_.empty()) {
        n.before.insert(n.before.begin(), pendingDirs_.begin(), pendingDirs_.end());
        pendingDirs_.clear();
    }
    if (!n.rest) {
        // Staff notation keeps an accidental to the end of the measure, so a
        // pitch that differs from the one in force shows its own.
        const int letter = static_cast<int>(std::string_view("CDEFGAB").find(n.pitch.step));
        const auto where = std::make_pair(n.pitch.step, n.pitch.octave);
        const auto it = alters_.find(where);
        const int inForce = it != alters_.end() ? it->second : KeyAlterOfLetter(key_.fifths, letter);
        if (!n.tieStop && (forceAccidental || n.pitch.alter != inForce)) n.accidental = AccidentalName(n.pitch.alter);
        alters_[where] = n.pitch.alter;
    }
    OutMeasure& m = measures_.back();
    if (!n.grace) m.ticks += n.duration;
    m.notes.push_back(std::move(n));
    if (at) {
        lastPage_ = &at->Sheet();
        lastRowY_ = at->PosY();
    }
    return {static_cast<int>(measures_.size()) - 1, static_cast<int>(m.notes.size()) - 1};
}

void Planner::OpenMeasure(const TMusicItem* at) {
    OutMeasure m;
    // Rows and pages of the book become systems and pages.
    if (!measures_.empty() && at && lastPage_) {
        m.newPage = &at->Sheet() != lastPage_;
        m.newSystem = !m.newPage && (at->PosY() != lastRowY_ || pieceStart_);
    }
    m.forwardRepeat = pendingForward_;
    pendingForward_ = false;
    pieceStart_ = false;
    measures_.push_back(std::move(m));
    barTicks_.push_back(time_.BarTicks());
    alters_.clear();
    open_ = true;
}

void Planner::CloseMeasure(char rightBar) {
    if (!open_) {
        // A bar line right after another (or after a multi-bar rest) only
        // restyles the end of the measure before it, within the piece.
        if (rightBar != 'c' && measures_.size() > pieceFirstMeasure_) measures_.back().rightBar = rightBar;
        return;
    }
    OutMeasure& m = measures_.back();
    m.rightBar = rightBar;
    const int bar = barTicks_.back();
    // An incomplete first bar of a piece is a pickup.
    if (measures_.size() == pieceFirstMeasure_ + 1 && bar > 0 && m.ticks < bar) m.implicit = true;
    open_ = false;
}

}  // namespace

OutScore PlanScore(TMusicBook& book) {
    return Planner(book).Run().score;
}

}  // namespace sorvel::interchange
