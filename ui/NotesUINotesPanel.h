// NotesUINotesPanel: where the plug-in's code finds the Notes panel and its tree, and the one way
// the tree is rebuilt (only while the panel is shown: a hidden panel is rebuilt when shown).
#pragma once

#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/IControlView.h"
#include "host/ui/ITreeViewController.h"
#include "host/ui/ITreeViewMgr.h"

class NotesUINotesPanel {
public:
    // The panel (no reference added), made when needed; nullptr when the plug-in is not registered.
    static IControlView* Panel();
    static bool IsShown();
    // A widget of the panel by ID (no reference added), or nullptr.
    static IControlView* FindWidget(WidgetID id);
    static InterfacePtr<ITreeViewMgr> TreeViewMgr();
    static InterfacePtr<ITreeViewController> TreeViewController();
    // Drops the tree's nodes and asks the adapter again, when the panel is shown.
    static void RebuildIfShown();
    // After a new note or markup: shows the panel, rebuilds the tree, selects the annotation's node and
    // puts the keyboard focus into the note text box, so that the user can type the note at once.
    static void ShowNewAnnotation(const UIDRef& annotation);
    // Selects the annotation's node alone (or added to the selection), opening its page node; the
    // tree's observers hear of it only when notify is set.
    static void SelectAnnotationNode(const UIDRef& annotation, bool addToSelection = false,
                                     bool notify = true);
};
