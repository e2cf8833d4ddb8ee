// ITextModel: a story's text: its primary thread's, then its table cells' (IThreadStrand). Every
// thread ends with a paragraph return that cannot be deleted, so an empty story has length 1.
// Edits keep the strands (characters, attributes, owned items, thread lengths) in step and run
// the owned items' hooks (IOwnedItem, ITextModelMemento). Call them inside a command;
// ITextModelCmds makes the undoable commands that do.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/RangeData.h"
#include "host/text/TextScrap.h"

class ITextModel : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITEXTMODEL };
    // Characters including the final paragraph return.
    virtual int32 TotalLength() const = 0;

    // Edits fail with kInvalidParameterError (changing nothing) for a position or range that is
    // not inside one thread before its final return: nothing goes after, and nothing removes, a
    // thread's final return.
    virtual ErrorCode Insert(TextIndex position, const WideString& text) = 0;
    virtual ErrorCode Delete(TextIndex position, int32 length) = 0;
    virtual ErrorCode Replace(TextIndex position, int32 length, const WideString& text) = 0;
    // Replaces length characters at position by the scrap's text, attributes and item copies.
    virtual ErrorCode Paste(TextIndex position, int32 length, const TextScrap& scrap) = 0;

    // A copy of [position, position + length), clipped to the text.
    virtual TextScrap Copy(TextIndex position, int32 length) const = 0;
    // The characters of [position, position + length), clipped to the text.
    virtual WideString GetText(TextIndex position, int32 length) const = 0;
};
