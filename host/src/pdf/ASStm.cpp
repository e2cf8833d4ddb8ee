#include "host/pdf/ASStm.h"

#include "ASStmRec.h"
#include "DocumentRegistry.h"
#include "LibraryCall.h"
#include "PDDocRec.h"

#include <limits>

namespace {

QPDFObjectHandle requireStream(CosObj stream) {
    if (stream.docId == 0) {
        ASRaise(cosErrExpectedStream);
    }
    QPDFObjectHandle object = PDDocRec::owner(stream).object(stream);
    if (!object.isStream()) {
        ASRaise(cosErrExpectedStream);
    }
    return object;
}

} // namespace

ASStm CosStreamOpenStm(CosObj stream, CosStreamOpenMode mode) {
    if (mode < cosOpenRaw || mode > cosOpenFiltered) {
        ASRaise(genErrBadParm);
    }
    return libraryCall([&] { return PDDocRec::owner(stream).openStream(requireStream(stream), mode); });
}

ASInt32 CosStreamLength(CosObj stream) {
    return libraryCall([&] {
        QPDFObjectHandle length = requireStream(stream).getDict().getKey("/Length");
        if (!length.isInteger() || length.getIntValue() < 0) {
            return ASInt32{0};
        }
        return static_cast<ASInt32>(
            std::min<long long>(length.getIntValue(), std::numeric_limits<ASInt32>::max()));
    });
}

CosObj CosStreamDict(CosObj stream) {
    return libraryCall([&] { return PDDocRec::owner(stream).intern(requireStream(stream).getDict()); });
}

ASTArraySize ASStmRead(char* ptr, ASTArraySize itemSize, ASTArraySize nItems, ASStm stm) {
    if (stm == nullptr || ptr == nullptr || itemSize <= 0 || nItems < 0) {
        ASRaise(genErrBadParm);
    }
    return libraryCall([&] {
        if (DocumentRegistry::instance().streamOwner(stm) == nullptr) {
            ASRaise(genErrBadParm);
        }
        const auto bytes = static_cast<std::size_t>(itemSize) * static_cast<std::size_t>(nItems);
        return static_cast<ASTArraySize>(stm->read(ptr, bytes) / static_cast<std::size_t>(itemSize));
    });
}

void ASStmClose(ASStm stm) {
    if (stm == nullptr) {
        return;
    }
    // A stream is owned by its document; once the document is closed the
    // stream is already gone, so the handle is looked up, never followed.
    if (PDDocRec* doc = DocumentRegistry::instance().streamOwner(stm)) {
        doc->closeStream(stm);
    }
}
