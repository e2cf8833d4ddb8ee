// NotesTextAdornment: draws one kind of text markup under or over a composed run of its text, in
// the colour of the annotation's swatch: the highlight band beneath the glyphs, the underline,
// strike line, zigzag, carets and redaction mark above them, and the grey selection emphasis
// beneath everything. Markups are screen only: printing and export never draw them. The
// adornment keeps no state; the annotation is the one the run's attribute names.
#pragma once

#include "NotesID.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/text/ITextAdornment.h"

class IAttributeStrand;
class IGraphicsPort;
class NotesMarkupPainter;

class NotesTextAdornmentBase : public CPMUnknown<ITextAdornment> {
public:
    NotesTextAdornmentBase(IPMUnknown* boss, ClassID attributeClass)
        : CPMUnknown<ITextAdornment>(boss), fAttributeClass(attributeClass) {}
    PMReal GetDrawPriority() const override;
    void Draw(GraphicsData* graphicsData, const UIDRef& story, const WaxLine& line, const WaxRun& run,
              int32 drawFlags) override;
    void Invalidate(const UIDRef&, RangeData) override {}
    int32 GetAdornmentFlags() const override { return kScreenOnly; }

private:
    // The annotation the run's attribute names, or kInvalidUID (logged).
    UID AnnotationOf(const IAttributeStrand* attributeStrand, TextIndex at) const;
    // Sets the port's colour from the annotation's swatch; false (logged) without one.
    static bool SetColor(IGraphicsPort* port, const UIDRef& annotation);
    void DrawKind(const NotesMarkupPainter& painter, const IAttributeStrand* attributeStrand,
                  const WaxRun& run, UID annotation) const;

    ClassID fAttributeClass;
};

// One adornment per attribute class (the adornment's class is the attribute class + 1).
template <ClassID AttributeClass> class NotesTextAdornment final : public NotesTextAdornmentBase {
public:
    explicit NotesTextAdornment(IPMUnknown* boss) : NotesTextAdornmentBase(boss, AttributeClass) {}
};

using NotesTextHighlightAdornment = NotesTextAdornment<kNotesTextHighlightAttrBoss>;
using NotesTextUnderlineAdornment = NotesTextAdornment<kNotesTextUnderlineAttrBoss>;
using NotesTextSquigglyAdornment = NotesTextAdornment<kNotesTextSquigglyAttrBoss>;
using NotesTextStrikethroughAdornment = NotesTextAdornment<kNotesTextStrikethroughAttrBoss>;
using NotesTextCaretAdornment = NotesTextAdornment<kNotesTextCaretAttrBoss>;
using NotesTextCaretLastAdornment = NotesTextAdornment<kNotesTextCaretLastAttrBoss>;
using NotesTextRedactionAdornment = NotesTextAdornment<kNotesTextRedactionAttrBoss>;
using NotesTextMarkupAdornment = NotesTextAdornment<kNotesTextMarkupAttrBoss>;
