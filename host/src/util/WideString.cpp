#include "host/util/WideString.h"

#include "host/util/PMString.h"
#include "host/util/UnicodeConversion.h"

WideString::WideString(const PMString& text) : fText(text.GetUTF16()) {}

WideString::WideString(const char* utf8) : fText(Unicode::UTF8ToUTF16(utf8 ? utf8 : "")) {}

std::string WideString::GetUTF8String() const {
    return Unicode::UTF16ToUTF8(fText);
}
