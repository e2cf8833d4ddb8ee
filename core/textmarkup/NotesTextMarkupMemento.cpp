#include "NotesTextMarkupMemento.h"

#include "INotesColorManager.h"
#include "NotesMarkedRun.h"
#include "NotesTextMarkupClasses.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IAttributeStrand.h"
#include "host/text/IItemStrand.h"
#include "host/text/ITextAttrUID.h"
#include "lifecycle/NotesCommands.h"
#include "lifecycle/NotesDocumentAccess.h"
#include "NotesFailureLog.h"

namespace {
UID PartnerOf(const UIDRef& marker) {
    InterfacePtr<IUIDData> otherTextMarkerUIDData(marker, IID_INOTESOTHERITEMREFERENCE);
    return otherTextMarkerUIDData ? otherTextMarkerUIDData->GetUID() : kInvalidUID;
}

bool IsEndMarker(const UIDRef& marker) {
    return NotesTextMarkupClasses::IsEndMarkerClass(marker.GetDataBase()->GetClass(marker.GetUID()));
}
} // namespace

UIDRef NotesTextMarkupMemento::Marker() const {
    InterfacePtr<IUIDData> mementoUIDData(this, IID_IUIDDATA);
    if (!NOTES_CHECK_NIL(mementoUIDData) || !NOTES_CHECK_TRUE(mementoUIDData->GetUID() != kInvalidUID))
        return UIDRef();
    const UIDRef marker = mementoUIDData->GetRef();
    IDataBase* database = marker.GetDataBase();
    return database && database->IsValidUID(marker.GetUID()) ? marker : UIDRef();
}

void NotesTextMarkupMemento::DeleteMarkup(const NotesMarkedRun& run) {
    // The whole run goes with the text, its attributes too: only the objects are left to delete.
    IDataBase* database = run.story.GetDataBase();
    InterfacePtr<IUIDData> annotReference(run.EndMarkerRef(), IID_INOTESANNOTATIONREFERENCE);
    const UID popup = annotReference ? annotReference->GetUID() : kInvalidUID;
    UIDList markers(run.EndMarkerRef());
    if (database->IsValidUID(run.startMarker))
        markers.Append(run.startMarker);
    NotesCommands::DeleteUIDs(markers, "deleteAnnotationCmd");
    if (popup != kInvalidUID && database->IsValidUID(popup))
        NotesCommands::ProcessOn(kDeleteCmdBoss, UIDList(UIDRef(database, popup)), "deleteCmd");
}

void NotesTextMarkupMemento::Removing(const UIDRef& story, TextIndex, RangeData removed) {
    const UIDRef marker = Marker();
    NotesMarkedRun run;
    if (!marker.GetDataBase() || !NotesMarkedRun::Find(marker, &run))
        return; // its partner's memento already took the markup away
    const bool startGoes = run.start < 0 || removed.Contains(run.start);
    const bool endGoes = run.end < 0 || removed.Contains(run.end);
    if (startGoes && endGoes) {
        DeleteMarkup(run);
        return;
    }
    IDataBase* database = marker.GetDataBase();
    const ClassID markerClass = database->GetClass(marker.GetUID());
    if (marker.GetUID() == run.endMarker && endGoes) // the last character left before the removed text
        NotesCommands::SetOwnedItem(story, removed.Start() - 1, run.endMarker, markerClass,
                                    "setOwnedItemCmd");
    else if (marker.GetUID() == run.startMarker && startGoes) // the first one after it
        NotesCommands::SetOwnedItem(story, removed.End(), run.startMarker, markerClass, "setOwnedItemCmd");
}

