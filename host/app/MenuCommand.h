// MenuCommand: `pagehost menu [DOC] ITEM [--out DOC2]`: runs a menu item, named by the path the
// user sees ("Main:Type:Annotations:Clear All Annotations") or by its own text, through the host's
// action manager, on DOC as the front document, and saves it; questions the item asks are answered
// by --answer. Without DOC the item runs with no document open.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

class IDocument;

class MenuCommand {
public:
    explicit MenuCommand(CLI::App& app);
    bool Parsed() const { return fCommand->parsed(); }
    int Run() const;

private:
    int RunItem(unsigned int action, IDocument* document) const;

    CLI::App* fCommand = nullptr;
    std::vector<std::string> fArguments; // [DOC] ITEM
    std::string fOut;
};
