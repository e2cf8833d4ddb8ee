#include "NotesAnnotationCreator.h"

#include "INotesColorManager.h"
#include "INotesDrawMarkupAnnotationData.h"
#include "NotesPDFAnnotationReader.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IBoolData.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/pdf/PdfLibrary.h"
#include "NotesFailureLog.h"

namespace {
using A = INotesAnnotation;

bool IsDrawnMarkupData(int32 type) {
    return type == A::kPopupAnnotation || (type >= A::kLineAnnotation && type <= A::kFreeTextAnnotation);
}

PMString Translated(const char* key) {
    return PMString(key, PMString::kTranslateDuringCall);
}

// The words of a "Not Imported" note that name the kind of text edit or markup.
PMString KindText(int32 type) {
    switch (type) {
    case A::kHighlightAnnotation:
        return Translated(NOTES_KEY(kNotesHighlightedTextKey));
    case A::kUnderlineAnnotation:
        return Translated(NOTES_KEY(kNotesUnderlinedTextKey));
    case A::kStrikethroughAnnotation:
        return Translated(NOTES_KEY(kNotesStrikethroughtedTextKey));
    case A::kSquigglyAnnotation:
        return Translated(NOTES_KEY(kNotesSquigglyTextKey));
    case A::kRedactionAnnotation:
        return Translated(NOTES_KEY(kNotesReplacedTextKey));
    case A::kCaretAnnotation:
        return Translated(NOTES_KEY(kNotesInsertedTextKey));
    default:
        return PMString();
    }
}

PMPointList Corners(const PMRect& rect) {
    return {rect.LeftTop(), rect.RightBottom()};
}

// RD insets the text box from the annotation's rectangle (which also holds the callout): from its
// left, top, right and bottom edges in this order. Insets that are negative or leave no box are
// logged and ignored, and the text box is the whole rectangle.
PMRect TextBoxOf(const PMRect& rect, const std::vector<PMReal>& rd) {
    if (rd.size() != 4)
        return rect;
    const bool leavesBox = rd[0] >= 0 && rd[1] >= 0 && rd[2] >= 0 && rd[3] >= 0 &&
                           rd[0] + rd[2] < rect.Width() && rd[1] + rd[3] < rect.Height();
    if (!NOTES_CHECK_TRUE(leavesBox))
        return rect;
    return PMRect(rect.Left() + rd[0], rect.Top() + rd[1], rect.Right() - rd[2], rect.Bottom() - rd[3]);
}
} // namespace

ClassID NotesAnnotationCreator::CreatingCommandOf(int32 type) {
    switch (type) {
    case A::kStickyNoteAnnotation:
        return kNotesCreateStickyNoteCmdBoss;
    case A::kHighlightAnnotation:
    case A::kStrikethroughAnnotation:
    case A::kUnderlineAnnotation:
    case A::kSquigglyAnnotation:
    case A::kRedactionAnnotation:
    case A::kCaretAnnotation:
        return kNotesCreateTextMarkupCmdBoss;
    case A::kLineAnnotation:
    case A::kPolyLineAnnotation:
        return kNotesCreateLineAnnotationCmdBoss;
    case A::kPolygonAnnotation:
    case A::kCircleAnnotation:
    case A::kSquareAnnotation:
        return kNotesCreatePolygonAnnotationCmdBoss;
    case A::kFreeTextAnnotation:
        return kNotesCreateFreeTextAnnotationCmdBoss;
    case A::kPopupAnnotation:
        return kNotesCreatePopupAnnotationCmdBoss;
    default:
        return kInvalidClass;
    }
}

UID NotesAnnotationCreator::Color(const std::vector<PMReal>& components, int32 type) {
    if (components.empty())
        return kInvalidUID;
    InterfacePtr<INotesColorManager> colorManager(fRun.document, IID_INOTESCOLORMANAGER);
    if (!NOTES_CHECK_NIL(colorManager))
        return kInvalidUID;
    return colorManager->GetColor(components, type);
}

