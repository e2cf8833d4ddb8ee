#include "PdfTestDocument.h"

#include <stdexcept>

namespace {

std::u16string utf16(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

} // namespace

PdfTestDocument::PdfTestDocument(const std::filesystem::path& path) {
    const std::u16string wide = utf16(path.string());
    ASText text = ASTextFromUnicode(reinterpret_cast<const ASUTF16Val*>(wide.c_str()), kUTF16HostEndian);
    ASPathName pathName =
        ASFileSysCreatePathName(nullptr, ASAtomFromString("DIPathWithASText"), text, nullptr);
    DURING
    doc_ = PDDocOpen(pathName, nullptr, nullptr, ASFalse);
    HANDLER
    openError_ = ERRORCODE;
    END_HANDLER
    ASFileSysReleasePathName(nullptr, pathName);
    ASTextDestroy(text);
}

PdfTestDocument::~PdfTestDocument() {
    PDDocClose(doc_);
}

std::vector<PDAnnot> PdfTestDocument::annotations(int page, const char* subtype) const {
    PDPage pdPage = PDDocAcquirePage(doc_, page);
    std::vector<PDAnnot> found;
    for (ASInt32 i = 0; i < PDPageGetNumAnnots(pdPage); ++i) {
        PDAnnot annot = PDPageGetAnnot(pdPage, i);
        if (subtype == nullptr || PDAnnotGetSubtype(annot) == ASAtomFromString(subtype)) {
            found.push_back(annot);
        }
    }
    return found;
}

PDAnnot PdfTestDocument::only(int page, const char* subtype) const {
    const auto found = annotations(page, subtype);
    if (found.size() != 1) {
        throw std::runtime_error(std::string("expected one ") + subtype + ", found " +
                                 std::to_string(found.size()));
    }
    return found.front();
}

std::u16string PdfTestDocument::text(CosObj dict, const char* key) {
    CosObj value = CosDictGetKeyString(dict, key);
    if (CosObjGetType(value) == CosNull) {
        return {};
    }
    ASTArraySize length = 0;
    const char* bytes = CosStringValue(value, &length);
    ASText decoded = ASTextFromSizedPDText(bytes, length);
    std::u16string result(reinterpret_cast<const char16_t*>(ASTextGetUnicode(decoded)));
    ASTextDestroy(decoded);
    return result;
}

std::vector<double> PdfTestDocument::numbers(CosObj dict, const char* key) {
    CosObj array = CosDictGetKeyString(dict, key);
    std::vector<double> values;
    if (CosObjGetType(array) != CosArray) {
        return values;
    }
    for (ASTArraySize i = 0; i < CosArrayLength(array); ++i) {
        values.push_back(real(CosFixedValue(CosArrayGet(array, i))));
    }
    return values;
}

std::string PdfTestDocument::name(CosObj obj) {
    return ASAtomGetString(CosNameValue(obj));
}

double PdfTestDocument::number(CosObj dict, const char* key) {
    return real(CosFixedValue(CosDictGetKeyString(dict, key)));
}

std::string PdfTestDocument::streamBytes(CosObj stream, int chunkSize, int limit) {
    ASStm stm = CosStreamOpenStm(stream, cosOpenFiltered);
    std::string bytes;
    std::string chunk(static_cast<std::size_t>(chunkSize), '\0');
    ASTArraySize got = 0;
    while (static_cast<int>(bytes.size()) < limit && (got = ASStmRead(chunk.data(), 1, chunkSize, stm)) > 0) {
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
    ASStmClose(stm);
    return bytes;
}
