// NotesDocumentObserver: keeps a document's annotations consistent with what the user does. A
// transform of a sticky-note icon only moves it (rotation, scale and skew are taken back by a
// corrective transform); the annotation layer never stays the active layer: when it becomes
// active, on a layer change or a selection change, the user's last other layer is put back; and
// every selection change hands the annotations behind the selection to the document's selection
// manager, except while the user types in a popup, which is then saved and brought to the front.
// Attached to the document's subject and its layout view's selection while the document is open.
#pragma once

#include "host/commands/ICommand.h"
#include "host/database/UIDRef.h"
#include "host/selection/ActiveSelectionObserver.h"

class INotesSelectionSuite;
class INotesTextSelectionSuite;
class ISubject;

class NotesDocumentObserver final : public ActiveSelectionObserver {
public:
    explicit NotesDocumentObserver(IPMUnknown* boss);
    void Update(ClassID theChange, ISubject* theSubject, PMIID protocol, void* changedBy) override;
    void AutoAttach() override;
    void AutoDetach() override;

protected:
    void HandleSelectionChanged(ISelectionManager* selection) override;
    IPMUnknown* GetSelectionView() const override;

private:
    UIDRef Document() const;
    void KeepStickyNotesUpright(ICommand* transformCmd);
    // False when the correction could not be made and the walk over the items stops.
    bool KeepIconUpright(ICommand* transformCmd, const UIDRef& icon);
    static bool RestoreIconBounds(const UIDRef& icon);
    void KeepAnnotationLayerInactive();
    UID LastDrawingLayer(UID annotationLayer) const;
    // True when the selection is typing in a popup or free-text frame: its text is saved into the
    // note and the frame brought to the front.
    bool FollowEditedPopup(INotesTextSelectionSuite* notesTextSelectionSuite);
    // True when this change only leaves a popup that was being edited.
    bool LeavesEditedPopup(INotesSelectionSuite* layoutSuite);
    void HandAnnotationsToSelectionManager(INotesTextSelectionSuite* textSuite,
                                           INotesSelectionSuite* layoutSuite);

    UIDRef fEditedPopupRef;
    bool16 fPopupBroughtToFront;
    UID fLastUserLayerUID;
};
