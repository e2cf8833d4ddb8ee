// NotesUIImportDialogController: the import dialog's fields. Opening lists the recent PDFs (newest
// first, those that can no longer be opened dropped), sets the four kind check boxes from the
// application-wide import settings and the start-page fields, limits and warning icon from the chosen
// PDF. OK refuses a chooser without a PDF or with one that cannot be opened, then the number fields'
// own limits. Applying runs the core's import command on the front document and reports its outcome
// in alerts. The observer hands chooser changes to ChooserChanged. While the dialog is open the
// controller keeps the chosen PDF's import plan, so that the PDF is opened once per choice.
#pragma once

#include <cstddef>
#include <optional>

#include "NotesImportPlan.h"
#include "host/ui/CDialogController.h"

class IDocument;

class NotesUIImportDialogController final : public CDialogController {
public:
    explicit NotesUIImportDialogController(IPMUnknown* boss) : CDialogController(boss) {}
    void InitializeDialogFields(IActiveContext* context) override;
    WidgetID ValidateDialogFields(IActiveContext* context) override;
    void ApplyDialogFields(IActiveContext* context, const WidgetID& widgetId) override;

    // The user chose another chooser entry: a PDF, or Browse, which asks for a file.
    void ChooserChanged();
    // The dialog closed: the plan's PDF is let go.
    void ReleasePlan() { fPlan.reset(); }

private:
    // Lists the recent PDFs that can still be opened, then the separator and Browse, and chooses the
    // path given (the first entry when it is not listed).
    void FillChooser(const PMString& choose);
    // The chosen PDF's path; empty when Browse, the separator or nothing is chosen.
    PMString ChosenPath() const;
    // Import button, page fields and their limits, warning icon and problem line for the chosen PDF.
    void ShowChosenPDF();
    void ShowNoPDF();
    void BrowseForPDF();
    // The plan of the path with the page offset, made at most once per path and offset.
    const NotesImportPlan& PlanOf(const PMString& path, int32 offset);
    // The signed offset of the two start-page fields: the PDF start page lands on the document one.
    int32 ChosenOffset() const;
    int32 DocumentPageCount() const;
    // Whether the check box of the kind (0 sticky notes, 1 text markups, 2 text edits, 3 drawings) is on.
    bool16 IsChecked(size_t kind) const;
    void EnableWidget(WidgetID id, bool16 enable);
    void SetLimit(WidgetID id, int32 maximum);

    bool16 Import(const PMString& path, int32 offset, const NotesImportPlan& plan);
    bool16 ReportOutcome(const PMString& path, int32 read, int32 imported, int32 failed);
    void RememberChoices(const PMString& path, int32 offset);
    void ShowPopupsByMode();

    IDocument* fDocument = nullptr; // the front document while the dialog is open
    std::optional<NotesImportPlan> fPlan;
    PMString fPlanPath;
};
