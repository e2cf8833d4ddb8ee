// What the command processor tells the application's subject under IID_ICOMMANDPROCESSOR after each
// undo step: done (changedBy: the outermost ICommand, nullptr for a sequence), undone or redone.
// A step that ended in error and was rolled back is not announced.
#pragma once

#include "host/objectmodel/ObjectIDs.h"

constexpr PMIID IID_ICOMMANDPROCESSOR = 0x2190;
constexpr ClassID kCommandDoneMessage = 0x2191;
constexpr ClassID kCommandUndoneMessage = 0x2192;
constexpr ClassID kCommandRedoneMessage = 0x2193;
