// INotesRecentImports: the PDF files already imported in this run of the application, oldest first,
// each path once, for the import dialog's list of recent files. Nothing of it is ever stored.
#pragma once

#include "NotesID.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/PMString.h"

class INotesRecentImports : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESRECENTIMPORTS };

    virtual int32 GetCount() const = 0;
    // The path at a 0-based index; empty when the index is negative or not below the count.
    virtual PMString GetNth(int32 index) const = 0;
    // Appends the path unless an equal one is listed already (which then keeps its place).
    virtual void Add(const PMString& path) = 0;
    // Removes every entry equal to the path; the others keep their order.
    virtual void Remove(const PMString& path) = 0;
};
