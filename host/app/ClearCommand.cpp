#include "ClearCommand.h"

#include "DocumentVerb.h"

#include "host/document/DocumentManager.h"
#include "host/ui/ActionManager.h"

namespace {
const char* const kClearAllMenuPath = "Main:Type:Annotations:Clear All Annotations";
} // namespace

ClearCommand::ClearCommand(CLI::App& app) {
    fCommand = app.add_subcommand("clear", "Remove every annotation and the annotation swatches, and save");
    fCommand->add_option("DOC", fDocument, "Document file")->required();
    fCommand->add_option("--out", fOut, "Save the result here instead of over DOC");
}

int ClearCommand::Clear(IDocument* document) const {
    // The verb is the menu item run on this document, so the two never drift apart.
    const ActionID clearAll = ActionManager::Instance().FindMenuAction(kClearAllMenuPath);
    if (clearAll == 0)
        return DocumentVerb::Fail(DocumentVerb::NotLoaded("no annotation can be cleared"));
    DocumentManager::Instance().SetFrontDocument(document);
    if (ActionManager::Instance().DoAction(clearAll) != kSuccess)
        return DocumentVerb::Fail("The annotations of " + fDocument +
                                  " could not be cleared; it is unchanged.");
    return 0;
}

int ClearCommand::Run() const {
    return DocumentVerb::Run(fDocument, fOut, [&](IDocument* document) { return Clear(document); });
}
