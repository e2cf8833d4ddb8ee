// NotesViewUtils: the plug-in's view utilities. Emphasis of page-item annotations is a page-item
// adornment (view state, never stored); the text of popup and free-text frames is replaced through
// the host's text commands so that it undoes with the command that changed the note.
#pragma once

#include "INotesViewUtils.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/text/RangeData.h"

class NotesViewUtils final : public CPMUnknown<INotesViewUtils> {
public:
    explicit NotesViewUtils(IPMUnknown* boss) : CPMUnknown<INotesViewUtils>(boss) {}
    void SetEmphasis(const UIDList& annotations, bool16 on) override;
    void SetDocumentEmphasis(IDocument* document, bool16 on) override;
    void ClearDocumentEmphasis(IDocument* document) override { SetDocumentEmphasis(document, kFalse); }
    void ClearEmphasis(const UIDList& annotations) override { SetEmphasis(annotations, kFalse); }
    void SelectAnnotation(const UIDRef& annotation) override;
    void UpdatePopupText(INotesAnnotation* annotation) override;
    void UpdateFreeTextFrame(INotesAnnotation* annotation) override;
    ClassID GetTextAttributeClass(INotesAnnotation::NotesAnnotationType type) override;
    void ReapplyMarkup(const UIDList& annotations) override;
    ClassID GetEndMarkerClass(INotesAnnotation::NotesAnnotationType type) override;
    PMRect GetPopupBounds(const UIDRef& spread, const PMPoint& point) override;
    bool16 GetMarkedText(const UIDRef& annotation, UIDRef* story, RangeData* range) override;

    // Replaces all text of the frame's story but its closing paragraph return with the text (line
    // feeds dropped), then fits the frame to it. False when nothing was changed.
    static bool ReplaceFrameText(const UIDRef& frame, const PMString& text);

private:
    // Applies (on) or clears the selection emphasis over a text markup's marked text.
    static void SetTextEmphasis(const UIDRef& annotation, bool16 on);
};
