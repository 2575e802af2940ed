// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A box of free text lines in a font of its own, with an optional frame.
#include <string>
#include <vector>

#include "model/musicmark.h"

namespace sorvel {

class TTextBox : public TMusicMark2 {
public:
    static constexpr ItemClass kClass = ItemClass::TextBox;
    using TMusicMark2::TMusicMark2;
    ItemClass Class() const override { return kClass; }
    const char* ClassName() const override { return "TTextBox"; }
    const PropertyTable& Properties() const override;
    void InitDefaults() override;

    const std::vector<std::string>& Lines() const { return lines_; }
    std::string CSVText() const;
    void SetCSVText(const std::string& text);
    const std::string& FontName() const { return fontName_; }
    int FontSize() const { return fontSize_; }
    int FrameLineWidth() const { return frameLineWidth_; }  // 0: no frame
    int RowSpace() const { return rowSpace_; }
    int FrameHeight() const { return frameHeight_; }
    int FrameWidth() const { return frameWidth_; }
    void SetFontName(const std::string& v) { ChangeString(fontName_, v, "FontName"); }
    void SetFontSize(int v) { ChangeInt(fontSize_, v, "FontSize"); }
    void SetFrameLineWidth(int v) { ChangeInt(frameLineWidth_, v, "FrameLineWidth"); }
    void SetRowSpace(int v) { ChangeInt(rowSpace_, v, "RowSpace"); }
    void SetFrameHeight(int v) { ChangeInt(frameHeight_, v, "FrameHeight"); }
    void SetFrameWidth(int v) { ChangeInt(frameWidth_, v, "FrameWidth"); }

private:
    std::vector<std::string> lines_;
    int fontSize_ = 0;
    std::string fontName_;
    int frameLineWidth_ = 0, rowSpace_ = 0, frameHeight_ = 0, frameWidth_ = 0;
};

}  // namespace sorvel