void NotesTextMarkupMemento::Reinserted(const UIDRef& story, TextIndex, const UIDList& sources,
                                        const UIDList& copies) {
    const UIDRef marker = Marker();
    if (!marker.GetDataBase())
        return;
    InterfacePtr<IUIDData> otherTextMarkerUIDData(marker, IID_INOTESOTHERITEMREFERENCE);
    if (!NOTES_CHECK_NIL(otherTextMarkerUIDData))
        return;
    const int32 partnerCopy = sources.Location(otherTextMarkerUIDData->GetUID());
    otherTextMarkerUIDData->Set(partnerCopy >= 0 ? copies[partnerCopy] : kInvalidUID);
    if (!IsEndMarker(marker))
        return;
    InterfacePtr<IUIDData> storyUIDData(marker, IID_INOTESMARKERDATA);
    InterfacePtr<IUIDData> annotReference(marker, IID_INOTESANNOTATIONREFERENCE);
    if (NOTES_CHECK_NIL(storyUIDData))
        storyUIDData->Set(story.GetUID());
    if (NOTES_CHECK_NIL(annotReference))
        annotReference->Set(kInvalidUID);
    if (sources.GetDataBase() != marker.GetDataBase())
        TakeKindColor(marker);
}

void NotesTextMarkupMemento::TakeKindColor(const UIDRef& marker) {
    // A copy pasted into another document cannot keep the other document's swatch.
    InterfacePtr<INotesAnnotation> annotation(marker, IID_INOTESANNOTATION);
    auto colorManager = NotesDocumentAccess::QueryDocumentInterface<INotesColorManager>(
        marker.GetDataBase(), IID_INOTESCOLORMANAGER);
    if (!NOTES_CHECK_NIL(annotation) || !NOTES_CHECK_NIL(colorManager))
        return;
    annotation->Set(annotation->GetType(), annotation->GetPoints(),
                    colorManager->GetKindColor(annotation->GetType()), annotation->CanShowPopup(),
                    annotation->GetContent(), annotation->GetAuthor(), annotation->GetDate());
}

void NotesTextMarkupMemento::ReinsertionDone(const UIDRef& story) {
    const UIDRef marker = Marker();
    if (!marker.GetDataBase())
        return;
    IDataBase* database = marker.GetDataBase();
    const UID partner = PartnerOf(marker);
    InterfacePtr<IItemStrand> itemStrand(story, IID_IITEMSTRAND);
    const bool whole = partner != kInvalidUID && database->IsValidUID(partner) &&
                       PartnerOf(UIDRef(database, partner)) == marker.GetUID() && itemStrand &&
                       itemStrand->GetOwnedItemIndex(partner) >= 0;
    if (!whole) {
        DeleteLoneCopy(marker);
        return;
    }
    NotesMarkedRun run;
    // The attribute step, once per pair: the run carries its kind's attribute naming its own end marker.
    if (IsEndMarker(marker) && NotesMarkedRun::Find(marker, &run) && run.IsAnchored())
        NotesCommands::ApplyAttribute(story, run.Range(), run.AttributeClass(), run.endMarker,
                                      "applyTextAttrCmd");
}

void NotesTextMarkupMemento::DeleteLoneCopy(const UIDRef& marker) {
    IDataBase* database = marker.GetDataBase();
    if (IsEndMarker(marker)) {
        // Its attribute came along renamed to it; clear it where it names this copy.
        InterfacePtr<IUIDData> storyUIDData(marker, IID_INOTESMARKERDATA);
        const UIDRef story(database, storyUIDData ? storyUIDData->GetUID() : kInvalidUID);
        InterfacePtr<IItemStrand> itemStrand(story, IID_IITEMSTRAND);
        InterfacePtr<IAttributeStrand> attributeStrand(story, IID_IATTRIBUTESTRAND);
        const TextIndex at = itemStrand ? itemStrand->GetOwnedItemIndex(marker.GetUID()) : -1;
        const auto type = NotesTextMarkupClasses::TypeOfMarkerClass(database->GetClass(marker.GetUID()));
        for (bool caretLast : {false, true}) {
            const ClassID attributeClass = NotesTextMarkupClasses::AttributeClassOf(type, caretLast);
            if (at < 0 || !attributeStrand)
                break;
            const RangeData range = attributeStrand->GetAttributeRange(at, attributeClass);
            if (!range.IsEmpty())
                NotesCommands::ClearAttribute(story, range, attributeClass, "clearTextAttrCmd");
        }
    }
    NotesCommands::DeleteUIDs(UIDList(marker), "deleteUIDCmd");
}
