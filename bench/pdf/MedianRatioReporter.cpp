#include "MedianRatioReporter.h"

#include <cstdio>

void MedianRatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs)
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" && !run.error_occurred)
            fMedians[run.run_name.function_name] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
}

void MedianRatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    for (const Ratio& ratio : fRatios) {
        const auto numerator = fMedians.find(ratio.numerator);
        const auto denominator = fMedians.find(ratio.denominator);
        if (numerator == fMedians.end() || denominator == fMedians.end() || denominator->second <= 0) {
            std::printf("ratio %s / %s: not measured (both need a median)\n", ratio.numerator.c_str(),
                        ratio.denominator.c_str());
            continue;
        }
        std::printf("ratio %s / %s = %.2f (medians %.1f / %.1f): %s\n", ratio.numerator.c_str(),
                    ratio.denominator.c_str(), numerator->second / denominator->second, numerator->second,
                    denominator->second, ratio.meaning.c_str());
    }
}
