// Basic value types of the PDF library: booleans, sizes, UTF-16 units and
// error codes, with the library's own names so reading code stays close to
// the operations it calls.
#pragma once

#include <cstdint>

using ASBool = std::uint16_t;
using ASInt16 = std::int16_t;
using ASInt32 = std::int32_t;
using ASUns32 = std::uint32_t;
using ASTArraySize = std::int32_t;
using ASUTF16Val = std::uint16_t;
using ASErrorCode = std::int32_t;

inline constexpr ASBool ASTrue = 1;
inline constexpr ASBool ASFalse = 0;
