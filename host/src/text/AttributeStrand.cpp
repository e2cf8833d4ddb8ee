// AttributeStrand: runs of attribute lists, each starting where the previous one ends; neighbours
// always differ (equal neighbours are merged after every change).
#include <algorithm>

#include "../database/CountedList.h"
#include "ChangeStamp.h"
#include "TextImplementations.h"
#include "host/database/IPMStream.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/IAttributeStrand.h"

namespace {
class AttributeStrand final : public CPMUnknown<IAttributeStrand> {
public:
    explicit AttributeStrand(IPMUnknown* boss) : CPMUnknown<IAttributeStrand>(boss) {}

    AttributeBossList GetAttributes(TextIndex index) const override {
        return Inside(index) ? fRuns[RunAt(index)].attributes : AttributeBossList();
    }
    RangeData GetRunRange(TextIndex index) const override {
        if (!Inside(index))
            return RangeData(index, index);
        const size_t run = RunAt(index);
        return RangeData(fRuns[run].start, RunEnd(run));
    }
    RangeData GetAttributeRange(TextIndex index, ClassID attributeClass) const override;
    std::vector<TextIndex> GetChangePositions(RangeData range) const override;
    int32 CountRuns() const override { return static_cast<int32>(fRuns.size()); }
    std::vector<AttributeRun> CopyRuns(RangeData range) const override;
    uint64 GetChangeCount() const override { return fStamp; }

    void InsertRuns(TextIndex at, const std::vector<AttributeRun>& runs) override;
    void Remove(TextIndex at, int32 length) override;
    void Apply(RangeData range, const AttributeBossList& attributes) override {
        Change(range, [&](AttributeBossList& list) { list.ApplyAttributes(attributes); });
    }
    void Clear(RangeData range, ClassID attributeClass) override {
        Change(range, [&](AttributeBossList& list) { list.ClearAttribute(attributeClass); });
    }
    void ReadWrite(IPMStream* stream, ImplementationID) override;

private:
    struct Run {
        TextIndex start = 0;
        AttributeBossList attributes;
    };

    bool Inside(TextIndex index) const { return index >= 0 && index < fLength; }
    // Whether the runs start at 0 and then at ascending indices inside the text, as every look-up
    // by index assumes; a damaged file's runs may start anywhere.
    bool RunsCoverTheText() const {
        for (size_t run = 0; run < fRuns.size(); ++run)
            if (run == 0 ? fRuns[run].start != 0
                         : fRuns[run].start <= fRuns[run - 1].start || fRuns[run].start >= fLength)
                return false;
        return true;
    }
    TextIndex RunEnd(size_t run) const { return run + 1 < fRuns.size() ? fRuns[run + 1].start : fLength; }
    size_t RunAt(TextIndex index) const {
        const auto after = std::upper_bound(fRuns.begin(), fRuns.end(), index,
                                            [](TextIndex i, const Run& r) { return i < r.start; });
        return static_cast<size_t>(after - fRuns.begin()) - 1;
    }
    // The first run starting at or after index.
    size_t FirstRunFrom(TextIndex index) const {
        const auto at = std::lower_bound(fRuns.begin(), fRuns.end(), index,
                                         [](const Run& r, TextIndex i) { return r.start < i; });
        return static_cast<size_t>(at - fRuns.begin());
    }
    void SplitAt(TextIndex position);
    void ShiftFrom(size_t run, int32 delta) {
        for (size_t i = run; i < fRuns.size(); ++i)
            fRuns[i].start += delta;
    }
    // Merges equal neighbours among the pairs (run - 1, run) for run from..to, the only ones a
    // change there can have made equal; the rest of the strand is left unwalked.
    void MergeAround(size_t from, size_t to);
    template <class Edit> void Change(RangeData range, Edit edit);

