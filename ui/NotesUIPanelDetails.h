// NotesUIPanelDetails: the panel's widgets below the tree: the note text box, the author and date
// texts, and the accept, reject and remove icons, filled to match the tree selection.
#pragma once

#include "host/database/UIDRef.h"
#include "host/util/PMString.h"

class NotesUIPanelDetails {
public:
    // Nothing (or no annotation) selected: empty, disabled texts and buttons.
    static void ShowNothing();
    // One annotation selected: its text, author and date; accept and reject only for a text edit.
    static void ShowAnnotation(const UIDRef& annotation);
    // Several nodes selected: empty texts; accept and reject when any of them holds a text edit.
    static void ShowSeveral(bool anyTextEdit);
    // "<long date> <time>" of a record's date; empty for a record without a date.
    static PMString DateText(const UIDRef& annotation);
};
