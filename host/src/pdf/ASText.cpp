#include "host/pdf/ASText.h"

#include "ASTextRec.h"
#include "PdfTextDecoder.h"
#include "host/pdf/ACExceptionFrame.h"

#include <bit>
#include <cstring>

namespace {

std::size_t unitCount(const ASUTF16Val* units) {
    std::size_t count = 0;
    while (units[count] != 0) {
        ++count;
    }
    return count;
}

ASUTF16Val swapBytes(ASUTF16Val unit) {
    return static_cast<ASUTF16Val>((unit << 8) | (unit >> 8));
}

ASText makeText(std::u16string text) {
    return new ASTextRec{std::move(text)};
}

} // namespace

ASText ASTextNew() {
    return makeText({});
}

ASText ASTextFromUnicode(const ASUTF16Val* ucs, ASUnicodeFormat format) {
    if (ucs == nullptr) {
        ASRaise(genErrBadParm);
    }
    if (format == kUTF8) {
        return makeText(PdfTextDecoder::fromUtf8(reinterpret_cast<const char*>(ucs)));
    }
    if (format != kUTF16HostEndian && format != kUTF16BigEndian) {
        ASRaise(genErrBadParm);
    }
    std::u16string text(reinterpret_cast<const char16_t*>(ucs), unitCount(ucs));
    if (format == kUTF16BigEndian && std::endian::native == std::endian::little) {
        for (char16_t& unit : text) {
            unit = swapBytes(unit);
        }
    }
    return makeText(std::move(text));
}

ASText ASTextFromSizedPDText(const char* pdText, ASTArraySize length) {
    if (pdText == nullptr || length < 0) {
        ASRaise(genErrBadParm);
    }
    return makeText(PdfTextDecoder::decode(std::string_view(pdText, static_cast<std::size_t>(length))));
}

ASText ASTextFromPDText(const char* pdText) {
    if (pdText == nullptr) {
        ASRaise(genErrBadParm);
    }
    // A UTF-16 text contains zero bytes, so only its double-zero terminator
    // ends it.
    std::size_t length = 0;
    if (pdText[0] == '\xFE' && pdText[1] == '\xFF') {
        while (pdText[length] != 0 || pdText[length + 1] != 0) {
            length += 2;
        }
    } else {
        length = std::strlen(pdText);
    }
    return makeText(PdfTextDecoder::decode(std::string_view(pdText, length)));
}

const ASUTF16Val* ASTextGetUnicode(ASText text) {
    if (text == nullptr) {
        ASRaise(genErrBadParm);
    }
    return reinterpret_cast<const ASUTF16Val*>(text->text.c_str());
}

ASTArraySize ASTextGetUnicodeLength(ASText text) {
    if (text == nullptr) {
        ASRaise(genErrBadParm);
    }
    return static_cast<ASTArraySize>(text->text.size());
}

void ASTextDestroy(ASText text) {
    delete text;
}
