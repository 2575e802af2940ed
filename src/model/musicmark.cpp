// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/musicmark.h"

#include "model/glyphinfotable.h"
#include "model/layoutstate.h"
#include "model/modelenv.h"

namespace sorvel {
namespace {

bool IsSlide(const std::string& content) {
    return content == "^" || content == "_";
}

}  // namespace

int TMusicMark::AttachRateX() const {
    return IsSlide(Content()) ? 100 : 0;
}

int TMusicMark::AttachRateY() const {
    if (IsSlide(Content())) return 0;
    return Glyphs().LookupContent(Content()).OffsetRate;
}

bool SpanningMark::HitTest(int x, int y) const {
    int top = posY_ - height_ / 2;
    return posX_ <= x && x <= posX_ + width_ && top <= y && y <= top + height_;
}

void SpanningMark::InitWidth(int gridWidths) {
    width_ = gridWidths * LayoutOrDefault(Env()).GridSize;
}

}  // namespace sorvel
