// WideString: a Unicode string of UTF-16 code units, the form the text model works in.
#pragma once

#include <string>

#include "host/util/BaseTypes.h"

class PMString;

class WideString {
public:
    WideString() = default;
    explicit WideString(std::u16string text) : fText(std::move(text)) {}
    explicit WideString(const PMString& text);
    explicit WideString(const char* utf8);

    int32 Length() const { return static_cast<int32>(fText.size()); }
    bool IsEmpty() const { return fText.empty(); }
    char16_t operator[](int32 index) const { return fText[static_cast<size_t>(index)]; }
    void Append(char16_t unit) { fText.push_back(unit); }
    void Append(const WideString& other) { fText += other.fText; }
    const std::u16string& GetUTF16() const { return fText; }
    std::string GetUTF8String() const;
    bool operator==(const WideString& o) const { return fText == o.fText; }
    bool operator!=(const WideString& o) const { return fText != o.fText; }

private:
    std::u16string fText;
};
