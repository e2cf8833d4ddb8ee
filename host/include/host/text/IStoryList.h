// IStoryList: the stories of a document, in the order they were made (on the document object).
// kNewStoryCmdBoss (item list: any object of the document's database) adds one and answers it.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IStoryList : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ISTORYLIST };
    virtual int32 CountStories() const = 0;
    virtual UID GetNthStoryUID(int32 n) const = 0;

    // Story command use.
    virtual void AppendStory(UID story) = 0;
    virtual void RemoveStory(UID story) = 0;
};
