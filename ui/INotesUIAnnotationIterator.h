// INotesUIAnnotationIterator (on the Notes tree view): steps from the tree's last selected node to the
// next or previous annotation in tree order, optionally only through text edits (strike-through,
// replacement, insertion). There is no wrap-around: past either end the answer is kInvalidUID.
#pragma once

#include "QuillpaneID.h"
#include "host/database/UID.h"
#include "host/objectmodel/IPMUnknown.h"

class INotesUIAnnotationIterator : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESUIANNOTATIONITERATOR };
    virtual UID Next(bool16 textEditsOnly) = 0;
    virtual UID Previous(bool16 textEditsOnly) = 0;
};
