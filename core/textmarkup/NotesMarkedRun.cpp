#include "NotesMarkedRun.h"

#include "NotesTextMarkupClasses.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/IBoolData.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IItemStrand.h"
#include "NotesFailureLog.h"

bool NotesMarkedRun::Find(const UIDRef& marker, NotesMarkedRun* run) {
    IDataBase* database = marker.GetDataBase();
    if (!NOTES_CHECK_NIL(database) || !database->IsValidUID(marker.GetUID()))
        return false;
    const ClassID markerClass = database->GetClass(marker.GetUID());
    run->type = NotesTextMarkupClasses::TypeOfMarkerClass(markerClass);
    if (!NOTES_CHECK_TRUE(run->type != INotesAnnotation::kUnknownAnnotation))
        return false;
    InterfacePtr<IUIDData> otherItemUIDData(marker, IID_INOTESOTHERITEMREFERENCE);
    if (!NOTES_CHECK_NIL(otherItemUIDData))
        return false;
    const bool isEnd = NotesTextMarkupClasses::IsEndMarkerClass(markerClass);
    run->endMarker = isEnd ? marker.GetUID() : otherItemUIDData->GetUID();
    run->startMarker = isEnd ? otherItemUIDData->GetUID() : marker.GetUID();
    if (!NOTES_CHECK_TRUE(run->endMarker != kInvalidUID) || !database->IsValidUID(run->endMarker))
        return false;
    InterfacePtr<IUIDData> storyUIDData(UIDRef(database, run->endMarker), IID_INOTESMARKERDATA);
    if (!NOTES_CHECK_NIL(storyUIDData))
        return false;
    run->story = UIDRef(database, storyUIDData->GetUID());
    InterfacePtr<IBoolData> caretLastData(UIDRef(database, run->endMarker), IID_INOTESCARETLASTDATA);
    run->caretLast = caretLastData && caretLastData->GetBool();
    InterfacePtr<IItemStrand> itemStrand(run->story, IID_IITEMSTRAND);
    run->start = itemStrand && database->IsValidUID(run->startMarker)
                     ? itemStrand->GetOwnedItemIndex(run->startMarker)
                     : -1;
    run->end = itemStrand ? itemStrand->GetOwnedItemIndex(run->endMarker) : -1;
    return true;
}

ClassID NotesMarkedRun::AttributeClass() const {
    return NotesTextMarkupClasses::AttributeClassOf(type, caretLast);
}
