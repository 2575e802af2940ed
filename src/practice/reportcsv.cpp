// SPDX-License-Identifier: GPL-3.0-or-later
// The report of a take check as CSV: one line per written note in play order;
// a missed note leaves its cents and timing empty.
#include <charconv>

#include "practice/takecheck.h"

namespace sorvel::practice {
namespace {

// One decimal, a point whatever the locale.
std::string Decimal(double value) {
    char buffer[32];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    std::string text = ec == std::errc() ? std::string(buffer, end) : std::string("0.0");
    return text == "-0.0" ? "0.0" : text;
}

}  // namespace

std::string ReportCsv(const TakeCheck& check) {
    std::string out = "note,page,bar,written,cents,timing_ms,status\n";
    for (const CheckedNote& note : check.notes) {
        const WrittenNote& w = note.written;
        const bool ok = note.status == NoteStatus::kOk;
        out += std::to_string(w.number) + ',' + std::to_string(w.page) + ',' +
               std::to_string(w.bar) + ',' + std::to_string(w.midi) + ',' +
               (ok ? Decimal(note.cents) : "") + ',' + (ok ? Decimal(note.timingMs) : "") + ',' +
               (ok ? "ok" : "missed") + '\n';
    }
    return out;
}

}  // namespace sorvel::practice
