// Fixed-width scalar types and error codes shared by the host and its plug-ins.
#pragma once

#include <cstdint>

using int16 = std::int16_t;
using int32 = std::int32_t;
using int64 = std::int64_t;
using uint16 = std::uint16_t;
using uint32 = std::uint32_t;
using uint64 = std::uint64_t;
using uchar = unsigned char;
using uint8 = std::uint8_t;

// Truth values cross every interface as 16-bit integers.
using bool16 = int16;
constexpr bool16 kTrue = 1;
constexpr bool16 kFalse = 0;

// Operations report kSuccess or a failure code.
using ErrorCode = int32;
constexpr ErrorCode kSuccess = 0;
constexpr ErrorCode kFailure = 1;
constexpr ErrorCode kCancel = 2;
constexpr ErrorCode kOutOfMemoryError = 3;
constexpr ErrorCode kInvalidParameterError = 4;
constexpr ErrorCode kUIDSpaceExhaustedError = 5; // a document has no UID left for a new object

#ifndef nil
#define nil nullptr
#endif
