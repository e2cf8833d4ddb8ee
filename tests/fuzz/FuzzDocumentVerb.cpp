// libFuzzer target: arbitrary bytes as the document of one pagehost verb, run the whole way as the
// command line runs it, with the plug-ins loaded: info, notes (--json), panel (--json, with the first
// note of the first page selected), render of page 1, export-pdf, or import of the sample proof's review (the
// verb is PAGEHOST_FUZZ_VERB, one target each). A refusal in one sentence is the expected answer to junk; a
// crash, hang, leak or sanitizer report is a finding. Seeds: tests/fuzz/make_document_seeds.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "ConsoleAlertResponder.h"
#include "ExportPdfCommand.h"
#include "ImportCommand.h"
#include "InfoCommand.h"
#include "NotesCommand.h"
#include "PanelCommand.h"
#include "RenderCommand.h"
#include "host/Host.h"
#include "host/objectmodel/PlugInLoader.h"
#include "host/ui/CAlert.h"

namespace {
const std::string kVerb = PAGEHOST_FUZZ_VERB;
const std::string kFolder = "/dev/shm/fuzz-verb-" + kVerb;

// Runs the verb through its command-line parsing, as main does.
int RunVerb(const std::string& doc) {
    if (kVerb == "info")
        return InfoCommand(doc).Run();
    if (kVerb == "render")
        return RenderCommand(doc, 1, kFolder + "/page.png", 0.25).Run();
    CLI::App app;
    const NotesCommand notes(app);
    const ExportPdfCommand exportPdf(app);
    const ImportCommand import(app);
    const PanelCommand panel(app);
    std::vector<std::string> words = {"pagehost", kVerb, doc};
    if (kVerb == "notes")
        words.push_back("--json");
    else if (kVerb == "panel")
        words.insert(words.end(), {"--json", "--select-node", "1.1"});
    else if (kVerb == "export-pdf")
        words.push_back(kFolder + "/proof.pdf");
    else
        words.push_back(PAGEHOST_SOURCE_DIR "/examples/reviewed.pdf");
    std::vector<const char*> argv;
    for (const std::string& word : words)
        argv.push_back(word.c_str());
    app.parse(static_cast<int>(argv.size()), argv.data());
    if (panel.Parsed())
        return panel.Run();
    return notes.Parsed() ? notes.Run() : exportPdf.Parsed() ? exportPdf.Run() : import.Run();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ::mkdir(kFolder.c_str(), 0700);
    ::setenv("PAGEHOST_HOME", (kFolder + "/home").c_str(), 1);
    Host::Initialize();
    static ConsoleAlertResponder alerts(0);
    CAlert::SetResponder(&alerts);
    PlugInLoader::Instance().LoadFolder(Host::DefaultPlugInFolder());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string doc = kFolder + "/doc.phd";
    const int fd = ::open(doc.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return 0;
    const bool written = ::write(fd, data, size) == static_cast<ssize_t>(size);
    ::close(fd);
    if (written) {
        // The verbs' output and refusals are not findings; sanitizer reports go to ASAN_OPTIONS' log_path.
        const int out = ::dup(1), err = ::dup(2), null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        RunVerb(doc);
        std::fflush(stdout);
        ::dup2(out, 1);
        ::dup2(err, 2);
        ::close(out);
        ::close(err);
        ::close(null);
    }
    return 0;
}
