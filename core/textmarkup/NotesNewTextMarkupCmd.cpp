#include "NotesNewTextMarkupCmd.h"

#include <algorithm>

#include "INotesAnnotation.h"
#include "INotesAnnotationLayout.h"
#include "INotesAnnotationList.h"
#include "INotesColorManager.h"
#include "INotesViewUtils.h"
#include "NotesCreateMarkersCmd.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/IHierarchy.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IFrameList.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/IParcelList.h"
#include "host/text/IRangeData.h"
#include "host/text/ITextFrameColumn.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextStoryThread.h"
#include "host/text/ITextStoryThreadDictHier.h"
#include "lifecycle/NotesCommands.h"
#include "lifecycle/NotesDocumentAccess.h"
#include "NotesFailureLog.h"

namespace {
using A = INotesAnnotation;

// The place in the story's frame list of the column that shows index, or -1.
int32 ColumnShowing(const IFrameList* frameList, TextIndex index) {
    for (int32 n = 0; n < frameList->GetFrameCount(); ++n) {
        InterfacePtr<ITextFrameColumn> column(frameList->QueryNthFrame(n));
        if (column && index >= column->TextStart() && index < column->TextStart() + column->TextSpan())
            return n;
    }
    return -1;
}

// The column that shows the range's end, else its start, else (overset text) the last one.
InterfacePtr<ITextFrameColumn> ChosenColumn(const IFrameList* frameList, RangeData range) {
    int32 n = ColumnShowing(frameList, std::max(range.End() - 1, range.Start()));
    if (n < 0)
        n = ColumnShowing(frameList, range.Start());
    if (n < 0)
        n = frameList->GetFrameCount() - 1;
    return InterfacePtr<ITextFrameColumn>(n >= 0 ? frameList->QueryNthFrame(n) : nullptr);
}

// The share of the way down an area that holds `shown` characters from `start` at which index
// stands; an area that shows nothing answers its top.
PMReal ShareAt(TextIndex index, TextIndex start, int32 shown) {
    if (shown <= 0)
        return 0.0;
    return std::clamp(PMReal(index - start) / PMReal(shown), PMReal(0.0), PMReal(1.0));
}

// Pasteboard bounds and spread of the one parcel of a table cell's thread; false without one.
bool CellArea(IDataBase* database, const ITextStoryThread* textStoryThread, PMRect* bounds, UID* spread) {
    InterfacePtr<IParcelList> cellParcelList(textStoryThread->QueryParcelList());
    if (!NOTES_CHECK_NIL(cellParcelList) || !NOTES_CHECK_TRUE(cellParcelList->GetParcelCount() == 1))
        return false;
    const ParcelKey cellParcel = cellParcelList->GetNthParcelKey(0);
    *bounds = cellParcelList->GetParcelToPasteboardMatrix(cellParcel)
                  .TransformRect(cellParcelList->GetParcelBounds(cellParcel));
    InterfacePtr<IHierarchy> hierarchy(UIDRef(database, cellParcelList->GetParcelFrameUID(cellParcel)),
                                       IID_IHIERARCHY);
    if (!NOTES_CHECK_NIL(hierarchy))
        return false;
    *spread = hierarchy->GetSpreadUID();
    return true;
}
} // namespace

bool NotesNewTextMarkupCmd::RangeFits(int32 type, RangeData range, int32 totalLength) {
    if (A::SubTypeOf(type) != A::kTextMarkupType || range.Start() < 0)
        return false;
    // A caret stands before a character; the other kinds cover at least one.
    if (type == A::kCaretAnnotation)
        return range.Start() < totalLength && range.End() >= range.Start() && range.End() <= totalLength;
    return range.Start() < range.End() && range.End() <= totalLength;
}

bool NotesNewTextMarkupCmd::NoteBounds(const UIDRef& story, RangeData range, PMRect* note) {
    IDataBase* database = story.GetDataBase();
    InterfacePtr<IFrameList> frameList(story, IID_IFRAMELIST);
    if (!NOTES_CHECK_NIL(frameList))
        return false;
    InterfacePtr<ITextFrameColumn> textFrameColumn(ChosenColumn(frameList, range));
    if (!NOTES_CHECK_NIL(textFrameColumn))
        return false;
    InterfacePtr<IMultiColumnTextFrame> multiColumnTextFrame(textFrameColumn->QueryMultiColumnTextFrame());
    InterfacePtr<ITextStoryThreadDictHier> threads(story, IID_ITEXTSTORYTHREADDICTHIER);
    if (!NOTES_CHECK_NIL(multiColumnTextFrame) || !NOTES_CHECK_NIL(threads))
        return false;
    const TextIndex mid = range.Start() + (range.End() - range.Start()) / 2;
    InterfacePtr<ITextStoryThread> textStoryThread(threads->QueryThreadAt(mid));
    if (!NOTES_CHECK_NIL(textStoryThread))
        return false;
    PMRect bounds;
    UID spread = kInvalidUID;
    PMReal share = 0.0;
    if (database->GetClass(::GetUID(textStoryThread)) == kTableCellBoss) {
        if (!CellArea(database, textStoryThread, &bounds, &spread))
            return false;
        const RangeData cell = textStoryThread->GetTextRange();
        share = ShareAt(mid, cell.Start(), cell.Length());
    } else {
        // The frame's own share of the text, so that a story over many frames still places the
        // note where the range stands in the frame that shows it.
        InterfacePtr<IHierarchy> hierarchy(multiColumnTextFrame, IID_IHIERARCHY);
        if (!NOTES_CHECK_NIL(hierarchy))
            return false;
        bounds = NotesDocumentAccess::PasteboardBoundsOf(multiColumnTextFrame);
        spread = hierarchy->GetSpreadUID();
        share = ShareAt(mid, multiColumnTextFrame->TextStart(), multiColumnTextFrame->TextSpan());
    }
    Utils<INotesViewUtils> viewUtils;
    if (!NOTES_CHECK_NIL(viewUtils))
        return false;
    const PMPoint anchor(bounds.Left(), bounds.Top() + bounds.Height() * share);
    *note = viewUtils->GetPopupBounds(UIDRef(database, spread), anchor);
    return true;
}

