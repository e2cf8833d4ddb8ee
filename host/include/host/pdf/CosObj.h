// Objects of an open PDF document (dictionaries, arrays, numbers, names,
// strings, streams).
//
// A CosObj is a small value naming an object of one open document. It stays
// valid while that document is open; after PDDocClose every call on it raises
// pdErrDocClosed (it never touches freed memory). The null object (from
// CosNewNull, or a missing key) belongs to no document and answers CosNull.
//
// Each object handed out takes a slot of its document's object table; the
// same indirect object always gives the same slot. The table is capped
// (cosErrTooManyObjects), so walking a hostile file ends with an error rather
// than unbounded memory.
//
// Accessors raise the cosErrExpected... codes when the object has another
// type; CosDictGetKeyString also accepts a stream (its dictionary) and the
// null object (giving null), so chains of look-ups need no presence tests.
#pragma once

#include "host/pdf/ASAtom.h"
#include "host/pdf/ASFixed.h"

struct CosObj {
    std::uint32_t docId = 0; // 0: the null object
    std::uint32_t slot = 0;
};

using CosType = std::int32_t;
inline constexpr CosType CosNull = 0;
inline constexpr CosType CosInteger = 1;
inline constexpr CosType CosFixed = 2;
inline constexpr CosType CosBoolean = 3;
inline constexpr CosType CosName = 4;
inline constexpr CosType CosString = 5;
inline constexpr CosType CosDict = 6;
inline constexpr CosType CosArray = 7;
inline constexpr CosType CosStream = 8;

CosObj CosNewNull();
CosType CosObjGetType(CosObj obj);
// Same indirect object, or equal direct scalar values (numbers, booleans,
// names, strings). Two direct containers are equal only when they are the
// same object; the null object equals only null.
ASBool CosObjEqual(CosObj a, CosObj b);

// Dictionary entry by key name; the null object when absent.
CosObj CosDictGetKeyString(CosObj dict, const char* key);
ASBool CosDictKnownKeyString(CosObj dict, const char* key);

// Arrays longer than CosMaxArrayLength report that length; the rest is not
// reachable.
inline constexpr ASTArraySize CosMaxArrayLength = 1 << 20;
ASTArraySize CosArrayLength(CosObj array);
// cosErrArrayBounds for an index outside 0 .. length - 1.
CosObj CosArrayGet(CosObj array, ASTArraySize index);

// Integers and reals are both numbers: CosFixedValue reads either (saturated
// to the 16.16 range), CosIntegerValue truncates a real, CosFloatValue gives
// the full precision.
ASFixed CosFixedValue(CosObj number);
ASInt32 CosIntegerValue(CosObj number);
double CosFloatValue(CosObj number);
ASBool CosBooleanValue(CosObj boolean);
ASAtom CosNameValue(CosObj name);
// The string's bytes (decrypted, escapes resolved; not zero-terminated) and
// their count. The bytes belong to the document and stay valid while it is
// open.
char* CosStringValue(CosObj string, ASTArraySize* length);
