#include "host/pdf/PDDoc.h"

#include <malloc.h>

#include "ASPathNameRec.h"
#include "LibraryCall.h"
#include "PDDocRec.h"
#include "PDPageRec.h"

PDDoc PDDocOpen(ASPathName fileName, ASFileSys /*fileSys*/, PDAuthProc /*authProc*/, ASBool /*doRepair*/) {
    if (fileName == nullptr) {
        ASRaise(genErrBadParm);
    }
    return libraryCall([&] { return PDDocRec::open(fileName->path).release(); });
}

void PDDocClose(PDDoc doc) {
    delete doc;
    // A PDF's objects are many small blocks among the caller's own; the pages they leave free go
    // back to the system now rather than staying with the process (a book's annotations are
    // tens of megabytes of them).
    malloc_trim(0);
}

ASInt32 PDDocGetNumPages(PDDoc doc) {
    if (doc == nullptr) {
        ASRaise(genErrBadParm);
    }
    return libraryCall([&] { return doc->pageCount(); });
}

PDPage PDDocAcquirePage(PDDoc doc, ASInt32 pageNum) {
    if (doc == nullptr) {
        ASRaise(genErrBadParm);
    }
    return libraryCall([&] { return &doc->page(pageNum); });
}

CosObj PDDocGetCosRoot(PDDoc doc) {
    if (doc == nullptr) {
        ASRaise(genErrBadParm);
    }
    return libraryCall([&] { return doc->intern(doc->root()); });
}
