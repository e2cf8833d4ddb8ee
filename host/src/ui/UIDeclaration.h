// The UI toolkit's widget classes and application services, added to the host's own declaration.
#pragma once

#include "host/objectmodel/PlugInDeclaration.h"

void AddUIDeclaration(PlugInDeclaration* declaration);
