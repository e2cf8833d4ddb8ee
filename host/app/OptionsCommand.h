// OptionsCommand: `pagehost options [--popup-mode MODE]`: shows the application's options, and
// sets the popup display mode (show-all, leave-alone, show-selected), which is kept for the next
// runs with the application's defaults.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

class OptionsCommand {
public:
    explicit OptionsCommand(CLI::App& app);
    bool Parsed() const { return fCommand->parsed(); }
    int Run() const;

private:
    CLI::App* fCommand = nullptr;
    std::string fPopupMode;
};
