// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layout settings that a book and each of its pages carry: margins, rows,
// grid and the placement rates of marks. Every setter records its change.
#include <span>

#include "model/offsetrates.h"
#include "model/persistent.h"

namespace sorvel {

class LayoutSettings : public Persistent {
public:
    using Persistent::Persistent;

    int NoteFontSize() const { return noteFontSize_; }
    int TitleHeight() const { return titleHeight_; }
    int TopSpace() const { return topSpace_; }
    int BottomSpace() const { return bottomSpace_; }
    int LeftSpace() const { return leftSpace_; }
    int RightSpace() const { return rightSpace_; }
    int BarParRow() const { return barParRow_; }
    int DivParBar() const { return divParBar_; }
    int RowDivNum() const { return rowDivNum_; }
    int GridDivNum() const { return gridDivNum_; }
    int GridSize() const { return gridSize_; }
    int RowInterval() const { return rowInterval_; }
    const OffsetRates& Rates() const { return rates_; }
    int OffsetRateX_FingerNo() const { return rates_.FingerNo; }
    int OffsetRateX_PF() const { return rates_.PF; }
    int OffsetRateX_Crese() const { return rates_.Crese; }
    int OffsetRateX_Slur() const { return rates_.Slur; }
    int OffsetRateX_Ornament() const { return rates_.Ornament; }
    int OffsetRateX_Speed() const { return rates_.Speed; }
    int OffsetRateX_Branch() const { return rates_.Branch; }
    int OffsetRateX_Bow() const { return rates_.Bow; }
    int OffsetRateX_String() const { return rates_.String; }
    int OffsetRateX_3ren() const { return rates_.Ren3; }
    int OffsetRateX_Kakko() const { return rates_.Kakko; }

    void SetNoteFontSize(int v) { ChangeInt(noteFontSize_, v, "NoteFontSize"); }
    void SetTitleHeight(int v) { ChangeInt(titleHeight_, v, "TitleHeight"); }
    void SetTopSpace(int v) { ChangeInt(topSpace_, v, "TopSpace"); }
    void SetBottomSpace(int v) { ChangeInt(bottomSpace_, v, "BottomSpace"); }
    void SetLeftSpace(int v) { ChangeInt(leftSpace_, v, "LeftSpace"); }
    void SetRightSpace(int v) { ChangeInt(rightSpace_, v, "RightSpace"); }
    void SetBarParRow(int v) { ChangeInt(barParRow_, v, "BarParRow"); }
    void SetDivParBar(int v) { ChangeInt(divParBar_, v, "DivParBar"); }
    void SetRowDivNum(int v) { ChangeInt(rowDivNum_, v, "RowDivNum"); }
    void SetGridDivNum(int v) { ChangeInt(gridDivNum_, v, "GridDivNum"); }
    void SetGridSize(int v) { ChangeInt(gridSize_, v, "GridSize"); }
    void SetRowInterval(int v) { ChangeInt(rowInterval_, v, "RowInterval"); }
    void SetOffsetRateX_FingerNo(int v) { ChangeInt(rates_.FingerNo, v, "OffsetRateX_FingerNo"); }
    void SetOffsetRateX_PF(int v) { ChangeInt(rates_.PF, v, "OffsetRateX_PF"); }
    void SetOffsetRateX_Crese(int v) { ChangeInt(rates_.Crese, v, "OffsetRateX_Crese"); }
    void SetOffsetRateX_Slur(int v) { ChangeInt(rates_.Slur, v, "OffsetRateX_Slur"); }
    void SetOffsetRateX_Ornament(int v) { ChangeInt(rates_.Ornament, v, "OffsetRateX_Ornament"); }
    void SetOffsetRateX_Speed(int v) { ChangeInt(rates_.Speed, v, "OffsetRateX_Speed"); }
    void SetOffsetRateX_Branch(int v) { ChangeInt(rates_.Branch, v, "OffsetRateX_Branch"); }
    void SetOffsetRateX_Bow(int v) { ChangeInt(rates_.Bow, v, "OffsetRateX_Bow"); }
    void SetOffsetRateX_String(int v) { ChangeInt(rates_.String, v, "OffsetRateX_String"); }
    void SetOffsetRateX_3ren(int v) { ChangeInt(rates_.Ren3, v, "OffsetRateX_3ren"); }
    void SetOffsetRateX_Kakko(int v) { ChangeInt(rates_.Kakko, v, "OffsetRateX_Kakko"); }

    // Sets the eleven rates through their setters, in the order FingerNo, PF,
    // Crese, Slur, Ornament, Speed, Branch, Bow, String, 3ren, Kakko.
    void SetRates(const OffsetRates& r);
    // Sets the twelve layout values and the rates of `from` through the setters,
    // in the order of LayoutProperties().
    void SetLayoutFrom(const LayoutSettings& from);

protected:
    // The published layout properties, which end the tables of book and page.
    static std::span<const PropertyInfo> LayoutProperties();

private:
    int noteFontSize_ = 0, titleHeight_ = 0, topSpace_ = 0, bottomSpace_ = 0;
    int leftSpace_ = 0, rightSpace_ = 0, barParRow_ = 0, divParBar_ = 0;
    int rowDivNum_ = 0, gridDivNum_ = 0, gridSize_ = 0, rowInterval_ = 0;
    OffsetRates rates_;
};

}  // namespace sorvel
