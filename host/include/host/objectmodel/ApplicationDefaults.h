// ApplicationDefaults: keeps the persistent implementations of the application-wide object (the
// user's choices, such as display modes) between runs, in the file "Defaults" of the application
// document folder. A missing or malformed file gives every implementation its own start value.
#pragma once

#include <vector>

#include "host/objectmodel/IPMUnknown.h"
#include "host/util/IDFile.h"

namespace ApplicationDefaults {
// <application document folder>/Defaults; false when there is no application document folder.
bool16 GetFile(IDFile* file);
// Fills the object's persistent implementations from the file; false when it is missing or malformed.
bool16 Load(IPMUnknown* object, const IDFile& file);
// What the object's persistent implementations hold now, as the file would hold them.
std::vector<uint8> Snapshot(IPMUnknown* object);
// Writes the object's persistent implementations to the file unless it holds them already,
// through a temporary file renamed over it, so a failed write leaves the old file as it was.
ErrorCode Save(IPMUnknown* object, const IDFile& file);
} // namespace ApplicationDefaults
