// Turns the bytes of a PDF text string into UTF-16, choosing the encoding
// from a byte-order mark or, without one, between UTF-8 and PDFDocEncoding
// (see ASText.h for the rules).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

class PdfTextDecoder {
public:
    static std::u16string decode(std::string_view bytes);
    // Lenient UTF-8: each malformed sequence becomes U+FFFD.
    static std::u16string fromUtf8(std::string_view bytes);

private:
    static std::u16string fromUtf16(std::string_view bytes, bool bigEndian);
    static std::u16string fromPdfDocEncoding(std::string_view bytes);
    // Strict UTF-8 decoding; nullopt when the bytes are not valid UTF-8.
    static std::optional<std::u16string> strictUtf8(std::string_view bytes);
    static bool hasMultiByteSequence(std::string_view bytes);
    // Length of the valid UTF-8 sequence at bytes[at] and its code point, or
    // 0 when the sequence is malformed.
    static std::size_t utf8Sequence(std::string_view bytes, std::size_t at, char32_t& codePoint);
    static void appendCodePoint(std::u16string& out, char32_t codePoint);
};
