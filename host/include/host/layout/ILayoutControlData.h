// ILayoutControlData: what a layout view shows: its document, the current page and that page's
// spread. View state, never stored in the document; observers of the view's ISubject hear of a
// page change under the protocol IID_ILAYOUTCONTROLDATA (change kSetPageCmdBoss).
#pragma once

#include "host/database/UIDRef.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IDocument;

class ILayoutControlData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ILAYOUTCONTROLDATA };

    // The document the view shows, or nullptr once the document is closed.
    virtual IDocument* GetDocument() const = 0;
    // The current page; the document's first page until one is set, and again when the set page
    // is gone (deleted, or undone away).
    virtual UID GetPage() const = 0;
    virtual UIDRef GetPageRef() const = 0;
    // The spread that holds the current page.
    virtual UIDRef GetSpreadRef() const = 0;
    // Makes a page of the document current; kFailure for any other UID. Callers process
    // kSetPageCmdBoss, which also tells the view's observers.
    virtual ErrorCode SetPage(UID page) = 0;

    // Host use: the document manager attaches the view to its document, and detaches it (nullptr)
    // on close, which also empties the view's selection.
    virtual void SetDocument(IDocument* document) = 0;
};
