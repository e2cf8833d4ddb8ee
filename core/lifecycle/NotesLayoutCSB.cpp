#include "NotesLayoutCSB.h"

#include <unordered_set>

#include "INotesAnnotation.h"
#include "NotesFailureLog.h"
#include "host/database/IDataBase.h"
#include "host/document/IHierarchy.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/selection/ILayoutTarget.h"

namespace {
bool IsOfClass(IDataBase* db, UID uid, ClassID classID) {
    return uid != kInvalidUID && db->IsValidUID(uid) && db->GetClass(uid) == classID;
}

// The free-text annotation among an object's direct children, kInvalidUID when none.
UID FreeTextChildOf(IDataBase* db, const IHierarchy* hierarchy) {
    for (int32 i = 0; hierarchy && i < hierarchy->GetChildCount(); ++i)
        if (IsOfClass(db, hierarchy->GetChildUID(i), kNotesFreeTextAnnotationBoss))
            return hierarchy->GetChildUID(i);
    return kInvalidUID;
}
} // namespace

UIDList NotesLayoutCSB::SelectedItems() const {
    InterfacePtr<ILayoutTarget> layoutTarget(this, IID_ILAYOUTTARGET);
    return layoutTarget ? layoutTarget->GetItemList() : UIDList();
}

bool16 NotesLayoutCSB::HasAnnotations() {
    const UIDList items = SelectedItems();
    for (UID uid : items.GetUIDs())
        if (AnnotationOf(UIDRef(items.GetDataBase(), uid)) != kInvalidUID)
            return kTrue;
    return kFalse;
}

ErrorCode NotesLayoutCSB::GetAnnotations(UIDList& annotations) {
    const UIDList items = SelectedItems();
    annotations = UIDList(items.GetDataBase());
    std::unordered_set<UID> listed;
    for (UID uid : items.GetUIDs()) {
        const UID annotation = AnnotationOf(UIDRef(items.GetDataBase(), uid));
        if (annotation != kInvalidUID && listed.insert(annotation).second)
            annotations.Append(annotation);
    }
    return kSuccess;
}

UID NotesLayoutCSB::AnnotationOf(const UIDRef& item) {
    InterfacePtr<INotesAnnotation> annotation(item, IID_INOTESANNOTATION);
    if (!annotation)
        return FreeTextAnnotationOf(item);
    const INotesAnnotation::NotesAnnotationType type = annotation->GetType();
    if (type != INotesAnnotation::kUnknownAnnotation && type != INotesAnnotation::kPopupAnnotation)
        return item.GetUID();
    // A popup (or an item of no known type) stands for the annotation it belongs to.
    InterfacePtr<IUIDData> annotReference(item, IID_INOTESANNOTATIONREFERENCE);
    if (!NOTES_CHECK_NIL(annotReference))
        return kInvalidUID;
    const UID owner = annotReference->GetUID();
    if (!NOTES_CHECK_TRUE(annotReference->GetUID() != kInvalidUID) || !item.GetDataBase()->IsValidUID(owner))
        return kInvalidUID;
    return owner;
}

UID NotesLayoutCSB::FreeTextAnnotationOf(const UIDRef& item) {
    IDataBase* db = item.GetDataBase();
    InterfacePtr<IHierarchy> hierarchy(item, IID_IHIERARCHY);
    if (!hierarchy)
        return kInvalidUID;
    const UID parent = hierarchy->GetParentUID();
    if (IsOfClass(db, parent, kNotesFreeTextAnnotationBoss))
        return parent;
    if (db->GetClass(item.GetUID()) == kGroupItemBoss)
        return FreeTextChildOf(db, hierarchy);
    if (IsOfClass(db, parent, kGroupItemBoss)) {
        InterfacePtr<IHierarchy> group(hierarchy->QueryParent());
        return FreeTextChildOf(db, group);
    }
    return kInvalidUID;
}
