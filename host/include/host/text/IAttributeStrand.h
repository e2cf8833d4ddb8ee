// IAttributeStrand: the character attributes of a story as runs that cover every character.
// Text inserted by typing takes the attributes of the character before it (of the one after it
// at the story's start); pasted text brings its own.
#pragma once

#include <vector>

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/AttributeRun.h"
#include "host/text/RangeData.h"

class IAttributeStrand : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IATTRIBUTESTRAND };
    // The attributes of the character at index (an empty list outside the text).
    virtual AttributeBossList GetAttributes(TextIndex index) const = 0;
    // The run around index whose characters all carry the same attributes (empty outside the text).
    virtual RangeData GetRunRange(TextIndex index) const = 0;
    // The stretch around index over which an attribute of the class keeps one value; an empty
    // range at index when the character there has no such attribute.
    virtual RangeData GetAttributeRange(TextIndex index, ClassID attributeClass) const = 0;
    // The indices inside range (after its start) where the attributes change, in order.
    virtual std::vector<TextIndex> GetChangePositions(RangeData range) const = 0;
    virtual int32 CountRuns() const = 0;
    // The runs of range, cut to it (the form a copy of text carries).
    virtual std::vector<AttributeRun> CopyRuns(RangeData range) const = 0;
    // Changes whenever the runs do (edits, undo, reading); equal stamps mean the same runs.
    virtual uint64 GetChangeCount() const = 0;

    // Text model use.
    virtual void InsertRuns(TextIndex at, const std::vector<AttributeRun>& runs) = 0;
    virtual void Remove(TextIndex at, int32 length) = 0;
    virtual void Apply(RangeData range, const AttributeBossList& attributes) = 0;
    virtual void Clear(RangeData range, ClassID attributeClass) = 0;
};
