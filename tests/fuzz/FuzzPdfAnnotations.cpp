// libFuzzer target: arbitrary bytes opened as a PDF, every page box and
// annotation read as the import reads them. Library errors are the expected
// answer to junk; a crash, hang or leak is a finding.
#include "host/pdf/PdfLibrary.h"

#include <cstdio>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    char path[] = "/tmp/fuzz-pdf-XXXXXX";
    const int fd = mkstemp(path);
    const bool written = fd >= 0 && write(fd, data, size) == static_cast<ssize_t>(size);
    if (fd >= 0) {
        close(fd);
    }
    ASPathName name = ASFileSysCreatePathName(nullptr, ASAtomFromString("Cstring"), path, nullptr);
    PDDoc doc = nullptr;
    DURING
    doc = written ? PDDocOpen(name, nullptr, nullptr, ASFalse) : nullptr;
    for (ASInt32 p = 0; doc != nullptr && p < PDDocGetNumPages(doc) && p < 64; ++p) {
        PDPage page = PDDocAcquirePage(doc, p);
        ASFixedRect rect;
        ASTimeRec date;
        PDPageGetMediaBox(page, &rect);
        for (ASInt32 i = 0; i < PDPageGetNumAnnots(page) && i < 256; ++i) {
            PDAnnot annot = PDPageGetAnnot(page, i);
            if (PDAnnotIsValid(annot) && PDAnnotGetSubtype(annot) != ASAtomNull) {
                PDAnnotGetDate(annot, &date);
                PDAnnotGetRect(annot, &rect);
            }
        }
    }
    HANDLER
    END_HANDLER
    PDDocClose(doc);
    ASFileSysReleasePathName(nullptr, name);
    std::remove(path);
    return 0;
}
