// INotesTextSelectionSuite: what a text selection holds of text markups, and what can be done
// with it: mark the selected text, delete or settle the markups it carries, and the text of a
// popup or free-text frame the selection is typing in. Asked of the host's selection manager;
// operations that change the document form one undo step.
#pragma once

#include "INotesAnnotation.h"
#include "NotesID.h"
#include "host/database/UIDList.h"
#include "host/database/UIDRef.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/RangeData.h"

class INotesTextSelectionSuite : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESTEXTSELECTIONSUITE };
    // A range of at least one character, outside note frames.
    virtual bool16 CanMarkText() = 0;
    // An insertion point, outside note frames.
    virtual bool16 CanInsertAtCaret() = 0;
    // A new text markup of the type over the selection; newAnnotation receives it.
    virtual ErrorCode NewTextMarkup(INotesAnnotation::NotesAnnotationType type, UID& newAnnotation) = 0;
    // Whether the selected text (the character after an insertion point) carries text markups.
    virtual bool16 HasAnnotations() = 0;
    // The text markups the selected text carries, in text order, each once.
    virtual ErrorCode GetAnnotations(UIDList& annotations) = 0;
    virtual ErrorCode DeleteAnnotations() = 0;
    // Whether a markup the selected text carries is a text edit (strike-through, caret, replacement).
    virtual bool16 HasTextEdits() = 0;
    // Accepts those text edits: the text changes as the reviewer asked.
    virtual ErrorCode AcceptTextEdits() = 0;
    // The selection's range, the key of the story thread it starts in and the story.
    virtual ErrorCode GetTextRange(RangeData& range, uint32& threadKey, UID& textModel) = 0;
    // Whether the selection lies in the text frame of a popup or of a free-text annotation.
    virtual bool16 IsInNoteFrame() = 0;
    // Writes the text of that frame back into its annotation's note and fits the frame to it.
    virtual ErrorCode SaveNoteFrameText() = 0;
    // The popup or free-text page item whose frame holds the selection.
    virtual ErrorCode GetPopupRef(UIDRef& popupRef) = 0;
    // Rejects the text edits the selected text carries: the text stays as it is.
    virtual ErrorCode RejectTextEdits() = 0;
};
