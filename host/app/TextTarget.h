// TextTarget: the text a verb names by --story UID --range START:END, and the text-markup kinds a
// verb names by word (highlight, underline, squiggly, strikeout, caret, replace).
#pragma once

#include <cstdint>
#include <string>

class IDocument;

class TextTarget {
public:
    // START:END as two text indices; false for anything else.
    static bool ParseRange(const std::string& text, int32_t* start, int32_t* end);
    // Empty when the story id names a story of the document and the range lies in its text; else
    // the sentence that says why not.
    static std::string Check(IDocument* document, const std::string& documentName, int64_t story,
                             const std::string& rangeText, int32_t start, int32_t end);
    // The annotation type of a kind's word; false for a word that names no text-markup kind.
    static bool KindOf(const std::string& word, int32_t* type);
    // The kinds' words as a refusal lists them.
    static const char* const kKindWords;
};
