// TextComposition: a range of a story composed into a sequence of parcels: the lines of each
// parcel, the text range each parcel shows, where overset text begins, and the text position at
// a point of a parcel. It stays valid until the story is composed again.
#pragma once

#include <unordered_map>
#include <vector>

#include "host/text/Parcel.h"
#include "host/text/WaxLine.h"

class TextComposition {
public:
    // How much work the composition that made this result did.
    struct Stats {
        int32 paragraphs = 0;
        int32 paragraphsShaped = 0;
        int32 paragraphsLaidOut = 0;
        int32 linesLaidOut = 0;
    };

    int32 CountParcels() const { return static_cast<int32>(fParcels.size()); }
    const Parcel& GetParcel(int32 n) const { return fParcels[static_cast<size_t>(n)]; }
    // The index of the parcel with a key, or -1.
    int32 FindParcel(ParcelKey key) const;
    // The text a parcel shows; an empty range at the text it would start with when it has none.
    RangeData GetParcelTextRange(int32 n) const;
    int32 CountLines(int32 parcel) const;
    const WaxLine& GetLine(int32 parcel, int32 n) const;
    int32 CountAllLines() const { return static_cast<int32>(fLines.size()); }
    const WaxLine& GetNthLine(int32 n) const { return *fLines[static_cast<size_t>(n)]; }
    // The line (for GetNthLine) whose text holds index, or -1 when no line shows it.
    int32 FindLineAt(TextIndex index) const;
    // The first index that found no room, or -1 when all of the range is placed.
    TextIndex GetOversetStart() const { return fOversetStart; }
    bool IsOverset() const { return fOversetStart >= 0; }
    // The real-valued text position at a point in a parcel's inner coordinates: the character's
    // index plus the fraction of it left of the point; -1 where no line of the parcel is.
    PMReal TextPositionAt(int32 parcel, const PMPoint& innerPoint) const;
    // The same for a point in pasteboard coordinates.
    PMReal TextPositionAtPasteboardPoint(int32 parcel, const PMPoint& pasteboardPoint) const;
    const Stats& GetStats() const { return fStats; }

    // Composer use: lines are added in text order; they belong to the composer's paragraphs.
    void Reset(const std::vector<Parcel>& parcels, TextIndex rangeStart);
    void AddLine(const WaxLine* line);
    // Called once every line is added.
    void Finish();
    void SetOversetStart(TextIndex start) { fOversetStart = start; }
    void SetStats(const Stats& stats) { fStats = stats; }

private:
    std::vector<Parcel> fParcels;
    std::vector<const WaxLine*> fLines;
    std::vector<int32> fFirstLine;                     // per parcel, then one past the end
    std::vector<RangeData> fParcelRanges;              // per parcel, made by Finish
    std::unordered_map<ParcelKey, int32> fParcelIndex; // each key's first parcel
    TextIndex fRangeStart = 0;
    TextIndex fOversetStart = -1;
    Stats fStats;
};
