#include "MedianRatioReporter.h"

#include <cstdio>

void MedianRatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs)
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" && !run.error_occurred)
            fMedians[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
    ConsoleReporter::ReportRuns(runs);
}

void MedianRatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    for (const Ratio& ratio : fRatios) {
        const auto numerator = fMedians.find(ratio.numerator);
        const auto denominator = fMedians.find(ratio.denominator);
        if (numerator == fMedians.end() || denominator == fMedians.end() || denominator->second.real <= 0 ||
            denominator->second.cpu <= 0) {
            std::printf("ratio %s / %s: not measured (both need a median)\n", ratio.numerator.c_str(),
                        ratio.denominator.c_str());
            continue;
        }
        const Medians& n = numerator->second;
        const Medians& d = denominator->second;
        std::printf("ratio %s / %s = %.2f real (medians %.1f / %.1f), %.2f CPU (medians %.1f / %.1f): %s\n",
                    ratio.numerator.c_str(), ratio.denominator.c_str(), n.real / d.real, n.real, d.real,
                    n.cpu / d.cpu, n.cpu, d.cpu, ratio.meaning.c_str());
    }
}
