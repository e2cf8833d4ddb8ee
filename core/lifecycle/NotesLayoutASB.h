// NotesLayoutASB: the abstract layout selection suite on the host's integrator selection. Each
// question and operation is bound to the concrete suites of the current selection and asked of
// them from the last to the first (a question answers true at the first that does; an operation
// runs in one command sequence and stops at the first failure).
#pragma once

#include "INotesSelectionSuite.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesLayoutASB final : public CPMUnknown<INotesSelectionSuite> {
public:
    explicit NotesLayoutASB(IPMUnknown* boss) : CPMUnknown<INotesSelectionSuite>(boss) {}
    bool16 HasAnnotations() override;
    ErrorCode GetAnnotations(UIDList& annotations) override;
};
