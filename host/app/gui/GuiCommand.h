// GuiCommand: `pagehost gui [DOC] [--screenshot OUT.png [--select-note N]]`: the desktop window on
// DOC. With --screenshot the window is drawn offscreen (unless a platform is chosen) after
// opening DOC, showing the declared panels and selecting the N-th note of the panel's tree, then
// written as a PNG picture, and the command ends.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

class MainWindow;

class GuiCommand {
public:
    explicit GuiCommand(CLI::App& app);
    bool Parsed() const { return fCommand->parsed(); }
    int Run() const;

private:
    int Screenshot(MainWindow& window) const;

    CLI::App* fCommand = nullptr;
    std::string fDocument;
    std::string fScreenshot;
    int fSelectNote = 0;
};
