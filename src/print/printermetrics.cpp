// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printermetrics.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include "view/core/pagelayout.h"

namespace sorvel {

int PrinterMetrics::PageWidthUnits() const {
    return PageUnitsFromDevice(printableWidth, dpiX);
}

int PrinterMetrics::PageHeightUnits() const {
    return PageUnitsFromDevice(printableHeight, dpiY);
}

std::optional<PrinterMetrics> MetricsOfPrinter(const QPrinter& printer) {
    const int dpi = printer.resolution();
    if (dpi <= 0) return std::nullopt;
    const QRect area = printer.pageLayout().paintRectPixels(dpi);
    if (area.width() <= 0 || area.height() <= 0) return std::nullopt;
    PrinterMetrics metrics;
    metrics.printableWidth = area.width();
    metrics.printableHeight = area.height();
    metrics.dpiX = dpi;
    metrics.dpiY = dpi;
    return metrics;
}

PrinterMetrics ReadDefaultPrinterMetrics() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return PrinterMetrics{};
    const QPrinter printer(info, QPrinter::HighResolution);
    std::optional<PrinterMetrics> metrics = MetricsOfPrinter(printer);
    if (!metrics) return PrinterMetrics{};
    metrics->hasSystemPrinter = true;
    return *metrics;
}

}  // namespace sorvel
