// NotesAnnotationColorList: INotesAnnotationColorList stored with the document. Stream order: the
// sticky-note, drawn-markup, highlight, underline, strike-through and redaction swatch UIDs, the count
// of other swatches (int32), that many swatch UIDs in list order, then the not-imported swatch UID.
// The not-imported slot comes after the list so that documents written before it existed still read.
#pragma once

#include <array>

#include "INotesAnnotationColorList.h"
#include "NotesKindSwatches.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesAnnotationColorList final : public CPMUnknown<INotesAnnotationColorList> {
public:
    explicit NotesAnnotationColorList(IPMUnknown* boss);

    void AddColor(UID swatch) override;
    UID FindColor(const std::vector<PMReal>& components) const override;
    UID GetNthColor(int32 index) const override;
    int32 GetColorCount() const override;
    void Clear() override;
    UID GetKindColor(int32 annotType) const override;
    void SetKindColor(int32 annotType, UID swatch) override;
    void ReadWrite(IPMStream* stream, ImplementationID implID) override;

private:
    void ReadWriteOtherColors(IPMStream* stream);

    std::array<UID, NotesKindSwatches::kSlotCount> fKindColors;
    std::vector<UID> fOtherColors;
};
