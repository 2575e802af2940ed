// SPDX-License-Identifier: GPL-3.0-or-later
// Spanning marks on the written notes. A mark covers the notes of its row
// from its note to its right end (PosX + Width); a slur or arch at the row's
// left margin continues from the last note of the row before, a hairpin
// there carries on the one that ends on that note.
#include <algorithm>
#include <vector>

#include "interchange/musicxmlwriter_plan.h"
#include "model/markmeanings.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"

namespace sorvel::interchange {
namespace {

constexpr int kMaxNumberLevel = 16;  // MusicXML's number-level

// The written events under a mark, in order, each once.
std::vector<WrittenEvent> EventsUnder(PlanState& plan, const SpanMark& span) {
    std::vector<WrittenEvent> events;
    const auto own = plan.orderIndex.find(span.note);
    if (own == plan.orderIndex.end()) return events;
    int first = own->second;
    const bool arc =
        span.mark->Class() == ItemClass::Slur || span.mark->Class() == ItemClass::RenTon;
    if (arc && span.mark->PosX() <= span.mark->Sheet().LeftSpace() && first > 0) --first;
    const int rowY = span.note->PosY();
    const int right = span.mark->PosX() + span.mark->Width();
    int last = own->second;
    for (int i = own->second + 1; i < static_cast<int>(plan.order.size()); ++i) {
        const TNote* n = plan.order[static_cast<size_t>(i)];
        if (&n->Sheet() != &span.mark->Sheet() || n->PosY() != rowY || n->PosX() > right) break;
        last = i;
    }
    for (int i = first; i <= last; ++i) {
        const WrittenEvent& w = plan.written[plan.order[static_cast<size_t>(i)]];
        if (events.empty() || events.back().id != w.id) events.push_back(w);
    }
    return events;
}

// A span between two written notes that needs a number while it is open;
// `kind` tells hairpins (their code) from slurs (0).
struct Numbered {
    NoteRef start, stop;
    char kind = 0;
    int number = 1;
};

bool AtLeftMargin(const SpanMark& span) {
    return span.mark->PosX() <= span.mark->Sheet().LeftSpace();
}

// The written event before the note a mark is linked to; none for the first.
const WrittenEvent* EventBefore(PlanState& plan, const SpanMark& span) {
    const auto own = plan.orderIndex.find(span.note);
    if (own == plan.orderIndex.end() || own->second == 0) return nullptr;
    return &plan.written[plan.order[static_cast<size_t>(own->second - 1)]];
}

// A mark at a row's left margin goes on with the span of its kind that
// ends on the last note of the row before: that one is carried on to `end`.
bool CarryOn(PlanState& plan, const SpanMark& span, NoteRef end, std::vector<Numbered>& spans,
             char kind) {
    const WrittenEvent* before = AtLeftMargin(span) ? EventBefore(plan, span) : nullptr;
    if (!before) return false;
    for (size_t i = spans.size(); i-- > 0;) {
        if (!(spans[i].stop == before->mainLast) || spans[i].kind != kind) continue;
        if (spans[i].stop < end) spans[i].stop = end;
        return true;
    }
    return false;
}

// The lowest number free at each start, in score order; at one note the
// starts are numbered before the stops, so a span ending there and one
// beginning there never share a number.
void AssignNumbers(std::vector<Numbered>& spans) {
    struct Edge {
        NoteRef at;
        bool stop;
        size_t span;
    };
    std::vector<Edge> edges;
    for (size_t i = 0; i < spans.size(); ++i) {
        edges.push_back({spans[i].start, false, i});
        edges.push_back({spans[i].stop, true, i});
    }
    std::stable_sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) {
        if (!(a.at == b.at)) return a.at < b.at;
        return !a.stop && b.stop;
    });
    std::vector<int> open(kMaxNumberLevel + 1, 0);
    for (const Edge& e : edges) {
        Numbered& s = spans[e.span];
        if (e.stop) {
            open[static_cast<size_t>(s.number)] =
                std::max(0, open[static_cast<size_t>(s.number)] - 1);
            continue;
        }
        int n = 1;
        while (n < kMaxNumberLevel && open[static_cast<size_t>(n)] > 0) ++n;
        s.number = n;
        ++open[static_cast<size_t>(n)];
    }
}

