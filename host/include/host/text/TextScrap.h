// TextScrap: a copy of a stretch of a story: its characters, its attribute runs and a snapshot of
// every owned item that travels with copied text. Pasting it anywhere (even in another document)
// re-creates the text, its attributes and fresh copies of those items.
#pragma once

#include <vector>

#include "host/database/UIDRef.h"
#include "host/text/AttributeRun.h"
#include "host/util/WideString.h"

class TextScrap {
public:
    // An owned item as it was when the text was copied.
    struct CarriedItem {
        int32 offset = 0; // from the start of the copied text
        ClassID classID = kInvalidClass;
        UIDRef source;
        std::vector<uint8> data; // the item's persistent state
    };

    TextScrap() = default;
    TextScrap(WideString text, std::vector<AttributeRun> runs, std::vector<CarriedItem> items)
        : fText(std::move(text)), fRuns(std::move(runs)), fItems(std::move(items)) {}

    const WideString& GetText() const { return fText; }
    int32 Length() const { return fText.Length(); }
    const std::vector<AttributeRun>& GetAttributeRuns() const { return fRuns; }
    const std::vector<CarriedItem>& GetCarriedItems() const { return fItems; }

private:
    WideString fText;
    std::vector<AttributeRun> fRuns;
    std::vector<CarriedItem> fItems;
};
