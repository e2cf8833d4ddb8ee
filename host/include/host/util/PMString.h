// PMString: the host's Unicode string (UTF-16 code units) with string-table translation.
#pragma once

#include <string>
#include <string_view>

#include "host/util/BaseTypes.h"

class WideString;

class PMString {
public:
    // Whether the text is a string-table key that should be translated when it is made.
    enum TranslateDuringCall { kDontTranslateDuringCall, kTranslateDuringCall };

    PMString() = default;
    // From UTF-8 text; invalid bytes become U+FFFD.
    PMString(const char* utf8, TranslateDuringCall translate = kDontTranslateDuringCall);
    explicit PMString(std::string_view utf8, TranslateDuringCall translate = kDontTranslateDuringCall);
    explicit PMString(const WideString& wide);
    explicit PMString(std::u16string utf16) : fText(std::move(utf16)) {}

    // Replaces the text by its entry in the host's string tables when it is a key there.
    void Translate();
    // Marks whether Translate may change the text (a plain user text is never translated).
    void SetTranslatable(bool16 translatable) { fTranslatable = translatable; }
    bool16 GetTranslatable() const { return fTranslatable; }

    bool16 IsEmpty() const { return fText.empty(); }
    int32 CharCount() const { return static_cast<int32>(fText.size()); }
    void Clear() { fText.clear(); }
    void Append(const PMString& other) { fText += other.fText; }
    void Append(const char* utf8);
    void AppendNumber(int32 number);
    PMString& operator+=(const PMString& other) {
        Append(other);
        return *this;
    }

    std::string GetUTF8String() const;
    const std::u16string& GetUTF16() const { return fText; }
    void SetUTF16(std::u16string text) { fText = std::move(text); }

    bool operator==(const PMString& o) const { return fText == o.fText; }
    bool operator!=(const PMString& o) const { return fText != o.fText; }
    bool operator<(const PMString& o) const { return fText < o.fText; }

private:
    std::u16string fText;
    bool16 fTranslatable = kTrue;
};

PMString operator+(const PMString& a, const PMString& b);
