#include "ImportCommand.h"

#include <cstdio>
#include <filesystem>

#include "CountingAlertResponder.h"
#include "DocumentSaving.h"
#include "INotesImportUtils.h"
#include "OutputPath.h"
#include "QuillpaneID.h"
#include "WholeNumberCheck.h"
#include "host/database/IDataBase.h"
#include "host/document/DocumentManager.h"
#include "host/document/IDocument.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IBooleanControlData.h"
#include "host/ui/IDialog.h"
#include "host/ui/IDialogMgr.h"
#include "host/ui/IDropDownListController.h"
#include "host/ui/IPanelControlData.h"
#include "host/ui/IStringListControlData.h"
#include "host/ui/ITextControlData.h"
#include "host/ui/ITextValue.h"
#include "host/ui/ITriStateControlData.h"

namespace {
int Fail(const std::string& sentence) {
    std::fprintf(stderr, "pagehost: %s\n", sentence.c_str());
    return 1;
}

const std::string kNotLoaded = "The Annotations plug-in is not loaded, so nothing can be imported.";
const std::string kNoDialog = "The Quillpane plug-in is not loaded, so the import dialog cannot open.";
const std::string kDeclined = "Nothing was imported; the document is unchanged.";

template <class T> InterfacePtr<T> DialogWidget(IDialog* dialog, WidgetID id, PMIID iid) {
    return InterfacePtr<T>(dialog->GetDialogPanel()->FindWidget(id), iid);
}
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

std::string ImportCommand::Destination() const {
    return fCommand->count("--out") > 0 ? fOut : fDocument;
}

int ImportCommand::Run() const {
    if (const auto refusal = OutputPath::Refusal(Destination(), {fPDF}))
        return Fail(*refusal);
    DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(fDocument);
    if (!opened.document)
        return Fail(opened.message);
    const int status = RunDialog(opened.document);
    return DocumentSaving::SaveAndClose(opened.document, status == 0, fOut, status);
}

int ImportCommand::RunDialog(IDocument* document) const {
    if (!Utils<INotesImportUtils>())
        return Fail(kNotLoaded);
    DocumentManager::Instance().SetFrontDocument(document);
    InterfacePtr<IDialogMgr> dialogs(GetApplicationObject(), IID_IDIALOGMGR);
    InterfacePtr<IDialog> dialog(
        dialogs ? dialogs->CreateNewDialog(kNotesUIPluginID, kNotesUIImportDialogRsrcID) : nullptr);
    if (!dialog)
        return Fail(kNoDialog);
    const CountingAlertResponder alerts;
    dialog->Open();
    FillDialog(dialog);
    // A disabled import button ignores the click; the dialog then stays open and its problem line
    // says why.
    DialogWidget<IBooleanControlData>(dialog, kOKButtonWidgetID, IID_IBOOLEANCONTROLDATA)->Select();
    if (dialog->IsOpen()) {
        const PMString problem =
            DialogWidget<ITextControlData>(dialog, kNotesUIImportProblemWidgetID, IID_ITEXTCONTROLDATA)
                ->GetString();
        dialog->PressCancel();
        return alerts.GetErrorCount() > 0 || problem.IsEmpty() ? 1 : Fail(problem.GetUTF8String());
    }
    if (alerts.GetErrorCount() > 0)
        return 1;
    return document->GetDocumentDataBase()->IsModified() ? 0 : Fail(kDeclined);
}

void ImportCommand::FillDialog(IDialog* dialog) const {
    EnterPDF(dialog);
    const std::pair<WidgetID, bool> kinds[] = {{kNotesUIStickyNotesCheckBoxWidgetID, !fNoStickyNotes},
                                               {kNotesUITextMarkupsCheckBoxWidgetID, !fNoTextMarkups},
                                               {kNotesUITextEditsCheckBoxWidgetID, !fNoTextEdits},
                                               {kNotesUIDrawingsCheckBoxWidgetID, !fNoDrawings}};
    for (const auto& [id, on] : kinds)
        DialogWidget<ITriStateControlData>(dialog, id, IID_ITRISTATECONTROLDATA)
            ->SetState(on ? ITriStateControlData::kSelected : ITriStateControlData::kUnselected);
    EnterOffset(dialog);
}

void ImportCommand::EnterPDF(IDialog* dialog) const {
    InterfacePtr<IStringListControlData> entries =
        DialogWidget<IStringListControlData>(dialog, kNotesUIPDFChooserWidgetID, IID_ISTRINGLISTCONTROLDATA);
    InterfacePtr<IDropDownListController> chooser(entries, IID_IDROPDOWNLISTCONTROLLER);
    const PMString path(std::filesystem::path(fPDF).string());
    int32 index = entries->GetIndex(path);
    if (index < 0) {
        entries->AddString(path, 0);
        index = 0;
    }
    // Chosen afresh, so that the dialog hears the choice even when the entry was chosen already.
    chooser->Select(IDropDownListController::kNoSelection, kTrue, kFalse);
    chooser->Select(index);
}

void ImportCommand::EnterOffset(IDialog* dialog) const {
    const int64 offset = fOffset;
    const auto enter = [dialog](WidgetID id, int64 page) {
        DialogWidget<ITextValue>(dialog, id, IID_ITEXTVALUE)->SetTextFromValue(static_cast<double>(page));
    };
    enter(kNotesUIDocumentStartPageWidgetID, offset > 0 ? offset + 1 : 1);
    enter(kNotesUIPDFStartPageWidgetID, offset < 0 ? 1 - offset : 1);
}
