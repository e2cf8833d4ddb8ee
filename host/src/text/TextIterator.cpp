#include "host/text/TextIterator.h"

#include <algorithm>

#include "host/text/ITextModel.h"

TextIterator::TextIterator(const ITextModel* model, TextIndex position)
    : fStrand(static_cast<const IPMUnknown*>(model), IID_ITEXTSTRAND), fPosition(position) {
    if (fStrand)
        fPosition = std::clamp<TextIndex>(position, 0, fStrand->GetLength());
}

bool TextIterator::IsAtEnd() const {
    return !fStrand || fPosition >= fStrand->GetLength();
}

int32 TextIterator::CharLength() const {
    if (IsAtEnd())
        return 0;
    return IsHighSurrogate(fStrand->GetChar(fPosition)) && IsLowSurrogate(fStrand->GetChar(fPosition + 1))
               ? 2
               : 1;
}

UTF32TextChar TextIterator::operator*() const {
    if (IsAtEnd())
        return 0;
    const UTF16TextChar unit = fStrand->GetChar(fPosition);
    if (CharLength() == 1)
        return unit;
    const UTF16TextChar low = fStrand->GetChar(fPosition + 1);
    return 0x10000 + ((static_cast<UTF32TextChar>(unit) - 0xD800) << 10) + (low - 0xDC00);
}

TextIterator& TextIterator::operator++() {
    fPosition += CharLength();
    return *this;
}

TextIterator& TextIterator::operator--() {
    if (!fStrand || fPosition <= 0)
        return *this;
    --fPosition;
    if (fPosition > 0 && IsLowSurrogate(fStrand->GetChar(fPosition)) &&
        IsHighSurrogate(fStrand->GetChar(fPosition - 1)))
        --fPosition;
    return *this;
}

void TextIterator::AppendToStringAndIncrement(WideString* out, int32 count) {
    if (!fStrand || count <= 0)
        return;
    const WideString text = fStrand->GetText(fPosition, count);
    out->Append(text);
    fPosition += text.Length();
}
