#include "MenuCommand.h"

#include <cstdio>

#include "DocumentVerb.h"

#include "host/document/DocumentManager.h"
#include "host/ui/ActionManager.h"

MenuCommand::MenuCommand(CLI::App& app) {
    fCommand = app.add_subcommand("menu", "Run a menu item on a document (or with none open) and save");
    fCommand->add_option("ARGS", fArguments, "[DOC] ITEM: the document, and the menu item's text or path")
        ->required()
        ->expected(1, 2);
    fCommand->add_option("--out", fOut, "Save the result here instead of over DOC");
}

int MenuCommand::RunItem(unsigned int action, IDocument* document) const {
    DocumentManager::Instance().SetFrontDocument(document);
    if (ActionManager::Instance().DoAction(action) != kSuccess)
        return DocumentVerb::Fail("The menu item " + fArguments.back() + " could not be carried out" +
                                  (document ? "; the document is unchanged." : "."));
    return 0;
}

int MenuCommand::Run() const {
    const std::string& item = fArguments.back();
    const ActionID action = ActionManager::Instance().FindMenuAction(item);
    if (action == 0)
        return DocumentVerb::Fail("No menu item is shown as " + item + ".");
    if (fArguments.size() == 1) {
        if (!fOut.empty())
            return DocumentVerb::Fail("--out needs a document to save.");
        const int status = RunItem(action, nullptr);
        if (status == 0)
            std::printf("No document is open, so %s changed nothing.\n", item.c_str());
        return status;
    }
    return DocumentVerb::Run(fArguments.front(), fOut,
                             [&](IDocument* document) { return RunItem(action, document); });
}
