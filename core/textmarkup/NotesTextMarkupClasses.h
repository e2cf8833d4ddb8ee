// NotesTextMarkupClasses: the classes that make up each kind of text markup: the start and end
// marker classes anchored in the text, and the character attribute class that marks the run.
// The start marker's class is always the end marker's minus 1 and the adornment class the
// attribute's plus 1; a type that is not a text markup maps to kInvalidClass everywhere.
#pragma once

#include "INotesAnnotation.h"
#include "host/text/AttributeBossList.h"

class NotesTextMarkupClasses {
public:
    using Type = INotesAnnotation::NotesAnnotationType;

    static ClassID EndMarkerClassOf(Type type);
    static ClassID StartMarkerClassOf(Type type);
    // The attribute class of the type; a caret before a paragraph return has its own.
    static ClassID AttributeClassOf(Type type, bool caretLast = false);
    // The adornment the composer attaches for an attribute class.
    static ClassID AdornmentClassOf(ClassID attributeClass);

    static bool IsEndMarkerClass(ClassID itemClass);
    static bool IsStartMarkerClass(ClassID itemClass);
    static bool IsMarkerClass(ClassID itemClass) {
        return IsEndMarkerClass(itemClass) || IsStartMarkerClass(itemClass);
    }
    // The text-markup type whose end or start marker class this is, kUnknownAnnotation otherwise.
    static Type TypeOfMarkerClass(ClassID itemClass);
    // The UID value of the list's attribute of a class (the annotation a marked character belongs
    // to), kInvalidUID when the list has none.
    static UID ValueOf(const AttributeBossList& attributes, ClassID attributeClass);
};
