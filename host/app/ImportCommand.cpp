#include "ImportCommand.h"

#include <cstdio>
#include <filesystem>

#include "DocumentSaving.h"

#include "INotesAnnotsManager.h"
#include "INotesImportPlanData.h"
#include "INotesImportSettings.h"
#include "INotesImportUtils.h"
#include "INotesPopupOptions.h"
#include "INotesRecentImports.h"
#include "OutputPath.h"
#include "WholeNumberCheck.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/DocumentManager.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/CAlert.h"
#include "host/util/StringUtils.h"

namespace {
constexpr ClassID kImportCmdBoss = kNotesImportCmdBoss;

int Fail(const std::string& sentence) {
    std::fprintf(stderr, "pagehost: %s\n", sentence.c_str());
    return 1;
}

int Fail(const PMString& sentence) {
    return Fail(sentence.GetUTF8String());
}

PMString Translated(const char* key) {
    return PMString(key, PMString::kTranslateDuringCall);
}

PMString Number(int32 value) {
    PMString number;
    number.AppendNumber(value);
    return number;
}

const std::string kNotLoaded = "The Annotations plug-in is not loaded, so nothing can be imported.";
} // namespace

ImportCommand::ImportCommand(CLI::App& app) {
    fCommand = app.add_subcommand("import", "Import the comments of a reviewed PDF proof into a document");
    fCommand->add_option("DOC", fDocument, "Document file")->required();
    fCommand->add_option("PDF", fPDF, "Reviewed PDF proof")->required();
    fCommand
        ->add_option("--offset", fOffset, "Page offset: +n puts PDF page 1 on page n+1, -n skips n PDF pages")
        ->check(WholeNumberCheck("page offset"));
    fCommand->add_option("--out", fOut, "Save the result here instead of over DOC");
    fCommand->add_flag("--no-sticky-notes", fNoStickyNotes, "Leave sticky notes out");
    fCommand->add_flag("--no-text-markups", fNoTextMarkups, "Leave highlights, underlines and squiggles out");
    fCommand->add_flag("--no-text-edits", fNoTextEdits, "Leave strike-throughs, replacements and carets out");
    fCommand->add_flag("--no-drawings", fNoDrawings,
                       "Leave lines, polygons, circles, squares and free text out");
}

// The plan's warning: the import adds to the annotations already there.
void ImportCommand::ShowPlan(const NotesImportPlan& plan) const {
    if (plan.existingAnnotations > 0)
        CAlert::WarningAlert(Translated("#MV#1693kNotesUIWarningImportUponExistingAnnotationsKey"));
}

// As the import dialog leaves them: every popup closed, then opened again when the display mode
// shows them all.
void ImportCommand::ShowPopupsByMode(IDocument* document) const {
    IDataBase* db = document->GetDocumentDataBase();
    InterfacePtr<INotesAnnotsManager> annotManager(UIDRef(db, db->GetRootUID()), IID_INOTESANNOTSMANAGER);
    InterfacePtr<INotesPopupOptions> popupOptions(GetApplicationObject(), IID_INOTESPOPUPOPTIONS);
    if (!annotManager || !popupOptions)
        return;
    annotManager->InvalidateAnnotationLists();
    annotManager->HideAllPopups(kTrue);
    if (popupOptions->GetMode() == INotesPopupOptions::kShowAll)
        annotManager->ShowAllPopups(kTrue);
}

int ImportCommand::Import(IDocument* document, const NotesImportPlan& plan) const {
    IDataBase* db = document->GetDocumentDataBase();
    InterfacePtr<ICommand> importCmd(CmdUtils::CreateCommand(kImportCmdBoss));
    InterfacePtr<INotesImportSettings> settings(importCmd, IID_INOTESIMPORTSETTINGS);
    InterfacePtr<INotesImportPlanData> planData(importCmd, IID_INOTESIMPORTPLANDATA);
    InterfacePtr<IIntData> errorCodeData(importCmd, IID_IINTDATA);
    if (!settings || !planData || !errorCodeData)
        return Fail(kNotLoaded);
    settings->Set(PMString(fPDF.c_str()), fOffset, !fNoStickyNotes, !fNoTextMarkups, !fNoTextEdits,
                  !fNoDrawings);
    planData->SetPlan(plan);
    importCmd->SetItemList(UIDList(UIDRef(db, db->GetRootUID())));
    const ErrorCode result = CmdUtils::ProcessCommand(importCmd);
    if (result != kSuccess && !db->HasUIDsLeft())
        return Fail(
            "The document " + std::filesystem::path(fDocument).filename().string() +
            " has no room for new objects (its UID counter is at its limit), so nothing was imported.");
    if (result != kSuccess)
        return Fail("The comments of " + std::filesystem::path(fPDF).filename().string() +
                    " could not be imported; the document is unchanged.");
    const int status = ShowOutcome(planData->GetAnnotationsRead(), planData->GetAnnotationsImported(),
                                   errorCodeData->GetInt());
    if (status == 0)
        ShowPopupsByMode(document);
    return status;
}

// Nothing imported at all is a failure the user must hear of; some failures among imports a warning.
int ImportCommand::ShowOutcome(int32 read, int32 imported, int32 failed) const {
    if (read == 0) {
        PMString sentence = Translated("#MV#1692kNotesImportNothingFoundKey");
        StringUtils::ReplaceStringParameters(&sentence, PMString(fPDF.c_str()));
        return Fail(sentence);
    }
    if (imported == 0) {
        PMString sentence = Translated("#MV#1692kNotesImportNothingImportedKey");
        StringUtils::ReplaceStringParameters(&sentence, Number(read), PMString(fPDF.c_str()));
        return Fail(sentence);
    }
    if (failed > 0) {
        PMString warning = Translated("#MV#1693kNotesUIWarningNumAnnotationFailedKey");
        StringUtils::ReplaceStringParameters(&warning, Number(failed));
        CAlert::WarningAlert(warning);
    }
    return 0;
}

std::string ImportCommand::Destination() const {
    return fCommand->count("--out") > 0 ? fOut : fDocument;
}

int ImportCommand::Run() const {
    if (const auto refusal = OutputPath::Refusal(Destination(), {fPDF}))
        return Fail(*refusal);
    DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(fDocument);
    if (!opened.document)
        return Fail(opened.message);
    const int status = PlanAndImport(opened.document);
    return DocumentSaving::SaveAndClose(opened.document, status == 0, fOut, status);
}

int ImportCommand::PlanAndImport(IDocument* document) const {
    Utils<INotesImportUtils> importUtils;
    if (!importUtils)
        return Fail(kNotLoaded);
    IDataBase* db = document->GetDocumentDataBase();
    const NotesImportPlan plan =
        importUtils->PlanImport(PMString(fPDF.c_str()), UIDRef(db, db->GetRootUID()), fOffset);
    if (!plan.IsImportable())
        return Fail(plan.message);
    InterfacePtr<INotesRecentImports> recent(GetApplicationObject(), IID_INOTESRECENTIMPORTS);
    if (recent)
        recent->Add(PMString(fPDF.c_str()));
    ShowPlan(plan);
    return Import(document, plan);
}