void NotesAnnotationCreator::ReadCaret(const NotesPDFAnnotationValues& read, const PMRect& rect,
                                       Record* record) {
    // A caret that completes a strike-out into a replacement is joined with it once both are in
    // the text, after the page loop.
    record->points = Corners(rect);
    if (read.caretPoint)
        record->points = {PMPoint(rect.Left() + read.caretPoint->X(), rect.Bottom() - read.caretPoint->Y()),
                          PMPoint(rect.Left() + read.caretPoint->X(), rect.Bottom() - read.caretPoint->Y())};
}

void NotesAnnotationCreator::ReadByType(const NotesPDFAnnotationValues& read, const PMRect& rect,
                                        Record* record) {
    switch (record->type) {
    case A::kStickyNoteAnnotation:
    case A::kCircleAnnotation:
    case A::kSquareAnnotation:
        record->points = Corners(rect);
        if (record->type != A::kStickyNoteAnnotation)
            record->secondColor = Color(read.interiorColor, record->type);
        break;
    case A::kHighlightAnnotation:
    case A::kStrikethroughAnnotation:
    case A::kUnderlineAnnotation:
    case A::kSquigglyAnnotation:
        record->points = fFrame.ConvertPoints(read.points);
        break;
    case A::kRedactionAnnotation:
        record->points = fFrame.ConvertPoints(read.points);
        if (record->points.empty()) // without quadrilaterals a redaction covers its rectangle
            record->points = {rect.LeftTop(), PMPoint(rect.Right(), rect.Top()),
                              PMPoint(rect.Left(), rect.Bottom()), rect.RightBottom()};
        record->content = read.overlayText.value_or(PMString());
        record->color = Color(read.interiorColor, record->type);
        break;
    case A::kCaretAnnotation:
        ReadCaret(read, rect, record);
        break;
    case A::kLineAnnotation:
    case A::kPolyLineAnnotation:
    case A::kPolygonAnnotation:
        record->points = fFrame.ConvertPoints(read.points);
        if (record->type != A::kLineAnnotation)
            record->secondColor = Color(read.interiorColor, record->type);
        break;
    case A::kFreeTextAnnotation: {
        record->points = Corners(TextBoxOf(rect, read.differences));
        const PMPointList callout = fFrame.ConvertPoints(read.callout);
        record->points.insert(record->points.end(), callout.begin(), callout.end());
        record->secondColor = record->color;
        record->color = Color(read.interiorColor, record->type);
        if (record->color == kInvalidUID)
            record->color = fRun.mDefaultColorUID;
        record->canShowPopup = kFalse;
        break;
    }
    case A::kPopupAnnotation:
        record->points = Corners(rect);
        record->secondColor = record->color;
        record->color = Color(read.interiorColor, record->type);
        if (record->color == kInvalidUID)
            record->color = fRun.mDefaultColorUID;
        record->linkedItem = fRun.ItemOf(read.parent);
        record->canShowPopup = kFalse;
        break;
    default:
        break;
    }
}

void NotesAnnotationCreator::RecordOf(const NotesPDFAnnotationValues& read, A::NotesAnnotationType type,
                                      Record* record) {
    record->type = type;
    record->borderWidth = read.borderWidth;
    record->borderStyle = read.borderStyle;
    record->startArrowhead = read.startArrowhead;
    record->endArrowhead = read.endArrowhead;
    record->color = Color(read.color, type);
    const PMRect rect = fFrame.ConvertRect(read.rect.left, read.rect.top, read.rect.right, read.rect.bottom);
    record->content = read.content.value_or(PMString());
    if (read.date)
        record->date = IDTime::FromCalendar(read.date->year, read.date->month, read.date->day,
                                            read.date->hour, read.date->minute, read.date->second);
    record->author = read.author.value_or(PMString());
    if (CosObjGetType(read.popup) != CosNull)
        record->linkedItem = fRun.ItemOf(read.popup);
    ReadByType(read, rect, record);
}

