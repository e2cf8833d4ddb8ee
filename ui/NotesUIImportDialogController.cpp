#include "NotesUIImportDialogController.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "INotesAnnotsManager.h"
#include "INotesImportPlanData.h"
#include "INotesImportSettings.h"
#include "INotesImportUtils.h"
#include "INotesPopupOptions.h"
#include "INotesRecentImports.h"
#include "INotesSelectionManager.h"
#include "QuillpaneID.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/IDocument.h"
#include "host/document/IPageList.h"
#include "host/layout/IActiveContext.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/CAlert.h"
#include "host/ui/IControlView.h"
#include "host/ui/IDropDownListController.h"
#include "host/ui/IOpenFileDialog.h"
#include "host/ui/IStringListControlData.h"
#include "host/ui/ITextDataValidation.h"
#include "host/util/StringUtils.h"

namespace {
constexpr const char* kSeparator = "-";

PMString Translated(const char* key) {
    return PMString(key, PMString::kTranslateDuringCall);
}

PMString Number(int32 value) {
    PMString number;
    number.AppendNumber(value);
    return number;
}

PMString BrowseEntry() {
    return Translated(NOTES_UI_KEY(kNotesUIBrowseKey));
}

// A PDF the dialog can offer: it opens and has pages. Pages that do not fit the document at the first
// pairing may still fit with another start page.
bool16 IsOpenable(const NotesImportPlan& plan) {
    return plan.pdfPageCount > 0 &&
           (plan.failure == NotesImportPlan::kNoFailure || plan.failure == NotesImportPlan::kPagesDoNotFit);
}

UIDRef DocumentRef(IDocument* document) {
    IDataBase* db = document->GetDocumentDataBase();
    return UIDRef(db, db->GetRootUID());
}

InterfacePtr<INotesRecentImports> RecentImports() {
    return InterfacePtr<INotesRecentImports>(GetApplicationObject(), IID_INOTESRECENTIMPORTS);
}

const WidgetID kKindCheckBoxes[] = {kNotesUIStickyNotesCheckBoxWidgetID, kNotesUITextMarkupsCheckBoxWidgetID,
                                    kNotesUITextEditsCheckBoxWidgetID, kNotesUIDrawingsCheckBoxWidgetID};
} // namespace

void NotesUIImportDialogController::InitializeDialogFields(IActiveContext* context) {
    CDialogController::InitializeDialogFields(context);
    fPlan.reset();
    fDocument = context ? context->GetContextDocument() : nullptr;
    InterfacePtr<INotesImportSettings> importSettings(GetApplicationObject(), IID_INOTESIMPORTSETTINGS);
    if (!importSettings || !fDocument) {
        ShowNoPDF();
        return;
    }
    FillChooser(PMString());
    ShowChosenPDF();
    const bool16 kinds[] = {importSettings->GetImportStickyNotes(), importSettings->GetImportTextMarkups(),
                            importSettings->GetImportTextEdits(), importSettings->GetImportDrawings()};
    for (size_t i = 0; i < std::size(kKindCheckBoxes); ++i)
        SetTriStateControlData(kKindCheckBoxes[i], kinds[i]);
}

void NotesUIImportDialogController::FillChooser(const PMString& choose) {
    InterfacePtr<IStringListControlData> entries(QueryListControlDataInterface(kNotesUIPDFChooserWidgetID));
    InterfacePtr<IDropDownListController> chooser(entries, IID_IDROPDOWNLISTCONTROLLER);
    InterfacePtr<INotesRecentImports> recent = RecentImports();
    if (!entries || !chooser || !recent)
        return;
    entries->Clear();
    // Tested oldest first over a copy of the list, so that the newest path is the last one planned:
    // it is chosen first, and its plan is the one kept.
    std::vector<PMString> openable;
    std::vector<PMString> paths;
    for (int32 i = 0; i < recent->GetCount(); ++i)
        paths.push_back(recent->GetNth(i));
    for (const PMString& path : paths) {
        if (IsOpenable(PlanOf(path, 0)))
            openable.push_back(path);
        else
            recent->Remove(path);
    }
    for (auto path = openable.rbegin(); path != openable.rend(); ++path)
        entries->AddString(*path);
    if (entries->Length() > 0)
        entries->AddString(PMString(kSeparator));
    entries->AddString(BrowseEntry());
    const int32 chosen = choose.IsEmpty() ? 0 : std::max(entries->GetIndex(choose), 0);
    chooser->Select(chosen, kTrue, kFalse);
}

