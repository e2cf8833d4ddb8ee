// ITextTarget (on a text concrete-suite object): the story and range a text selection holds.
#pragma once

#include "host/database/UIDRef.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/RangeData.h"

class ITextModel;

class ITextTarget : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITEXTTARGET };
    virtual UIDRef GetTextModelRef() const = 0;
    // The story's text model (one reference), or nullptr.
    virtual ITextModel* QueryTextModel() const = 0;
    // The selected range; threadKey receives the key of the story thread that holds its start
    // (0 for a story without story threads).
    virtual RangeData GetRange(uint32* threadKey = nullptr) const = 0;
    // True for an empty range: a caret between two characters.
    virtual bool16 IsInsertionPoint() const = 0;
    // Host use: set by the selection manager.
    virtual void SetTarget(const UIDRef& textModel, const RangeData& range, uint32 threadKey) = 0;
};