UIDList NotesAnnotationCreator::Process(const Record& values, bool* ran) {
    UIDList result(fRun.database);
    *ran = false;
    InterfacePtr<ICommand> createAnnotationCmd(CmdUtils::CreateCommand(CreatingCommandOf(values.type)));
    if (!NOTES_CHECK_NIL(createAnnotationCmd))
        return result;
    createAnnotationCmd->SetItemList(UIDList(UIDRef(fRun.database, fTargetLayer)));
    InterfacePtr<INotesAnnotation> annotationCmdData(createAnnotationCmd, IID_INOTESANNOTATION);
    if (!NOTES_CHECK_NIL(annotationCmdData))
        return result;
    annotationCmdData->Set(values.type, values.points, values.color, values.canShowPopup, values.content,
                           values.author, values.date);
    InterfacePtr<IUIDData> linkData(createAnnotationCmd, IID_INOTESANNOTATIONREFERENCE);
    if (linkData)
        linkData->Set(UIDRef(fRun.database, values.linkedItem));
    if (IsDrawnMarkupData(values.type)) {
        InterfacePtr<INotesDrawMarkupAnnotationData> drawMarkupAnnotationCmdData(
            createAnnotationCmd, IID_INOTESDRAWMARKUPANNOTATIONDATA);
        if (!NOTES_CHECK_NIL(drawMarkupAnnotationCmdData))
            return result;
        drawMarkupAnnotationCmdData->Set(values.borderWidth, values.color, values.secondColor,
                                         values.borderStyle, values.startArrowhead, values.endArrowhead);
    }
    *ran = true;
    if (CmdUtils::ProcessCommand(createAnnotationCmd) != kSuccess) {
        NOTES_LOG_FAILED("CmdUtils::ProcessCommand(createAnnotationCmd)");
        return result;
    }
    return *createAnnotationCmd->GetItemList();
}

void NotesAnnotationCreator::CreateNotImportedNote(const Record& values) {
    InterfacePtr<IBoolData> converNotImportedEditOptionBoolData(GetApplicationObject(),
                                                                IID_INOTESCONVERTNOTIMPORTEDOPTION);
    if (!NOTES_CHECK_NIL(converNotImportedEditOptionBoolData) ||
        !converNotImportedEditOptionBoolData->GetBool())
        return;
    if (values.points.size() < 2)
        return;
    PMString content = Translated(NOTES_KEY(kNotesNotImportedKey));
    content.Append(" ");
    content.Append(KindText(values.type));
    content.Append(" ");
    content.Append(Translated(NOTES_KEY(kNotesWithContentKey)));
    content.Append(" \"");
    content.Append(values.content);
    content.Append("\"");
    const PMPoint p = values.points[1];
    InterfacePtr<INotesColorManager> colorManager(fRun.document, IID_INOTESCOLORMANAGER);
    const UID color = colorManager ? colorManager->GetKindColor(A::kNotImportedColorIndex) : kInvalidUID;

    InterfacePtr<ICommand> createStickyNoteCmd(CmdUtils::CreateCommand(kNotesCreateStickyNoteCmdBoss));
    if (!NOTES_CHECK_NIL(createStickyNoteCmd))
        return;
    InterfacePtr<INotesAnnotation> annotationCmdData(createStickyNoteCmd, IID_INOTESANNOTATION);
    if (!NOTES_CHECK_NIL(annotationCmdData))
        return;
    annotationCmdData->Set(A::kStickyNoteAnnotation, {p - PMPoint(10, 10), p + PMPoint(10, 10)}, color, kTrue,
                           content, PMString(), values.date);
    createStickyNoteCmd->SetItemList(UIDList(UIDRef(fRun.database, fTargetLayer)));
    if (CmdUtils::ProcessCommand(createStickyNoteCmd) != kSuccess) {
        NOTES_LOG_FAILED("createStickyNoteCmd");
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
}

UIDList NotesAnnotationCreator::Create(const NotesPDFAnnotationValues& read) {
    UIDList result(fRun.database);
    Record record;
    DURING
    RecordOf(read, read.type, &record);
    HANDLER
    record.type = A::kUnknownAnnotation; // a page that cannot be read any more fails this annotation alone
    END_HANDLER
    if (CreatingCommandOf(record.type) != kInvalidClass) {
        // Only a command that ran and made nothing leaves a "Not Imported" note; one this run does
        // not have (its plug-in part missing) only counts as failed.
        bool ran = false;
        result = Process(record, &ran);
        if (ran && result.IsEmpty() && ErrorUtils::PMGetGlobalErrorCode() == kSuccess)
            CreateNotImportedNote(record);
    }
    const bool failed =
        result.IsEmpty() || (result.At(0) == kInvalidUID && record.type != A::kPopupAnnotation);
    if (failed)
        ++fRun.failureCount;
    return result;
}
