#include "host/text/TextComposition.h"

#include <algorithm>

int32 TextComposition::FindParcel(ParcelKey key) const {
    const auto found = fParcelIndex.find(key);
    return found == fParcelIndex.end() ? -1 : found->second;
}

RangeData TextComposition::GetParcelTextRange(int32 n) const {
    return n >= 0 && n < CountParcels() ? fParcelRanges[static_cast<size_t>(n)] : RangeData();
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
    fParcelRanges.clear();
    fParcelIndex.clear();
    for (size_t n = 0; n < parcels.size(); ++n)
        fParcelIndex.emplace(parcels[n].key, static_cast<int32>(n));
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
    // An empty parcel stands where the text after the lines before it would go on.
    TextIndex end = fRangeStart;
    for (int32 n = 0; n < CountParcels(); ++n) {
        if (CountLines(n) > 0) {
            const TextIndex start = GetLine(n, 0).GetTextRange().Start();
            end = GetLine(n, CountLines(n) - 1).GetTextRange().End();
            fParcelRanges.emplace_back(start, end);
        } else {
            fParcelRanges.emplace_back(end, end);
        }
    }
}
