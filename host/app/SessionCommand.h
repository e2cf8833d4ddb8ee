// SessionCommand: `pagehost session DOC SCRIPT`: runs a script of user gestures on the document
// through the UI toolkit, one gesture a line, as a front end would hand them on: clicks on the Notes
// panel's nodes and buttons, typing into its note box, menu actions by their text, clicks in the
// layout, text selections, undo and redo, answers to questions, and `print` (the panel as `pagehost
// panel` shows it). The document is saved at the end unless the script ends with `discard`. The
// script is read whole first: a line that is no gesture refuses it before anything runs; a gesture
// that cannot be made stops it, and nothing is saved.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

class ConsoleAlertResponder;
class IDocument;

class SessionCommand {
public:
    explicit SessionCommand(CLI::App& app);
    bool Parsed() const { return fCommand->parsed(); }
    int Run() const;

    // One line of the script: its gesture word, the rest of the line, and its line number.
    struct Gesture {
        std::string word;
        std::string argument;
        int line = 0;
    };
    // The script's gestures; the sentence that says why not when a line is no gesture.
    static std::string Parse(const std::string& script, std::vector<Gesture>* gestures);

private:
    // Empty when the gesture was made, else why not.
    std::string Perform(IDocument* document, const Gesture& gesture, ConsoleAlertResponder* alerts) const;

    CLI::App* fCommand = nullptr;
    std::string fDocument;
    std::string fScript;
};
