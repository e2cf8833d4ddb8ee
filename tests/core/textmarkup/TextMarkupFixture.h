// A document with one story in a frame on page 1, a second story, a table story and an overset
// story, and helpers that make text markups over given characters the way the import does
// (markers made, record saved, then anchored by the set-text-markup command).
#pragma once

#include <string>

#include "../fixtures/CoreFixture.h"
#include "INotesAnnotation.h"
#include "host/commands/ICommand.h"
#include "host/text/RangeData.h"

namespace TextMarkupFixture {
// Texts of the stories; the story "s" holds kBody.
inline constexpr const char16_t* kBody = u"The quick brown fox jumps over the lazy dog";

class MarkupDocument {
public:
    MarkupDocument();
    ~MarkupDocument();
    MarkupDocument(const MarkupDocument&) = delete;
    MarkupDocument& operator=(const MarkupDocument&) = delete;

    IDataBase* DB() const { return fDataBase; }
    IDocument* Document() const { return fDocument; }
    UIDRef Doc() const;
    // Stories by layout id: "s" (body, frame on page 1), "t" (with a 2 x 1 table), "o" (overset).
    UID Story(const std::string& id) const;
    std::u16string Text(UID story) const;
    TextIndex Find(UID story, const std::u16string& word) const;

    // Makes and anchors a markup of type over range of story; the end marker, or kInvalidUID
    // when the set pass did not anchor it.
    UID Mark(UID story, RangeData range, INotesAnnotation::NotesAnnotationType type,
             const std::string& content = "note");
    // The same in any document, with the swatch given.
    static UID MarkIn(IDataBase* db, UID story, RangeData range, INotesAnnotation::NotesAnnotationType type,
                      const std::string& content, UID swatch);
    // The marked text of a markup now ("" when not anchored).
    std::u16string Marked(UID annotation) const;
    // The value of an attribute class at a character (kInvalidUID when it has none).
    UID AttributeAt(UID story, TextIndex at, ClassID attributeClass) const;
    // Processes a command made by ITextModelCmds (taking over its reference).
    static ErrorCode Process(ICommand* cmd);
    UID SwatchFor(INotesAnnotation::NotesAnnotationType type) const;

private:
    IDocument* fDocument = nullptr;
    IDataBase* fDataBase = nullptr;
};
} // namespace TextMarkupFixture