    std::vector<Run> fRuns;
    int32 fLength = 0;
    uint64 fStamp = ChangeStamp::Next();
};

RangeData AttributeStrand::GetAttributeRange(TextIndex index, ClassID attributeClass) const {
    if (!Inside(index) || !fRuns[RunAt(index)].attributes.ContainsAttribute(attributeClass))
        return RangeData(index, index);
    const size_t run = RunAt(index);
    const AttributeBossList& here = fRuns[run].attributes;
    size_t first = run;
    while (first > 0 && fRuns[first - 1].attributes.HasSameAttribute(here, attributeClass))
        --first;
    size_t last = run;
    while (last + 1 < fRuns.size() && fRuns[last + 1].attributes.HasSameAttribute(here, attributeClass))
        ++last;
    return RangeData(fRuns[first].start, RunEnd(last));
}

std::vector<TextIndex> AttributeStrand::GetChangePositions(RangeData range) const {
    std::vector<TextIndex> positions;
    for (size_t run = FirstRunFrom(range.Start() + 1); run < fRuns.size() && fRuns[run].start < range.End();
         ++run)
        positions.push_back(fRuns[run].start);
    return positions;
}

std::vector<AttributeRun> AttributeStrand::CopyRuns(RangeData range) const {
    std::vector<AttributeRun> runs;
    const TextIndex from = std::max<TextIndex>(range.Start(), 0);
    const TextIndex to = std::min<TextIndex>(range.End(), fLength);
    for (TextIndex at = from; at < to;) {
        const size_t run = RunAt(at);
        const TextIndex end = std::min(RunEnd(run), to);
        runs.push_back(AttributeRun{end - at, fRuns[run].attributes});
        at = end;
    }
    return runs;
}

void AttributeStrand::SplitAt(TextIndex position) {
    if (!Inside(position) || position == 0)
        return;
    const size_t run = RunAt(position);
    if (fRuns[run].start != position)
        fRuns.insert(fRuns.begin() + static_cast<std::ptrdiff_t>(run) + 1,
                     Run{position, fRuns[run].attributes});
}

void AttributeStrand::MergeAround(size_t from, size_t to) {
    if (fRuns.empty())
        return;
    from = std::max<size_t>(from, 1);
    to = std::min(to, fRuns.size() - 1);
    if (from > to)
        return;
    size_t kept = from;
    for (size_t run = from; run <= to; ++run) {
        if (fRuns[run].attributes == fRuns[kept - 1].attributes)
            continue;
        if (kept != run)
            fRuns[kept] = std::move(fRuns[run]);
        ++kept;
    }
    fRuns.erase(fRuns.begin() + static_cast<std::ptrdiff_t>(kept),
                fRuns.begin() + static_cast<std::ptrdiff_t>(to) + 1);
}

void AttributeStrand::InsertRuns(TextIndex at, const std::vector<AttributeRun>& runs) {
    PreDirty();
    fStamp = ChangeStamp::Next();
    SplitAt(at);
    const size_t first = FirstRunFrom(at);
    std::vector<Run> added;
    int32 total = 0;
    for (const AttributeRun& run : runs) {
        if (run.length <= 0)
            continue;
        added.push_back(Run{at + total, run.attributes});
        total += run.length;
    }
    ShiftFrom(first, total);
    fRuns.insert(fRuns.begin() + static_cast<std::ptrdiff_t>(first), added.begin(), added.end());
    fLength += total;
    MergeAround(first, first + added.size());
}

void AttributeStrand::Remove(TextIndex at, int32 length) {
    if (length <= 0)
        return;
    PreDirty();
    fStamp = ChangeStamp::Next();
    SplitAt(at);
    SplitAt(at + length);
    const size_t first = FirstRunFrom(at);
    const size_t end = FirstRunFrom(at + length);
    fRuns.erase(fRuns.begin() + static_cast<std::ptrdiff_t>(first),
                fRuns.begin() + static_cast<std::ptrdiff_t>(end));
    ShiftFrom(first, -length);
    fLength -= length;
    MergeAround(first, first);
}

template <class Edit> void AttributeStrand::Change(RangeData range, Edit edit) {
    const TextIndex from = std::max<TextIndex>(range.Start(), 0);
    const TextIndex to = std::min<TextIndex>(range.End(), fLength);
    if (to <= from)
        return;
    PreDirty();
    fStamp = ChangeStamp::Next();
    SplitAt(from);
    SplitAt(to);
    const size_t first = FirstRunFrom(from);
    size_t end = first;
    for (; end < fRuns.size() && fRuns[end].start < to; ++end)
        edit(fRuns[end].attributes);
    MergeAround(first, end);
}

void AttributeStrand::ReadWrite(IPMStream* stream, ImplementationID) {
    stream->XferInt32(fLength);
    if (stream->IsReading())
        fStamp = ChangeStamp::Next();
    CountedList::Xfer(stream, fRuns, [](IPMStream* s, Run& run) {
        s->XferInt32(run.start);
        run.attributes.ReadWrite(s);
    });
    if (stream->IsReading() &&
        (!stream->IsGood() || fLength < 0 || (fRuns.empty() && fLength > 0) || !RunsCoverTheText())) {
        // Damaged data: keep the length, with no attributes.
        fLength = std::max<int32>(fLength, 0);
        fRuns.assign(fLength > 0 ? 1 : 0, Run{});
    }
}
} // namespace

ImplementationDeclaration MakeAttributeStrandImplementation(ImplementationID id) {
    return IMPLEMENTATION(AttributeStrand, id, true);
}
