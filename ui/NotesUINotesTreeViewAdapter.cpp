#include "NotesUINotesTreeViewAdapter.h"

#include "INotesAnnotationLayout.h"
#include "INotesAnnotationList.h"
#include "NotesFailureLog.h"
#include "NotesUITreeNodes.h"
#include "NotesUITreePages.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/InterfacePtr.h"

NotesUINotesTreeViewAdapter::Kind NotesUINotesTreeViewAdapter::KindOf(const NodeID& node) {
    const UIDRef ref = NotesUITreeNodes::RefOf(node);
    IDataBase* db = NotesUITreeNodes::FrontDataBase();
    if (!db || ref.GetDataBase() != db || ref.GetUID() == kInvalidUID)
        return Kind::kNone;
    if (ref.GetUID() == db->GetRootUID())
        return Kind::kRoot;
    return NotesUITreeNodes::IsAnnotation(ref) ? Kind::kAnnotation : Kind::kPage;
}

const std::vector<UID>& NotesUINotesTreeViewAdapter::Pages(IDataBase* db, bool refresh) const {
    if (refresh || db != fPagesDB) {
        fPages = NotesUITreePages::WithAnnotations(db);
        fPagesDB = db;
    }
    return fPages;
}

const UIDList& NotesUINotesTreeViewAdapter::Annotations(IDataBase* db, UID page, bool refresh) const {
    if (refresh || db != fListDB || page != fListPage) {
        InterfacePtr<INotesAnnotationList> annotationList(UIDRef(db, page), IID_INOTESANNOTATIONLIST);
        fList = NOTES_CHECK_NIL(annotationList) ? annotationList->GetAnnotations() : UIDList(db);
        fListDB = db;
        fListPage = page;
    }
    return fList;
}

NodeID_rv NotesUINotesTreeViewAdapter::GetRootNode() const {
    IDataBase* db = NotesUITreeNodes::FrontDataBase();
    return db ? NotesUITreeNodes::NodeOf(db, db->GetRootUID()) : NodeID();
}

NodeID_rv NotesUINotesTreeViewAdapter::GetParentNode(const NodeID& node) const {
    const UIDRef ref = NotesUITreeNodes::RefOf(node);
    switch (KindOf(node)) {
    case Kind::kAnnotation: {
        InterfacePtr<INotesAnnotationLayout> layout(ref, IID_INOTESANNOTATIONLAYOUT);
        if (!NOTES_CHECK_NIL(layout))
            return NodeID();
        const UID ownerUID = layout->GetPageUID();
        if (!NOTES_CHECK_TRUE(ownerUID != kInvalidUID))
            return NodeID();
        return NotesUITreeNodes::NodeOf(ref.GetDataBase(), ownerUID);
    }
    case Kind::kPage:
        return GetRootNode();
    default:
        return NodeID();
    }
}

int32 NotesUINotesTreeViewAdapter::GetNumChildren(const NodeID& node) const {
    const UIDRef ref = NotesUITreeNodes::RefOf(node);
    switch (KindOf(node)) {
    case Kind::kRoot:
        return static_cast<int32>(Pages(ref.GetDataBase(), true).size());
    case Kind::kPage:
        return Annotations(ref.GetDataBase(), ref.GetUID(), true).Length();
    default:
        return 0;
    }
}

NodeID_rv NotesUINotesTreeViewAdapter::GetNthChild(const NodeID& node, const int32& nth) const {
    const UIDRef ref = NotesUITreeNodes::RefOf(node);
    IDataBase* db = ref.GetDataBase();
    switch (KindOf(node)) {
    case Kind::kRoot: {
        const std::vector<UID>& pages = Pages(db, false);
        if (nth < 0 || nth >= static_cast<int32>(pages.size()))
            return NodeID();
        return NotesUITreeNodes::NodeOf(db, pages[static_cast<size_t>(nth)]);
    }
    case Kind::kPage: {
        const UIDList& notesList = Annotations(db, ref.GetUID(), false);
        if (nth < 0 || !NOTES_CHECK_TRUE(notesList.Length() > nth))
            return NodeID();
        return NotesUITreeNodes::NodeOf(db, notesList[nth]);
    }
    default:
        return NodeID();
    }
}

int32 NotesUINotesTreeViewAdapter::GetChildIndex(const NodeID& parent, const NodeID& child) const {
    const UIDRef parentRef = NotesUITreeNodes::RefOf(parent);
    const UID childUID = NotesUITreeNodes::RefOf(child).GetUID();
    switch (KindOf(parent)) {
    case Kind::kRoot: {
        const std::vector<UID>& pages = Pages(parentRef.GetDataBase(), true);
        for (size_t i = 0; i < pages.size(); ++i)
            if (pages[i] == childUID)
                return static_cast<int32>(i);
        return -1;
    }
    case Kind::kPage:
        return Annotations(parentRef.GetDataBase(), parentRef.GetUID(), true).Location(childUID);
    default:
        return -1;
    }
}
