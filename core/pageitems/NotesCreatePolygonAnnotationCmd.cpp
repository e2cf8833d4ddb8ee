#include "NotesCreatePolygonAnnotationCmd.h"

#include "INotesAnnotation.h"
#include "INotesDrawMarkupAnnotationData.h"
#include "NotesGraphicAttributes.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IConvertShapeCmdData.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/IGraphicStyleAttributeBossList.h"
#include "host/document/ISwatchUtils.h"
#include "host/objectmodel/ObjectModel.h"
#include "NotesFailureLog.h"

namespace {
// The convert-shape values besides the shape: no corner effect, corners of 12 points, six sides,
// no star inset (only the shape matters for ellipses and rectangles).
constexpr PMReal kCornerSize = 12.0;
constexpr int32 kSides = 6;
constexpr PMReal kInset = 0.0;
} // namespace

NotesCreatePolygonAnnotationCmd::NotesCreatePolygonAnnotationCmd(IPMUnknown* boss)
    : NotesCreateDrawnMarkupCmd(boss, kNotesPolygonAnnotationBoss, "polygonAnnotationCmdData") {}

void NotesCreatePolygonAnnotationCmd::ConvertShape(const UIDRef& item, int32 shape) {
    InterfacePtr<ICommand> convertShapeCmd(CmdUtils::CreateCommand(kConvertShapeCmdBoss));
    if (!NOTES_CHECK_NIL(convertShapeCmd))
        return;
    InterfacePtr<IConvertShapeCmdData> convertShapeCmdData(convertShapeCmd, IID_ICONVERTSHAPECMDDATA);
    if (!NOTES_CHECK_NIL(convertShapeCmdData))
        return;
    convertShapeCmdData->Set(shape, kInvalidClass, kCornerSize, kSides, kInset);
    convertShapeCmd->SetItemList(UIDList(item));
    if (CmdUtils::ProcessCommand(convertShapeCmd) != kSuccess) {
        NOTES_LOG_FAILED("convertShapeCmd");
        ErrorUtils::PMSetGlobalErrorCode(kSuccess); // the item keeps its rectangle and goes on
    }
}

bool NotesCreatePolygonAnnotationCmd::Shape(const UIDRef& item, const INotesAnnotation* record) {
    switch (record->GetType()) {
    case INotesAnnotation::kPolygonAnnotation:
        return ReplacePath(item, record->GetPoints(), kFalse);
    case INotesAnnotation::kCircleAnnotation:
        ConvertShape(item, IConvertShapeCmdData::kEllipse);
        return true;
    case INotesAnnotation::kSquareAnnotation:
        ConvertShape(item, IConvertShapeCmdData::kRectangle);
        return true;
    default:
        return true; // the rectangle of the first two points stays
    }
}

bool NotesCreatePolygonAnnotationCmd::Paint(const UIDRef& item,
                                            const INotesDrawMarkupAnnotationData* drawData) {
    InterfacePtr<IGraphicStyleAttributeBossList> graphicStyleAttributeBossList(NewStrokeAttributes(drawData));
    Utils<IGraphicAttributeUtils> graphicAttributeUtils;
    Utils<ISwatchUtils> swatchUtils;
    if (!NOTES_CHECK_NIL(graphicStyleAttributeBossList) || !NOTES_CHECK_NIL(graphicAttributeUtils) ||
        !NOTES_CHECK_NIL(swatchUtils))
        return false;
    IGraphicStyleAttributeBossList* list = graphicStyleAttributeBossList;
    const UID fill = drawData->GetSecondColor() != kInvalidUID
                         ? drawData->GetSecondColor()
                         : swatchUtils->GetNoneSwatchUID(item.GetDataBase());
    if (!NOTES_CHECK_SUCCESS(graphicAttributeUtils->AddFillRenderingAttribute(list, fill)))
        return false;
    return NotesGraphicAttributes::ApplyOverrides(item, list);
}

PMString* NotesCreatePolygonAnnotationCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesCreatePolygonAnnotationCmdNameKey));
}
