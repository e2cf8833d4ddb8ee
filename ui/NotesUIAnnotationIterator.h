// NotesUIAnnotationIterator: the Notes tree's INotesUIAnnotationIterator. From an annotation node it
// looks at the rest of its page's list, then page by page in tree order; from a page node it starts
// with that page's own list; with nothing selected it starts at the first (or last) page. Each step is
// one pass over the pages and the lists it passes.
#pragma once

#include "INotesUIAnnotationIterator.h"
#include "host/database/UIDList.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesUIAnnotationIterator final : public CPMUnknown<INotesUIAnnotationIterator> {
public:
    explicit NotesUIAnnotationIterator(IPMUnknown* boss) : CPMUnknown<INotesUIAnnotationIterator>(boss) {}
    UID Next(bool16 textEditsOnly) override { return Step(+1, textEditsOnly); }
    UID Previous(bool16 textEditsOnly) override { return Step(-1, textEditsOnly); }

private:
    UID Step(int32 direction, bool16 textEditsOnly) const;
    // The first qualifying annotation of the list from index from on, in the direction; kInvalidUID.
    static UID Scan(const UIDList& annotations, int32 from, int32 direction, bool16 textEditsOnly);
};
