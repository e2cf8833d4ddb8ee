// NotesUINotesPanelWidgetObserver (on the Notes panel, attached while it is shown): the panel's
// buttons. Accept and reject run the panel's accept and reject actions, remove deletes the selected
// annotations; while the create-note toggle is on, the event watcher turns clicks in the layout into
// new sticky notes.
#pragma once

#include "QuillpaneID.h"
#include "host/notify/CObserver.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/IEventWatcher.h"

class NotesUINotesPanelWidgetObserver final : public CObserver {
public:
    explicit NotesUINotesPanelWidgetObserver(IPMUnknown* boss)
        : CObserver(boss, IID_INOTESUIPANELWIDGETOBSERVER) {}
    void AutoAttach() override;
    void AutoDetach() override;
    void Update(ClassID theChange, ISubject* theSubject, PMIID protocol, void* changedBy) override;
    // Whether the create-note toggle is on, as the observer last heard.
    bool IsCreatingNotes() const { return fCreatingNotes; }

private:
    void AttachButtons(bool attach);
    void InstallEventWatcher(bool install);
    static void RemoveSelectedAnnotations();

    bool fCreatingNotes = false;
    InterfacePtr<IEventWatcher> fEventWatcher;
};
