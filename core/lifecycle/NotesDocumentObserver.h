// NotesDocumentObserver: keeps a document's annotations consistent with what the user does. A
// transform of a sticky-note icon only moves it (rotation, scale and skew are taken back by a
// corrective transform), and the annotation layer never stays the active layer: when it becomes
// active, on a layer change or a selection change, the user's last other layer is put back.
// Attached to the document's subject and its layout view's selection while the document is open.
#pragma once

#include "host/commands/ICommand.h"
#include "host/database/UIDRef.h"
#include "host/notify/CObserver.h"

class ISubject;

class NotesDocumentObserver final : public CObserver {
public:
    explicit NotesDocumentObserver(IPMUnknown* boss);
    void Update(ClassID theChange, ISubject* theSubject, PMIID protocol, void* changedBy) override;
    void AutoAttach() override;
    void AutoDetach() override;

private:
    UIDRef Document() const;
    ISubject* QuerySelectionSubject() const;
    void KeepStickyNotesUpright(ICommand* transformCmd);
    // False when the correction could not be made and the walk over the items stops.
    bool KeepIconUpright(ICommand* transformCmd, const UIDRef& icon);
    static bool RestoreIconBounds(const UIDRef& icon);
    void KeepAnnotationLayerInactive();
    UID LastDrawingLayer(UID annotationLayer) const;

    UID fLastUserLayerUID;
};
