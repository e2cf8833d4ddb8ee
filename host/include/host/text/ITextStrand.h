// ITextStrand: the characters of a story as UTF-16 code units. Read it freely; change text only
// through ITextModel or ITextModelCmds, which keep the other strands in step.
#pragma once

#include <string>

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/TextTypes.h"
#include "host/util/WideString.h"

class ITextStrand : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITEXTSTRAND };
    virtual int32 GetLength() const = 0;
    // The code unit at index, or 0 outside the text.
    virtual UTF16TextChar GetChar(TextIndex index) const = 0;
    // The code units of [start, start + length), clipped to the text.
    virtual WideString GetText(TextIndex start, int32 length) const = 0;
    // The whole text, valid until the next change.
    virtual const std::u16string& GetUTF16() const = 0;
    // Changes whenever the text does (edits, undo, reading); equal stamps mean the same text.
    virtual uint64 GetChangeCount() const = 0;

    // Text model use.
    virtual void InsertText(TextIndex at, const std::u16string& text) = 0;
    virtual void RemoveText(TextIndex at, int32 length) = 0;
};
