#include "NotesTextAttrReport.h"

#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IDrawingStyle.h"
#include "host/text/ITextAttrUID.h"
#include "host/util/PMString.h"
#include "NotesFailureLog.h"

void NotesTextAttrReportBase::TellComposition(const IPMUnknown* attribute,
                                              IDrawingStyle* drawingStyle) const {
    InterfacePtr<ITextAttrUID> textAttrUID(attribute, IID_ITEXTATTRUID);
    if (!NOTES_CHECK_NIL(drawingStyle) || !NOTES_CHECK_NIL(textAttrUID))
        return;
    drawingStyle->SetTextAdornment(fKeyClass,
                                   textAttrUID->Get() != kInvalidUID ? fAdornmentClass : kInvalidClass);
}

void NotesTextAttrReportBase::Describe(const IPMUnknown*, PMString* into) const {
    if (!NOTES_CHECK_NIL(into))
        return;
    into->Append(PMString(fDescriptionKey, PMString::kTranslateDuringCall));
}

const char* NotesTextAttrReportBase::DescriptionKeyOf(ClassID attributeClass) {
    switch (attributeClass) {
    case kNotesTextHighlightAttrBoss:
        return NOTES_KEY(kNotesTextHighlightAttributeDescriptionKey);
    case kNotesTextUnderlineAttrBoss:
        return NOTES_KEY(kNotesTextUnderlineAttributeDescriptionKey);
    case kNotesTextSquigglyAttrBoss:
        return NOTES_KEY(kNotesTextSquigglyAttributeDescriptionKey);
    case kNotesTextStrikethroughAttrBoss:
        return NOTES_KEY(kNotesTextStrikethroughAttributeDescriptionKey);
    case kNotesTextRedactionAttrBoss:
        return NOTES_KEY(kNotesTextRedactionAttributeDescriptionKey);
    case kNotesTextMarkupAttrBoss:
        return NOTES_KEY(kNotesTextMarkupAttributeDescriptionKey);
    default: // both carets
        return NOTES_KEY(kNotesTextCaretAttributeDescriptionKey);
    }
}
