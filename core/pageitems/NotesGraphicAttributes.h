// NotesGraphicAttributes: applying a list of graphic attributes to a page item over what it has,
// with the host's apply-attribute-overrides command.
#pragma once

#include "host/database/UIDRef.h"

class IGraphicStyleAttributeBossList;

class NotesGraphicAttributes {
public:
    // Processes the apply-attribute-overrides command on the item with the list; false (logged)
    // when it cannot be made or fails.
    static bool ApplyOverrides(const UIDRef& item, IGraphicStyleAttributeBossList* list);
};
