#include "model/musicmark.h"

#include "model/glyphinfotable.h"
#include "model/layoutstate.h"
#include "model/modelenv.h"

namespace sorvel {
namespace {

bool IsSlide(const std::string& content) { return content == "^" || content == "_"; }

}  // namespace

int TMusicMark::AttachRateX() const { return IsSlide(Content()) ? 100 : 0; }

int TMusicMark::AttachRateY() const {
    if (IsSlide(Content())) return 0;
    return Glyphs().LookupContent(Content()).OffsetRate;
}

bool TSpanningMark::HitTest(int x, int y) const {
    int top = posY_ - height_ / 2;
    return posX_ <= x && x <= posX_ + width_ && top <= y && y <= top + height_;
}

template <ItemClass C, int G>
void TSpanningMarkOf<C, G>::InitWidth(int gridWidths) {
    const LayoutState* layout = Env().layout;
    width_ = gridWidths * (layout ? layout->GridSize : LayoutState{}.GridSize);
}

template class TSpanningMarkOf<ItemClass::Cresc, 3>;
template class TSpanningMarkOf<ItemClass::Ren3, 3>;
template class TSpanningMarkOf<ItemClass::Kakko, 4>;
template class TSpanningMarkOf<ItemClass::Slur, 2>;
template class TSpanningMarkOf<ItemClass::RenTon, 2>;

}  // namespace sorvel
