// SessionGestures: the user gestures a session script names, made through the UI toolkit on the
// front document's Notes panel and layout view. Each answers an empty string when made, else the
// sentence saying why it could not be.
#pragma once

#include <string>

class IDocument;

class SessionGestures {
public:
    // A click on the node named "PAGE" or "PAGE.N" of the Notes tree.
    static std::string SelectNode(const std::string& name);
    // A double click on the PAGE-th page node.
    static std::string DoubleClickPage(const std::string& page);
    // The menu action shown with the text (an item's own text, or its whole path).
    static std::string Action(const std::string& name);
    // The next text edit after the tree's selection, selected in the tree.
    static std::string NextTextEdit();
    // Types the text into the note box, one key at a time ("\n" types a new line).
    static std::string Type(const std::string& text);
    // A click on one of the panel's buttons: "accept", "reject" or "remove".
    static std::string ClickButton(const std::string& which);
    // Presses the create-note button and clicks the layout at X Y points from the current page's
    // top left corner.
    static std::string NewNote(IDocument* document, const std::string& coordinates);
    // Selects characters START to END of the story with the UID, as a drag in the layout would.
    static std::string SelectText(IDocument* document, const std::string& arguments);
    static std::string Undo(IDocument* document, bool redo);
};
