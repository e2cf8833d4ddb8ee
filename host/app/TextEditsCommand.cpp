#include "TextEditsCommand.h"

#include <cstdio>
#include <filesystem>
#include <unordered_set>

#include "DocumentSaving.h"
#include "INotesAnnotation.h"
#include "INotesAnnotationList.h"
#include "NotesCommand.h"
#include "NotesPages.h"
#include "OutputPath.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/DocumentManager.h"
#include "host/objectmodel/IBoolData.h"
#include "host/objectmodel/ObjectModel.h"

namespace {
int Fail(const std::string& sentence) {
    std::fprintf(stderr, "pagehost: %s\n", sentence.c_str());
    return 1;
}

bool IsTextEdit(IDataBase* db, UID uid) {
    InterfacePtr<INotesAnnotation> annotation(UIDRef(db, uid), IID_INOTESANNOTATION);
    return annotation && annotation->IsRedaction();
}
} // namespace

TextEditsCommand::TextEditsCommand(CLI::App& app, const std::string& verb, ClassID commandClass,
                                   const std::string& help)
    : fVerb(verb), fCommandClass(commandClass) {
    fCommand = app.add_subcommand(verb, help);
    fCommand->add_option("DOC", fDocument, "Document file")->required();
    fCommand->add_option("ID", fIDs, "Ids of text edits as `pagehost notes --json` gives them");
    fCommand->add_flag("--all-edits", fAllEdits, "Every text edit of the document, in page order");
    fCommand->add_flag("--keep-highlight", fKeepHighlight,
                       "Leave a highlight whose note tells the old or the refused text");
    fCommand->add_option("--out", fOut, "Save the result here instead of over DOC");
}

std::string TextEditsCommand::CheckIDs(IDataBase* db) const {
    for (int64_t id : fIDs) {
        const UID uid = static_cast<UID>(id);
        const bool valid = id > 0 && id <= 0xFFFFFFFFLL && db->IsValidUID(uid);
        InterfacePtr<INotesAnnotation> annotation(valid ? UIDRef(db, uid) : UIDRef(), IID_INOTESANNOTATION);
        if (!annotation || annotation->GetType() == INotesAnnotation::kPopupAnnotation)
            return "The id " + std::to_string(id) + " names no annotation of " + fDocument + ".";
        if (!annotation->IsRedaction())
            return "The id " + std::to_string(id) + " names a " +
                   NotesCommand::KindName(annotation->GetType()) +
                   ", not a text edit (a strike-through, an insertion or a replacement).";
    }
    return std::string();
}

UIDList TextEditsCommand::Edits(IDataBase* db) const {
    UIDList edits(db);
    std::unordered_set<UID> listed;
    const auto add = [&](UID uid) {
        if (listed.insert(uid).second)
            edits.Append(uid);
    };
    for (int64_t id : fIDs)
        add(static_cast<UID>(id));
    if (!fAllEdits)
        return edits;
    for (const NotesPages::Page& page : NotesPages::InPanelOrder(db)) {
        InterfacePtr<INotesAnnotationList> list(UIDRef(db, page.uid), IID_INOTESANNOTATIONLIST);
        if (!list)
            continue;
        const UIDList annotations = list->GetAnnotations();
        for (UID uid : annotations.GetUIDs())
            if (IsTextEdit(db, uid))
                add(uid);
    }
    return edits;
}

int TextEditsCommand::Settle(IDocument* document) const {
    IDataBase* db = document->GetDocumentDataBase();
    InterfacePtr<ICommand> command(CmdUtils::CreateCommand(fCommandClass));
    InterfacePtr<IBoolData> convertToHighlight(GetApplicationObject(), IID_INOTESCONVERTTOHIGHLIGHTOPTION);
    if (!command || !convertToHighlight)
        return Fail("The Annotations plug-in is not loaded, so no text edit can be settled.");
    if (const std::string problem = CheckIDs(db); !problem.empty())
        return Fail(problem);
    const UIDList edits = Edits(db);
    if (edits.IsEmpty())
        return Fail("The document " + fDocument + " has no text edit to " + fVerb + ".");
    convertToHighlight->Set(fKeepHighlight ? kTrue : kFalse);
    command->SetItemList(edits);
    if (CmdUtils::ProcessCommand(command) != kSuccess)
        return Fail("The text edits of " + std::filesystem::path(fDocument).filename().string() +
                    " could not be " + fVerb + "ed; the document is unchanged.");
    int32 settled = 0;
    for (UID uid : edits.GetUIDs())
        settled += db->IsValidUID(uid) ? 0 : 1;
    std::printf("%s %d of %d text edits.\n", fVerb == "accept" ? "Accepted" : "Rejected", settled,
                edits.Length());
    return 0;
}

int TextEditsCommand::Run() const {
    if (fCommand->count("--out") > 0)
        if (const auto refusal = OutputPath::Refusal(fOut, {fDocument}))
            return Fail(*refusal);
    if (fIDs.empty() && !fAllEdits)
        return Fail("Name the text edits to " + fVerb + " by their ids, or give --all-edits.");
    DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(fDocument);
    if (!opened.document)
        return Fail(opened.message);
    const int status = Settle(opened.document);
    return DocumentSaving::SaveAndClose(opened.document, status == 0, fOut, status);
}
