// NotesEnglishStrings: the plug-in's English string table.
#pragma once

#include <vector>

#include "host/objectmodel/PlugInDeclaration.h"

std::vector<StringDeclaration> NotesEnglishStrings();
