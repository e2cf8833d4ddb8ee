#include "host/text/TextComposition.h"

#include <algorithm>

int32 TextComposition::FindParcel(ParcelKey key) const {
    const auto found =
        std::find_if(fParcels.begin(), fParcels.end(), [&](const Parcel& p) { return p.key == key; });
    return found == fParcels.end() ? -1 : static_cast<int32>(found - fParcels.begin());
}

RangeData TextComposition::GetParcelTextRange(int32 n) const {
    if (n < 0 || n >= CountParcels())
        return RangeData();
    if (CountLines(n) > 0)
        return RangeData(GetLine(n, 0).GetTextRange().Start(),
                         GetLine(n, CountLines(n) - 1).GetTextRange().End());
    // An empty parcel stands where the text after the lines before it would go on.
    for (int32 before = n - 1; before >= 0; --before)
        if (CountLines(before) > 0) {
            const TextIndex end = GetLine(before, CountLines(before) - 1).GetTextRange().End();
            return RangeData(end, end);
        }
    return RangeData(fRangeStart, fRangeStart);
}

int32 TextComposition::FindLineAt(TextIndex index) const {
    // Lines are in text order: the last one starting at or before index is the candidate.
    const auto after =
        std::upper_bound(fLines.begin(), fLines.end(), index,
                         [](TextIndex i, const WaxLine* line) { return i < line->GetTextRange().Start(); });
    if (after == fLines.begin() || !(*(after - 1))->GetTextRange().Contains(index))
        return -1;
    return static_cast<int32>(after - fLines.begin()) - 1;
}

int32 TextComposition::CountLines(int32 parcel) const {
    if (parcel < 0 || parcel >= CountParcels())
        return 0;
    return fFirstLine[static_cast<size_t>(parcel) + 1] - fFirstLine[static_cast<size_t>(parcel)];
}

const WaxLine& TextComposition::GetLine(int32 parcel, int32 n) const {
    return *fLines[static_cast<size_t>(fFirstLine[static_cast<size_t>(parcel)] + n)];
}

PMReal TextComposition::TextPositionAt(int32 parcel, const PMPoint& innerPoint) const {
    const int32 count = CountLines(parcel);
    for (int32 n = 0; n < count; ++n) {
        const WaxLine& line = GetLine(parcel, n);
        if (line.ContainsY(innerPoint.Y()))
            return line.TextPositionAt(innerPoint.X());
    }
    return -1.0;
}

PMReal TextComposition::TextPositionAtPasteboardPoint(int32 parcel, const PMPoint& pasteboardPoint) const {
    if (parcel < 0 || parcel >= CountParcels())
        return -1.0;
    PMMatrix toInner = GetParcel(parcel).innerToPasteboard;
    if (!toInner.Invert())
        return -1.0;
    return TextPositionAt(parcel, toInner.TransformPoint(pasteboardPoint));
}

void TextComposition::Reset(const std::vector<Parcel>& parcels, TextIndex rangeStart) {
    fParcels = parcels;
    fLines.clear();
    fFirstLine.assign(parcels.size() + 1, 0);
    fRangeStart = rangeStart;
    fOversetStart = -1;
    fStats = Stats();
}

void TextComposition::AddLine(const WaxLine* line) {
    fLines.push_back(line);
    ++fFirstLine[static_cast<size_t>(line->GetParcelIndex()) + 1]; // a count until Finish
}

void TextComposition::Finish() {
    for (size_t p = 1; p < fFirstLine.size(); ++p)
        fFirstLine[p] += fFirstLine[p - 1];
}