// Two neighbouring notes of one pitch under an arc are tied; otherwise the
// arc is a slur from its first to its last sounding note.
void PlaceArc(PlanState& plan, const SpanMark& span, const std::vector<WrittenEvent>& events,
              std::vector<Numbered>& slurs) {
    if (events.size() == 2 && !events[0].rest && !events[1].rest &&
        events[0].midi == events[1].midi && events[1].id == events[0].id + 1) {
        OutNote& from = plan.At(events[0].mainLast);
        OutNote& to = plan.At(events[1].mainFirst);
        from.tieStart = to.tieStop = true;
        to.accidental = nullptr;
        return;
    }
    const auto first =
        std::find_if(events.begin(), events.end(), [](const auto& e) { return !e.rest; });
    const auto last =
        std::find_if(events.rbegin(), events.rend(), [](const auto& e) { return !e.rest; });
    if (first == events.end() || CarryOn(plan, span, last->mainLast, slurs, 0)) return;
    if (first->id == last->id) return;
    slurs.push_back({first->mainFirst, last->mainLast});
}

void PlaceEnding(PlanState& plan, const SpanMark& span, const std::vector<WrittenEvent>& events) {
    const char code = span.mark->Content().empty() ? '\0' : span.mark->Content()[0];
    if (code < '<' || code > '?' || events.empty()) return;
    const int number = code - '<' + 1;
    OutMeasure& stop = plan.score.measures[static_cast<size_t>(events.back().mainLast.measure)];
    // A bracket at the row's left margin carries on the ending of its number
    // that stops on the row before: one ending, now stopping here.
    const WrittenEvent* before = AtLeftMargin(span) ? EventBefore(plan, span) : nullptr;
    if (before) {
        OutMeasure& prior = plan.score.measures[static_cast<size_t>(before->mainLast.measure)];
        if (prior.endingStop == number) {
            if (&prior != &stop) prior.endingStop = 0;
            stop.endingStop = number;
            return;
        }
    }
    OutMeasure& start = plan.score.measures[static_cast<size_t>(events.front().mainFirst.measure)];
    if (start.endingStart == 0) start.endingStart = number;
    if (stop.endingStop == 0) stop.endingStop = number;
    // A bracket of no width marks where an ending begins without drawing one.
    if (span.mark->Width() == 0) start.endingHidden = true;
}

}  // namespace

void PlaceSpans(PlanState& plan) {
    std::vector<Numbered> slurs, wedges;
    for (const SpanMark& span : plan.spans) {
        const std::vector<WrittenEvent> events = EventsUnder(plan, span);
        if (events.empty()) continue;
        const ItemClass kind = span.mark->Class();
        if (kind == ItemClass::Slur || kind == ItemClass::RenTon) {
            PlaceArc(plan, span, events, slurs);
        } else if (kind == ItemClass::Kakko) {
            PlaceEnding(plan, span, events);
        } else if (kind == ItemClass::Cresc) {
            const std::string& c = span.mark->Content();
            if (c != "I" && c != "J") continue;
            if (CarryOn(plan, span, events.back().mainLast, wedges, c[0])) continue;
            // A hairpin ends after its last note: the reader ends it at the
            // note sounding before its stop.
            wedges.push_back({events.front().first, events.back().mainLast, c[0]});
        }
    }
    AssignNumbers(slurs);
    for (const Numbered& s : slurs) {
        plan.At(s.start).connectors.push_back({OutConnector::Kind::Slur, true, s.number});
        plan.At(s.stop).connectors.push_back({OutConnector::Kind::Slur, false, s.number});
    }
    AssignNumbers(wedges);
    for (size_t i = 0; i < wedges.size(); ++i) {
        OutDirection d;
        d.kind = OutDirection::Kind::Wedge;
        d.below = true;
        d.number = wedges[i].number;
        d.wedge = HairpinDirectionOf(wedges[i].kind) > 0 ? "crescendo" : "diminuendo";
        plan.At(wedges[i].start).before.push_back(d);
        d.wedge = "stop";
        plan.At(wedges[i].stop).after.push_back(d);
    }
}

}  // namespace sorvel::interchange
