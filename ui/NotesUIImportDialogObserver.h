// NotesUIImportDialogObserver: while the import dialog is open it hears the PDF chooser and hands each
// choice to the dialog's controller; OK and Cancel are the host dialog observer's.
#pragma once

#include "host/ui/CDialogObserver.h"

class NotesUIImportDialogController;

class NotesUIImportDialogObserver final : public CDialogObserver {
public:
    explicit NotesUIImportDialogObserver(IPMUnknown* boss) : CDialogObserver(boss) {}
    void AutoAttach() override;
    void AutoDetach() override;
    void Update(ClassID theChange, ISubject* theSubject, PMIID protocol, void* changedBy) override;

private:
    NotesUIImportDialogController* Controller() const;
};
