#include "RemoveCommand.h"

#include "DocumentVerb.h"

#include "NotesID.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/IDocument.h"
#include "host/objectmodel/ObjectModel.h"

RemoveCommand::RemoveCommand(CLI::App& app) {
    fCommand = app.add_subcommand("remove", "Delete annotations and save");
    fCommand->add_option("DOC", fDocument, "Document file")->required();
    fCommand->add_option("ID", fIDs, "Annotation ids as `pagehost notes --json` gives them")->required();
    fCommand->add_option("--out", fOut, "Save the result here instead of over DOC");
}

int RemoveCommand::Remove(IDocument* document) const {
    IDataBase* db = document->GetDocumentDataBase();
    const std::string unknown = DocumentVerb::UnknownAnnotation(db, fIDs, fDocument);
    if (!unknown.empty())
        return DocumentVerb::Fail(unknown);
    UIDList annotations(db);
    for (int64_t id : fIDs)
        if (!annotations.Contains(static_cast<UID>(id)))
            annotations.Append(static_cast<UID>(id));
    if (!InterfacePtr<ICommand>(CmdUtils::CreateCommand(kNotesDeleteAnnotationCmdBoss)))
        return DocumentVerb::Fail(DocumentVerb::NotLoaded("no annotation can be removed"));
    if (DocumentVerb::DeleteAnnotations(annotations) != kSuccess)
        return DocumentVerb::Fail("The annotations could not be removed; the document is unchanged.");
    return 0;
}

int RemoveCommand::Run() const {
    return DocumentVerb::Run(fDocument, fOut, [&](IDocument* document) { return Remove(document); });
}
