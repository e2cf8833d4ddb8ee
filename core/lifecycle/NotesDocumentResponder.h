// NotesDocumentResponder: attaches the document's observers when a document is made or opened and
// detaches them before it closes; before a save it clears a layer reference whose layer is gone
// and, when the document holds no annotation any more, drops its dependency on this plug-in, so
// that a host without the plug-in opens it without a missing-plug-in notice.
#pragma once

#include "host/notify/IResponder.h"
#include "host/objectmodel/CPMUnknown.h"

class IObserver;

class NotesDocumentResponder final : public CPMUnknown<IResponder> {
public:
    explicit NotesDocumentResponder(IPMUnknown* boss) : CPMUnknown<IResponder>(boss) {}
    void Respond(ISignalMgr* signalMgr) override;

private:
    static void ForEachObserver(const UIDRef& document, void (IObserver::*call)());
    static void PrepareSave(const UIDRef& document);
    static void RepairLayerReference(const UIDRef& document);
    static void DropDependencyWhenFree(const UIDRef& document);
};
