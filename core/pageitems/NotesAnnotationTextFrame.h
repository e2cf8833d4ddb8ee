// NotesAnnotationTextFrame: the steps that annotation text frames (popups, free text) share: making
// a one-column text frame of an annotation class under a spread layer, putting the annotation's
// text into its story, and applying a list of graphic attributes to a page item. Each step logs
// what failed and answers false (or UIDRef()), so the calling command can end with a failure.
#pragma once

#include <functional>

#include "host/database/UIDRef.h"
#include "host/objectmodel/ObjectIDs.h"
#include "host/util/Geometry.h"
#include "host/util/PMString.h"

class IGraphicAttributeUtils;
class IGraphicStyleAttributeBossList;

class NotesAnnotationTextFrame {
public:
    // A text frame of the class under parent with the bounds (pasteboard), one column; UIDRef() on failure.
    static UIDRef Create(const UIDRef& parent, ClassID frameClass, const PMRect& bounds);
    // Inserts the content at the start of the frame's story; empty content leaves the story empty.
    static bool InsertContent(const UIDRef& frame, const PMString& content);
    // Adds to a new attribute list what fill adds (false when an attribute cannot be added) and
    // applies the list to the item as overrides.
    using AttributeFiller = std::function<bool(IGraphicAttributeUtils*, IGraphicStyleAttributeBossList*)>;
    static bool ApplyAttributes(const UIDRef& item, const AttributeFiller& fill);
};
