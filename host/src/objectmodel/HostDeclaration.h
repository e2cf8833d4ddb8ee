// MakeHostDeclaration: the host's own classes and implementations, registered at start-up.
#pragma once

#include "host/objectmodel/PlugInDeclaration.h"

PlugInDeclaration MakeHostDeclaration();
