// ActiveSelectionObserver: base of observers that follow a layout view's selection. AutoAttach
// attaches to the selection of the view GetSelectionView() names (the front document's view
// unless a subclass names another); every change of that selection calls HandleSelectionChanged.
// A subclass that overrides Update calls this class's Update first.
#pragma once

#include "host/notify/CObserver.h"
#include "host/notify/ISubject.h"
#include "host/objectmodel/InterfacePtr.h"

class ISelectionManager;

class ActiveSelectionObserver : public CObserver {
public:
    ActiveSelectionObserver(IPMUnknown* boss, PMIID observerIID);
    void Update(ClassID theChange, ISubject* theSubject, PMIID protocol, void* changedBy) override;
    void AutoAttach() override;
    void AutoDetach() override;

protected:
    // Called after every change of the followed selection.
    virtual void HandleSelectionChanged(ISelectionManager* selection);
    // The layout view whose selection is followed (no reference added); nullptr for none.
    virtual IPMUnknown* GetSelectionView() const;
    // The followed selection (no reference added), nullptr when not attached.
    ISelectionManager* GetSelection() const;
    // A suite of the followed selection's integrator (one reference), or nullptr.
    IPMUnknown* QuerySelectionSuite(PMIID iid) const;

private:
    InterfacePtr<ISubject> fSelectionSubject; // the subject attached to, kept until detached
};
