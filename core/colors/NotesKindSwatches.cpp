#include "NotesKindSwatches.h"

#include <array>
#include <cmath>

#include "INotesAnnotation.h"
#include "NotesID.h"

namespace {
struct SlotEntry {
    const char* nameKey;
    std::array<PMReal, 3> defaultColor;
};

// Indexed by NotesKindSwatches::Slot.
constexpr std::array<SlotEntry, NotesKindSwatches::kSlotCount> kSlots{{
    {NOTES_KEY(kNotesStickyNoteSwatchNameKey), {1, 1, 0}},
    {NOTES_KEY(kNotesDrawMarkupSwatchNameKey), {1, 0, 0}},
    {NOTES_KEY(kNotesHighlightSwatchNameKey), {1, 1, 0}},
    {NOTES_KEY(kNotesUnderlineSwatchNameKey), {0, 1, 0}},
    {NOTES_KEY(kNotesStrikethroughSwatchNameKey), {1, 0, 0}},
    {NOTES_KEY(kNotesRedactionSwatchNameKey), {0, 0, 1}},
    {NOTES_KEY(kNotesErrorStickyNoteSwatchNameKey), {1, 0, 0}},
}};

PMString Translated(const char* key) {
    PMString text(key);
    text.Translate();
    return text;
}
} // namespace

NotesKindSwatches::Slot NotesKindSwatches::SlotOf(int32 annotType) {
    using A = INotesAnnotation;
    switch (annotType) {
    case A::kStickyNoteAnnotation:
        return kStickyNoteSlot;
    case A::kHighlightAnnotation:
        return kHighlightSlot;
    case A::kStrikethroughAnnotation:
        return kStrikethroughSlot;
    case A::kUnderlineAnnotation:
    case A::kSquigglyAnnotation:
        return kUnderlineSlot;
    case A::kRedactionAnnotation:
    case A::kCaretAnnotation:
        return kRedactionSlot;
    case A::kLineAnnotation:
    case A::kPolyLineAnnotation:
    case A::kPolygonAnnotation:
    case A::kCircleAnnotation:
    case A::kSquareAnnotation:
    case A::kFreeTextAnnotation:
        return kDrawMarkupSlot;
    case A::kNotImportedColorIndex:
        return kNotImportedSlot;
    default:
        return kNoSlot;
    }
}

std::vector<PMReal> NotesKindSwatches::DefaultColor(int32 annotType) {
    const Slot slot = SlotOf(annotType);
    if (slot == kNoSlot)
        return {};
    const auto& color = kSlots[static_cast<size_t>(slot)].defaultColor;
    return {color.begin(), color.end()};
}

const char* NotesKindSwatches::NameKey(int32 annotType) {
    const Slot slot = SlotOf(annotType);
    return slot == kNoSlot ? nullptr : kSlots[static_cast<size_t>(slot)].nameKey;
}

std::vector<PMString> NotesKindSwatches::TranslatedNames() {
    std::vector<PMString> names;
    for (const SlotEntry& entry : kSlots)
        names.push_back(Translated(entry.nameKey));
    return names;
}

PMString NotesKindSwatches::OtherSwatchName() {
    return Translated(NOTES_KEY(kNotesAnnotationSwatchNameKey));
}

bool NotesKindSwatches::IsColor(const std::vector<PMReal>& components) {
    return components.size() == 1 || components.size() == 3 || components.size() == 4;
}

bool NotesKindSwatches::SameComponents(const std::vector<PMReal>& a, const std::vector<PMReal>& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!(std::fabs(a[i] - b[i]) <= 1e-8))
            return false;
    return true;
}
