#include "NotesUINotesPanel.h"

#include "NotesFailureLog.h"
#include "NotesUIPanelDetails.h"
#include "NotesUITreeNodes.h"
#include "QuillpaneID.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IKeyBoard.h"
#include "host/ui/IPanelControlData.h"
#include "host/ui/IPanelMgr.h"

IControlView* NotesUINotesPanel::Panel() {
    InterfacePtr<IPanelMgr> panelMgr(GetApplicationObject(), IID_IPANELMGR);
    return panelMgr ? panelMgr->GetPanelFromWidgetID(kNotesUIPanelWidgetID) : nullptr;
}

bool NotesUINotesPanel::IsShown() {
    InterfacePtr<IPanelMgr> panelMgr(GetApplicationObject(), IID_IPANELMGR);
    return panelMgr && panelMgr->IsPanelWithWidgetIDShown(kNotesUIPanelWidgetID);
}

IControlView* NotesUINotesPanel::FindWidget(WidgetID id) {
    InterfacePtr<IPanelControlData> panelControlData(Panel(), IID_IPANELCONTROLDATA);
    if (!NOTES_CHECK_NIL(panelControlData))
        return nullptr;
    return panelControlData->FindWidget(id, IPanelControlData::kMaxSearchDepth);
}

InterfacePtr<ITreeViewMgr> NotesUINotesPanel::TreeViewMgr() {
    return InterfacePtr<ITreeViewMgr>(FindWidget(kNotesUITreeViewWidgetID), IID_ITREEVIEWMGR);
}

InterfacePtr<ITreeViewController> NotesUINotesPanel::TreeViewController() {
    return InterfacePtr<ITreeViewController>(FindWidget(kNotesUITreeViewWidgetID), IID_ITREEVIEWCONTROLLER);
}

void NotesUINotesPanel::RebuildIfShown() {
    if (!IsShown())
        return;
    InterfacePtr<ITreeViewMgr> treeViewMgr = TreeViewMgr();
    InterfacePtr<ITreeViewController> treeViewController = TreeViewController();
    if (!NOTES_CHECK_NIL(treeViewMgr) || !NOTES_CHECK_NIL(treeViewController))
        return;
    treeViewMgr->ChangeRoot();
    // A note that stays selected may have a new text (an undone or redone edit): show it as it is now.
    NodeIDList selection;
    treeViewController->GetSelectedItems(selection);
    if (selection.size() == 1 && NotesUITreeNodes::IsAnnotationNode(selection.front()))
        NotesUIPanelDetails::ShowAnnotation(NotesUITreeNodes::RefOf(selection.front()));
}

void NotesUINotesPanel::ShowNewAnnotation(const UIDRef& annotation) {
    InterfacePtr<IPanelMgr> panelMgr(GetApplicationObject(), IID_IPANELMGR);
    InterfacePtr<IKeyBoard> keyBoard(GetApplicationObject(), IID_IKEYBOARD);
    if (!NOTES_CHECK_NIL(panelMgr) || !NOTES_CHECK_NIL(keyBoard))
        return;
    // Showing a hidden panel builds its tree; a shown one is rebuilt here.
    if (IsShown())
        RebuildIfShown();
    else
        panelMgr->ShowPanelByWidgetID(kNotesUIPanelWidgetID);
    SelectAnnotationNode(annotation);
    IControlView* editBoxControlView = FindWidget(kNotesUINoteEditBoxWidgetID);
    if (NOTES_CHECK_NIL(editBoxControlView))
        keyBoard->SetKeyFocus(editBoxControlView);
}

void NotesUINotesPanel::SelectAnnotationNode(const UIDRef& annotation, bool addToSelection, bool notify) {
    InterfacePtr<ITreeViewMgr> treeViewMgr = TreeViewMgr();
    InterfacePtr<ITreeViewController> treeViewController = TreeViewController();
    if (!NOTES_CHECK_NIL(treeViewMgr) || !NOTES_CHECK_NIL(treeViewController))
        return;
    const NodeID node = NotesUITreeNodes::NodeOf(annotation.GetDataBase(), annotation.GetUID());
    treeViewMgr->ScrollToNode(node); // opens the page node
    treeViewController->Select(node, notify ? kTrue : kFalse, addToSelection ? kTrue : kFalse);
}
