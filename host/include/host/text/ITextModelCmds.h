// ITextModelCmds: makes the undoable commands that edit a story. Each answers a new command (the
// caller owns it and processes it with CmdUtils::ProcessCommand), or nullptr.
#pragma once

#include "host/commands/ICommand.h"
#include "host/objectmodel/HostIDs.h"
#include "host/text/RangeData.h"
#include "host/text/TextScrap.h"

class ITextModelCmds : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITEXTMODELCMDS };
    virtual ICommand* InsertCmd(TextIndex position, const WideString& text) = 0;
    virtual ICommand* DeleteCmd(TextIndex position, int32 length) = 0;
    virtual ICommand* ReplaceCmd(TextIndex position, int32 length, const WideString& text) = 0;
    virtual ICommand* PasteCmd(TextIndex position, const TextScrap& scrap, int32 replaceLength = 0) = 0;
    // Applies every attribute of the list over range (replacing those of the same classes).
    virtual ICommand* ApplyAttributeCmd(RangeData range, const AttributeBossList& attributes) = 0;
    virtual ICommand* ClearAttributeCmd(RangeData range, ClassID attributeClass) = 0;
    // Anchors an item at the character at position (moving it there if it is anchored already).
    virtual ICommand* SetOwnedItemCmd(TextIndex position, UID item, ClassID itemClass) = 0;
    // Takes an item out of the text; the object itself stays.
    virtual ICommand* RemoveOwnedItemCmd(UID item) = 0;
};
