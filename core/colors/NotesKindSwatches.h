// NotesKindSwatches: the table of kind swatches. Annotation types share swatch slots (underline and
// squiggly, redaction and caret, all drawn markups); each slot has a swatch name key and a default
// RGB colour. Types 0 (unknown) and 1 (popup) have no slot. The slots are numbered in the order the
// colour list stores them, the not-imported slot last.
#pragma once

#include <vector>

#include "host/util/Geometry.h"
#include "host/util/PMString.h"

class NotesKindSwatches {
public:
    enum Slot : int32 {
        kNoSlot = -1,
        kStickyNoteSlot = 0,
        kDrawMarkupSlot,
        kHighlightSlot,
        kUnderlineSlot,
        kStrikethroughSlot,
        kRedactionSlot,
        kNotImportedSlot,
        kSlotCount
    };

    static Slot SlotOf(int32 annotType);
    // The slot's default colour; empty for types without a slot.
    static std::vector<PMReal> DefaultColor(int32 annotType);
    // The string key of the slot's swatch name; nullptr for types without a slot.
    static const char* NameKey(int32 annotType);
    // The translated swatch names of every slot, in slot order.
    static std::vector<PMString> TranslatedNames();
    // The translated name of the swatches made for other colours ("Annotation Color").
    static PMString OtherSwatchName();
    // Whether the components are a colour a swatch can hold: gray (1), RGB (3) or CMYK (4).
    static bool IsColor(const std::vector<PMReal>& components);
    // Same number of components, each within 1e-8.
    static bool SameComponents(const std::vector<PMReal>& a, const std::vector<PMReal>& b);
};
