// PDF documents.
//
// PDDocOpen reads a file through the default file system. It raises
// fileErrFNF for a missing file, pdErrNeedPassword for a file encrypted with
// a user password (files whose user password is empty open), pdErrNotPDF for
// an unreadable file without a PDF header in its first 1024 bytes, and
// pdErrBadFile for any other file that is not a readable PDF. A damaged
// cross-reference table is reconstructed in memory as readers do, whatever
// doRepair says (the file is never written). Warnings about damage are kept
// quiet. No authentication procedure is supported (pass null).
//
// Pages are acquired by 0-based index and belong to the document: they are
// freed by PDDocClose (PDPageRelease exists for symmetry and does nothing).
// The pages are the page dictionaries the page tree reaches; a tree in which
// a node is its own ancestor raises pdErrPageTreeLoop, another unusable tree
// pdErrBadPageTree.
//
// With PAGEHOST_PDF_OPEN_LOG set to a file path, every PDDocOpen appends the
// opened path and a newline to that file, so tests can count openings.
#pragma once

#include "host/pdf/ASFileSys.h"
#include "host/pdf/CosObj.h"

struct PDDocRec;
using PDDoc = PDDocRec*;
struct PDPageRec;
using PDPage = PDPageRec*;
// An annotation: a view on its dictionary (see PDAnnot.h).
struct PDAnnot {
    CosObj cos;
};
using PDAuthProc = ASBool (*)(PDDoc doc);

PDDoc PDDocOpen(ASPathName fileName, ASFileSys fileSys, PDAuthProc authProc, ASBool doRepair);
void PDDocClose(PDDoc doc);
ASInt32 PDDocGetNumPages(PDDoc doc);
// genErrBadParm for an index outside 0 .. page count - 1.
PDPage PDDocAcquirePage(PDDoc doc, ASInt32 pageNum);
// The trailer's Root dictionary.
CosObj PDDocGetCosRoot(PDDoc doc);
