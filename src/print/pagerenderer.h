// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws one page of a book the way printing and export do: the page's own
// layout made current, no grid, the page drawing on the paper (white).
#include <QImage>
#include <QPainter>

#include "model/modelenv.h"
#include "model/rinjimarktbl.h"

namespace sorvel {

class TMusicSheet;

class PageRenderer {
public:
    explicit PageRenderer(ModelEnv& env) : env_(env) {}

    // Paints `page` onto a painter whose unit is already the page unit, over
    // what the device holds: paper and a new PDF page are white already.
    // `printing` leaves out tempo marks that are not to be printed.
    void Paint(QPainter& painter, TMusicSheet& page, bool printing);

    // The page as an image, one pixel per page unit, white background.
    QImage Render(TMusicSheet& page, bool printing);

private:
    ModelEnv& env_;
    TRinjiMarkTbl rinji_;
};

}  // namespace sorvel
