#include "PopupsCommand.h"

#include <cstdio>
#include <filesystem>

#include "DocumentSaving.h"

#include "INotesAnnotation.h"
#include "INotesAnnotsManager.h"
#include "host/database/IDataBase.h"
#include "host/document/DocumentManager.h"
#include "host/objectmodel/ObjectModel.h"

namespace {
int Fail(const std::string& sentence) {
    std::fprintf(stderr, "pagehost: %s\n", sentence.c_str());
    return 1;
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::weakly_canonical(a, error) == std::filesystem::weakly_canonical(b, error);
}
} // namespace

PopupsCommand::PopupsCommand(CLI::App& app) {
    fCommand = app.add_subcommand("popups", "Open or close the popup notes of annotations and save");
    fCommand->add_option("DOC", fDocument, "Document file")->required();
    fCommand->add_option("ACTION", fAction, "show or hide")
        ->required()
        ->check(CLI::IsMember({"show", "hide"}));
    fCommand->add_option("ID", fIDs, "Annotation ids as `pagehost notes --json` gives them (all without)");
    fCommand->add_option("--out", fOut, "Save the result here instead of over DOC");
}

std::string PopupsCommand::CheckIDs(IDocument* document) const {
    IDataBase* db = document->GetDocumentDataBase();
    for (int64_t id : fIDs) {
        const UID uid = static_cast<UID>(id);
        InterfacePtr<INotesAnnotation> annotation(UIDRef(db, uid), IID_INOTESANNOTATION);
        if (id <= 0 || id > 0xFFFFFFFFLL || !db->IsValidUID(uid) || !annotation ||
            annotation->GetType() == INotesAnnotation::kPopupAnnotation)
            return "The id " + std::to_string(id) + " names no annotation of " + fDocument + ".";
    }
    return std::string();
}

void PopupsCommand::Apply(IDocument* document) const {
    IDataBase* db = document->GetDocumentDataBase();
    InterfacePtr<INotesAnnotsManager> manager(UIDRef(db, db->GetRootUID()), IID_INOTESANNOTSMANAGER);
    const bool show = fAction == "show";
    if (fIDs.empty()) {
        show ? manager->ShowAllPopups(kTrue) : manager->HideAllPopups(kTrue);
        return;
    }
    for (int64_t id : fIDs) {
        InterfacePtr<INotesAnnotation> annotation(UIDRef(db, static_cast<UID>(id)), IID_INOTESANNOTATION);
        show ? annotation->ShowPopup() : annotation->HidePopup();
    }
}

int PopupsCommand::Run() const {
    if (!fOut.empty() && SameFile(fOut, fDocument))
        return Fail("The output " + fOut + " is the document itself; leave --out away to save over it.");
    DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(fDocument);
    if (!opened.document)
        return Fail(opened.message);
    IDataBase* db = opened.document->GetDocumentDataBase();
    InterfacePtr<INotesAnnotsManager> manager(UIDRef(db, db->GetRootUID()), IID_INOTESANNOTSMANAGER);
    std::string problem =
        manager ? CheckIDs(opened.document)
                : std::string("The Annotations plug-in is not loaded, so no popup can be opened.");
    const int status = problem.empty() ? 0 : Fail(problem);
    if (status == 0)
        Apply(opened.document);
    return DocumentSaving::SaveAndClose(opened.document, status == 0, fOut, status);
}
