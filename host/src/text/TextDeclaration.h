// The text module's classes and implementations, registered with the host's own at start-up.
#pragma once

#include "host/objectmodel/IPlugIn.h"

PlugInDeclaration MakeTextDeclaration();
// The text module as a plug-in object, for PlugInLoader::RegisterPlugIn.
const IPlugIn* GetTextPlugIn();
