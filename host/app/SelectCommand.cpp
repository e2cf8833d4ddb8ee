#include "SelectCommand.h"

#include <cstdio>

#include "DocumentVerb.h"
#include "NotesCommand.h"
#include "TextTarget.h"

#include "INotesAnnotation.h"
#include "INotesSelectionManager.h"
#include "INotesSelectionSuite.h"
#include "INotesTextSelectionSuite.h"
#include "host/database/IDataBase.h"
#include "host/document/DocumentManager.h"
#include "host/document/IDocument.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/selection/ISelectionManager.h"

namespace {
template <class Suite> InterfacePtr<Suite> QuerySuite(ISelectionManager* selection) {
    return InterfacePtr<Suite>(static_cast<Suite*>(selection->QueryIntegratorSuite(Suite::kDefaultIID)));
}

const char* const kActions =
    "mark-highlight, mark-underline, mark-squiggly, mark-strikeout, mark-caret, mark-replace, accept, "
    "reject and remove";
} // namespace

SelectCommand::SelectCommand(CLI::App& app) {
    fCommand = app.add_subcommand(
        "select",
        "Select text or page items as the user would, show their annotations, act on them and save");
    fCommand->add_option("DOC", fDocument, "Document file")->required();
    CLI::Option* story =
        fCommand->add_option("--story", fStory, "Story id as `pagehost notes --json` gives it");
    CLI::Option* range = fCommand->add_option(
        "--range", fRange, "START:END, text indices of the story (START:START for a caret)");
    CLI::Option* items = fCommand->add_option("--item", fItems, "Page item ids to select");
    story->needs(range);
    range->needs(story);
    items->excludes(story)->excludes(range);
    fCommand->add_option("--then", fAction, std::string("What to do with the selection: ") + kActions);
    fCommand->add_option("--out", fOut, "Save the result here instead of over DOC");
}

std::string SelectCommand::MakeSelection(IDocument* document, ISelectionManager* selection) const {
    IDataBase* db = document->GetDocumentDataBase();
    if (!fItems.empty()) {
        UIDList items(db);
        std::string ids;
        for (int64_t id : fItems) {
            if (id <= 0 || id > 0xFFFFFFFFLL || !db->IsValidUID(static_cast<UID>(id)))
                return "The id " + std::to_string(id) + " names nothing in " + fDocument + ".";
            items.Append(static_cast<UID>(id));
            ids += (ids.empty() ? "" : ", ") + std::to_string(id);
        }
        return selection->SelectPageItems(items) == kSuccess
                   ? std::string()
                   : "The ids " + ids + " are not all page items of " + fDocument + ".";
    }
    int32_t start = 0, end = 0;
    if (!TextTarget::ParseRange(fRange, &start, &end))
        return "The range " + fRange + " is not two text indices written START:END.";
    std::string problem = TextTarget::Check(document, fDocument, fStory, fRange, start, end);
    if (problem.empty() &&
        selection->SelectText(UIDRef(db, static_cast<UID>(fStory)), RangeData(start, end)) != kSuccess)
        problem = "The range " + fRange + " reaches past the last character of story " +
                  std::to_string(fStory) + ", which cannot be selected.";
    return problem;
}

void SelectCommand::PrintSelectedAnnotations(IDocument* document) {
    InterfacePtr<INotesSelectionManager> notesSelection(document, IID_INOTESSELECTIONMANAGER);
    if (!notesSelection)
        return;
    IDataBase* db = document->GetDocumentDataBase();
    const UIDList selected = notesSelection->GetSelectedAnnotations();
    for (UID uid : selected.GetUIDs()) {
        InterfacePtr<INotesAnnotation> annotation(UIDRef(db, uid), IID_INOTESANNOTATION);
        if (annotation)
            std::printf("selected %u %s%s\n", uid, NotesCommand::KindName(annotation->GetType()).c_str(),
                        annotation->IsPopupShown() ? ", popup shown" : "");
    }
    if (selected.IsEmpty())
        std::printf("selected no annotation\n");
}

