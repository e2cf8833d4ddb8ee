// Importing 6,000 highlights (30 on each of 200 pages) made on the document's own proof, with the
// whole import command, against the same import with text markups left out (the PDF read, the
// pages paired, nothing made: the floor). Two documents: a story per page, and one story threaded
// through all 200 frames. Also 3,000 replacements (a strike-out and its caret each, 6,000 PDF text
// edits) joined after the page loop, against the 6,000 highlights. Each iteration is undone so every run
// starts from the same document.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include <unistd.h>

#include "INotesImportSettings.h"
#include "WordGridLayout.h"
#include "host/Host.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/document/LayoutBuilder.h"
#include "host/document/LayoutParser.h"
#include "host/graphics/PdfExporter.h"
#include "host/objectmodel/PlugInLoader.h"
#include "lifecycle/NotesPlugIn.h"
#include "pdf/MedianRatioReporter.h"

namespace {
namespace fs = std::filesystem;
constexpr int kPages = 200;
constexpr int kLines = 30;

constexpr int kReplacedLines = 15; // 3,000 replacements: 6,000 PDF text edits

struct Fixture {
    IDocument* document = nullptr;
    std::string pdf;
    std::string replacements;
};

// Marks the proof with the benchmark's script; answers the reviewed PDF.
std::string Marked(const std::string& proof, const std::string& reviewed, int lines, const char* kind) {
    const std::string command = std::string("/usr/bin/python3 '") + PAGEHOST_SOURCE_DIR +
                                "/bench/mark_words_pdf.py' '" + proof + "' '" + reviewed + "' " +
                                std::to_string(lines) + " " + kind + " 2>/dev/null";
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("cannot mark the benchmark proof: " + command);
    return reviewed;
}

Fixture Make(bool oneStory) {
    static bool initialized = false;
    if (!initialized) {
        Host::Initialize();
        PlugInLoader::Instance().RegisterPlugIn(GetPlugIn(), "libAnnotations.so");
        initialized = true;
    }
    const LayoutParser::Result parsed = LayoutParser::Parse(WordGridLayout::Make(kPages, kLines, oneStory));
    const LayoutBuilder::Result built = LayoutBuilder::Build(parsed.description);
    if (!parsed.ok || !built.document)
        throw std::runtime_error("cannot build the benchmark document");
    // Files of this process only: benchmarks run side by side must not write over each other's.
    const fs::path dir = fs::temp_directory_path() / ("pagehost-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string name = oneStory ? "one-story" : "story-per-page";
    const std::string proof = (dir / ("pagehost-bench-markups-" + name + "-proof.pdf")).string();
    const std::string reviewed = (dir / ("pagehost-bench-markups-" + name + ".pdf")).string();
    if (PdfExporter::Export(built.document->GetDocumentDataBase(), proof).error != kSuccess)
        throw std::runtime_error("cannot export the benchmark proof");
    const std::string replaced = (dir / ("pagehost-bench-replacements-" + name + ".pdf")).string();
    return {built.document, Marked(proof, reviewed, kLines, "highlight"),
            Marked(proof, replaced, kReplacedLines, "replace")};
}

void Import(benchmark::State& state, bool oneStory, bool textMarkups, bool replacements = false) {
    static Fixture fixtures[2] = {Make(false), Make(true)};
    const Fixture& fixture = fixtures[oneStory ? 1 : 0];
    IDataBase* db = fixture.document->GetDocumentDataBase();
    const std::string& pdf = replacements ? fixture.replacements : fixture.pdf;
    for (auto _ : state) {
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesImportCmdBoss));
        InterfacePtr<INotesImportSettings> settings(cmd, IID_INOTESIMPORTSETTINGS);
        settings->Set(PMString(pdf.c_str()), 0, kFalse, textMarkups, replacements, kFalse);
        cmd->SetItemList(UIDList(UIDRef(db, db->GetRootUID())));
        if (CmdUtils::ProcessCommand(cmd) != kSuccess)
            state.SkipWithError("the import failed");
        state.PauseTiming();
        db->GetUndoHistory().Undo();
        state.ResumeTiming();
    }
}

void BM_ImportHighlights(benchmark::State& state) {
    Import(state, false, true);
}
void BM_ImportWithoutTextMarkups(benchmark::State& state) {
    Import(state, false, false);
}
void BM_ImportHighlightsOneStory(benchmark::State& state) {
    Import(state, true, true);
}
void BM_ImportWithoutTextMarkupsOneStory(benchmark::State& state) {
    Import(state, true, false);
}
// 6,000 PDF text edits joined into 3,000 replacements after the page loop.
void BM_ImportReplacements(benchmark::State& state) {
    Import(state, false, false, true);
}
void BM_ImportReplacementsOneStory(benchmark::State& state) {
    Import(state, true, false, true);
}

#define MARKUP_BENCHMARK(name)                                                                               \
    BENCHMARK(name)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true)
MARKUP_BENCHMARK(BM_ImportHighlights);
MARKUP_BENCHMARK(BM_ImportWithoutTextMarkups);
MARKUP_BENCHMARK(BM_ImportHighlightsOneStory);
MARKUP_BENCHMARK(BM_ImportWithoutTextMarkupsOneStory);
MARKUP_BENCHMARK(BM_ImportReplacements);
MARKUP_BENCHMARK(BM_ImportReplacementsOneStory);
} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    MedianRatioReporter reporter(
        {{"BM_ImportHighlights", "BM_ImportWithoutTextMarkups",
          "6,000 highlights, a story per page, against the same import making nothing"},
         {"BM_ImportHighlightsOneStory", "BM_ImportWithoutTextMarkupsOneStory",
          "6,000 highlights in one story through 200 frames, against the same import making nothing"},
         {"BM_ImportReplacements", "BM_ImportHighlights",
          "6,000 text edits joined into 3,000 replacements, against 6,000 highlights"},
         {"BM_ImportReplacementsOneStory", "BM_ImportHighlightsOneStory",
          "the same in one story through 200 frames"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
