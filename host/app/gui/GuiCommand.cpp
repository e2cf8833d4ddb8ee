#include "GuiCommand.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>

#include "GuiResponders.h"
#include "MainWindow.h"
#include "PanelDock.h"
#include "PanelForm.h"
#include "TreeMirror.h"

namespace {
int Fail(const std::string& sentence) {
    std::fprintf(stderr, "pagehost: %s\n", sentence.c_str());
    return 1;
}
} // namespace

GuiCommand::GuiCommand(CLI::App& app) {
    fCommand = app.add_subcommand("gui", "Open the desktop window, on a document when one is given");
    fCommand->add_option("DOC", fDocument, "Document file to open");
    CLI::Option* screenshot =
        fCommand->add_option("--screenshot", fScreenshot, "Draw the window into this PNG file and end");
    fCommand
        ->add_option("--select-note", fSelectNote,
                     "With --screenshot: select the N-th note of the tree (from 1)")
        ->needs(screenshot)
        ->check(CLI::PositiveNumber);
}

int GuiCommand::Run() const {
    const bool screenshot = !fScreenshot.empty();
    if (screenshot && fDocument.empty())
        return Fail("A screenshot needs a document to show.");
    if (screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "pagehost";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    // A screenshot asks nobody: its alerts stay on the console.
    GuiResponders responders(!screenshot);
    MainWindow window;
    if (screenshot)
        return Screenshot(window);
    window.show();
    if (!fDocument.empty())
        window.OpenDocument(QString::fromStdString(fDocument));
    return QApplication::exec();
}

int GuiCommand::Screenshot(MainWindow& window) const {
    window.show();
    if (!window.OpenDocument(QString::fromStdString(fDocument)))
        return 1;
    for (PanelDock* dock : window.GetPanelDocks())
        dock->ShowPanel();
    if (fSelectNote > 0) {
        TreeMirror* tree = nullptr;
        for (PanelDock* dock : window.GetPanelDocks())
            if (!tree && dock->GetForm() && !dock->GetForm()->GetTrees().empty())
                tree = dock->GetForm()->GetTrees().front();
        const NodeID node = tree ? tree->FindNthInnerNode(fSelectNote) : NodeID();
        if (!node.IsValid())
            return Fail("The panels show no note " + std::to_string(fSelectNote) + " in " + fDocument + ".");
        tree->SelectNode(node);
    }
    window.Refresh();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromStdString(fScreenshot), "PNG"))
        return Fail("The picture cannot be written to " + fScreenshot + ".");
    return 0;
}
