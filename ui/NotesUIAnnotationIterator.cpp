#include "NotesUIAnnotationIterator.h"

#include <algorithm>

#include "INotesAnnotation.h"
#include "INotesAnnotationLayout.h"
#include "INotesAnnotationList.h"
#include "NotesFailureLog.h"
#include "NotesUITreeNodes.h"
#include "NotesUITreePages.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/ITreeViewController.h"
#include "host/ui/UIDNodeID.h"

namespace {
UIDList AnnotationsOf(IDataBase* db, UID page) {
    InterfacePtr<INotesAnnotationList> annotationList(UIDRef(db, page), IID_INOTESANNOTATIONLIST);
    return NOTES_CHECK_NIL(annotationList) ? annotationList->GetAnnotations() : UIDList(db);
}
} // namespace

UID NotesUIAnnotationIterator::Scan(const UIDList& annotations, int32 from, int32 direction,
                                    bool16 textEditsOnly) {
    for (int32 i = from; i >= 0 && i < annotations.Length(); i += direction) {
        InterfacePtr<INotesAnnotation> annotation(annotations.GetRef(i), IID_INOTESANNOTATION);
        if (!annotation || annotation->GetType() == INotesAnnotation::kPopupAnnotation)
            continue;
        if (!textEditsOnly || annotation->IsRedaction())
            return annotations[i];
    }
    return kInvalidUID;
}

UID NotesUIAnnotationIterator::Step(int32 direction, bool16 textEditsOnly) const {
    IDataBase* db = NotesUITreeNodes::FrontDataBase();
    InterfacePtr<ITreeViewController> treeViewController(this, IID_ITREEVIEWCONTROLLER);
    if (!NOTES_CHECK_NIL(db) || !NOTES_CHECK_NIL(treeViewController))
        return kInvalidUID;
    NodeIDList selection;
    treeViewController->GetSelectedItems(selection);
    const std::vector<UID> pages = NotesUITreePages::InTreeOrder(db);
    const int32 pageCount = static_cast<int32>(pages.size());
    // Where the walk starts: a page and the index before (or after) which its list is scanned.
    int32 pageIndex = direction > 0 ? 0 : pageCount - 1;
    int32 from = direction > 0 ? 0 : -1; // -1: from the list's end
    if (!selection.empty()) {
        TreeNodePtr<UIDNodeID> uidNodeID(selection.back());
        if (!NOTES_CHECK_NIL(uidNodeID.get()))
            return kInvalidUID;
        UID page = uidNodeID->GetUID();
        const bool onAnnotation = NotesUITreeNodes::IsAnnotation(uidNodeID->GetUIDRef());
        if (onAnnotation) {
            InterfacePtr<INotesAnnotationLayout> layout(uidNodeID->GetUIDRef(), IID_INOTESANNOTATIONLAYOUT);
            if (!NOTES_CHECK_NIL(layout))
                return kInvalidUID;
            page = layout->GetPageUID();
        }
        const auto found = std::find(pages.begin(), pages.end(), page);
        if (found == pages.end())
            return kInvalidUID;
        pageIndex = static_cast<int32>(found - pages.begin());
        if (onAnnotation) {
            const UIDList annotRefs = AnnotationsOf(db, page);
            if (!NOTES_CHECK_TRUE(annotRefs.Contains(uidNodeID->GetUID())))
                return kInvalidUID;
            from = annotRefs.Location(uidNodeID->GetUID()) + direction;
            if (const UID hit = Scan(annotRefs, from, direction, textEditsOnly); hit != kInvalidUID)
                return hit;
            pageIndex += direction;
            from = direction > 0 ? 0 : -1;
        } else if (direction < 0) {
            pageIndex -= 1; // before a page node lie the pages above it
        }
    }
    for (; pageIndex >= 0 && pageIndex < pageCount; pageIndex += direction) {
        const UIDList annotations = AnnotationsOf(db, pages[static_cast<size_t>(pageIndex)]);
        const int32 start = from >= 0 ? from : annotations.Length() - 1;
        if (const UID hit = Scan(annotations, start, direction, textEditsOnly); hit != kInvalidUID)
            return hit;
        from = direction > 0 ? 0 : -1;
    }
    return kInvalidUID;
}
