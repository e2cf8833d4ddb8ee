// INotesViewUtils: the plug-in's text and view utilities (on the host's utility object): selection
// emphasis of annotations, the text of popup and free-text frames, the kinds' text classes and the
// placement of a popup beside a point.
#pragma once

#include "INotesAnnotation.h"
#include "NotesID.h"
#include "host/database/UIDList.h"
#include "host/database/UIDRef.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/RangeData.h"

class IDocument;

class INotesViewUtils : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESVIEWUTILS };
    // Shows (on) or clears the emphasis of the listed annotations.
    virtual void SetEmphasis(const UIDList& annotations, bool16 on) = 0;
    // The same for every annotation of the document: master pages first, then the pages.
    virtual void SetDocumentEmphasis(IDocument* document, bool16 on) = 0;
    virtual void ClearDocumentEmphasis(IDocument* document) = 0;
    virtual void ClearEmphasis(const UIDList& annotations) = 0;
    // Selects an annotation in the front layout view: a text markup's marked text, or the page item.
    virtual void SelectAnnotation(const UIDRef& annotation) = 0;
    // Puts the annotation's content into its popup frame when the popup is shown.
    virtual void UpdatePopupText(INotesAnnotation* annotation) = 0;
    // Puts a free-text annotation's content into its own text frame.
    virtual void UpdateFreeTextFrame(INotesAnnotation* annotation) = 0;
    // The character attribute class of a text-markup type; kInvalidClass for other types.
    virtual ClassID GetTextAttributeClass(INotesAnnotation::NotesAnnotationType type) = 0;
    // Applies each listed text markup's attribute again over the text between its markers.
    virtual void ReapplyMarkup(const UIDList& annotations) = 0;
    // The end-marker class of a text-markup type; kInvalidClass for other types.
    virtual ClassID GetEndMarkerClass(INotesAnnotation::NotesAnnotationType type) = 0;
    // Where a popup opens for a point: 180 x 120 pt beside the nearest page of the spread (outside
    // its outer edge), centred on the point's height; at the point when no spread or page is given.
    virtual PMRect GetPopupBounds(const UIDRef& spread, const PMPoint& point) = 0;
    // The story and the characters a text markup marks now; false when it is not anchored in text.
    virtual bool16 GetMarkedText(const UIDRef& annotation, UIDRef* story, RangeData* range) = 0;
};
