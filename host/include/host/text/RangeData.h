// RangeData: a range of text indices [start, end) with a lean: on an empty range (an insertion
// point) the lean says whether it belongs to the character on its left (kLeanBack) or right.
#pragma once

#include <algorithm>

#include "host/text/TextTypes.h"

class RangeData {
public:
    enum Lean { kLeanForward = 0, kLeanBack = 1 };

    RangeData() = default;
    // The ends are put in order, so start <= end always holds.
    RangeData(TextIndex start, TextIndex end, Lean lean = kLeanForward)
        : fStart(std::min(start, end)), fEnd(std::max(start, end)), fLean(lean) {}

    // The optional lean argument mirrors the host call form Start(nil).
    TextIndex Start(Lean* lean = nullptr) const {
        if (lean)
            *lean = fLean;
        return fStart;
    }
    TextIndex End() const { return fEnd; }
    int32 Length() const { return fEnd - fStart; }
    Lean GetLean() const { return fLean; }
    bool IsEmpty() const { return fStart == fEnd; }
    bool Contains(TextIndex index) const { return index >= fStart && index < fEnd; }
    bool operator==(const RangeData& o) const {
        return fStart == o.fStart && fEnd == o.fEnd && fLean == o.fLean;
    }
    bool operator!=(const RangeData& o) const { return !(*this == o); }

private:
    TextIndex fStart = 0;
    TextIndex fEnd = 0;
    Lean fLean = kLeanForward;
};
