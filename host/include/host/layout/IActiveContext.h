// IActiveContext (on the application object): the front document, its layout view and that
// view's selection, which is the application's active selection.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IDocument;
class ISelectionManager;

class IActiveContext : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IACTIVECONTEXT };
    // None of these adds a reference; each answers nullptr when no document is open.
    virtual IDocument* GetContextDocument() const = 0;
    // The front document's layout view (an object of kLayoutWidgetBoss).
    virtual IPMUnknown* GetContextView() const = 0;
    virtual ISelectionManager* GetContextSelection() const = 0;
};