PMString NotesUIImportDialogController::ChosenPath() const {
    InterfacePtr<IStringListControlData> entries(QueryListControlDataInterface(kNotesUIPDFChooserWidgetID));
    InterfacePtr<IDropDownListController> chooser(entries, IID_IDROPDOWNLISTCONTROLLER);
    if (!entries || !chooser || chooser->GetSelected() == IDropDownListController::kNoSelection)
        return PMString();
    const PMString entry = entries->GetString(chooser->GetSelected());
    const bool isPath = entry != PMString(kSeparator) && entry != BrowseEntry();
    return isPath ? entry : PMString();
}

void NotesUIImportDialogController::ChooserChanged() {
    InterfacePtr<IStringListControlData> entries(QueryListControlDataInterface(kNotesUIPDFChooserWidgetID));
    InterfacePtr<IDropDownListController> chooser(entries, IID_IDROPDOWNLISTCONTROLLER);
    if (!entries || !chooser || !fDocument)
        return;
    if (entries->GetString(chooser->GetSelected()) == BrowseEntry())
        BrowseForPDF();
    ShowChosenPDF();
}

// A chosen file that cannot be opened is not listed: the user is told why, and Browse stays chosen.
void NotesUIImportDialogController::BrowseForPDF() {
    InterfacePtr<IOpenFileDialog> openFileDialog(CreateObject2<IOpenFileDialog>(kOpenFileDialogBoss));
    InterfacePtr<INotesRecentImports> recent = RecentImports();
    if (!openFileDialog || !recent)
        return;
    openFileDialog->AddFilter(Translated(NOTES_UI_KEY(kNotesUIFileOpenFamilyKey)), "pdf");
    std::vector<IDFile> chosen;
    if (!openFileDialog->DoDialog(nullptr, &chosen, kFalse) || chosen.size() != 1)
        return;
    const PMString path(chosen.front().GetPathString());
    const NotesImportPlan& plan = PlanOf(path, 0);
    if (!IsOpenable(plan)) {
        PMString error = Translated(NOTES_UI_KEY(kNotesUIErrorCannotOpenFileKey));
        StringUtils::ReplaceStringParameters(&error, plan.message);
        CAlert::ErrorAlert(error);
        return;
    }
    recent->Add(path);
    FillChooser(path);
}

void NotesUIImportDialogController::ShowNoPDF() {
    EnableWidget(kOKButtonWidgetID, kFalse);
    EnableWidget(kNotesUIWarningIconWidgetID, kFalse);
    SetTextControlData(kNotesUIImportProblemWidgetID, PMString());
    for (WidgetID field : {kNotesUIDocumentStartPageWidgetID, kNotesUIPDFStartPageWidgetID}) {
        SetTextValue(field, 1);
        EnableWidget(field, kFalse);
    }
}

void NotesUIImportDialogController::ShowChosenPDF() {
    const PMString path = ChosenPath();
    if (path.IsEmpty() || !fDocument) {
        ShowNoPDF();
        return;
    }
    const NotesImportPlan& plan = PlanOf(path, 0);
    const int32 pdfPages = plan.pdfPageCount;
    const int32 docPages = DocumentPageCount();
    const bool16 openable = IsOpenable(plan);
    const bool16 misfit = plan.failure == NotesImportPlan::kPagesDoNotFit;
    EnableWidget(kOKButtonWidgetID, openable);
    EnableWidget(kNotesUIWarningIconWidgetID, misfit);
    SetTextControlData(kNotesUIImportProblemWidgetID,
                       misfit      ? Translated(NOTES_UI_KEY(kNotesUIWarningGeometryDoesNotMatchKey))
                       : !openable ? plan.message
                                   : PMString());
    const bool16 countsDiffer = openable && pdfPages != docPages;
    SetTextValue(kNotesUIDocumentStartPageWidgetID, 1);
    SetTextValue(kNotesUIPDFStartPageWidgetID, 1);
    EnableWidget(kNotesUIDocumentStartPageWidgetID, countsDiffer && docPages >= pdfPages);
    EnableWidget(kNotesUIPDFStartPageWidgetID, countsDiffer && pdfPages >= docPages);
    SetLimit(kNotesUIDocumentStartPageWidgetID, docPages);
    SetLimit(kNotesUIPDFStartPageWidgetID, pdfPages);
}

