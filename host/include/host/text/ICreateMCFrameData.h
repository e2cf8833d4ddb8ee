// ICreateMCFrameData: the story a new text frame shows (create-text-frame command data). With no
// story the command makes a new one; with a story the frame is threaded after its last frame.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class ICreateMCFrameData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ICREATEMCFRAMEDATA };
    virtual void SetStory(UID story) = 0;
    virtual UID GetStory() const = 0;
};
