// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/textbox.h"

#include <utility>

#include "base/commatext.h"
#include "base/cp932.h"

namespace sorvel {

const PropertyTable& TTextBox::Properties() const {
    using T = TTextBox;
    static const PropertyTable table(
        &TMusicItem::Properties(),
        {ComputedStringProperty<T, &T::CSVText, &T::SetCSVText>("CSVText"),
         StringProperty<T, &T::FontName, &T::SetFontName>("FontName"),
         IntProperty<T, &T::FontSize, &T::SetFontSize>("FontSize"),
         IntProperty<T, &T::FrameLineWidth, &T::SetFrameLineWidth>("FrameLineWidth"),
         IntProperty<T, &T::RowSpace, &T::SetRowSpace>("RowSpace"),
         IntProperty<T, &T::FrameWidth, &T::SetFrameWidth>("FrameWidth"),
         IntProperty<T, &T::FrameHeight, &T::SetFrameHeight>("FrameHeight")});
    return table;
}

void TTextBox::InitDefaults() {
    // Converted once: every conversion opens and closes a converter.
    static const std::string kDefaultLine = cp932::FromUtf8("テキスト入力");
    static const std::string kDefaultFont = cp932::FromUtf8("ＭＳ ゴシック");
    lines_ = {kDefaultLine};
    SetFontName(kDefaultFont);
    SetFontSize(10);
}

std::string TTextBox::CSVText() const {
    return JoinCommaText(lines_);
}

void TTextBox::SetCSVText(const std::string& text) {
    std::string current = CSVText();
    if (text != current) RecordChange("CSVText", current, text);
    lines_ = SplitCommaText(text);
    // Control bytes inside quoted lines are kept as references, as every
    // other text of the book keeps them.
    for (std::string& line : lines_) line = cp932::ReferenceControls(std::move(line));
}

}  // namespace sorvel
