// libFuzzer target: arbitrary bytes opened as a PDF through the import utility, and every annotation
// read by the import's one reader. Library errors are the expected answer to junk; a
// crash, hang, leak or sanitizer report is a finding.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "../core/fixtures/AnnotationWalk.h"
#include "INotesImportUtils.h"
#include "host/Host.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/objectmodel/PlugInLoader.h"
#include "lifecycle/NotesPlugIn.h"

// The failure log of malformed arrays goes to a folder of the run, not the user's.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ::setenv("PAGEHOST_HOME", "/dev/shm/fuzz-pdf-home", 1);
    Host::Initialize();
    PlugInLoader::Instance().RegisterPlugIn(GetPlugIn(), "libAnnotations.so");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string path = "/dev/shm/fuzz-pdf-XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0)
        return 0;
    const bool written = write(fd, data, size) == static_cast<ssize_t>(size);
    close(fd);
    PDDoc doc = nullptr;
    DURING
    if (written)
        doc = Utils<INotesImportUtils>()->OpenPDF(PMString(path));
    if (doc != nullptr)
        AnnotationWalk::ReadDocument(doc);
    HANDLER
    END_HANDLER
    PDDocClose(doc);
    std::remove(path.c_str());
    return 0;
}
