#pragma once
// The expression (controller 11) that hairpins ramp over the notes they
// span, found once for the piece: from the dynamic in force where a hairpin
// begins towards the next dynamic after it (one level on when none follows).
// A hairpin continued on the next row joins its first part.
#include <unordered_map>

#include "playback/conversion/playitems.h"

namespace sorvel {

// The expression with no hairpin.
inline constexpr int kPlainExpression = 100;

struct ExpressionRamp {
    int from = kPlainExpression;  // at the note's onset
    int to = kPlainExpression;    // at its end
};

class HairpinRamps {
public:
    HairpinRamps(const PlayItems& items, int defaultVelocity);

    // The ramp over `note`; none for a note under no hairpin.
    const ExpressionRamp* At(const TNote& note) const;

private:
    struct Span {
        int first, last;  // indices of the first and last note
        int direction;
    };
    void AddSpan(const PlayItems& items, int own, const TMusicItem& mark, int direction);
    void Ramp(const PlayItems& items, const Span& span, int from, int nextDynamic);

    std::vector<Span> spans_;
    std::unordered_map<const TNote*, ExpressionRamp> ramps_;
};

}  // namespace sorvel
