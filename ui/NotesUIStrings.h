// NotesUIEnglishStrings: the English strings of the Quillpane plug-in, by key.
#pragma once

#include <vector>

#include "host/objectmodel/PlugInDeclaration.h"

std::vector<StringDeclaration> NotesUIEnglishStrings();
