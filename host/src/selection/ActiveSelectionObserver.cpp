#include "host/selection/ActiveSelectionObserver.h"

#include "host/layout/IActiveContext.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/selection/ISelectionManager.h"

ActiveSelectionObserver::ActiveSelectionObserver(IPMUnknown* boss, PMIID observerIID)
    : CObserver(boss, observerIID) {}

IPMUnknown* ActiveSelectionObserver::GetSelectionView() const {
    InterfacePtr<IActiveContext> context(GetApplicationObject(), IID_IACTIVECONTEXT);
    return context ? context->GetContextView() : nullptr;
}

void ActiveSelectionObserver::AutoAttach() {
    IPMUnknown* view = GetSelectionView();
    InterfacePtr<ISubject> subject(view, IID_ISUBJECT);
    if (!subject || subject.get() == fSelectionSubject.get())
        return;
    AutoDetach();
    if (!subject->IsAttached(this, IID_ISELECTION_PROTOCOL, GetObserverIID()))
        subject->AttachObserver(this, IID_ISELECTION_PROTOCOL, GetObserverIID());
    fSelectionSubject = subject;
}

void ActiveSelectionObserver::AutoDetach() {
    if (fSelectionSubject && fSelectionSubject->IsAttached(this, IID_ISELECTION_PROTOCOL, GetObserverIID()))
        fSelectionSubject->DetachObserver(this, IID_ISELECTION_PROTOCOL, GetObserverIID());
    fSelectionSubject.reset();
}

void ActiveSelectionObserver::Update(ClassID theChange, ISubject* theSubject, PMIID protocol, void*) {
    if (protocol == IID_ISELECTION_PROTOCOL && theChange == kSelectionChangedMessage && fSelectionSubject &&
        theSubject == fSelectionSubject.get())
        HandleSelectionChanged(GetSelection());
}

void ActiveSelectionObserver::HandleSelectionChanged(ISelectionManager*) {}

ISelectionManager* ActiveSelectionObserver::GetSelection() const {
    InterfacePtr<ISelectionManager> selection(fSelectionSubject.get(), IID_ISELECTIONMANAGER);
    return selection.get(); // the view holds it while the subject is kept
}

IPMUnknown* ActiveSelectionObserver::QuerySelectionSuite(PMIID iid) const {
    ISelectionManager* selection = GetSelection();
    return selection ? selection->QueryIntegratorSuite(iid) : nullptr;
}
