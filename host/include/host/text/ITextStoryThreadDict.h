// ITextStoryThreadDict: the story threads of one owner. A story's own dictionary (on the story,
// whose class is the owner class) holds its primary thread first.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/TextTypes.h"

class ITextStoryThread;

class ITextStoryThreadDict : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITEXTSTORYTHREADDICT };
    // The object that owns the threads (the story for its primary thread).
    virtual UID GetOwnerUID() const = 0;
    virtual int32 GetThreadCount() const = 0;
    // Thread n (0 is the primary thread of a story), or nullptr.
    virtual ITextStoryThread* QueryThread(int32 n) const = 0;
    // The thread whose text holds index, or nullptr.
    virtual ITextStoryThread* QueryThreadAt(TextIndex index) const = 0;
};
