// Conversions between UTF-8 and UTF-16; malformed input becomes U+FFFD, never an error.
#pragma once

#include <string>
#include <string_view>

namespace Unicode {
std::u16string UTF8ToUTF16(std::string_view utf8);
std::string UTF16ToUTF8(std::u16string_view utf16);
} // namespace Unicode