bool NotesNewTextMarkupCmd::SaveNewRecord(const UIDRef& endMarker, int32 type, const PMRect& note,
                                          UID color) {
    InterfacePtr<ICommand> saveAnnotationCmd(CmdUtils::CreateCommand(kNotesSaveAnnotationCmdBoss));
    InterfacePtr<INotesAnnotation> annotationCmdData(saveAnnotationCmd, IID_INOTESANNOTATION);
    if (!NOTES_CHECK_NIL(annotationCmdData))
        return false;
    annotationCmdData->Set(static_cast<A::NotesAnnotationType>(type), {note.LeftTop(), note.RightBottom()},
                           color, kTrue, PMString(), PMString(), IDTime::CurrentTime());
    saveAnnotationCmd->SetItemList(UIDList(endMarker));
    return NotesCommands::Process(saveAnnotationCmd.forget(), "saveAnnotationCmd");
}

void NotesNewTextMarkupCmd::InvalidatePageList(const UIDRef& annotation) {
    InterfacePtr<INotesAnnotationLayout> layout(annotation, IID_INOTESANNOTATIONLAYOUT);
    InterfacePtr<INotesAnnotationList> annotationList(
        UIDRef(annotation.GetDataBase(), layout ? layout->GetPageUID() : kInvalidUID),
        IID_INOTESANNOTATIONLIST);
    if (annotationList)
        annotationList->Invalidate();
}

void NotesNewTextMarkupCmd::Do() {
    ErrorCode status = kFailure;
    IDataBase* database = GetItemList()->GetDataBase();
    UIDList made(database);
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() == 1) || !NOTES_CHECK_NIL(database))
            break;
        const UIDRef story = GetItemList()->GetRef(0);
        auto colorManager =
            NotesDocumentAccess::QueryDocumentInterface<INotesColorManager>(database, IID_INOTESCOLORMANAGER);
        InterfacePtr<IIntData> annotType(this, IID_IINTDATA);
        InterfacePtr<IRangeData> rangeData(this, IID_IRANGEDATA);
        InterfacePtr<ITextModel> textModel(story, IID_ITEXTMODEL);
        if (!NOTES_CHECK_NIL(colorManager) || !NOTES_CHECK_NIL(annotType) || !NOTES_CHECK_NIL(rangeData) ||
            !NOTES_CHECK_NIL(textModel))
            break;
        const auto type = static_cast<A::NotesAnnotationType>(annotType->GetInt());
        const RangeData range = rangeData->Get();
        PMRect note;
        if (!NOTES_CHECK_TRUE(RangeFits(type, range, textModel->TotalLength())) ||
            !NoteBounds(story, range, &note))
            break;
        const UID endMarker = NotesCreateMarkersCmd::Make(story, type, range).GetUID();
        if (endMarker == kInvalidUID)
            break;
        if (!SaveNewRecord(UIDRef(database, endMarker), type, note, colorManager->GetKindColor(type)))
            break;
        // A range its kind already marks is refused here: the new markers are deleted again.
        if (!NotesCommands::ProcessOn(kNotesSetTextMarkupCmdBoss, UIDList(UIDRef(database, endMarker)),
                                      "setTextMarkupCmd"))
            break;
        InvalidatePageList(UIDRef(database, endMarker));
        made.Append(endMarker);
        status = kSuccess;
    } while (false);
    fItemList = made;
    ErrorUtils::PMSetGlobalErrorCode(status);
}

void NotesNewTextMarkupCmd::DoNotify() {
    NotesCommands::Broadcast(this, kNotesNewTextMarkupCmdBoss, IID_INOTESANNOTATIONLIST);
}

PMString* NotesNewTextMarkupCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesNewTextMarkupCmdNameKey));
}
