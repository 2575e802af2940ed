// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The console reporter of Google Benchmark that also keeps the median of
// each benchmark run with repetitions, so a benchmark can check its target.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace sorvel::bench {

class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medians;  // in the benchmark's unit
};

}  // namespace sorvel::bench
