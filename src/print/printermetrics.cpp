#include "print/printermetrics.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include "view/core/pagelayout.h"

namespace sorvel {

int PrinterMetrics::PageWidthUnits() const { return PageUnitsFromDevice(printableWidth, dpiX); }

int PrinterMetrics::PageHeightUnits() const { return PageUnitsFromDevice(printableHeight, dpiY); }

PrinterMetrics ReadDefaultPrinterMetrics() {
    PrinterMetrics metrics;
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return metrics;
    QPrinter printer(info, QPrinter::HighResolution);
    const int dpi = printer.resolution();
    const QRect area = printer.pageLayout().paintRectPixels(dpi);
    if (dpi <= 0 || area.width() <= 0 || area.height() <= 0) return metrics;
    metrics.printableWidth = area.width();
    metrics.printableHeight = area.height();
    metrics.dpiX = dpi;
    metrics.dpiY = dpi;
    metrics.hasSystemPrinter = true;
    return metrics;
}

}  // namespace sorvel
