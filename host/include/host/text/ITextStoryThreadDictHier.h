// ITextStoryThreadDictHier: every thread dictionary of a story (on the story), in text order:
// the story's own dictionary first (its owner is the story), then the dictionary of each table
// anchored in the primary text (its owner is the table model), in the order of their anchors.
// Dictionaries are named by their owner's UID; walk them with NextUID from kInvalidUID.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/TextTypes.h"

class ITextStoryThread;
class ITextStoryThreadDict;

class ITextStoryThreadDictHier : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITEXTSTORYTHREADDICTHIER };
    virtual int32 GetDictCount() const = 0;
    virtual UID GetNthDictUID(int32 n) const = 0;
    virtual ITextStoryThreadDict* QueryNthDict(int32 n) const = 0;
    // The dictionary after owner's (the story's own for kInvalidUID); kInvalidUID after the last
    // and for an owner that is not one of the story's.
    virtual UID NextUID(UID owner) const = 0;
    // The dictionary before owner's; kInvalidUID before the first.
    virtual UID PreviousUID(UID owner) const = 0;
    // The thread whose text holds index, of whichever dictionary, or nullptr.
    virtual ITextStoryThread* QueryThreadAt(TextIndex index) const = 0;
};
