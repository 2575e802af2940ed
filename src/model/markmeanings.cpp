// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/markmeanings.h"

#include <array>

namespace sorvel {

namespace {

using K = MarkKind;
using namespace markcode;

constexpr int Of(Ornament o) {
    return static_cast<int>(o);
}
constexpr int Of(Slide s) {
    return static_cast<int>(s);
}
constexpr int Of(Jump j) {
    return static_cast<int>(j);
}

constexpr MarkMeaning Dynamic(int level) {
    return {DynamicCode(level), K::kDynamic, level};
}
constexpr MarkMeaning Volta(int number) {
    return {VoltaCode(number), K::kVolta, number};
}

// clang-format off
constexpr std::array kMeanings{
    Dynamic(0), Dynamic(1), Dynamic(2), Dynamic(3),
    Dynamic(4), Dynamic(5), Dynamic(6), Dynamic(7),
    MarkMeaning{kSforzando, K::kSforzando},
    MarkMeaning{kAccent, K::kAccent},
    MarkMeaning{kStaccatissimo, K::kStaccatissimo},
    MarkMeaning{kFermata, K::kFermata},
    MarkMeaning{kTrill, K::kOrnament, Of(Ornament::kTrill)},
    MarkMeaning{kWavyLine, K::kOrnament, Of(Ornament::kTrill)},
    MarkMeaning{kUpperMordent, K::kOrnament, Of(Ornament::kUpperMordent)},
    MarkMeaning{kLowerMordent, K::kOrnament, Of(Ornament::kLowerMordent)},
    MarkMeaning{kTurn, K::kOrnament, Of(Ornament::kTurn)},
    MarkMeaning{kInvertedTurn, K::kOrnament, Of(Ornament::kInvertedTurn)},
    MarkMeaning{kTremolo, K::kOrnament, Of(Ornament::kTremolo)},
    MarkMeaning{kVibrato, K::kVibrato},
    MarkMeaning{kSlideUp, K::kSlide, Of(Slide::kUp)},
    MarkMeaning{kSlideDown, K::kSlide, Of(Slide::kDown)},
    MarkMeaning{kGlissUp, K::kSlide, Of(Slide::kGlissUp)},
    MarkMeaning{kGlissDown, K::kSlide, Of(Slide::kGlissDown)},
    MarkMeaning{kCrescendo, K::kHairpin, 1},
    MarkMeaning{kDecrescendo, K::kHairpin, -1},
    MarkMeaning{kFine, K::kJump, Of(Jump::kFine)},
    MarkMeaning{kSegno, K::kJump, Of(Jump::kSegno)},
    MarkMeaning{kDalSegno, K::kJump, Of(Jump::kDalSegno)},
    MarkMeaning{kCoda, K::kJump, Of(Jump::kCoda)},
    MarkMeaning{kDaCapo, K::kJump, Of(Jump::kDaCapo)},
    Volta(1), Volta(2), Volta(3), Volta(4),
};
// clang-format on

static_assert(kMeanings[7].code == kLastDynamic);
static_assert(kMeanings.back().code == kLastVolta);

// The row's value when `code` means a mark of `kind`.
std::optional<int> ValueOf(MarkKind kind, char code) {
    const MarkMeaning* m = MeaningOf(code);
    if (!m || m->kind != kind) return std::nullopt;
    return m->value;
}

}  // namespace

const MarkMeaning* MeaningOf(char code) {
    for (const MarkMeaning& m : kMeanings) {
        if (m.code == code) return &m;
    }
    return nullptr;
}

std::span<const MarkMeaning> MarkMeanings() {
    return kMeanings;
}

bool IsMarkOf(MarkKind kind, char code) {
    return ValueOf(kind, code).has_value();
}

std::optional<int> DynamicLevelOf(char code) {
    return ValueOf(K::kDynamic, code);
}

Ornament OrnamentOf(char code) {
    return static_cast<Ornament>(ValueOf(K::kOrnament, code).value_or(Of(Ornament::kNone)));
}

Slide SlideOf(char code) {
    return static_cast<Slide>(ValueOf(K::kSlide, code).value_or(Of(Slide::kNone)));
}

bool IsGlissando(Slide slide) {
    return slide == Slide::kGlissUp || slide == Slide::kGlissDown;
}

bool IsRising(Slide slide) {
    return slide == Slide::kUp || slide == Slide::kGlissUp;
}

int HairpinDirectionOf(char code) {
    return ValueOf(K::kHairpin, code).value_or(0);
}

int VoltaNumberOfCode(char code) {
    return ValueOf(K::kVolta, code).value_or(0);
}

}  // namespace sorvel
