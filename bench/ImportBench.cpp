// Importing 2,000 sticky notes over 200 pages: the whole import command (page pairing, reading,
// note creation, one undo step), undone after each iteration so every run starts from the same
// document. The PDF is made by the fixture tools at start-up; PAGEHOST_BENCH_STICKY_PDF names an
// existing one to reuse.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "INotesImportSettings.h"
#include "host/Host.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/PlugInLoader.h"
#include "lifecycle/NotesPlugIn.h"

namespace {
namespace fs = std::filesystem;

fs::path StickyPdf() {
    if (const char* given = std::getenv("PAGEHOST_BENCH_STICKY_PDF"))
        return given;
    const fs::path out = fs::temp_directory_path() / "pagehost-bench-200-pages-2000-notes.pdf";
    const std::string command = std::string("/usr/bin/python3 '") + PAGEHOST_SOURCE_DIR +
                                "/bench/make_sticky_pdf.py' '" + out.string() + "' 200 2000";
    if (!fs::exists(out) && std::system(command.c_str()) != 0)
        throw std::runtime_error("cannot make the benchmark PDF: " + command);
    return out;
}

void ImportStickyNotes(benchmark::State& state) {
    Host::Initialize();
    PlugInLoader::Instance().RegisterPlugIn(GetPlugIn(), "libAnnotations.so");
    const std::string pdf = StickyPdf().string();
    DocumentSetup setup;
    setup.spreadPages = std::vector<int32>(200, 1);
    IDocument* document = DocumentManager::Instance().NewDocument(setup).document;
    IDataBase* db = document->GetDocumentDataBase();
    int32 failed = 0;
    for (auto _ : state) {
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesImportCmdBoss));
        InterfacePtr<INotesImportSettings> settings(cmd, IID_INOTESIMPORTSETTINGS);
        settings->Set(PMString(pdf.c_str()), 0, kTrue, kFalse, kFalse, kFalse);
        cmd->SetItemList(UIDList(UIDRef(db, db->GetRootUID())));
        if (CmdUtils::ProcessCommand(cmd) != kSuccess)
            state.SkipWithError("the import failed");
        InterfacePtr<IIntData> errorCodeData(cmd, IID_IINTDATA);
        failed = errorCodeData->GetInt();
        state.PauseTiming();
        db->GetUndoHistory().Undo();
        state.ResumeTiming();
    }
    state.counters["failed"] = failed;
    DocumentManager::Instance().CloseDocument(document);
}
BENCHMARK(ImportStickyNotes)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
} // namespace

BENCHMARK_MAIN();
