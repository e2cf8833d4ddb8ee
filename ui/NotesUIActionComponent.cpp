#include "NotesUIActionComponent.h"

#include "INotesAnnotsManager.h"
#include "INotesPopupOptions.h"
#include "INotesTextSelectionSuite.h"
#include "INotesUIAnnotationIterator.h"
#include "INotesViewUtils.h"
#include "NotesFailureLog.h"
#include "NotesID.h"
#include "NotesUINotesPanel.h"
#include "NotesUITreeNodes.h"
#include "QuillpaneID.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ICommand.h"
#include "host/database/IDataBase.h"
#include "host/document/DocumentManager.h"
#include "host/document/IDocument.h"
#include "host/document/ILayoutUtils.h"
#include "host/layout/IActiveContext.h"
#include "host/layout/ILayoutControlData.h"
#include "host/objectmodel/IBoolData.h"
#include "host/objectmodel/IPointData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/selection/ISelectionManager.h"
#include "host/ui/ActionManager.h"
#include "host/ui/IActionStateList.h"
#include "host/ui/IDialog.h"
#include "host/ui/IDialogMgr.h"

namespace {
using A = INotesAnnotation;

// The markup each "new markup" action makes.
struct MarkupAction {
    ActionID action;
    A::NotesAnnotationType type;
};
constexpr MarkupAction kMarkupActions[] = {{kNotesUINewHighlightActionID, A::kHighlightAnnotation},
                                           {kNotesUINewStrikeThroughActionID, A::kStrikethroughAnnotation},
                                           {kNotesUINewUnderlineActionID, A::kUnderlineAnnotation},
                                           {kNotesUINewReplacementActionID, A::kRedactionAnnotation},
                                           {kNotesUINewInsertionActionID, A::kCaretAnnotation}};

// The popup mode each popup action sets, and shows as checked.
struct PopupAction {
    ActionID action;
    int32 mode;
};
constexpr PopupAction kPopupActions[] = {
    {kNotesUIShowAllPopupsActionID, INotesPopupOptions::kShowAll},
    {kNotesUIHideAllPopupsActionID, INotesPopupOptions::kLeaveAlone},
    {kNotesUIShowSelectedPopupsActionID, INotesPopupOptions::kShowSelected}};

// The application option each toggle action flips, and shows as checked.
struct OptionAction {
    ActionID action;
    PMIID option;
    const char* name;
};
constexpr OptionAction kOptionActions[] = {
    {kNotesUIJumpToNextActionID, IID_INOTESUIJUMPTONEXTOPTION, "jumpToNextOptionBoolData"},
    {kNotesUIConvertToHighlightActionID, IID_INOTESCONVERTTOHIGHLIGHTOPTION,
     "convertToHighlightOptionBoolData"},
    {kNotesUIConvertNotImportedActionID, IID_INOTESCONVERTNOTIMPORTEDOPTION,
     "converNotImportedEditOptionBoolData"}};

template <class Table> const auto* Find(const Table& table, ActionID action) {
    for (const auto& entry : table)
        if (entry.action == action)
            return &entry;
    return static_cast<decltype(&table[0])>(nullptr);
}

InterfacePtr<INotesTextSelectionSuite> TextSuite() {
    InterfacePtr<IActiveContext> activeContext(GetApplicationObject(), IID_IACTIVECONTEXT);
    ISelectionManager* selection = activeContext ? activeContext->GetContextSelection() : nullptr;
    return InterfacePtr<INotesTextSelectionSuite>(
        selection ? static_cast<INotesTextSelectionSuite*>(
                        selection->QueryIntegratorSuite(IID_INOTESTEXTSELECTIONSUITE))
                  : nullptr);
}

IDocument* FrontDocument() {
    InterfacePtr<IActiveContext> activeContext(GetApplicationObject(), IID_IACTIVECONTEXT);
    return activeContext ? activeContext->GetContextDocument() : nullptr;
}

NodeIDList TreeSelection() {
    NodeIDList selection;
    if (InterfacePtr<ITreeViewController> treeViewController = NotesUINotesPanel::TreeViewController())
        treeViewController->GetSelectedItems(selection);
    return selection;
}

InterfacePtr<INotesUIAnnotationIterator> AnnotationIterator() {
    return InterfacePtr<INotesUIAnnotationIterator>(NotesUINotesPanel::FindWidget(kNotesUITreeViewWidgetID),
                                                    IID_INOTESUIANNOTATIONITERATOR);
}

InterfacePtr<INotesAnnotsManager> AnnotsManager(IDocument* document) {
    if (!document)
        return InterfacePtr<INotesAnnotsManager>();
    IDataBase* db = document->GetDocumentDataBase();
    return InterfacePtr<INotesAnnotsManager>(UIDRef(db, db->GetRootUID()), IID_INOTESANNOTSMANAGER);
}

// A point handed to a menu action invoked without one: the middle of the view's current page.
PMPoint MiddleOfCurrentPage(IDocument* document) {
    InterfacePtr<ILayoutControlData> layout(DocumentManager::Instance().GetLayoutView(document),
                                            IID_ILAYOUTCONTROLDATA);
    return layout ? Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(layout->GetPageRef()).GetCenter()
                  : PMPoint();
}
} // namespace

