// INotesImportPlanData: the plan an import command carries out and what came of it. The caller that
// showed the plan to the user sets it, so the command neither opens the PDF again nor tests the fit
// again; without a plan the command makes its own. After the command: how many annotations it read
// from paired pages and how many it imported.
#pragma once

#include "NotesID.h"
#include "NotesImportPlan.h"
#include "host/objectmodel/IPMUnknown.h"

class INotesImportPlanData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESIMPORTPLANDATA };

    virtual void SetPlan(const NotesImportPlan& plan) = 0;
    // Null until a plan is set.
    virtual const NotesImportPlan* GetPlan() const = 0;
    virtual void ClearPlan() = 0;

    // Annotations of admitted kinds met on paired pages, and of those the ones imported.
    virtual void SetOutcome(int32 annotationsRead, int32 annotationsImported) = 0;
    virtual int32 GetAnnotationsRead() const = 0;
    virtual int32 GetAnnotationsImported() const = 0;
};
