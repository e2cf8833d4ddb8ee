#include "ImportCommand.h"

#include <cstdio>
#include <filesystem>

#include "INotesImportSettings.h"
#include "INotesImportUtils.h"
#include "INotesLayerManager.h"
#include "INotesRecentImports.h"
#include "OutputPath.h"
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

PMString Translated(const char* key) {
    return PMString(key, PMString::kTranslateDuringCall);
}
} // namespace

ImportCommand::ImportCommand(CLI::App& app) {
    fCommand = app.add_subcommand("import", "Import the comments of a reviewed PDF proof into a document");
    fCommand->add_option("DOC", fDocument, "Document file")->required();
    fCommand->add_option("PDF", fPDF, "Reviewed PDF proof")->required();
    fCommand->add_option("--offset", fOffset,
                         "Page offset: +n puts PDF page 1 on page n+1, -n skips n PDF pages");
    fCommand->add_option("--out", fOut, "Save the result here instead of over DOC");
    fCommand->add_flag("--no-sticky-notes", fNoStickyNotes, "Leave sticky notes out");
    fCommand->add_flag("--no-text-markups", fNoTextMarkups, "Leave highlights, underlines and squiggles out");
    fCommand->add_flag("--no-text-edits", fNoTextEdits, "Leave strike-throughs, replacements and carets out");
    fCommand->add_flag("--no-drawings", fNoDrawings,
                       "Leave lines, polygons, circles, squares and free text out");
}

void ImportCommand::WarnBeforeImport(IDocument* document) const {
    IDataBase* db = document->GetDocumentDataBase();
    const UIDRef docRef(db, db->GetRootUID());
    Utils<INotesImportUtils> importUtils;
    const PMString path(fPDF.c_str());
    if (!importUtils->DoPagesMatch(path, docRef, fOffset) &&
        !importUtils->DoSpreadsMatch(path, docRef, fOffset))
        CAlert::WarningAlert(Translated("#MV#1693kNotesUIWarningGeometryDoesNotMatchKey"));
    InterfacePtr<INotesLayerManager> layerManager(docRef, IID_INOTESLAYERMANAGER);
    if (layerManager && !layerManager->IsFreeOfAnnotations())
        CAlert::WarningAlert(Translated("#MV#1693kNotesUIWarningImportUponExistingAnnotationsKey"));
}

int ImportCommand::Import(IDocument* document) const {
    IDataBase* db = document->GetDocumentDataBase();
    InterfacePtr<ICommand> importCmd(CmdUtils::CreateCommand(kImportCmdBoss));
    InterfacePtr<INotesImportSettings> settings(importCmd, IID_INOTESIMPORTSETTINGS);
    InterfacePtr<IIntData> errorCodeData(importCmd, IID_IINTDATA);
    if (!settings || !errorCodeData)
        return Fail("The Annotations plug-in is not loaded, so nothing can be imported.");
    settings->Set(PMString(fPDF.c_str()), fOffset, !fNoStickyNotes, !fNoTextMarkups, !fNoTextEdits,
                  !fNoDrawings);
    importCmd->SetItemList(UIDList(UIDRef(db, db->GetRootUID())));
    const ErrorCode result = CmdUtils::ProcessCommand(importCmd);
    if (result != kSuccess && !db->HasUIDsLeft())
        return Fail(
            "The document " + std::filesystem::path(fDocument).filename().string() +
            " has no room for new objects (its UID counter is at its limit), so nothing was imported.");
    if (result != kSuccess)
        return Fail("The comments of " + std::filesystem::path(fPDF).filename().string() +
                    " could not be imported; the document is unchanged.");
    if (errorCodeData->GetInt() > 0) {
        PMString warning = Translated("#MV#1693kNotesUIWarningNumAnnotationFailedKey");
        PMString count;
        count.AppendNumber(errorCodeData->GetInt());
        StringUtils::ReplaceStringParameters(&warning, count);
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
    Utils<INotesImportUtils> importUtils;
    if (!importUtils)
        return Fail("The Annotations plug-in is not loaded, so nothing can be imported.");
    if (!importUtils->CanOpenPDF(PMString(fPDF.c_str()))) {
        CAlert::ErrorAlert(Translated("#MV#1693kNotesUIErrorCannotOpenFileKey"));
        return Fail("The PDF file " + fPDF + " cannot be opened.");
    }
    InterfacePtr<INotesRecentImports> recent(GetApplicationObject(), IID_INOTESRECENTIMPORTS);
    if (recent)
        recent->Add(PMString(fPDF.c_str()));
    WarnBeforeImport(opened.document);
    int status = Import(opened.document);
    if (status == 0) {
        std::string message;
        const ErrorCode saved =
            fCommand->count("--out") == 0
                ? DocumentManager::Instance().SaveDocument(opened.document, &message)
                : DocumentManager::Instance().SaveDocumentAs(opened.document, Destination(), &message);
        if (saved != kSuccess)
            status = Fail(message);
    }
    DocumentManager::Instance().CloseDocument(opened.document);
    return status;
}