void NotesUIActionComponent::PerformAction(IActiveContext*, ActionID actionID, const PMPoint& mousePoint,
                                           IPMUnknown* widget) {
    if (const MarkupAction* markup = Find(kMarkupActions, actionID))
        return NewTextMarkup(markup->type);
    if (Find(kPopupActions, actionID))
        return SetPopupMode(actionID);
    if (const OptionAction* option = Find(kOptionActions, actionID))
        return ToggleOption(option->option, option->name);
    switch (actionID) {
    case kNotesUINewStickyNoteActionID:
        return NewStickyNote(mousePoint, widget == nullptr);
    case kNotesUIRemoveTextMarkupsActionID:
        return RemoveTextMarkups();
    case kNotesUIImportActionID:
        return OpenImportDialog();
    case kNotesUIAcceptSelectedTextActionID:
        return AcceptSelectedText();
    case kNotesUIClearAllActionID:
        return ClearAll();
    case kNotesUIRejectActionID:
        return SettleTreeTextEdits(kNotesRejectRedactionCmdBoss);
    case kNotesUIAcceptActionID:
        return SettleTreeTextEdits(kNotesAcceptRedactionCmdBoss);
    case kNotesUISelectInDocumentActionID:
        return SelectInDocument();
    case kNotesUIPreviousActionID:
        return Step(false, kFalse);
    case kNotesUINextActionID:
        return Step(true, kFalse);
    default:
        return;
    }
}

bool16 NotesUIActionComponent::IsEnabled(ActionID actionID) {
    return (StateOf(actionID) & IActionStateList::kEnabledAction) != 0 ? kTrue : kFalse;
}

void NotesUIActionComponent::UpdateActionStates(IActiveContext*, IActionStateList* listToUpdate,
                                                const PMPoint&, IPMUnknown*) {
    for (int32 n = 0; n < listToUpdate->Length(); ++n)
        if (const int16 state = StateOf(listToUpdate->GetNthAction(n)); state != 0)
            listToUpdate->SetNthActionState(n, state);
}

int16 NotesUIActionComponent::StateOf(ActionID actionID) {
    constexpr int16 kEnabled = IActionStateList::kEnabledAction;
    constexpr int16 kChecked = IActionStateList::kEnabledAction | IActionStateList::kSelectedAction;
    if (Find(kMarkupActions, actionID) || actionID == kNotesUIRemoveTextMarkupsActionID ||
        actionID == kNotesUIAcceptSelectedTextActionID) {
        InterfacePtr<INotesTextSelectionSuite> notesTextSelectionSuite = TextSuite();
        return notesTextSelectionSuite && TextSuiteAllows(actionID, notesTextSelectionSuite) ? kEnabled : 0;
    }
    if (const PopupAction* popup = Find(kPopupActions, actionID)) {
        InterfacePtr<INotesPopupOptions> popupOptions(GetApplicationObject(), IID_INOTESPOPUPOPTIONS);
        if (!NOTES_CHECK_NIL(popupOptions))
            return kEnabled;
        return popupOptions->GetMode() == popup->mode ? kChecked : kEnabled;
    }
    if (const OptionAction* option = Find(kOptionActions, actionID))
        return IsOptionSet(option->option) ? kChecked : kEnabled;
    switch (actionID) {
    case kNotesUIRejectActionID:
    case kNotesUIAcceptActionID:
    case kNotesUISelectInDocumentActionID:
        return TreeSelectionAllows(actionID) ? kEnabled : 0;
    case kNotesUINewStickyNoteActionID:
    case kNotesUIImportActionID:
    case kNotesUIClearAllActionID:
    case kNotesUIPreviousActionID:
    case kNotesUINextActionID:
        return kEnabled;
    default:
        return 0; // the two reserved actions, and any other
    }
}