int SelectCommand::Mark(ISelectionManager* selection, int32_t type) const {
    InterfacePtr<INotesTextSelectionSuite> textSuite = QuerySuite<INotesTextSelectionSuite>(selection);
    if (!textSuite)
        return DocumentVerb::Fail(DocumentVerb::NotLoaded("nothing can be marked"));
    const bool caret = type == INotesAnnotation::kCaretAnnotation;
    if (caret ? !textSuite->CanInsertAtCaret() : !textSuite->CanMarkText())
        return DocumentVerb::Fail(
            caret ? "An insertion is marked at an insertion point: give --range N:N in the "
                    "text of a story that is no note."
                  : "A markup needs at least one selected character of a story that is no note.");
    UID made = kInvalidUID;
    if (textSuite->NewTextMarkup(static_cast<INotesAnnotation::NotesAnnotationType>(type), made) != kSuccess)
        return DocumentVerb::Fail("No " + NotesCommand::KindName(type) + " can stand on " + fRange +
                                  " of story " + std::to_string(fStory) + ": it is marked so already.");
    std::printf("made %u %s\n", made, NotesCommand::KindName(type).c_str());
    return 0;
}

int SelectCommand::SettleTextEdits(ISelectionManager* selection, bool accept) const {
    InterfacePtr<INotesTextSelectionSuite> textSuite = QuerySuite<INotesTextSelectionSuite>(selection);
    if (!textSuite)
        return DocumentVerb::Fail(DocumentVerb::NotLoaded("no text edit can be settled"));
    if (!textSuite->HasTextEdits())
        return DocumentVerb::Fail(std::string("The selection carries no text edit to ") +
                                  (accept ? "accept." : "reject."));
    const ErrorCode result = accept ? textSuite->AcceptTextEdits() : textSuite->RejectTextEdits();
    if (result != kSuccess)
        return DocumentVerb::Fail(std::string("The text edits could not be ") +
                                  (accept ? "accepted" : "rejected") + "; the document is unchanged.");
    std::printf("%s the text edits of the selection\n", accept ? "accepted" : "rejected");
    return 0;
}

int SelectCommand::Remove(ISelectionManager* selection) const {
    InterfacePtr<INotesTextSelectionSuite> textSuite = QuerySuite<INotesTextSelectionSuite>(selection);
    InterfacePtr<INotesSelectionSuite> layoutSuite = QuerySuite<INotesSelectionSuite>(selection);
    if (!textSuite || !layoutSuite)
        return DocumentVerb::Fail(DocumentVerb::NotLoaded("no annotation can be removed"));
    if (!textSuite->HasAnnotations() && !layoutSuite->HasAnnotations())
        return DocumentVerb::Fail("The selection holds no annotation to remove.");
    ErrorCode result = kSuccess;
    if (textSuite->HasAnnotations())
        result = textSuite->DeleteAnnotations();
    else {
        UIDList annotations;
        result = layoutSuite->GetAnnotations(annotations);
        if (result == kSuccess)
            result = DocumentVerb::DeleteAnnotations(annotations);
    }
    if (result != kSuccess)
        return DocumentVerb::Fail("The annotations could not be removed; the document is unchanged.");
    std::printf("removed the annotations of the selection\n");
    return 0;
}

int SelectCommand::RunAction(ISelectionManager* selection) const {
    if (fAction.empty())
        return 0;
    if (fAction == "accept" || fAction == "reject")
        return SettleTextEdits(selection, fAction == "accept");
    if (fAction == "remove")
        return Remove(selection);
    int32_t type = 0;
    if (fAction.rfind("mark-", 0) == 0 && TextTarget::KindOf(fAction.substr(5), &type))
        return Mark(selection, type);
    return DocumentVerb::Fail("The action " + fAction + " is none of " + kActions + ".");
}

int SelectCommand::Select(IDocument* document) const {
    DocumentManager::Instance().SetFrontDocument(document);
    InterfacePtr<ISelectionManager> selection(DocumentManager::Instance().GetLayoutView(document),
                                              IID_ISELECTIONMANAGER);
    if (!selection)
        return DocumentVerb::Fail("The document " + fDocument + " has no layout view to select in.");
    const std::string problem = MakeSelection(document, selection);
    if (!problem.empty())
        return DocumentVerb::Fail(problem);
    PrintSelectedAnnotations(document);
    const int status = RunAction(selection);
    // The emphasis shows the selection on screen; the saved document keeps none of it.
    if (InterfacePtr<INotesSelectionManager> notesSelection{document, IID_INOTESSELECTIONMANAGER})
        notesSelection->ClearSelectedAnnotations();
    return status;
}

int SelectCommand::Run() const {
    if (fItems.empty() && fRange.empty())
        return DocumentVerb::Fail("Say what to select: --story and --range, or --item.");
    return DocumentVerb::Run(fDocument, fOut, [&](IDocument* document) { return Select(document); });
}
