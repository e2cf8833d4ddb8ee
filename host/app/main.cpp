// pagehost: the host application on the command line. Loads the plug-ins of its plugins folder,
// then runs one command.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>

#include "ClearCommand.h"
#include "ConsoleAlertResponder.h"
#include "ConsoleProgressReporter.h"
#include "ExportPdfCommand.h"
#include "GuiCommand.h"
#include "ImportCommand.h"
#include "InfoCommand.h"
#include "MarkCommand.h"
#include "MenuCommand.h"
#include "NewCommand.h"
#include "NotesCommand.h"
#include "NotesID.h"
#include "OptionsCommand.h"
#include "PanelCommand.h"
#include "PdfInfoCommand.h"
#include "PopupsCommand.h"
#include "RemoveCommand.h"
#include "RenderCommand.h"
#include "SelectCommand.h"
#include "SessionCommand.h"
#include "TextEditsCommand.h"
#include "WholeNumberCheck.h"
#include "host/Host.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/PlugInLoader.h"
#include "host/ui/CAlert.h"
#include "host/ui/ProgressReporter.h"

namespace {
constexpr const char* kVersion = "1.1.5";

// Loads the plug-ins; a refused library is reported and the others go on.
void LoadPlugIns(const std::string& folder) {
    for (const PlugInLoadResult& result : PlugInLoader::Instance().LoadFolder(folder))
        if (result.reason != PlugInLoadResult::kLoaded)
            std::fprintf(stderr, "pagehost: %s\n", result.message.c_str());
}

int ListPlugIns() {
    for (const IPlugIn* plugIn : PlugInLoader::Instance().GetLoadedPlugIns()) {
        const PlugInDeclaration& decl = plugIn->GetDeclaration();
        if (decl.id == kHostPluginID)
            continue;
        std::printf("%s %s (0x%X): %d classes, %d implementations\n", decl.name,
                    decl.version.ToString().c_str(), decl.id, ClassRegistry::Instance().CountClasses(decl.id),
                    ClassRegistry::Instance().CountImplementations(decl.id));
    }
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    CLI::App app{"pagehost: the page-layout host that runs the Annotations and Quillpane plug-ins"};
    app.set_version_flag("--version", std::string("pagehost ") + kVersion);
    std::string plugInFolder;
    int answer = 0;
    app.add_option("--plugins", plugInFolder,
                   "Folder of plug-in libraries (default: plugins beside pagehost)");
    app.add_option("--answer", answer,
                   "Button number that answers every question (default: its default button)");
    app.require_subcommand(1);
    CLI::App* plugins = app.add_subcommand("plugins", "List the loaded plug-ins");

    std::string layoutPath, documentPath, outPath;
    int pageNumber = 1;
    double scale = 1.0;
    CLI::App* newDoc = app.add_subcommand("new", "Make a document from a layout description");
    newDoc->add_option("LAYOUT", layoutPath, "Layout description (JSON)")->required();
    newDoc->add_option("DOC", documentPath, "Document file to write")->required();
    CLI::App* render = app.add_subcommand("render", "Draw a page of a document into a PNG image");
    render->add_option("DOC", documentPath, "Document file")->required();
    render->add_option("--page", pageNumber, "Page number, from 1")
        ->required()
        ->check(WholeNumberCheck("page number"));
    render->add_option("--out", outPath, "PNG file to write")->required();
    render->add_option("--scale", scale, "Pixels per point (default 1)");
    CLI::App* info =
        app.add_subcommand("info", "Describe the pages, layers, swatches and items of a document");
    info->add_option("DOC", documentPath, "Document file")->required();
    const PdfInfoCommand pdfInfo(app);
    const ImportCommand importVerb(app);
    const NotesCommand notesVerb(app);
    const PopupsCommand popupsVerb(app);
    const OptionsCommand optionsVerb(app);
    const ExportPdfCommand exportPdf(app);
    const TextEditsCommand acceptVerb(
        app, "accept", kNotesAcceptRedactionCmdBoss,
        "Carry out text edits (strike-throughs, insertions, replacements) and save");
    const TextEditsCommand rejectVerb(app, "reject", kNotesRejectRedactionCmdBoss,
                                      "Drop text edits and leave the text as it is, and save");
    const MarkCommand markVerb(app);
    const RemoveCommand removeVerb(app);
    const ClearCommand clearVerb(app);
    const SelectCommand selectVerb(app);
    const MenuCommand menuVerb(app);
    const PanelCommand panelVerb(app);
    const SessionCommand sessionVerb(app);
    const GuiCommand guiVerb(app);
    CLI11_PARSE(app, argc, argv);

    Host::Initialize();
    ConsoleAlertResponder alerts(static_cast<int16>(answer));
    CAlert::SetResponder(&alerts);
    ConsoleProgressReporter progress;
    ProgressBarManager::SetReporter(&progress);
    LoadPlugIns(plugInFolder.empty() ? Host::DefaultPlugInFolder() : plugInFolder);

    int status = 0;
    if (plugins->parsed())
        status = ListPlugIns();
    else if (newDoc->parsed())
        status = NewCommand(layoutPath, documentPath).Run();
    else if (render->parsed())
        status = RenderCommand(documentPath, pageNumber, outPath, scale).Run();
    else if (info->parsed())
        status = InfoCommand(documentPath).Run();
    else if (pdfInfo.Parsed())
        status = pdfInfo.Run();
    else if (importVerb.Parsed())
        status = importVerb.Run();
    else if (notesVerb.Parsed())
        status = notesVerb.Run();
    else if (popupsVerb.Parsed())
        status = popupsVerb.Run();
    else if (optionsVerb.Parsed())
        status = optionsVerb.Run();
    else if (exportPdf.Parsed())
        status = exportPdf.Run();
    else if (acceptVerb.Parsed())
        status = acceptVerb.Run();
    else if (rejectVerb.Parsed())
        status = rejectVerb.Run();
    else if (markVerb.Parsed())
        status = markVerb.Run();
    else if (removeVerb.Parsed())
        status = removeVerb.Run();
    else if (clearVerb.Parsed())
        status = clearVerb.Run();
    else if (selectVerb.Parsed())
        status = selectVerb.Run();
    else if (menuVerb.Parsed())
        status = menuVerb.Run();
    else if (panelVerb.Parsed())
        status = panelVerb.Run();
    else if (sessionVerb.Parsed())
        status = sessionVerb.Run();
    else if (guiVerb.Parsed())
        status = guiVerb.Run();
    Host::Shutdown();
    CAlert::SetResponder(nullptr);
    ProgressBarManager::SetReporter(nullptr);
    return status;
}
