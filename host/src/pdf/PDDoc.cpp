#include "host/pdf/PDDoc.h"

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
