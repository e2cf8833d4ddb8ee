// TextIterator: walks a story's characters by code point. A surrogate pair is one character of
// two code units; an unpaired surrogate is a character of its own. Moving past either end stops
// there; dereferencing at the end answers 0.
#pragma once

#include "host/objectmodel/InterfacePtr.h"
#include "host/text/ITextStrand.h"

class ITextModel;

class TextIterator {
public:
    TextIterator() = default;
    TextIterator(const ITextModel* model, TextIndex position);

    bool IsNull() const { return fStrand == nullptr; }
    TextIndex Position() const { return fPosition; }
    bool IsAtEnd() const;
    // The code point at the position.
    UTF32TextChar operator*() const;
    // Code units of the character at the position (1 or 2; 0 at the end).
    int32 CharLength() const;
    TextIterator& operator++();
    TextIterator& operator--();
    // Appends the code units of [position, position + count) to out and moves past them.
    void AppendToStringAndIncrement(WideString* out, int32 count);

    bool operator==(const TextIterator& o) const { return fStrand == o.fStrand && fPosition == o.fPosition; }
    bool operator!=(const TextIterator& o) const { return !(*this == o); }

private:
    InterfacePtr<ITextStrand> fStrand;
    TextIndex fPosition = 0;
};
