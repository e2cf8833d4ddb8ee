#include "NotesUINotesTreeViewObserver.h"

#include <algorithm>

#include "INotesAnnotation.h"
#include "INotesAnnotationList.h"
#include "INotesPopupOptions.h"
#include "INotesSelectionManager.h"
#include "NotesFailureLog.h"
#include "NotesUIPanelDetails.h"
#include "NotesUITreeNodes.h"
#include "host/database/IDataBase.h"
#include "host/notify/ISubject.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/ITreeViewController.h"
#include "host/ui/ITreeViewHierarchyAdapter.h"
#include "host/ui/ITreeViewMgr.h"

namespace {
constexpr ClassID kTreeAnnotationClasses[] = {kNotesHighlightEndTextMarkerBoss,
                                              kNotesUnderlineEndTextMarkerBoss,
                                              kNotesSquigglyEndTextMarkerBoss,
                                              kNotesStrikethroughEndTextMarkerBoss,
                                              kNotesCaretEndTextMarkerBoss,
                                              kNotesRedactionEndTextMarkerBoss,
                                              kNotesStickyNoteBoss,
                                              kNotesLineAnnotationBoss,
                                              kNotesPolygonAnnotationBoss,
                                              kNotesFreeTextAnnotationBoss};

InterfacePtr<INotesSelectionManager> SelectionManagerOf(IDataBase* db) {
    return InterfacePtr<INotesSelectionManager>(UIDRef(db, db->GetRootUID()), IID_INOTESSELECTIONMANAGER);
}
} // namespace

void NotesUINotesTreeViewObserver::AutoAttach() {
    InterfacePtr<ISubject> subject(this, IID_ISUBJECT);
    if (NOTES_CHECK_NIL(subject) && !subject->IsAttached(this, IID_ITREEVIEWCONTROLLER))
        subject->AttachObserver(this, IID_ITREEVIEWCONTROLLER);
    // A panel shown with nothing selected offers nothing to act on.
    InterfacePtr<ITreeViewController> treeViewController(this, IID_ITREEVIEWCONTROLLER);
    NodeIDList selection;
    if (treeViewController)
        treeViewController->GetSelectedItems(selection);
    if (selection.empty())
        NotesUIPanelDetails::ShowNothing();
}

void NotesUINotesTreeViewObserver::AutoDetach() {
    InterfacePtr<ISubject> subject(this, IID_ISUBJECT);
    if (NOTES_CHECK_NIL(subject) && subject->IsAttached(this, IID_ITREEVIEWCONTROLLER))
        subject->DetachObserver(this, IID_ITREEVIEWCONTROLLER);
}

void NotesUINotesTreeViewObserver::Update(ClassID theChange, ISubject*, PMIID protocol, void*) {
    if (protocol == IID_ITREEVIEWCONTROLLER && theChange == kListSelectionChangedMessage)
        SelectionChanged();
}

bool NotesUINotesTreeViewObserver::IsTreeAnnotation(const UIDRef& object) {
    if (!NotesUITreeNodes::IsAnnotation(object))
        return false;
    const ClassID cls = object.GetDataBase()->GetClass(object.GetUID());
    return std::find(std::begin(kTreeAnnotationClasses), std::end(kTreeAnnotationClasses), cls) !=
           std::end(kTreeAnnotationClasses);
}

void NotesUINotesTreeViewObserver::ClearSelection(IDataBase* db) {
    InterfacePtr<INotesSelectionManager> selectionManager = SelectionManagerOf(db);
    if (NOTES_CHECK_NIL(selectionManager))
        selectionManager->ClearSelectedAnnotations();
    NotesUIPanelDetails::ShowNothing();
}

void NotesUINotesTreeViewObserver::SelectionChanged() {
    IDataBase* db = NotesUITreeNodes::FrontDataBase();
    InterfacePtr<ITreeViewController> treeViewController(this, IID_ITREEVIEWCONTROLLER);
    InterfacePtr<ITreeViewMgr> treeViewMgr(this, IID_ITREEVIEWMGR);
    InterfacePtr<INotesPopupOptions> popupOptions(GetApplicationObject(), IID_INOTESPOPUPOPTIONS);
    if (!NOTES_CHECK_NIL(db) || !NOTES_CHECK_NIL(treeViewController) || !NOTES_CHECK_NIL(treeViewMgr) ||
        !NOTES_CHECK_NIL(popupOptions))
        return;
    NodeIDList selection;
    treeViewController->GetSelectedItems(selection);
    if (selection.empty() ||
        (selection.size() == 1 && !IsTreeAnnotation(NotesUITreeNodes::RefOf(selection.front())))) {
        ClearSelection(db);
        return;
    }
    UIDList annotations(db);
    bool anyTextEdit = false;
    for (const NodeID& node : selection) {
        const UIDRef ref = NotesUITreeNodes::RefOf(node);
        if (selection.size() > 1)
            anyTextEdit = anyTextEdit || NotesUITreeNodes::HoldsTextEdit(ref);
        if (NotesUITreeNodes::IsAnnotation(ref))
            annotations.Append(ref.GetUID());
    }
    if (selection.size() == 1) {
        InterfacePtr<ITreeViewHierarchyAdapter> adapter(this, IID_ITREEVIEWHIERARCHYADAPTER);
        const NodeID parent = adapter ? adapter->GetParentNode(selection.front()) : NodeID();
        if (parent.IsValid() && !treeViewMgr->IsNodeExpanded(parent))
            treeViewMgr->ExpandNode(parent);
        NotesUIPanelDetails::ShowAnnotation(NotesUITreeNodes::RefOf(selection.front()));
    } else {
        NotesUIPanelDetails::ShowSeveral(anyTextEdit);
    }
    InterfacePtr<INotesSelectionManager> selectionManager = SelectionManagerOf(db);
    if (NOTES_CHECK_NIL(selectionManager))
        selectionManager->SetSelectedAnnotations(annotations);
}
