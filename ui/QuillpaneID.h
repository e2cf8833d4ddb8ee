// IDs of the Quillpane plug-in.
#pragma once

#include "host/objectmodel/ObjectIDs.h"

constexpr PluginID kNotesUIPluginID = 0x169300;
constexpr const char* kNotesUIPluginName = "Quillpane";
constexpr int32 kNotesUIMajorVersion = 1;
constexpr int32 kNotesUIMinorVersion = 1;
constexpr int32 kNotesUIBugfixVersion = 5;

#define NOTES_UI_KEY(name) "#MV#1693" #name
