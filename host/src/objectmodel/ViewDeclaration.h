// The host's layout view, selection and selection-handle classes, added to its own declaration.
#pragma once

#include "host/objectmodel/PlugInDeclaration.h"

// Adds the implementations, classes and the interfaces these put on other host classes.
void AddViewDeclaration(PlugInDeclaration* declaration);
