// Text objects: Unicode text made from host UTF-16 or from the bytes of a PDF
// text string, read back as host-endian UTF-16.
//
// ASTextFromSizedPDText decodes, by the leading bytes: FE FF = UTF-16BE,
// FF FE = UTF-16LE (written by some producers), EF BB BF = UTF-8; without a
// byte-order mark, bytes that form valid UTF-8 with at least one multi-byte
// sequence are read as UTF-8 (also common in the wild), anything else as
// PDFDocEncoding. An unpaired surrogate or a malformed sequence becomes U+FFFD.
// Every ASText made here is released with ASTextDestroy.
#pragma once

#include "host/pdf/ASTypes.h"

struct ASTextRec;
using ASText = ASTextRec*;

// Encodings accepted by ASTextFromUnicode.
using ASUnicodeFormat = std::int32_t;
inline constexpr ASUnicodeFormat kUTF16BigEndian = 0;
inline constexpr ASUnicodeFormat kUTF16HostEndian = 1;
inline constexpr ASUnicodeFormat kUTF8 = 2;

ASText ASTextNew();
// ucs is terminated by a zero unit (a zero byte for kUTF8). An unknown format
// raises genErrBadParm.
ASText ASTextFromUnicode(const ASUTF16Val* ucs, ASUnicodeFormat format);
ASText ASTextFromSizedPDText(const char* pdText, ASTArraySize length);
ASText ASTextFromPDText(const char* pdText);
// Zero-terminated host-endian UTF-16, owned by the text and valid until it is
// destroyed.
const ASUTF16Val* ASTextGetUnicode(ASText text);
// Number of UTF-16 units, without the terminator.
ASTArraySize ASTextGetUnicodeLength(ASText text);
void ASTextDestroy(ASText text);
