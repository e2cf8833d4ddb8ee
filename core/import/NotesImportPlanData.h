// NotesImportPlanData: INotesImportPlanData held in memory on the import command.
#pragma once

#include <optional>

#include "INotesImportPlanData.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesImportPlanData final : public CPMUnknown<INotesImportPlanData> {
public:
    explicit NotesImportPlanData(IPMUnknown* boss) : CPMUnknown<INotesImportPlanData>(boss) {}

    void SetPlan(const NotesImportPlan& plan) override { fPlan = plan; }
    const NotesImportPlan* GetPlan() const override { return fPlan ? &*fPlan : nullptr; }
    void ClearPlan() override { fPlan.reset(); }
    void SetOutcome(int32 annotationsRead, int32 annotationsImported) override {
        fRead = annotationsRead;
        fImported = annotationsImported;
    }
    int32 GetAnnotationsRead() const override { return fRead; }
    int32 GetAnnotationsImported() const override { return fImported; }

private:
    std::optional<NotesImportPlan> fPlan;
    int32 fRead = 0;
    int32 fImported = 0;
};
