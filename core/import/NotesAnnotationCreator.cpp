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
#include "lifecycle/NotesFailureLog.h"

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

UID NotesAnnotationCreator::Color(CosObj dict, const char* key, int32 type) {
    IDataBase* database = fRun.database;
    if (!NOTES_CHECK_NIL(database))
        return kInvalidUID;
    if (CosObjGetType(CosDictGetKeyString(dict, key)) == CosNull)
        return kInvalidUID;
    const std::vector<PMReal> components = NotesPDFAnnotationReader::GetColorComponents(dict, key);
    if (components.empty())
        return kInvalidUID;
    InterfacePtr<INotesColorManager> colorManager(fRun.document, IID_INOTESCOLORMANAGER);
    if (!NOTES_CHECK_NIL(colorManager))
        return kInvalidUID;
    return colorManager->GetColor(components, type);
}

void NotesAnnotationCreator::ReadLineEndings(CosObj dict, Values* values, bool startOnly) {
    const CosObj endings = CosDictGetKeyString(dict, "LE");
    if (CosObjGetType(endings) == CosNull)
        return;
    if (startOnly) {
        values->startArrowhead = NotesPDFAnnotationReader::GetLineEnding(endings);
        return;
    }
    if (CosObjGetType(endings) != CosArray || !NOTES_CHECK_TRUE(CosArrayLength(endings) == 2))
        return;
    values->startArrowhead = NotesPDFAnnotationReader::GetLineEnding(CosArrayGet(endings, 0));
    values->endArrowhead = NotesPDFAnnotationReader::GetLineEnding(CosArrayGet(endings, 1));
}

void NotesAnnotationCreator::DeleteMarkersOf(UID strikeOutItem) {
    IDataBase* db = fRun.database;
    if (strikeOutItem == kInvalidUID || !db->IsValidUID(strikeOutItem))
        return;
    UIDList markers(db);
    markers.Append(strikeOutItem);
    InterfacePtr<IUIDData> otherItemUIDData(UIDRef(db, strikeOutItem), IID_INOTESOTHERITEMREFERENCE);
    if (NOTES_CHECK_NIL(otherItemUIDData) && otherItemUIDData->GetUID() != kInvalidUID)
        markers.Append(otherItemUIDData->GetUID());
    InterfacePtr<ICommand> deleteUIDCmd(CmdUtils::CreateCommand(kDeleteUIDCmdBoss));
    if (!NOTES_CHECK_NIL(deleteUIDCmd))
        return;
    deleteUIDCmd->SetItemList(markers);
    if (CmdUtils::ProcessCommand(deleteUIDCmd) != kSuccess)
        NOTES_LOG_FAILED("deleteUIDCmd");
}

void NotesAnnotationCreator::ReadCaret(CosObj dict, const PMRect& rect, Values* values) {
    values->points = Corners(rect);
    // A caret whose rectangle holds the last point of a strike-out on the same page is the
    // insertion half of a replacement: the pair becomes one redaction over the struck text.
    for (ASInt32 i = 0; i < PDPageGetNumAnnots(fPage); ++i) {
        const PDAnnot other = PDPageGetAnnot(fPage, i);
        if (NotesPDFAnnotationReader::TypeOfSubtype(PDAnnotGetSubtype(other)) != A::kStrikethroughAnnotation)
            continue;
        const CosObj strikeOut = PDAnnotGetCosObj(other);
        const PMPointList quads = NotesPDFAnnotationReader::GetPoints(strikeOut, "QuadPoints", fFrame);
        if (quads.empty() || !rect.Contains(quads.back()))
            continue;
        values->points = quads;
        values->type = A::kRedactionAnnotation;
        fRun.consumedStrikeOuts.push_back(strikeOut);
        DeleteMarkersOf(fRun.ItemOf(strikeOut));
        return;
    }
    if (const std::optional<PMPoint> caretPoint = NotesPDFAnnotationReader::GetCaretPoint(dict, rect))
        values->points = {*caretPoint, *caretPoint};
}

