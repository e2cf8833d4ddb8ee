#include "ClearCommand.h"

#include "DocumentVerb.h"

#include "INotesColorManager.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/IDocument.h"
#include "host/objectmodel/ObjectModel.h"

ClearCommand::ClearCommand(CLI::App& app) {
    fCommand = app.add_subcommand("clear", "Remove every annotation and the annotation swatches, and save");
    fCommand->add_option("DOC", fDocument, "Document file")->required();
    fCommand->add_option("--out", fOut, "Save the result here instead of over DOC");
}

int ClearCommand::Clear(IDocument* document) const {
    IDataBase* db = document->GetDocumentDataBase();
    const UIDRef documentRef(db, db->GetRootUID());
    InterfacePtr<ICommand> clearAllCmd(CmdUtils::CreateCommand(kNotesClearAllCmdBoss));
    InterfacePtr<INotesColorManager> colorManager(documentRef, IID_INOTESCOLORMANAGER);
    if (!clearAllCmd || !colorManager)
        return DocumentVerb::Fail(DocumentVerb::NotLoaded("no annotation can be cleared"));
    clearAllCmd->SetItemList(UIDList(documentRef));
    if (CmdUtils::ProcessCommand(clearAllCmd) != kSuccess)
        return DocumentVerb::Fail("The annotations of " + fDocument +
                                  " could not be cleared; it is unchanged.");
    // Only after a clear that succeeded, as the menu item does.
    colorManager->RemoveAnnotationColors();
    return ErrorUtils::PMGetGlobalErrorCode() == kSuccess
               ? 0
               : DocumentVerb::Fail("The annotation swatches of " + fDocument + " could not be removed.");
}

int ClearCommand::Run() const {
    return DocumentVerb::Run(fDocument, fOut, [&](IDocument* document) { return Clear(document); });
}
