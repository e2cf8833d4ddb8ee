#include "NotesCreateTextMarkupCmd.h"

#include "INotesAnnotation.h"
#include "INotesTextProfile.h"
#include "NotesCreateMarkersCmd.h"
#include "NotesTextLocator.h"
#include "NotesTextMarkupClasses.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/IHierarchy.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IItemStrand.h"
#include "lifecycle/NotesCommands.h"
#include "lifecycle/NotesDocumentAccess.h"
#include "NotesFailureLog.h"
#include "model/NotesSaveAnnotationCmd.h"

namespace {
using A = INotesAnnotation;
} // namespace

bool NotesCreateTextMarkupCmd::IsDuplicate(const UIDRef& story, RangeData range, ClassID endClass,
                                           bool caret) {
    InterfacePtr<IItemStrand> itemStrand(story, IID_IITEMSTRAND);
    if (!NOTES_CHECK_NIL(itemStrand))
        return true;
    const TextIndex first = range.Start();
    const TextIndex last = caret ? range.Start() : range.End() - 1;
    return itemStrand->GetOwnedUID(first, endClass - 1) != kInvalidUID ||
           itemStrand->GetOwnedUID(last, endClass) != kInvalidUID;
}

bool NotesCreateTextMarkupCmd::FillEndMarker(const UIDRef& endMarker, const INotesAnnotation* record) {
    InterfacePtr<IUIDData> annotReference(endMarker, IID_INOTESANNOTATIONREFERENCE);
    InterfacePtr<IUIDData> cmdAnnotReference(this, IID_INOTESANNOTATIONREFERENCE);
    if (!NOTES_CHECK_NIL(annotReference))
        return false;
    if (!NotesSaveAnnotationCmd::SaveRecord(endMarker, record))
        return false;
    annotReference->Set(cmdAnnotReference ? cmdAnnotReference->GetUID() : kInvalidUID);
    return true;
}

UID NotesCreateTextMarkupCmd::CreateMarkedRun(const UIDRef& story, RangeData range,
                                              const INotesAnnotation* record) {
    const A::NotesAnnotationType type = record->GetType();
    const ClassID endClass = NotesTextMarkupClasses::EndMarkerClassOf(type);
    if (!NOTES_CHECK_TRUE(endClass != kInvalidClass) ||
        IsDuplicate(story, range, endClass, type == A::kCaretAnnotation))
        return kInvalidUID;
    const UIDRef endMarker = NotesCreateMarkersCmd::Make(story, type, range);
    if (endMarker.GetUID() == kInvalidUID)
        return kInvalidUID;
    if (FillEndMarker(endMarker, record))
        return endMarker.GetUID();
    // A run that could not be completed leaves no markers behind.
    NotesCreateMarkersCmd::Drop(endMarker);
    return kInvalidUID;
}

void NotesCreateTextMarkupCmd::Do() {
    ErrorCode status = kFailure;
    IDataBase* database = GetItemList()->GetDataBase();
    UIDList made(database);
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() == 1) || !NOTES_CHECK_NIL(database))
            break;
        InterfacePtr<IHierarchy> spreadLayerHierarchy(GetItemList()->GetRef(0), IID_IHIERARCHY);
        InterfacePtr<INotesAnnotation> annotation(this, IID_INOTESANNOTATION);
        auto textModelProfile =
            NotesDocumentAccess::QueryDocumentInterface<INotesTextProfile>(database, IID_INOTESTEXTPROFILE);
        if (!NOTES_CHECK_NIL(spreadLayerHierarchy) || !NOTES_CHECK_NIL(annotation) ||
            !NOTES_CHECK_NIL(textModelProfile))
            break;
        textModelProfile->Update();
        const PMPointList points = annotation->GetPoints();
        // Markups whose geometry is unusable or that find no text are logged; the caller counts them.
        if (annotation->GetType() != A::kCaretAnnotation)
            NOTES_CHECK_TRUE(points.size() >= 4 && points.size() % 4 == 0);
        NotesTextLocator locator(database, spreadLayerHierarchy->GetSpreadUID(), textModelProfile);
        const std::vector<NotesTextLocator::Run> runs = locator.Locate(points, annotation->GetType());
        NOTES_CHECK_TRUE(!runs.empty());
        for (const NotesTextLocator::Run& run : runs) {
            const UID endMarker = CreateMarkedRun(UIDRef(database, run.story), run.range, annotation);
            if (endMarker != kInvalidUID)
                made.Append(endMarker);
        }
        status = kSuccess;
    } while (false);
    fItemList = made;
    ErrorUtils::PMSetGlobalErrorCode(status);
}

PMString* NotesCreateTextMarkupCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesCreateHighlightCmdNameKey));
}
