// Atoms: interned names. ASAtomFromString gives equal atoms for equal
// strings for the life of the process; ASAtomGetString gives the name back.
// Atoms are never freed, so the table is capped; a name past the cap raises
// pdfErrTooManyAtoms through the exception frame.
#pragma once

#include "host/pdf/ASTypes.h"

using ASAtom = std::uint32_t;

// The atom of no name; never returned by ASAtomFromString.
inline constexpr ASAtom ASAtomNull = 0;

ASAtom ASAtomFromString(const char* name);
// The name of an atom; "" for ASAtomNull or an atom never made.
const char* ASAtomGetString(ASAtom atom);
// Whether a name already has an atom; does not create one.
ASBool ASAtomExistsForString(const char* name);
