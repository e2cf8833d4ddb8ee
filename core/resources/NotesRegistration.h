// NotesRegistration: what the Annotations plug-in declares to the host: its implementations,
// classes, add-ins to host classes, string tables, action and menu.
#pragma once

#include "host/objectmodel/PlugInDeclaration.h"

PlugInDeclaration MakeNotesDeclaration();
