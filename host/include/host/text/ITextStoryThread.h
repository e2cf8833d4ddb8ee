// ITextStoryThread: one flow of a story's text through its own parcels. A story's primary
// thread holds the text before its tables' cells (all of it in a story without tables) and flows
// through the story's frame list; a table cell's thread (on the cell) flows through the cell.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/RangeData.h"

class IParcelList;
class ITextParcelList;
class ITextModel;

class ITextStoryThread : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITEXTSTORYTHREAD };
    // The key that names the thread's flow in the story's composition.
    virtual int32 GetThreadKey() const = 0;
    virtual UID GetTextModelUID() const = 0;
    virtual ITextModel* QueryTextModel() const = 0;
    virtual TextIndex GetTextStart() const = 0;
    virtual TextIndex GetTextEnd() const = 0;
    virtual RangeData GetTextRange() const = 0;
    virtual IParcelList* QueryParcelList() const = 0;
    virtual ITextParcelList* QueryTextParcelList() const = 0;
};
