// IFrameList: the frame columns a story's primary thread flows through, in threading order
// (stored on the story). Columns of deleted frames are passed over.
#pragma once

#include <vector>

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class ITextFrameColumn;

class IFrameList : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IFRAMELIST };
    virtual int32 GetFrameCount() const = 0;
    virtual UID GetNthFrameUID(int32 n) const = 0;
    virtual ITextFrameColumn* QueryNthFrame(int32 n) const = 0;
    // Every column in order, found in one pass (cheaper than asking for each in turn).
    virtual std::vector<UID> GetFrameUIDs() const = 0;
    // The place of a column in the list, or -1.
    virtual int32 GetFrameIndex(UID column) const = 0;
    // Every column listed, those of deleted frames included (they come back when the deletion is
    // undone).
    virtual std::vector<UID> GetListedUIDs() const = 0;
    // A stamp that moves on whenever the list changes (undo and reading included).
    virtual uint64 GetChangeCount() const = 0;

    // Host use, inside commands.
    virtual void AppendFrame(UID column) = 0;
    virtual void RemoveFrame(UID column) = 0;
};
