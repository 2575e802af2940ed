// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printable area of the default printer, which fixes the page size in
// page units, and whether printing is possible at all.
#include <optional>

class QPrinter;

namespace sorvel {

struct PrinterMetrics {
    int printableWidth = 4820;   // device pixels
    int printableHeight = 6826;  // device pixels
    int dpiX = 600;
    int dpiY = 600;
    bool hasSystemPrinter = false;
    // Printing to a PDF file needs no printer, so on this platform printing
    // stays possible without one.
    bool canPrint = true;

    int PageWidthUnits() const;
    int PageHeightUnits() const;
};

// The metrics of a configured printer (its printable area at its
// resolution), or nothing when the printer reports no usable area.
std::optional<PrinterMetrics> MetricsOfPrinter(const QPrinter& printer);

// Asks the printing system for its default printer; the fallback metrics
// (4820 x 6826 pixels at 600 dpi) when there is none.
PrinterMetrics ReadDefaultPrinterMetrics();

}  // namespace sorvel
