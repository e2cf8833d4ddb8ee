#include "host/pdf/ASFileSys.h"

#include "ASPathNameRec.h"
#include "ASTextRec.h"

#include <cstring>

namespace {

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// File names on this system are UTF-8 bytes.
std::string utf8FromUtf16(const std::u16string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t codePoint = text[i];
        const bool pairFollows = i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (codePoint >= 0xD800 && codePoint <= 0xDBFF && pairFollows) {
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (codePoint >= 0xD800 && codePoint <= 0xDFFF) {
            codePoint = 0xFFFD;
        }
        appendUtf8(out, codePoint);
    }
    return out;
}

} // namespace

ASPathName ASFileSysCreatePathName(ASFileSys /*fileSys*/, ASAtom pathSpecType, const void* pathSpec,
                                   const void* /*additionalData*/) {
    if (pathSpec == nullptr) {
        return nullptr;
    }
    const char* type = ASAtomGetString(pathSpecType);
    if (std::strcmp(type, "DIPathWithASText") == 0) {
        const auto* text = static_cast<const ASTextRec*>(pathSpec);
        return new ASPathNameRec{utf8FromUtf16(text->text)};
    }
    if (std::strcmp(type, "Cstring") == 0) {
        return new ASPathNameRec{static_cast<const char*>(pathSpec)};
    }
    return nullptr;
}

void ASFileSysReleasePathName(ASFileSys /*fileSys*/, ASPathName pathName) {
    delete pathName;
}