void NotesAnnotationCreator::ReadByType(CosObj dict, const PMRect& rect, Values* values) {
    switch (values->type) {
    case A::kStickyNoteAnnotation:
    case A::kCircleAnnotation:
    case A::kSquareAnnotation:
        values->points = Corners(rect);
        if (values->type != A::kStickyNoteAnnotation)
            values->secondColor = Color(dict, "IC", values->type);
        break;
    case A::kHighlightAnnotation:
    case A::kStrikethroughAnnotation:
    case A::kUnderlineAnnotation:
    case A::kSquigglyAnnotation:
        values->points = NotesPDFAnnotationReader::GetPoints(dict, "QuadPoints", fFrame);
        break;
    case A::kRedactionAnnotation:
        values->points = NotesPDFAnnotationReader::GetPoints(dict, "QuadPoints", fFrame);
        if (values->points.empty()) // without quadrilaterals a redaction covers its rectangle
            values->points = {rect.LeftTop(), PMPoint(rect.Right(), rect.Top()),
                              PMPoint(rect.Left(), rect.Bottom()), rect.RightBottom()};
        values->content = NotesPDFAnnotationReader::GetString(dict, "OverlayText");
        values->color = Color(dict, "IC", values->type);
        break;
    case A::kCaretAnnotation:
        ReadCaret(dict, rect, values);
        break;
    case A::kLineAnnotation:
        values->points = NotesPDFAnnotationReader::GetPoints(dict, "L", fFrame);
        ReadLineEndings(dict, values, false);
        break;
    case A::kPolyLineAnnotation:
    case A::kPolygonAnnotation:
        values->points = NotesPDFAnnotationReader::GetPoints(dict, "Vertices", fFrame);
        if (values->type == A::kPolyLineAnnotation)
            ReadLineEndings(dict, values, false);
        values->secondColor = Color(dict, "IC", values->type);
        break;
    case A::kFreeTextAnnotation: {
        PMRect text = rect;
        const PMPointList rd = NotesPDFAnnotationReader::GetPoints(dict, "RD", NotesPDFPageFrame());
        // RD reads as the pairs (RD0, -RD1) and (RD2, -RD3): the second number moves the bottom edge up,
        // the fourth the top edge down.
        if (rd.size() >= 2)
            text = PMRect(rect.Left() + rd[0].X(), rect.Top() - rd[1].Y(), rect.Right() - rd[1].X(),
                          rect.Bottom() + rd[0].Y());
        values->points = Corners(text);
        const PMPointList callout = NotesPDFAnnotationReader::GetPoints(dict, "CL", fFrame);
        values->points.insert(values->points.end(), callout.begin(), callout.end());
        ReadLineEndings(dict, values, true);
        values->secondColor = values->color;
        values->color = Color(dict, "IC", values->type);
        if (values->color == kInvalidUID)
            values->color = fRun.mDefaultColorUID;
        values->canShowPopup = kFalse;
        break;
    }
    case A::kPopupAnnotation:
        values->points = Corners(rect);
        values->secondColor = values->color;
        values->color = Color(dict, "IC", values->type);
        if (values->color == kInvalidUID)
            values->color = fRun.mDefaultColorUID;
        values->linkedItem = fRun.ItemOf(CosDictGetKeyString(dict, "Parent"));
        values->canShowPopup = kFalse;
        break;
    default:
        break;
    }
}

bool NotesAnnotationCreator::Read(PDAnnot annot, A::NotesAnnotationType type, Values* values) {
    const CosObj dict = PDAnnotGetCosObj(annot);
    values->type = type;
    const NotesPDFAnnotationReader::Border border = NotesPDFAnnotationReader::GetBorder(dict);
    values->borderWidth = border.width;
    values->borderStyle = border.style;
    values->color = Color(dict, "C", type);
    const PMRect rect = NotesPDFAnnotationReader::GetRect(annot, fFrame);
    values->content = NotesPDFAnnotationReader::GetString(dict, "Contents");
    if (const std::optional<IDTime> date = NotesPDFAnnotationReader::GetDate(annot))
        values->date = *date;
    values->author = NotesPDFAnnotationReader::GetString(dict, "T");
    const CosObj popup = CosDictGetKeyString(dict, "Popup");
    if (CosObjGetType(popup) != CosNull)
        values->linkedItem = fRun.ItemOf(popup);
    ReadByType(dict, rect, values);
    return values->type != A::kUnknownAnnotation;
}

UIDList NotesAnnotationCreator::Process(const Values& values) {
    UIDList result(fRun.database);
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
    if (CmdUtils::ProcessCommand(createAnnotationCmd) != kSuccess) {
        NOTES_LOG_FAILED("CmdUtils::ProcessCommand(createAnnotationCmd)");
        return result;
    }
    return *createAnnotationCmd->GetItemList();
}

void NotesAnnotationCreator::CreateNotImportedNote(const Values& values) {
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

UIDList NotesAnnotationCreator::Create(PDAnnot annot, A::NotesAnnotationType type) {
    UIDList result(fRun.database);
    Values values;
    bool read = false;
    DURING
    read = Read(annot, type, &values);
    HANDLER
    read = false; // a broken annotation fails alone
    END_HANDLER
    if (read && CreatingCommandOf(values.type) != kInvalidClass) {
        result = Process(values);
        if (result.IsEmpty() && ErrorUtils::PMGetGlobalErrorCode() == kSuccess)
            CreateNotImportedNote(values);
    }
    const bool failed =
        result.IsEmpty() || (result.At(0) == kInvalidUID && values.type != A::kPopupAnnotation);
    if (failed)
        ++fRun.failureCount;
    return result;
}
