// WaxLine: one composed line: the text it shows, its parcel, its vertical place (line top,
// baseline and height in the parcel's inner coordinates; the line top lies the font's ascent
// above the baseline) and its runs from left to right.
#pragma once

#include <vector>

#include "host/text/WaxRun.h"

class WaxLine {
public:
    WaxLine(RangeData text, int32 parcelIndex, PMReal lineTop, PMReal ascent, PMReal height)
        : fText(text), fParcelIndex(parcelIndex), fTop(lineTop), fAscent(ascent), fHeight(height) {}

    RangeData GetTextRange() const { return fText; }
    int32 GetParcelIndex() const { return fParcelIndex; }
    PMReal GetLineTop() const { return fTop; }
    PMReal GetBaseline() const { return fTop + fAscent; }
    PMReal GetLineHeight() const { return fHeight; }
    // The line's top relative to its baseline (negative).
    PMReal GetTopFromBaseline() const { return -fAscent; }
    PMReal GetXLeft() const { return fRuns.empty() ? 0.0 : fRuns.front().GetX(); }
    PMReal GetXRight() const { return fRuns.empty() ? 0.0 : fRuns.back().GetX() + fRuns.back().GetWidth(); }
    const std::vector<WaxRun>& GetRuns() const { return fRuns; }
    bool ContainsY(PMReal y) const { return y >= fTop && y < fTop + fHeight; }
    // The real-valued text position at x on this line: before the first glyph its start, after
    // the last glyph the end of its last visible character.
    PMReal TextPositionAt(PMReal x) const;

    // Composer use.
    void AddRun(WaxRun run) { fRuns.push_back(std::move(run)); }
    void SetVisibleEnd(TextIndex end) { fVisibleEnd = end; }
    void ShiftText(int32 delta);

private:
    RangeData fText;
    int32 fParcelIndex;
    PMReal fTop;
    PMReal fAscent;
    PMReal fHeight;
    TextIndex fVisibleEnd = 0;
    std::vector<WaxRun> fRuns;
};
