// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tuner's face: the note as a numeral of the score with its accidental
// and octave dots, its name, the cents in figures and on a needle.
#include <QWidget>

#include "editor/practice/tunerreadout.h"

namespace sorvel {

class TunerGauge : public QWidget {
    Q_OBJECT
public:
    explicit TunerGauge(QWidget* parent = nullptr);

    void Show(const TunerView& view);
    const TunerView& View() const { return view_; }
    // The cents as the figures show them ("+3", "−12"), "—" without a reading.
    QString CentsText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintNumeral(QPainter& painter, const QRect& box) const;
    void PaintName(QPainter& painter, const QRect& box) const;
    void PaintScale(QPainter& painter, const QRect& box) const;
    void PaintNeedle(QPainter& painter, const QRect& box) const;

    TunerView view_;
};

}  // namespace sorvel
