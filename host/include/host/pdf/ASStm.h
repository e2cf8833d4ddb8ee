// Reading stream data.
//
// CosStreamOpenStm opens a stream of an open document: cosOpenFiltered (2)
// gives the decoded data (filters the reader supports; others come raw),
// cosOpenRaw and cosOpenUnfiltered the undecoded data. Decoding runs only
// as far as the reads ask for, so a small read of a huge or hostile stream
// costs little; no stream yields more than CosMaxDecodedStreamBytes (the
// reader then reports its end). A stream that cannot be decoded ends early
// with what was decoded. Each ASStm is closed with ASStmClose; streams left
// open are freed when their document is closed; reading or closing a stream
// after that is harmless (a read raises genErrBadParm).
#pragma once

#include "host/pdf/CosObj.h"

struct ASStmRec;
using ASStm = ASStmRec*;

using CosStreamOpenMode = std::int32_t;
inline constexpr CosStreamOpenMode cosOpenRaw = 0;
inline constexpr CosStreamOpenMode cosOpenUnfiltered = 1;
inline constexpr CosStreamOpenMode cosOpenFiltered = 2;

inline constexpr std::int64_t CosMaxDecodedStreamBytes = 16 * 1024 * 1024;

ASStm CosStreamOpenStm(CosObj stream, CosStreamOpenMode mode);
// The stream's Length entry (the stored, encoded size); 0 when not a
// non-negative integer.
ASInt32 CosStreamLength(CosObj stream);
// The stream dictionary.
CosObj CosStreamDict(CosObj stream);
// Reads up to nItems items of itemSize bytes into ptr; returns the number of
// whole items read (fewer at the end of the data).
ASTArraySize ASStmRead(char* ptr, ASTArraySize itemSize, ASTArraySize nItems, ASStm stm);
void ASStmClose(ASStm stm);
