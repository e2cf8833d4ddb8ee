// NotesUICommandProcessorObserver (on the application, attached at start-up): after every command
// step done, undone or redone, rebuilds the Notes tree while the panel is shown and the front
// document holds annotations; an undone or redone step first drops the pages' annotation lists,
// which the step may have changed behind their backs. The start-up service detaches it at shut-down,
// before the application object goes.
#pragma once

#include "QuillpaneID.h"
#include "host/notify/CObserver.h"

class NotesUICommandProcessorObserver final : public CObserver {
public:
    explicit NotesUICommandProcessorObserver(IPMUnknown* boss)
        : CObserver(boss, IID_INOTESUICOMMANDPROCESSOROBSERVER) {}
    void AutoAttach() override;
    void AutoDetach() override;
    void Update(ClassID theChange, ISubject* theSubject, PMIID protocol, void* changedBy) override;

private:
    void Attach(bool attach);
};
