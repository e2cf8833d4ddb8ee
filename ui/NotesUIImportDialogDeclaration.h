// AddImportDialogDeclaration: what the import dialog adds to the Quillpane plug-in's declaration: its
// controller and observer, the dialog class that aggregates them, and the dialog's widget layout.
#pragma once

#include "host/objectmodel/PlugInDeclaration.h"

void AddImportDialogDeclaration(PlugInDeclaration* declaration);
