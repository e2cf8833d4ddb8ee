// NotesUIActionComponent: the actions of the Notes panel's menu and of the tree's context menu. New
// notes and markups, removing markups, accepting and rejecting text edits, clearing, stepping from
// note to note, the popup mode and the options; each enabled as the current text selection or the
// tree selection allows. Everything that changes the document goes through the core's commands
// and interfaces.
#pragma once

#include "INotesAnnotation.h"
#include "host/database/UIDList.h"
#include "host/ui/CActionComponent.h"
#include "host/ui/NodeID.h"

class INotesTextSelectionSuite;

class NotesUIActionComponent final : public CActionComponent {
public:
    explicit NotesUIActionComponent(IPMUnknown* boss) : CActionComponent(boss) {}
    void DoAction(ActionID actionID) override { PerformAction(nullptr, actionID, PMPoint(), nullptr); }
    void PerformAction(IActiveContext* context, ActionID actionID, const PMPoint& mousePoint,
                       IPMUnknown* widget) override;
    bool16 IsEnabled(ActionID actionID) override;
    void UpdateActionStates(IActiveContext* context, IActionStateList* listToUpdate,
                            const PMPoint& mousePoint, IPMUnknown* widget) override;

private:
    // The action's state: 0 (disabled), kEnabledAction, or kEnabledAction | kSelectedAction.
    int16 StateOf(ActionID actionID);
    static bool TextSuiteAllows(ActionID actionID, INotesTextSelectionSuite* suite);
    static bool TreeSelectionAllows(ActionID actionID);
    static bool IsOptionSet(PMIID option);

    static void NewStickyNote(const PMPoint& mousePoint, bool fromMenu);
    static void NewTextMarkup(INotesAnnotation::NotesAnnotationType type);
    static void RemoveTextMarkups();
    static void OpenImportDialog();
    static void AcceptSelectedText();
    static void ClearAll();
    static void SetPopupMode(ActionID actionID);
    static void SettleTreeTextEdits(ClassID commandClass);
    static void SelectInDocument();
    static void Step(bool forwards, bool16 textEditsOnly);
    static void ToggleOption(PMIID option, const char* name);
};
