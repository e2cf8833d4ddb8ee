// ITextCmdData: the inputs of the text commands (the story travels in the item list).
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/RangeData.h"
#include "host/text/TextScrap.h"

struct TextCmdParameters {
    TextIndex position = 0;
    int32 length = 0;
    WideString text;
    TextScrap scrap;
    AttributeBossList attributes;
    ClassID itemClass = kInvalidClass; // the owned item's class, or the attribute class to clear
    UID item = kInvalidUID;
};

class ITextCmdData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITEXTCMDDATA };
    virtual TextCmdParameters& Parameters() = 0;
};
