#include "NotesAnnotationColorList.h"

#include <algorithm>

#include "host/database/IDataBase.h"
#include "host/database/IPMStream.h"
#include "host/document/ISwatchUtils.h"
#include "host/objectmodel/ObjectModel.h"
#include "NotesFailureLog.h"

NotesAnnotationColorList::NotesAnnotationColorList(IPMUnknown* boss)
    : CPMUnknown<INotesAnnotationColorList>(boss) {
    fKindColors.fill(kInvalidUID);
}

void NotesAnnotationColorList::AddColor(UID swatch) {
    if (std::find(fOtherColors.begin(), fOtherColors.end(), swatch) != fOtherColors.end())
        return;
    PreDirty();
    fOtherColors.push_back(swatch);
}

UID NotesAnnotationColorList::FindColor(const std::vector<PMReal>& components) const {
    IDataBase* database = ::GetDataBase(this);
    if (!NOTES_CHECK_NIL(database))
        return kInvalidUID;
    Utils<ISwatchUtils> swatchUtils;
    if (!NOTES_CHECK_NIL(swatchUtils.get()))
        return kInvalidUID;
    for (UID swatch : fOtherColors) {
        // The user may have deleted a listed swatch; it no longer counts.
        if (!database->IsValidUID(swatch))
            continue;
        if (NotesKindSwatches::SameComponents(swatchUtils->GetColorComponents(UIDRef(database, swatch)),
                                              components))
            return swatch;
    }
    return kInvalidUID;
}

UID NotesAnnotationColorList::GetNthColor(int32 index) const {
    if (index < 0 || index >= GetColorCount())
        return kInvalidUID;
    return fOtherColors[static_cast<size_t>(index)];
}

int32 NotesAnnotationColorList::GetColorCount() const {
    return static_cast<int32>(fOtherColors.size());
}

void NotesAnnotationColorList::Clear() {
    PreDirty();
    fKindColors.fill(kInvalidUID);
    fOtherColors.clear();
}

UID NotesAnnotationColorList::GetKindColor(int32 annotType) const {
    const NotesKindSwatches::Slot slot = NotesKindSwatches::SlotOf(annotType);
    return slot == NotesKindSwatches::kNoSlot ? kInvalidUID : fKindColors[static_cast<size_t>(slot)];
}

void NotesAnnotationColorList::SetKindColor(int32 annotType, UID swatch) {
    const NotesKindSwatches::Slot slot = NotesKindSwatches::SlotOf(annotType);
    if (slot == NotesKindSwatches::kNoSlot)
        return;
    PreDirty();
    fKindColors[static_cast<size_t>(slot)] = swatch;
}

void NotesAnnotationColorList::ReadWrite(IPMStream* stream, ImplementationID) {
    using S = NotesKindSwatches;
    for (S::Slot slot : {S::kStickyNoteSlot, S::kDrawMarkupSlot, S::kHighlightSlot, S::kUnderlineSlot,
                         S::kStrikethroughSlot, S::kRedactionSlot})
        stream->XferReference(fKindColors[static_cast<size_t>(slot)]);
    ReadWriteOtherColors(stream);
    stream->XferReference(fKindColors[S::kNotImportedSlot]);
}

void NotesAnnotationColorList::ReadWriteOtherColors(IPMStream* stream) {
    int32 count = GetColorCount();
    stream->XferInt32(count);
    if (stream->IsWriting()) {
        for (UID& swatch : fOtherColors)
            stream->XferReference(swatch);
        return;
    }
    fOtherColors.clear();
    // A damaged count stops at the end of the data instead of reading (or allocating) past it.
    for (int32 i = 0; i < count && stream->IsGood(); ++i) {
        UID swatch = kInvalidUID;
        stream->XferReference(swatch);
        if (stream->IsGood())
            fOtherColors.push_back(swatch);
    }
}
