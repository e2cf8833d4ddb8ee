#include "NotesUINotesTreeViewWidgetMgr.h"

#include "INotesAnnotation.h"
#include "NotesFailureLog.h"
#include "NotesUITreeNodes.h"
#include "NotesUITreePages.h"
#include "QuillpaneID.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/IPanelControlData.h"
#include "host/ui/ITextControlData.h"

namespace {
constexpr int32 kMaxLabelLength = 30;
constexpr char16_t kCarriageReturn = 0x0D;

bool IsLeadSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool16 SetLabel(IPanelControlData* nodePanelControlData, const PMString& label) {
    InterfacePtr<ITextControlData> staticTextControlData(
        nodePanelControlData->FindWidget(kNotesUINodeLabelWidgetID), IID_ITEXTCONTROLDATA);
    if (!NOTES_CHECK_NIL(staticTextControlData))
        return kFalse;
    staticTextControlData->SetString(label);
    return kTrue;
}
} // namespace

NotesUINotesTreeViewWidgetMgr::NotesUINotesTreeViewWidgetMgr(IPMUnknown* boss)
    : CTreeViewWidgetMgr(boss, kNotesUIPluginID, kNotesUITreeNodeRsrcID) {}

PMString NotesUINotesTreeViewWidgetMgr::AnnotationLabel(const PMString& content) {
    std::u16string text = content.GetUTF16();
    const size_t lineEnd = text.find(kCarriageReturn);
    if (lineEnd != std::u16string::npos && lineEnd > 0)
        text.resize(lineEnd);
    if (text.size() > static_cast<size_t>(kMaxLabelLength)) {
        // Never split a character that takes two code units.
        const size_t cut = IsLeadSurrogate(text[kMaxLabelLength - 1]) ? kMaxLabelLength - 1 : kMaxLabelLength;
        text.resize(cut);
        text += u" ...";
    }
    PMString label(std::move(text));
    label.SetTranslatable(kFalse);
    return label;
}

int32 NotesUINotesTreeViewWidgetMgr::IconOf(int32 annotationType) {
    switch (annotationType) {
    case INotesAnnotation::kStickyNoteAnnotation:
        return kNotesUIStickyNoteIconRsrcID;
    case INotesAnnotation::kHighlightAnnotation:
    case INotesAnnotation::kUnderlineAnnotation:
    case INotesAnnotation::kSquigglyAnnotation:
        return kNotesUITextMarkupIconRsrcID;
    case INotesAnnotation::kStrikethroughAnnotation:
    case INotesAnnotation::kRedactionAnnotation:
    case INotesAnnotation::kCaretAnnotation:
        return kNotesUITextEditIconRsrcID;
    case INotesAnnotation::kLineAnnotation:
    case INotesAnnotation::kPolyLineAnnotation:
    case INotesAnnotation::kPolygonAnnotation:
    case INotesAnnotation::kCircleAnnotation:
    case INotesAnnotation::kSquareAnnotation:
    case INotesAnnotation::kFreeTextAnnotation:
        return kNotesUIDrawingIconRsrcID;
    default:
        return 0;
    }
}

bool16 NotesUINotesTreeViewWidgetMgr::ApplyDataToWidget(const NodeID& node, IControlView* widget,
                                                        int32) const {
    const UIDRef ref = NotesUITreeNodes::RefOf(node);
    if (!ref.GetDataBase() || ref.GetUID() == kInvalidUID)
        return kFalse;
    return NotesUITreeNodes::IsAnnotation(ref) ? FillAnnotationNode(ref, widget) : FillPageNode(ref, widget);
}

bool16 NotesUINotesTreeViewWidgetMgr::FillAnnotationNode(const UIDRef& annotationRef, IControlView* widget) {
    InterfacePtr<INotesAnnotation> annotation(annotationRef, IID_INOTESANNOTATION);
    InterfacePtr<IPanelControlData> nodePanelControlData(widget, IID_IPANELCONTROLDATA);
    if (!NOTES_CHECK_NIL(annotation) || !NOTES_CHECK_NIL(nodePanelControlData))
        return kFalse;
    IControlView* expanderControlView = nodePanelControlData->FindWidget(kTreeNodeExpanderWidgetID);
    IControlView* iconControlView = nodePanelControlData->FindWidget(kNotesUINodeIconWidgetID);
    if (!NOTES_CHECK_NIL(expanderControlView) || !NOTES_CHECK_NIL(iconControlView))
        return kFalse;
    expanderControlView->Hide();
    const int32 icon = IconOf(annotation->GetType());
    if (icon == 0) // popups are never nodes; a record without a kind has no place in the tree
        NOTES_LOG_FALSE("kFalse");
    iconControlView->SetRsrcID(icon);
    return SetLabel(nodePanelControlData, AnnotationLabel(annotation->GetContent()));
}

bool16 NotesUINotesTreeViewWidgetMgr::FillPageNode(const UIDRef& page, IControlView* widget) {
    InterfacePtr<IPanelControlData> nodePanelControlData(widget, IID_IPANELCONTROLDATA);
    if (!NOTES_CHECK_NIL(nodePanelControlData))
        return kFalse;
    IControlView* iconControlView = nodePanelControlData->FindWidget(kNotesUINodeIconWidgetID);
    if (NOTES_CHECK_NIL(iconControlView))
        iconControlView->SetRsrcID(0);
    return SetLabel(nodePanelControlData, NotesUITreePages::LabelOf(page.GetDataBase(), page.GetUID()));
}
