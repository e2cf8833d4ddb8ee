#include "NotesMarkupAnnotationLayout.h"

#include "NotesMarkedRun.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/IParcelList.h"
#include "host/text/ITextFrameColumn.h"
#include "host/text/ITextParcelList.h"
#include "host/text/ITextStoryThread.h"
#include "host/text/ITextStoryThreadDictHier.h"
#include "lifecycle/NotesDocumentAccess.h"
#include "NotesFailureLog.h"

UIDRef NotesMarkupAnnotationLayout::FrameShowing(const UIDRef& story, TextIndex index) {
    InterfacePtr<ITextStoryThreadDictHier> storyThreadDictHier(story, IID_ITEXTSTORYTHREADDICTHIER);
    if (!NOTES_CHECK_NIL(storyThreadDictHier) || index < 0)
        return UIDRef();
    InterfacePtr<ITextStoryThread> textStoryThread(storyThreadDictHier->QueryThreadAt(index));
    if (!NOTES_CHECK_NIL(textStoryThread))
        return UIDRef();
    InterfacePtr<ITextParcelList> textParcelList(textStoryThread->QueryTextParcelList());
    InterfacePtr<IParcelList> parcelList(textStoryThread->QueryParcelList());
    if (!NOTES_CHECK_NIL(textParcelList) || !NOTES_CHECK_NIL(parcelList))
        return UIDRef();
    const TextComposition& composition = textParcelList->GetComposition();
    const int32 line = composition.FindLineAt(index);
    if (line < 0)
        return UIDRef(); // overset: no frame shows it
    const ParcelKey key = composition.GetParcel(composition.GetNthLine(line).GetParcelIndex()).key;
    InterfacePtr<ITextFrameColumn> textFrameColumn(
        UIDRef(story.GetDataBase(), parcelList->GetParcelFrameUID(key)), IID_ITEXTFRAMECOLUMN);
    if (!NOTES_CHECK_NIL(textFrameColumn))
        return UIDRef();
    InterfacePtr<IMultiColumnTextFrame> multiColumnTextFrame(textFrameColumn->QueryMultiColumnTextFrame());
    if (!NOTES_CHECK_NIL(multiColumnTextFrame))
        return UIDRef();
    return UIDRef(story.GetDataBase(), ::GetUID(multiColumnTextFrame));
}

UIDRef NotesMarkupAnnotationLayout::Frame() const {
    NotesMarkedRun run;
    if (!NotesMarkedRun::Find(UIDRef(::GetDataBase(this), ::GetUID(this)), &run) || run.end < 0)
        return UIDRef();
    return FrameShowing(run.story, run.end);
}

UID NotesMarkupAnnotationLayout::GetPageUID() {
    InterfacePtr<IMultiColumnTextFrame> frame(Frame(), IID_IMULTICOLUMNTEXTFRAME);
    return frame ? NotesDocumentAccess::PageOfItem(frame) : kInvalidUID;
}

UID NotesMarkupAnnotationLayout::GetLayerUID() {
    InterfacePtr<IMultiColumnTextFrame> frame(Frame(), IID_IMULTICOLUMNTEXTFRAME);
    return frame ? NotesDocumentAccess::AnnotationSpreadLayerOf(frame) : kInvalidUID;
}

PMRect NotesMarkupAnnotationLayout::GetBounds() {
    InterfacePtr<IMultiColumnTextFrame> frame(Frame(), IID_IMULTICOLUMNTEXTFRAME);
    return frame ? NotesDocumentAccess::PasteboardBoundsOf(frame) : PMRect();
}