bool NotesUIActionComponent::TextSuiteAllows(ActionID actionID, INotesTextSelectionSuite* suite) {
    switch (actionID) {
    case kNotesUINewInsertionActionID:
        return suite->CanInsertAtCaret() != kFalse;
    case kNotesUIRemoveTextMarkupsActionID:
        return suite->HasAnnotations() != kFalse;
    case kNotesUIAcceptSelectedTextActionID:
        return suite->HasTextEdits() != kFalse;
    default:
        return suite->CanMarkText() != kFalse;
    }
}

bool NotesUIActionComponent::TreeSelectionAllows(ActionID actionID) {
    const NodeIDList selection = TreeSelection();
    if (actionID == kNotesUISelectInDocumentActionID)
        return selection.size() == 1 && NotesUITreeNodes::IsAnnotationNode(selection.front());
    for (const NodeID& node : selection)
        if (NotesUITreeNodes::HoldsTextEdit(NotesUITreeNodes::RefOf(node)))
            return true;
    return false;
}

bool NotesUIActionComponent::IsOptionSet(PMIID option) {
    InterfacePtr<IBoolData> optionBoolData(GetApplicationObject(), option);
    return optionBoolData && optionBoolData->GetBool();
}

void NotesUIActionComponent::NewStickyNote(const PMPoint& mousePoint, bool fromMenu) {
    IDocument* document = FrontDocument();
    if (!NOTES_CHECK_NIL(document))
        return;
    IDataBase* db = document->GetDocumentDataBase();
    InterfacePtr<ICommand> newStickyNoteCmd(CmdUtils::CreateCommand(kNotesNewStickyNoteCmdBoss));
    InterfacePtr<IPointData> pointData(newStickyNoteCmd, IID_IPOINTDATA);
    if (!NOTES_CHECK_NIL(newStickyNoteCmd) || !NOTES_CHECK_NIL(pointData))
        return;
    // Layout views take points in pasteboard coordinates; a menu gives none, so the note goes on the
    // middle of the page the view shows.
    pointData->Set(fromMenu && mousePoint == PMPoint() ? MiddleOfCurrentPage(document) : mousePoint);
    newStickyNoteCmd->SetItemList(UIDList(UIDRef(db, db->GetRootUID())));
    if (CmdUtils::ProcessCommand(newStickyNoteCmd) != kSuccess) {
        NOTES_LOG_FAILED("newStickyNoteCmd");
        return;
    }
    // The document observer shows the new note selected, with the focus in its text box.
    NOTES_CHECK_TRUE(newStickyNoteCmd->GetItemList()->Length() == 1);
}

void NotesUIActionComponent::NewTextMarkup(INotesAnnotation::NotesAnnotationType type) {
    InterfacePtr<INotesTextSelectionSuite> notesTextSelectionSuite = TextSuite();
    IDocument* document = FrontDocument();
    if (!NOTES_CHECK_NIL(notesTextSelectionSuite) || !NOTES_CHECK_NIL(document))
        return;
    UID newAnnotation = kInvalidUID;
    if (notesTextSelectionSuite->NewTextMarkup(type, newAnnotation) != kSuccess ||
        newAnnotation == kInvalidUID) {
        NOTES_LOG_FAILED("notesTextSelectionSuite->NewTextMarkup");
        return;
    }
    NotesUINotesPanel::ShowNewAnnotation(UIDRef(document->GetDocumentDataBase(), newAnnotation));
}

void NotesUIActionComponent::RemoveTextMarkups() {
    InterfacePtr<INotesTextSelectionSuite> notesTextSelectionSuite = TextSuite();
    if (NOTES_CHECK_NIL(notesTextSelectionSuite) && notesTextSelectionSuite->DeleteAnnotations() != kSuccess)
        NOTES_LOG_FAILED("notesTextSelectionSuite->DeleteAnnotations");
}

void NotesUIActionComponent::OpenImportDialog() {
    InterfacePtr<IDialogMgr> dialogMgr(GetApplicationObject(), IID_IDIALOGMGR);
    if (!NOTES_CHECK_NIL(dialogMgr))
        return;
    InterfacePtr<IDialog> dialog(dialogMgr->CreateNewDialog(kNotesUIPluginID, kNotesUIImportDialogRsrcID));
    if (NOTES_CHECK_NIL(dialog))
        dialog->Open(); // the dialog manager keeps it while it is open
}