WidgetID NotesUIImportDialogController::ValidateDialogFields(IActiveContext* context) {
    const PMString path = ChosenPath();
    if (path.IsEmpty() || !fDocument)
        return kNotesUIPDFChooserWidgetID;
    const NotesImportPlan& plan = PlanOf(path, 0);
    if (!IsOpenable(plan)) {
        PMString error = Translated(NOTES_UI_KEY(kNotesUIErrorCannotOpenFileKey));
        StringUtils::ReplaceStringParameters(&error, plan.message);
        CAlert::ErrorAlert(error);
        return kNotesUIPDFChooserWidgetID;
    }
    return CDialogController::ValidateDialogFields(context);
}

void NotesUIImportDialogController::ApplyDialogFields(IActiveContext*, const WidgetID&) {
    const PMString path = ChosenPath();
    if (path.IsEmpty() || !fDocument)
        return;
    const int32 offset = ChosenOffset();
    const NotesImportPlan plan = PlanOf(path, offset);
    fPlan.reset();
    // Pages that fit no pairing, or an offset that pairs no page, would make the import fail: the
    // user is told why before anything changes.
    if (!plan.IsImportable()) {
        CAlert::ErrorAlert(plan.message);
        return;
    }
    if (plan.existingAnnotations > 0 &&
        CAlert::ModalAlert(Translated(NOTES_UI_KEY(kNotesUIWarningImportUponExistingAnnotationsKey)),
                           PMString(CAlert::kYesString, PMString::kTranslateDuringCall),
                           PMString(CAlert::kNoString, PMString::kTranslateDuringCall), PMString(), 1,
                           2) != 1)
        return;
    RememberChoices(path, offset);
    if (Import(path, offset, plan))
        ShowPopupsByMode();
}

// The check boxes and the pairing as the user left them, for the next opening.
void NotesUIImportDialogController::RememberChoices(const PMString& path, int32 offset) {
    InterfacePtr<INotesImportSettings> importSettings(GetApplicationObject(), IID_INOTESIMPORTSETTINGS);
    if (importSettings)
        importSettings->Set(path, offset, IsChecked(0), IsChecked(1), IsChecked(2), IsChecked(3));
}

bool16 NotesUIImportDialogController::Import(const PMString& path, int32 offset,
                                             const NotesImportPlan& plan) {
    IDataBase* db = fDocument->GetDocumentDataBase();
    InterfacePtr<ICommand> importCmd(CmdUtils::CreateCommand(kNotesImportCmdBoss));
    InterfacePtr<INotesImportSettings> importSettingsCmdData(importCmd, IID_INOTESIMPORTSETTINGS);
    InterfacePtr<INotesImportPlanData> planData(importCmd, IID_INOTESIMPORTPLANDATA);
    InterfacePtr<IIntData> errorCodeData(importCmd, IID_IINTDATA);
    if (!importSettingsCmdData || !planData || !errorCodeData)
        return kFalse;
    importSettingsCmdData->Set(path, offset, IsChecked(0), IsChecked(1), IsChecked(2), IsChecked(3));
    planData->SetPlan(plan);
    importCmd->SetItemList(UIDList(DocumentRef(fDocument)));
    if (CmdUtils::ProcessCommand(importCmd) != kSuccess) {
        PMString error = Translated(db->HasUIDsLeft() ? NOTES_UI_KEY(kNotesUIErrorImportFailedKey)
                                                      : NOTES_UI_KEY(kNotesUIErrorNoRoomKey));
        StringUtils::ReplaceStringParameters(&error, db->HasUIDsLeft() ? path : fDocument->GetName());
        CAlert::ErrorAlert(error);
        return kFalse;
    }
    if (InterfacePtr<INotesRecentImports> recent = RecentImports())
        recent->Add(path);
    return ReportOutcome(path, planData->GetAnnotationsRead(), planData->GetAnnotationsImported(),
                         errorCodeData->GetInt());
}

