#include "NotesUIImportDialogObserver.h"

#include "NotesUIImportDialogController.h"
#include "QuillpaneID.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/IDialogController.h"

void NotesUIImportDialogObserver::AutoAttach() {
    CDialogObserver::AutoAttach();
    AttachToWidget(kNotesUIPDFChooserWidgetID, IID_ISTRINGLISTCONTROLDATA);
}

void NotesUIImportDialogObserver::AutoDetach() {
    CDialogObserver::AutoDetach();
    DetachFromWidget(kNotesUIPDFChooserWidgetID, IID_ISTRINGLISTCONTROLDATA);
    if (NotesUIImportDialogController* controller = Controller())
        controller->ReleasePlan();
}

void NotesUIImportDialogObserver::Update(ClassID theChange, ISubject* theSubject, PMIID protocol,
                                         void* changedBy) {
    CDialogObserver::Update(theChange, theSubject, protocol, changedBy);
    if (theChange != kPopupChangeStateMessage || WidgetIDOf(theSubject) != kNotesUIPDFChooserWidgetID)
        return;
    if (NotesUIImportDialogController* controller = Controller())
        controller->ChooserChanged();
}

// The controller of the same dialog: both are this plug-in's implementations on its dialog class.
NotesUIImportDialogController* NotesUIImportDialogObserver::Controller() const {
    InterfacePtr<IDialogController> controller(this, IID_IDIALOGCONTROLLER);
    return dynamic_cast<NotesUIImportDialogController*>(controller.get());
}
