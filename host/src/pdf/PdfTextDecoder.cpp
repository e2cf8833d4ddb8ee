#include "PdfTextDecoder.h"

#include <array>

namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr char16_t kLanguageEscape = 0x001B;

// PDFDocEncoding differs from Latin-1 in 0x18-0x1F and 0x7F-0xAD.
constexpr std::array<char16_t, 8> kLowDifferences = {0x02D8, 0x02C7, 0x02C6, 0x02D9,
                                                     0x02DD, 0x02DB, 0x02DA, 0x02DC};
constexpr std::array<char16_t, 0x2F> kHighDifferences = {
    kReplacement, // 0x7F undefined
    0x2022,       0x2020, 0x2021, 0x2026, 0x2014, 0x2013, 0x0192, 0x2044, 0x2039, 0x203A, 0x2212,
    0x2030,       0x201E, 0x201C, 0x201D, 0x2018, 0x2019, 0x201A, 0x2122, 0xFB01, 0xFB02, 0x0141,
    0x0152,       0x0160, 0x0178, 0x017D, 0x0131, 0x0142, 0x0153, 0x0161, 0x017E,
    kReplacement, // 0x9F undefined
    0x20AC,       0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x00AA,
    0x00AB,       0x00AC,
    kReplacement, // 0xAD undefined
};

bool startsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Replaces surrogates that are not part of a pair, and drops the language
// tags (ESC lang ESC) that PDF allows inside UTF-16 text strings.
std::u16string cleanUtf16(const std::u16string& units) {
    std::u16string out;
    out.reserve(units.size());
    bool inLanguageTag = false;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (unit == kLanguageEscape) {
            inLanguageTag = !inLanguageTag;
        } else if (inLanguageTag) {
            continue;
        } else if (isHighSurrogate(unit) && i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
            out += unit;
            out += units[++i];
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            out += kReplacement;
        } else {
            out += unit;
        }
    }
    return out;
}

} // namespace

std::u16string PdfTextDecoder::decode(std::string_view bytes) {
    if (startsWith(bytes, "\xFE\xFF")) {
        return fromUtf16(bytes.substr(2), true);
    }
    if (startsWith(bytes, "\xFF\xFE")) {
        return fromUtf16(bytes.substr(2), false);
    }
    if (startsWith(bytes, "\xEF\xBB\xBF")) {
        return fromUtf8(bytes.substr(3));
    }
    if (hasMultiByteSequence(bytes)) {
        if (auto utf8 = strictUtf8(bytes)) {
            return *utf8;
        }
    }
    return fromPdfDocEncoding(bytes);
}

std::u16string PdfTextDecoder::fromUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    // An odd trailing byte has no partner and is dropped.
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units += static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return cleanUtf16(units);
}

std::u16string PdfTextDecoder::fromPdfDocEncoding(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code >= 0x18 && code <= 0x1F) {
            out += kLowDifferences[code - 0x18];
        } else if (code >= 0x7F && code <= 0xAD) {
            out += kHighDifferences[code - 0x7F];
        } else {
            out += static_cast<char16_t>(code);
        }
    }
    return out;
}

std::u16string PdfTextDecoder::fromUtf8(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t codePoint = 0;
        const std::size_t length = utf8Sequence(bytes, i, codePoint);
        if (length == 0) {
            out += kReplacement;
            ++i;
        } else {
            appendCodePoint(out, codePoint);
            i += length;
        }
    }
    return out;
}

std::optional<std::u16string> PdfTextDecoder::strictUtf8(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t codePoint = 0;
        const std::size_t length = utf8Sequence(bytes, i, codePoint);
        if (length == 0) {
            return std::nullopt;
        }
        appendCodePoint(out, codePoint);
        i += length;
    }
    return out;
}

bool PdfTextDecoder::hasMultiByteSequence(std::string_view bytes) {
    for (char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0xC2) {
            return true;
        }
    }
    return false;
}

std::size_t PdfTextDecoder::utf8Sequence(std::string_view bytes, std::size_t at, char32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode are not UTF-8.
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return 0;
    }
    return length;
}

void PdfTextDecoder::appendCodePoint(std::u16string& out, char32_t codePoint) {
    if (codePoint < 0x10000) {
        out += static_cast<char16_t>(codePoint);
        return;
    }
    codePoint -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (codePoint >> 10));
    out += static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
}
