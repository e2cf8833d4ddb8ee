// NotesTextASB: the abstract text selection suite on the host's integrator selection. Each
// question and operation is bound to the concrete suites of the current selection and asked of
// them from the last to the first (a question answers true at the first that does; an operation
// runs in one command sequence, so it is one undo step, and stops at the first failure).
#pragma once

#include "INotesTextSelectionSuite.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesTextASB final : public CPMUnknown<INotesTextSelectionSuite> {
public:
    explicit NotesTextASB(IPMUnknown* boss) : CPMUnknown<INotesTextSelectionSuite>(boss) {}
    bool16 CanMarkText() override;
    bool16 CanInsertAtCaret() override;
    ErrorCode NewTextMarkup(INotesAnnotation::NotesAnnotationType type, UID& newAnnotation) override;
    bool16 HasAnnotations() override;
    ErrorCode GetAnnotations(UIDList& annotations) override;
    ErrorCode DeleteAnnotations() override;
    bool16 HasTextEdits() override;
    ErrorCode AcceptTextEdits() override;
    ErrorCode GetTextRange(RangeData& range, uint32& threadKey, UID& textModel) override;
    bool16 IsInNoteFrame() override;
    ErrorCode SaveNoteFrameText() override;
    ErrorCode GetPopupRef(UIDRef& popupRef) override;
    ErrorCode RejectTextEdits() override;
};
