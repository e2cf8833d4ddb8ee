// NotesTextCSB: the text selection suite on the host's text selection. It finds the text markups
// the selected characters carry through their markup attributes (whose value is the annotation),
// makes new markups over the selection, deletes and settles the markups it carries, and knows
// when the selection is typing in a popup or free-text frame, whose text is the note's.
#pragma once

#include "INotesTextSelectionSuite.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/InterfacePtr.h"

class ITextTarget;

class NotesTextCSB final : public CPMUnknown<INotesTextSelectionSuite> {
public:
    explicit NotesTextCSB(IPMUnknown* boss) : CPMUnknown<INotesTextSelectionSuite>(boss) {}
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

private:
    InterfacePtr<ITextTarget> Target() const;
    // The markups the selected characters carry, in text order, each once.
    UIDList CarriedAnnotations() const;
    UIDList CarriedTextEdits() const;
    // The popup or free-text page item whose frame holds the selected story; UIDRef() when none.
    UIDRef NoteFrameItem() const;
};