// Nothing imported at all is an error the user must hear of; some failures among imports a warning.
bool16 NotesUIImportDialogController::ReportOutcome(const PMString& path, int32 read, int32 imported,
                                                    int32 failed) {
    if (read == 0 || imported == 0) {
        PMString error = Translated(read == 0 ? "#MV#1692kNotesImportNothingFoundKey"
                                              : "#MV#1692kNotesImportNothingImportedKey");
        if (read == 0)
            StringUtils::ReplaceStringParameters(&error, path);
        else
            StringUtils::ReplaceStringParameters(&error, Number(read), path);
        CAlert::ErrorAlert(error);
        return kFalse;
    }
    if (failed > 0) {
        PMString warning = Translated(NOTES_UI_KEY(kNotesUIWarningNumAnnotationFailedKey));
        StringUtils::ReplaceStringParameters(&warning, Number(failed));
        CAlert::WarningAlert(warning);
    }
    return kTrue;
}

// The import leaves every popup closed; the display mode then opens them all or clears the
// annotation selection.
void NotesUIImportDialogController::ShowPopupsByMode() {
    const UIDRef document = DocumentRef(fDocument);
    InterfacePtr<INotesAnnotsManager> annotManager(document, IID_INOTESANNOTSMANAGER);
    InterfacePtr<INotesPopupOptions> popupOptions(GetApplicationObject(), IID_INOTESPOPUPOPTIONS);
    if (!annotManager || !popupOptions)
        return;
    annotManager->InvalidateAnnotationLists();
    annotManager->HideAllPopups(kTrue);
    if (popupOptions->GetMode() == INotesPopupOptions::kShowAll) {
        annotManager->ShowAllPopups(kTrue);
    } else if (popupOptions->GetMode() == INotesPopupOptions::kShowSelected) {
        InterfacePtr<INotesSelectionManager> notesSelectionManager(document, IID_INOTESSELECTIONMANAGER);
        if (notesSelectionManager)
            notesSelectionManager->ClearSelectedAnnotations();
    }
}

const NotesImportPlan& NotesUIImportDialogController::PlanOf(const PMString& path, int32 offset) {
    if (!fPlan || fPlanPath != path || fPlan->offset != offset) {
        Utils<INotesImportUtils> importUtils;
        if (importUtils && fDocument) {
            fPlan = importUtils->PlanImport(path, DocumentRef(fDocument), offset);
        } else {
            fPlan = NotesImportPlan();
            fPlan->failure = NotesImportPlan::kNoPDFLibrary;
        }
        fPlanPath = path;
    }
    return *fPlan;
}

int32 NotesUIImportDialogController::ChosenOffset() const {
    const auto field = [this](WidgetID id) {
        const double value = static_cast<double>(GetTextValue(id));
        return static_cast<int64>(std::clamp(value, -4.0e9, 4.0e9));
    };
    const int64 offset = field(kNotesUIDocumentStartPageWidgetID) - field(kNotesUIPDFStartPageWidgetID);
    return static_cast<int32>(
        std::clamp<int64>(offset, std::numeric_limits<int32>::min(), std::numeric_limits<int32>::max()));
}

bool16 NotesUIImportDialogController::IsChecked(size_t kind) const {
    return GetTriStateControlData(kKindCheckBoxes[kind]) == ITriStateControlData::kSelected;
}

int32 NotesUIImportDialogController::DocumentPageCount() const {
    InterfacePtr<IPageList> pageList(DocumentRef(fDocument), IID_IPAGELIST);
    return pageList ? pageList->GetPageCount() : 0;
}

void NotesUIImportDialogController::EnableWidget(WidgetID id, bool16 enable) {
    if (IControlView* widget = FindDialogWidget(id))
        widget->Enable(enable);
}

void NotesUIImportDialogController::SetLimit(WidgetID id, int32 maximum) {
    InterfacePtr<ITextDataValidation> validation(FindDialogWidget(id), IID_ITEXTDATAVALIDATION);
    if (!validation)
        return;
    validation->SetMinimum(1);
    validation->SetMaximum(std::max(maximum, 1));
}
