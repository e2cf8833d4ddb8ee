#include "host/util/PMString.h"

#include "host/util/StringTable.h"
#include "host/util/UnicodeConversion.h"
#include "host/util/WideString.h"

PMString::PMString(const char* utf8, TranslateDuringCall translate)
    : PMString(std::string_view(utf8 ? utf8 : ""), translate) {}

PMString::PMString(std::string_view utf8, TranslateDuringCall translate) : fText(Unicode::UTF8ToUTF16(utf8)) {
    if (translate == kTranslateDuringCall)
        Translate();
}

PMString::PMString(const WideString& wide) : fText(wide.GetUTF16()) {}

void PMString::Translate() {
    if (!fTranslatable || fText.empty())
        return;
    if (const std::string* text = StringTable::Instance().Lookup(GetUTF8String()))
        fText = Unicode::UTF8ToUTF16(*text);
}

void PMString::Append(const char* utf8) {
    fText += Unicode::UTF8ToUTF16(utf8 ? utf8 : "");
}

void PMString::AppendNumber(int32 number) {
    Append(std::to_string(number).c_str());
}

std::string PMString::GetUTF8String() const {
    return Unicode::UTF16ToUTF8(fText);
}

PMString operator+(const PMString& a, const PMString& b) {
    PMString result(a);
    result.Append(b);
    return result;
}
