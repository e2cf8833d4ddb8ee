#include "NotesTextMarkupClasses.h"

#include "host/objectmodel/Boss.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/ITextAttrUID.h"

namespace {
using A = INotesAnnotation;

struct Kind {
    A::NotesAnnotationType type;
    ClassID endMarker;
    ClassID attribute;
};

constexpr Kind kKinds[] = {
    {A::kHighlightAnnotation, kNotesHighlightEndTextMarkerBoss, kNotesTextHighlightAttrBoss},
    {A::kStrikethroughAnnotation, kNotesStrikethroughEndTextMarkerBoss, kNotesTextStrikethroughAttrBoss},
    {A::kUnderlineAnnotation, kNotesUnderlineEndTextMarkerBoss, kNotesTextUnderlineAttrBoss},
    {A::kSquigglyAnnotation, kNotesSquigglyEndTextMarkerBoss, kNotesTextSquigglyAttrBoss},
    {A::kRedactionAnnotation, kNotesRedactionEndTextMarkerBoss, kNotesTextRedactionAttrBoss},
    {A::kCaretAnnotation, kNotesCaretEndTextMarkerBoss, kNotesTextCaretAttrBoss},
};

const Kind* KindOf(A::NotesAnnotationType type) {
    for (const Kind& kind : kKinds)
        if (kind.type == type)
            return &kind;
    return nullptr;
}
} // namespace

ClassID NotesTextMarkupClasses::EndMarkerClassOf(Type type) {
    const Kind* kind = KindOf(type);
    return kind ? kind->endMarker : kInvalidClass;
}

ClassID NotesTextMarkupClasses::StartMarkerClassOf(Type type) {
    const Kind* kind = KindOf(type);
    return kind ? kind->endMarker - 1 : kInvalidClass;
}

ClassID NotesTextMarkupClasses::AttributeClassOf(Type type, bool caretLast) {
    if (type == A::kCaretAnnotation && caretLast)
        return kNotesTextCaretLastAttrBoss;
    const Kind* kind = KindOf(type);
    return kind ? kind->attribute : kInvalidClass;
}

ClassID NotesTextMarkupClasses::AdornmentClassOf(ClassID attributeClass) {
    return attributeClass == kInvalidClass ? kInvalidClass : attributeClass + 1;
}

bool NotesTextMarkupClasses::IsEndMarkerClass(ClassID itemClass) {
    for (const Kind& kind : kKinds)
        if (kind.endMarker == itemClass)
            return true;
    return false;
}

bool NotesTextMarkupClasses::IsStartMarkerClass(ClassID itemClass) {
    return itemClass != kInvalidClass && IsEndMarkerClass(itemClass + 1);
}

NotesTextMarkupClasses::Type NotesTextMarkupClasses::TypeOfMarkerClass(ClassID itemClass) {
    for (const Kind& kind : kKinds)
        if (kind.endMarker == itemClass || kind.endMarker - 1 == itemClass)
            return kind.type;
    return A::kUnknownAnnotation;
}

UID NotesTextMarkupClasses::ValueOf(const AttributeBossList& attributes, ClassID attributeClass) {
    for (int32 n = 0; n < attributes.CountBosses(); ++n) {
        InterfacePtr<ITextAttrUID> value(
            ObjectModel::CheckedCast<ITextAttrUID>(attributes.QueryBossN(n, IID_ITEXTATTRUID)));
        if (value && Boss::FromUnknown(value.get())->GetClass() == attributeClass)
            return value->Get();
    }
    return kInvalidUID;
}
