// NotesTextAttrReport: what one of the plug-in's character attributes tells the composer. While
// the attribute names an annotation (its UID value is valid) it attaches its kind's adornment
// under its key class; the two caret attributes share the caret's key, so a character shows one
// caret or the other, never both. The attribute changes only drawing, and a copy of its text
// keeps it only with the owned item it names (copy behaviour 2).
#pragma once

#include "NotesID.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/text/IAttrReport.h"

class NotesTextAttrReportBase : public CPMUnknown<IAttrReport> {
public:
    NotesTextAttrReportBase(IPMUnknown* boss, ClassID attributeClass, ClassID keyClass)
        : CPMUnknown<IAttrReport>(boss), fKeyClass(keyClass), fAdornmentClass(attributeClass + 1),
          fDescriptionKey(DescriptionKeyOf(attributeClass)) {}
    bool16 IsParagraphAttribute() const override { return kFalse; }
    int32 GetDrawingImpact() const override { return 1; }
    int32 GetShapingImpact() const override { return 0; }
    int32 GetLineBreakImpact() const override { return 0; }
    int32 GetCopyBehavior() const override { return 2; }
    void TellComposition(const IPMUnknown* attribute, IDrawingStyle* drawingStyle) const override;
    void Describe(const IPMUnknown* attribute, PMString* into) const override;

private:
    static const char* DescriptionKeyOf(ClassID attributeClass);

    ClassID fKeyClass;
    ClassID fAdornmentClass;
    const char* fDescriptionKey;
};

// One report per attribute class; the adornment class is the attribute class + 1.
template <ClassID AttributeClass, ClassID KeyClass = AttributeClass>
class NotesTextAttrReport final : public NotesTextAttrReportBase {
public:
    explicit NotesTextAttrReport(IPMUnknown* boss)
        : NotesTextAttrReportBase(boss, AttributeClass, KeyClass) {}
};

using NotesTextHighlightAttrReport = NotesTextAttrReport<kNotesTextHighlightAttrBoss>;
using NotesTextUnderlineAttrReport = NotesTextAttrReport<kNotesTextUnderlineAttrBoss>;
using NotesTextSquigglyAttrReport = NotesTextAttrReport<kNotesTextSquigglyAttrBoss>;
using NotesTextStrikethroughAttrReport = NotesTextAttrReport<kNotesTextStrikethroughAttrBoss>;
using NotesTextCaretAttrReport = NotesTextAttrReport<kNotesTextCaretAttrBoss>;
using NotesTextCaretLastAttrReport =
    NotesTextAttrReport<kNotesTextCaretLastAttrBoss, kNotesTextCaretAttrBoss>;
using NotesTextRedactionAttrReport = NotesTextAttrReport<kNotesTextRedactionAttrBoss>;
using NotesTextMarkupAttrReport = NotesTextAttrReport<kNotesTextMarkupAttrBoss>;
