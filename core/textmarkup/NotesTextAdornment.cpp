#include "NotesTextAdornment.h"

#include "INotesAnnotation.h"
#include "NotesMarkupPainter.h"
#include "NotesTextMarkupClasses.h"
#include "host/database/IDataBase.h"
#include "host/document/IColorData.h"
#include "host/document/ISwatchUtils.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/IGraphicsPort.h"
#include "host/graphics/IShape.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IAttributeStrand.h"
#include "host/text/ITextAttrUID.h"
#include "host/text/WaxLine.h"
#include "NotesFailureLog.h"

namespace {
// The background base minus a little: the highlight beneath the glyphs, the emphasis beneath it.
constexpr PMReal kHighlightPriority = ITextAdornment::kBackgroundPriority - 0.5;
constexpr PMReal kEmphasisPriority = ITextAdornment::kBackgroundPriority - 0.52;
constexpr PMReal kStrokePriority = 0.0 + 0.55;
constexpr PMReal kEmphasisGrey = 0.8;

} // namespace

PMReal NotesTextAdornmentBase::GetDrawPriority() const {
    switch (fAttributeClass) {
    case kNotesTextHighlightAttrBoss:
        return kHighlightPriority;
    case kNotesTextMarkupAttrBoss:
        return kEmphasisPriority;
    default:
        return kStrokePriority;
    }
}

UID NotesTextAdornmentBase::AnnotationOf(const IAttributeStrand* attributeStrand, TextIndex at) const {
    const UID annotation =
        NotesTextMarkupClasses::ValueOf(attributeStrand->GetAttributes(at), fAttributeClass);
    if (!NOTES_CHECK_TRUE(annotation != kInvalidUID))
        return kInvalidUID;
    return annotation;
}

bool NotesTextAdornmentBase::SetColor(IGraphicsPort* port, const UIDRef& annotationRef) {
    InterfacePtr<INotesAnnotation> annotation(annotationRef, IID_INOTESANNOTATION);
    if (!NOTES_CHECK_NIL(annotation) || !NOTES_CHECK_TRUE(annotation->GetColor() != kInvalidUID))
        return false;
    const UIDRef swatch(annotationRef.GetDataBase(), annotation->GetColor());
    InterfacePtr<IColorData> colorData(swatch, IID_ICOLORDATA);
    Utils<ISwatchUtils> swatchUtils;
    if (!NOTES_CHECK_NIL(colorData) || !NOTES_CHECK_NIL(swatchUtils))
        return false;
    RGBColor rgb{1.0, 0.0, 0.0}; // a colour space the markups do not know draws pure red
    switch (colorData->GetColorSpace()) {
    case IColorData::kRGB:
    case IColorData::kCMYK:
    case IColorData::kLab:
    case IColorData::kGray:
        if (!swatchUtils->GetRGBColor(swatch, &rgb))
            rgb = RGBColor{1.0, 0.0, 0.0};
        break;
    default:
        break;
    }
    port->setrgbcolor(rgb.red, rgb.green, rgb.blue);
    return true;
}

void NotesTextAdornmentBase::DrawKind(const NotesMarkupPainter& painter,
                                      const IAttributeStrand* attributeStrand, const WaxRun& run,
                                      UID annotation) const {
    const PMReal right = run.GetX() + run.GetWidth();
    switch (fAttributeClass) {
    case kNotesTextHighlightAttrBoss:
        painter.Band();
        break;
    case kNotesTextUnderlineAttrBoss:
        painter.Line(NotesMarkupPainter::kUnderlineHeight);
        break;
    case kNotesTextStrikethroughAttrBoss:
        painter.Line(NotesMarkupPainter::kStrikeHeight);
        break;
    case kNotesTextSquigglyAttrBoss:
        painter.Zigzag();
        break;
    case kNotesTextCaretAttrBoss:
        painter.Caret(run.GetX());
        break;
    case kNotesTextCaretLastAttrBoss:
        painter.Caret(right);
        break;
    case kNotesTextRedactionAttrBoss:
        painter.Line(NotesMarkupPainter::kStrikeHeight);
        // The last piece of the replaced text marks where the replacement goes.
        if (NotesTextMarkupClasses::ValueOf(attributeStrand->GetAttributes(run.GetTextRange().End()),
                                            fAttributeClass) != annotation)
            painter.Caret(right);
        break;
    default:
        break;
    }
}

void NotesTextAdornmentBase::Draw(GraphicsData* graphicsData, const UIDRef& story, const WaxLine& line,
                                  const WaxRun& run, int32 drawFlags) {
    if (drawFlags & IShape::kDrawFlagsForOutput)
        return; // never printed or exported
    IGraphicsPort* port = graphicsData ? graphicsData->GetGraphicsPort() : nullptr;
    InterfacePtr<IAttributeStrand> attributeStrand(story, IID_IATTRIBUTESTRAND);
    if (!NOTES_CHECK_NIL(port) || !NOTES_CHECK_NIL(attributeStrand))
        return;
    const NotesMarkupPainter painter(
        port, {run.GetX(), run.GetWidth(), line.GetTopFromBaseline(), line.GetLineHeight()});
    port->setlinewidth(1.0);
    if (fAttributeClass == kNotesTextMarkupAttrBoss) {
        port->setrgbcolor(kEmphasisGrey, kEmphasisGrey, kEmphasisGrey);
        painter.Emphasis();
        return;
    }
    const UID annotation = AnnotationOf(attributeStrand, run.GetTextRange().Start());
    if (annotation == kInvalidUID || !SetColor(port, UIDRef(story.GetDataBase(), annotation)))
        return;
    DrawKind(painter, attributeStrand, run, annotation);
}
