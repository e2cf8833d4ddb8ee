// File system and path names. Only the default file system (null) exists.
// A path name is made from a path type atom and its data: "DIPathWithASText"
// takes an ASText, "Cstring" a zero-terminated UTF-8 char string. Other types,
// or a null path, give a null path name.
#pragma once

#include "host/pdf/ASAtom.h"

struct ASFileSysRec;
using ASFileSys = ASFileSysRec*;
struct ASPathNameRec;
using ASPathName = ASPathNameRec*;

ASPathName ASFileSysCreatePathName(ASFileSys fileSys, ASAtom pathSpecType, const void* pathSpec,
                                   const void* additionalData);
void ASFileSysReleasePathName(ASFileSys fileSys, ASPathName pathName);
