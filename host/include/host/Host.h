// Host start-up: registers the host's own classes and makes the application-wide objects.
#pragma once

#include <string>
#include <vector>

#include "host/objectmodel/PlugInLoader.h"

namespace Host {
// Safe to call more than once; later calls do nothing.
void Initialize();
// Closes every document, shuts the plug-ins' start-up services down and releases the
// application-wide objects.
void Shutdown();
// The plug-in folder beside the running program ("<dir of executable>/plugins").
std::string DefaultPlugInFolder();
} // namespace Host
