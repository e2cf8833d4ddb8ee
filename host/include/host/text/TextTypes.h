// Scalar types of the text model: text indices count UTF-16 code units from the story's start.
#pragma once

#include "host/util/BaseTypes.h"

using TextIndex = int32;
using UTF16TextChar = char16_t;
using UTF32TextChar = char32_t;

constexpr UTF16TextChar kTextChar_CR = 0x0D; // paragraph return; every story ends with one
constexpr UTF16TextChar kTextChar_LF = 0x0A; // forced line break inside a paragraph
constexpr UTF16TextChar kTextChar_Space = 0x20;
constexpr UTF16TextChar kTextChar_Tab = 0x09;
constexpr UTF16TextChar kTextChar_HyphenMinus = 0x2D;
constexpr UTF16TextChar kTextChar_Table = 0x16; // anchor of a table
constexpr UTF16TextChar kTextChar_TableContinued = 0x17;

inline bool IsHighSurrogate(UTF16TextChar c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
inline bool IsLowSurrogate(UTF16TextChar c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}
