// IConcreteSelectionList (on the integrator object): the concrete-suite objects of the current
// selection, one per kind of selection present, in a fixed order (layout, then text).
// SelectionSuiteUtils walks them from the last to the first.
#pragma once

#include <vector>

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/objectmodel/InterfacePtr.h"

class IConcreteSelectionList : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ICONCRETESELECTIONLIST };
    virtual int32 CountConcreteSelections() const = 0;
    // The interface iid of the nth concrete-suite object (one reference), or nullptr.
    virtual IPMUnknown* QueryNthConcreteSelection(int32 n, PMIID iid) const = 0;
    // Host use: the selection manager sets the objects when the selection changes.
    virtual void SetConcreteSelections(std::vector<InterfacePtr<IPMUnknown>> objects) = 0;
};
