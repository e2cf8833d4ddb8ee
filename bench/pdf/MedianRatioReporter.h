// MedianRatioReporter: the usual console report, then the ratio of two benchmarks' medians, of
// real time and of CPU time (steadier on a shared machine), for each pair it was given, with a
// line saying what the ratio compares. Benchmarks in a pair must report in the same time unit
// and run with repetitions (so that a median exists).
#pragma once

#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

class MedianRatioReporter final : public benchmark::ConsoleReporter {
public:
    struct Ratio {
        std::string numerator;   // a benchmark's function name
        std::string denominator; // another's
        std::string meaning;     // printed after the ratio
    };
    explicit MedianRatioReporter(std::vector<Ratio> ratios) : fRatios(std::move(ratios)) {}

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::vector<Ratio> fRatios;
    struct Medians {
        double real = 0.0;
        double cpu = 0.0;
    };
    std::map<std::string, Medians> fMedians;
};
