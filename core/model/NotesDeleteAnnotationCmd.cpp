#include "NotesDeleteAnnotationCmd.h"

#include "INotesAnnotation.h"
#include "INotesAnnotationLayout.h"
#include "INotesAnnotationList.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/IHierarchy.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "lifecycle/NotesCommands.h"
#include "NotesFailureLog.h"

void NotesDeleteAnnotationCmd::AppendOnce(UIDList* list, UID uid) {
    if (fCollected.insert(uid).second)
        list->Append(uid);
}

bool NotesDeleteAnnotationCmd::Collect(const UIDRef& ref, UIDList* textMarkups, UIDList* pageItems) {
    IDataBase* db = ref.GetDataBase();
    InterfacePtr<INotesAnnotation> annotation(ref, IID_INOTESANNOTATION);
    if (!NOTES_CHECK_NIL(annotation))
        return false;
    InterfacePtr<IUIDData> annotReference(ref, IID_INOTESANNOTATIONREFERENCE);
    if (annotReference && annotReference->GetUID() != kInvalidUID && db->IsValidUID(annotReference->GetUID()))
        AppendOnce(pageItems, annotReference->GetUID());

    InterfacePtr<INotesAnnotationLayout> annotationLayout(ref, IID_INOTESANNOTATIONLAYOUT);
    if (NOTES_CHECK_NIL(annotationLayout)) {
        InterfacePtr<INotesAnnotationList> annotationList(UIDRef(db, annotationLayout->GetPageUID()),
                                                          IID_INOTESANNOTATIONLIST);
        if (NOTES_CHECK_NIL(annotationList))
            annotationList->Invalidate();
    }

    if (annotation->GetSubType() == INotesAnnotation::kTextMarkupType) {
        AppendOnce(textMarkups, ref.GetUID());
    } else if (annotation->GetSubType() == INotesAnnotation::kPageItemType) {
        UID target = ref.GetUID();
        if (annotation->GetType() == INotesAnnotation::kFreeTextAnnotation) {
            // A free text with a callout line sits in a group with it: the group goes as a whole.
            InterfacePtr<IHierarchy> hierarchy(ref, IID_IHIERARCHY);
            const UID parent = hierarchy ? hierarchy->GetParentUID() : kInvalidUID;
            if (parent != kInvalidUID && db->GetClass(parent) == kGroupItemBoss)
                target = parent;
        }
        AppendOnce(pageItems, target);
    }
    return true;
}

void NotesDeleteAnnotationCmd::Do() {
    ErrorCode status = kFailure;
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() > 0))
            break;
        IDataBase* db = GetItemList()->GetDataBase();
        UIDList textMarkups(db), pageItems(db);
        fCollected.clear();
        bool collected = true;
        for (int32 i = 0; i < GetItemList()->Length() && collected; ++i)
            collected = Collect(GetItemList()->GetRef(i), &textMarkups, &pageItems);
        if (!collected)
            break;
        if (!textMarkups.IsEmpty() &&
            !NotesCommands::ProcessOn(kNotesRemoveTextMarkupCmdBoss, textMarkups, "removeTextMarkupCmd"))
            break;
        if (!pageItems.IsEmpty() && !NotesCommands::ProcessOn(kDeleteCmdBoss, pageItems, "deleteCmd"))
            break;
        status = kSuccess;
    } while (false);
    ErrorUtils::PMSetGlobalErrorCode(status);
}

PMString* NotesDeleteAnnotationCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesDeleteAnnotationCmdNameKey));
}
