#include "SessionCommand.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "ConsoleAlertResponder.h"
#include "DocumentSaving.h"
#include "PanelReader.h"
#include "SessionGestures.h"
#include "host/document/DocumentManager.h"
#include "host/document/IDocument.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IDialog.h"
#include "host/ui/IDialogMgr.h"
#include "host/ui/ScriptedAlertResponder.h"

namespace {
// Whether each gesture word takes the rest of its line as an argument.
const std::map<std::string, bool>& GestureWords() {
    static const std::map<std::string, bool> words = {
        {"select-node", true},   {"next", false},        {"previous", false},     {"next-edit", false},
        {"type", true},          {"action", true},       {"click-accept", false}, {"click-reject", false},
        {"click-remove", false}, {"double-click", true}, {"new-note", true},      {"select-text", true},
        {"undo", false},         {"redo", false},        {"answer", true},        {"print", false},
        {"discard", false}};
    return words;
}

int Fail(const std::string& sentence) {
    std::fprintf(stderr, "pagehost: %s\n", sentence.c_str());
    return 1;
}

// A dialog a gesture left open is cancelled, as closing the window would.
void CancelOpenDialogs() {
    InterfacePtr<IDialogMgr> dialogs(GetApplicationObject(), IID_IDIALOGMGR);
    if (!dialogs)
        return;
    for (IDialog* dialog : dialogs->GetOpenDialogs())
        dialog->PressCancel();
}
} // namespace

SessionCommand::SessionCommand(CLI::App& app) {
    fCommand =
        app.add_subcommand("session", "Run a script of user gestures on the Notes panel of a document");
    fCommand->add_option("DOC", fDocument, "Document file")->required();
    fCommand->add_option("SCRIPT", fScript, "Script file, one gesture a line ('#' starts a comment)")
        ->required();
}

std::string SessionCommand::Parse(const std::string& script, std::vector<Gesture>* gestures) {
    std::istringstream in(script);
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        const size_t first = text.find_first_not_of(" \t");
        if (first == std::string::npos || text[first] == '#')
            continue;
        const size_t wordEnd = text.find_first_of(" \t", first);
        Gesture gesture{text.substr(first, wordEnd - first),
                        wordEnd == std::string::npos ? std::string() : text.substr(wordEnd + 1), line};
        const auto known = GestureWords().find(gesture.word);
        const std::string where = "Line " + std::to_string(line) + " of the script";
        if (known == GestureWords().end())
            return where + " names no gesture: \"" + gesture.word + "\".";
        if (known->second && gesture.argument.find_first_not_of(" \t") == std::string::npos)
            return where + " gives " + gesture.word + " nothing to work on.";
        if (!known->second && gesture.argument.find_first_not_of(" \t") != std::string::npos)
            return where + " gives " + gesture.word + " more than it takes: \"" + gesture.argument + "\".";
        if (gesture.word == "answer" && gesture.argument != "yes" && gesture.argument != "no")
            return where + " answers \"" + gesture.argument + "\"; the answers are yes and no.";
        if (!gestures->empty() && gestures->back().word == "discard")
            return "Line " + std::to_string(gestures->back().line) +
                   " of the script discards the session, so it must be the last gesture.";
        gestures->push_back(gesture);
    }
    return gestures->empty() ? "The script holds no gesture." : std::string();
}

std::string SessionCommand::Perform(IDocument* document, const Gesture& gesture,
                                    ConsoleAlertResponder* alerts) const {
    const std::string& word = gesture.word;
    const std::string& argument = gesture.argument;
    if (word == "select-node")
        return SessionGestures::SelectNode(argument);
    if (word == "next" || word == "previous")
        return SessionGestures::Action(word == "next" ? "Next Note" : "Previous Note");
    if (word == "next-edit")
        return SessionGestures::NextTextEdit();
    if (word == "type")
        return SessionGestures::Type(argument);
    if (word == "action")
        return SessionGestures::Action(argument);
    if (word.rfind("click-", 0) == 0)
        return SessionGestures::ClickButton(word.substr(6));
    if (word == "double-click")
        return SessionGestures::DoubleClickPage(argument);
    if (word == "new-note")
        return SessionGestures::NewNote(document, argument);
    if (word == "select-text")
        return SessionGestures::SelectText(document, argument);
    if (word == "undo" || word == "redo")
        return SessionGestures::Undo(document, word == "redo");
    if (word == "answer") {
        alerts->AnswerNextWith(argument);
        return std::string();
    }
    if (word == "print") {
        InterfacePtr<ITreeViewMgr> tree = PanelReader::Tree();
        std::fputs(PanelReader::ToText(PanelReader::Snapshot(tree, PanelReader::Walk(tree))).c_str(), stdout);
    }
    return std::string(); // discard: nothing to do until the end
}

int SessionCommand::Run() const {
    std::ifstream file(fScript, std::ios::binary);
    if (!file)
        return Fail("The script " + fScript + " cannot be read.");
    std::stringstream script;
    script << file.rdbuf();
    std::vector<Gesture> gestures;
    if (const std::string refusal = Parse(script.str(), &gestures); !refusal.empty())
        return Fail(refusal);
    DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(fDocument);
    if (!opened.document)
        return Fail(opened.message);
    DocumentManager::Instance().SetFrontDocument(opened.document);
    ConsoleAlertResponder alerts;
    const ScopedAlertResponder answering(&alerts);
    std::string stopped = PanelReader::ShowPanel();
    for (size_t i = 0; stopped.empty() && i < gestures.size(); ++i)
        if (std::string problem = Perform(opened.document, gestures[i], &alerts); !problem.empty())
            stopped = "Line " + std::to_string(gestures[i].line) + " (" + gestures[i].word + "): " + problem;
    CancelOpenDialogs();
    PanelReader::HidePanel();
    if (!stopped.empty()) {
        DocumentManager::Instance().CloseDocument(opened.document);
        return Fail(stopped + " The session stopped there and the document was not saved.");
    }
    const bool discard = gestures.back().word == "discard";
    return DocumentSaving::SaveAndClose(opened.document, !discard, std::string(), 0);
}