void NotesUIActionComponent::AcceptSelectedText() {
    InterfacePtr<INotesTextSelectionSuite> notesTextSelectionSuite = TextSuite();
    if (!NOTES_CHECK_NIL(notesTextSelectionSuite))
        return;
    // The next edit is found while the accepted ones are still in the tree.
    InterfacePtr<INotesUIAnnotationIterator> annotationIterator = AnnotationIterator();
    const UID next = IsOptionSet(IID_INOTESUIJUMPTONEXTOPTION) && annotationIterator
                         ? annotationIterator->Next(kTrue)
                         : kInvalidUID;
    if (notesTextSelectionSuite->AcceptTextEdits() != kSuccess) {
        NOTES_LOG_FAILED("notesTextSelectionSuite->AcceptTextEdits");
        return;
    }
    IDocument* document = FrontDocument();
    if (next != kInvalidUID && document)
        NotesUINotesPanel::SelectAnnotationNode(UIDRef(document->GetDocumentDataBase(), next));
}

void NotesUIActionComponent::ClearAll() {
    // The core's own menu action clears the annotations and then their swatches, in one undo step.
    if (ActionManager::Instance().DoAction(kNotesClearAllActionID) != kSuccess)
        NOTES_LOG_FAILED("clearAllCmd");
}

void NotesUIActionComponent::SetPopupMode(ActionID actionID) {
    IDocument* document = FrontDocument();
    InterfacePtr<INotesAnnotsManager> annotsManager = AnnotsManager(document);
    InterfacePtr<INotesPopupOptions> popupOptions(GetApplicationObject(), IID_INOTESPOPUPOPTIONS);
    if (!NOTES_CHECK_NIL(popupOptions))
        return;
    const PopupAction* popup = Find(kPopupActions, actionID);
    if (annotsManager) {
        if (popup->mode == INotesPopupOptions::kShowAll) {
            annotsManager->ShowAllPopups(kTrue);
        } else if (popup->mode == INotesPopupOptions::kLeaveAlone) {
            annotsManager->HideAllPopups(kTrue);
        } else {
            for (const NodeID& node : TreeSelection())
                if (NotesUITreeNodes::IsAnnotationNode(node))
                    annotsManager->ShowPopupOf(NotesUITreeNodes::RefOf(node));
        }
    }
    popupOptions->SetMode(popup->mode);
}

void NotesUIActionComponent::SettleTreeTextEdits(ClassID commandClass) {
    IDocument* document = FrontDocument();
    if (!NOTES_CHECK_NIL(document))
        return;
    IDataBase* db = document->GetDocumentDataBase();
    const UIDList edits = NotesUITreeNodes::TextEditsOf(db, TreeSelection());
    if (edits.IsEmpty())
        return;
    InterfacePtr<INotesUIAnnotationIterator> annotationIterator = AnnotationIterator();
    if (!NOTES_CHECK_NIL(annotationIterator))
        return;
    const UID next =
        IsOptionSet(IID_INOTESUIJUMPTONEXTOPTION) ? annotationIterator->Next(kTrue) : kInvalidUID;
    InterfacePtr<ICommand> acceptRejectRedactionCmd(CmdUtils::CreateCommand(commandClass));
    if (!NOTES_CHECK_NIL(acceptRejectRedactionCmd))
        return;
    acceptRejectRedactionCmd->SetItemList(edits);
    if (CmdUtils::ProcessCommand(acceptRejectRedactionCmd) != kSuccess) {
        NOTES_LOG_FAILED("acceptRejectRedactionCmd");
        return;
    }
    if (next != kInvalidUID && db->IsValidUID(next))
        NotesUINotesPanel::SelectAnnotationNode(UIDRef(db, next));
}

void NotesUIActionComponent::SelectInDocument() {
    const NodeIDList selection = TreeSelection();
    if (selection.size() != 1 || !NotesUITreeNodes::IsAnnotationNode(selection.front()))
        return;
    Utils<INotesViewUtils> viewUtils;
    if (NOTES_CHECK_NIL(viewUtils.get()))
        viewUtils->SelectAnnotation(NotesUITreeNodes::RefOf(selection.front()));
}

void NotesUIActionComponent::Step(bool forwards, bool16 textEditsOnly) {
    InterfacePtr<INotesUIAnnotationIterator> annotationIterator = AnnotationIterator();
    IDocument* document = FrontDocument();
    if (!NOTES_CHECK_NIL(annotationIterator) || !document)
        return;
    const UID to =
        forwards ? annotationIterator->Next(textEditsOnly) : annotationIterator->Previous(textEditsOnly);
    if (to != kInvalidUID)
        NotesUINotesPanel::SelectAnnotationNode(UIDRef(document->GetDocumentDataBase(), to));
}

void NotesUIActionComponent::ToggleOption(PMIID option, const char* name) {
    InterfacePtr<IBoolData> optionBoolData(GetApplicationObject(), option);
    if (!optionBoolData) {
        NOTES_LOG_NIL(name);
        return;
    }
    optionBoolData->Set(optionBoolData->GetBool() ? kFalse : kTrue);
}
