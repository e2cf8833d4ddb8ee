// NotesUIResponder: keeps the Notes panel in step with the documents' life. A new or opened document
// gets the panel's document observer (and an opened one a fresh tree); a closing one loses it and its
// nodes; before any save the annotation selection is cleared, so that no selection emphasis is saved
// into the document.
#pragma once

#include "host/notify/IResponder.h"
#include "host/objectmodel/CPMUnknown.h"

class IDataBase;

class NotesUIResponder final : public CPMUnknown<IResponder> {
public:
    explicit NotesUIResponder(IPMUnknown* boss) : CPMUnknown<IResponder>(boss) {}
    void Respond(ISignalMgr* signalMgr) override;

private:
    static void AttachDocumentObserver(const UIDRef& document, bool attach);
    static void ClearAnnotationSelection(const UIDRef& document);
};
