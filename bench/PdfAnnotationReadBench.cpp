// Reading every annotation of a 1,000-page PDF with 10,000 annotations the way the import reads it
// (the host PDF library and the import's reading routines), against a bare qpdf walk that reads the
// same keys of the same annotations. Both open the file in every iteration. The PDF is made by the
// fixture tools at start-up (several minutes); PAGEHOST_BENCH_PDF names an existing one to reuse.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "../tests/core/fixtures/AnnotationWalk.h"
#include "host/Host.h"
#include "pdf/QpdfAnnotationKeys.h"

namespace {
namespace fs = std::filesystem;

fs::path MakeBenchPdf() {
    if (const char* given = std::getenv("PAGEHOST_BENCH_PDF"))
        return given;
    const fs::path out = fs::temp_directory_path() / "pagehost-bench-1000-pages.pdf";
    const std::string command = std::string("/usr/bin/python3 '") + PAGEHOST_SOURCE_DIR +
                                "/bench/make_bench_pdf.py' '" + out.string() + "' 1000 10000";
    if (!fs::exists(out) && std::system(command.c_str()) != 0)
        throw std::runtime_error("cannot make the benchmark PDF: " + command);
    return out;
}

const fs::path& BenchPdf() {
    static const fs::path path = MakeBenchPdf();
    return path;
}

void ImportRead(benchmark::State& state) {
    Host::Initialize();
    const std::string path = BenchPdf().string();
    AnnotationWalk::Counts counts;
    for (auto _ : state) {
        ASPathName name =
            ASFileSysCreatePathName(nullptr, ASAtomFromString("Cstring"), path.c_str(), nullptr);
        PDDoc doc = nullptr;
        DURING
        doc = PDDocOpen(name, nullptr, nullptr, ASFalse);
        counts = AnnotationWalk::ReadDocument(doc);
        HANDLER
        state.SkipWithError(ASGetErrorString(ERRORCODE));
        END_HANDLER
        PDDocClose(doc);
        ASFileSysReleasePathName(nullptr, name);
        benchmark::DoNotOptimize(counts.checksum);
    }
    state.counters["annotations"] = counts.known;
    state.counters["failed"] = counts.failed;
}

void BareQpdfWalk(benchmark::State& state) {
    const std::string path = BenchPdf().string();
    QpdfAnnotationKeys::Walk walk;
    for (auto _ : state) {
        walk = QpdfAnnotationKeys::ReadFile(path.c_str());
        benchmark::DoNotOptimize(walk.checksum);
    }
    state.counters["annotations"] = static_cast<double>(walk.annotations);
}
} // namespace

BENCHMARK(ImportRead)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BareQpdfWalk)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
