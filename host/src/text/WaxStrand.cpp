// WaxStrand: the composer's memory of a story. Per flow it keeps each paragraph's shaping and
// lines keyed by a hash of its text, attribute boundaries and blocks (tables anchored in it); a
// new composition re-shapes only paragraphs whose key is new and lays out lines only where a
// paragraph would start elsewhere.
#include <algorithm>
#include <bit>
#include <map>
#include <memory>
#include <unordered_map>

#include "../document/Query.h"
#include "DefaultFont.h"
#include "ParagraphLayout.h"
#include "TextImplementations.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IAttributeStrand.h"
#include "host/text/IItemStrand.h"
#include "host/text/ITableModel.h"
#include "host/text/ITextStrand.h"
#include "host/text/IWaxStrand.h"

namespace {
struct ParagraphEntry {
    uint64 key = 0;     // of the text, the attribute boundaries and the tables: the lines' inputs
    uint64 textKey = 0; // of the text alone: what shaping depends on
    TextIndex start = 0;
    int32 length = 0;
    std::vector<int32> changes; // attribute boundaries, from the paragraph's start
    std::vector<LayoutBlock> blocks;
    std::shared_ptr<const ShapedParagraph> shaped;
    bool laidOut = false; // lines complete for the flow position begin
    FlowPosition begin;
    FlowPosition end;
    TextIndex linesStart = 0; // the paragraph's start when its lines were made
    std::vector<WaxLine> lines;
};

// A table of the flow: the index of its anchor character and its size.
struct FlowBlock {
    TextIndex at = 0;
    PMReal width = 0.0;
    PMReal height = 0.0;
    bool operator==(const FlowBlock& o) const = default;
};

struct Flow {
    bool composed = false;
    uint64 textStamp = 0;
    uint64 attributeStamp = 0;
    RangeData range;
    std::vector<FlowBlock> blocks;
    std::vector<Parcel> parcels;
    std::vector<ParagraphEntry> paragraphs;
    TextComposition composition;
};

constexpr uint64 kHashStart = 1469598103934665603ull; // FNV-1a

void Mix(uint64& hash, uint64 value) {
    hash ^= value;
    hash *= 1099511628211ull;
}

uint64 TextKey(const std::u16string& text, TextIndex start, TextIndex end) {
    uint64 hash = kHashStart;
    for (TextIndex i = start; i < end; ++i)
        Mix(hash, text[static_cast<size_t>(i)]);
    return hash;
}

uint64 Key(uint64 textKey, const std::vector<int32>& changes, const std::vector<LayoutBlock>& blocks) {
    uint64 hash = textKey;
    const auto mix = [&](uint64 value) { Mix(hash, value); };
    for (int32 change : changes)
        mix(0x100000000ull + static_cast<uint64>(change));
    for (const LayoutBlock& block : blocks) {
        mix(0x200000000ull + static_cast<uint64>(block.offset));
        mix(std::bit_cast<uint64>(block.width));
        mix(std::bit_cast<uint64>(block.height));
    }
    return hash;
}

// The paragraphs of range: each ends after a paragraph return, the last one at the range's end.
std::vector<ParagraphEntry> SplitParagraphs(const std::u16string& text, RangeData range,
                                            const std::vector<TextIndex>& changes,
                                            const std::vector<FlowBlock>& blocks) {
    std::vector<ParagraphEntry> paragraphs;
    auto change = changes.begin();
    auto block = blocks.begin();
    for (TextIndex start = range.Start(); start < range.End();) {
        const auto cr = std::find(text.begin() + start, text.begin() + range.End(), kTextChar_CR);
        const TextIndex end =
            cr == text.begin() + range.End() ? range.End() : static_cast<TextIndex>(cr - text.begin()) + 1;
        ParagraphEntry entry;
        entry.start = start;
        entry.length = end - start;
        for (; change != changes.end() && *change < end; ++change)
            if (*change > start)
                entry.changes.push_back(*change - start);
        for (; block != blocks.end() && block->at < end; ++block)
            if (block->at >= start)
                entry.blocks.push_back(LayoutBlock{block->at - start, block->width, block->height});
        entry.textKey = TextKey(text, start, end);
        entry.key = Key(entry.textKey, entry.changes, entry.blocks);
        paragraphs.push_back(std::move(entry));
        start = end;
    }
    return paragraphs;
}

bool IsCurrent(const Flow& flow, uint64 textStamp, uint64 attributeStamp, RangeData range,
               const std::vector<FlowBlock>& blocks, const std::vector<Parcel>& parcels) {
    return flow.composed && flow.textStamp == textStamp && flow.attributeStamp == attributeStamp &&
           flow.range == range && flow.blocks == blocks && flow.parcels == parcels;
}

bool SameParagraph(const ParagraphEntry& a, const ParagraphEntry& b) {
    return a.key == b.key && a.length == b.length;
}

// Gives paragraphs still without shaping the shaping of an old paragraph of the same text: shaping
// depends on the text alone, so a paragraph whose attributes changed (a markup applied) or that
// moved keeps it. One pass over each list.
void ReuseShaping(std::vector<ParagraphEntry>& old, std::vector<ParagraphEntry>& fresh) {
    std::unordered_map<uint64, std::shared_ptr<const ShapedParagraph>> byText;
    for (ParagraphEntry& entry : old)
        if (entry.shaped)
            byText.emplace(entry.textKey ^ static_cast<uint64>(entry.length), std::move(entry.shaped));
    for (ParagraphEntry& entry : fresh)
        if (!entry.shaped)
            if (auto found = byText.find(entry.textKey ^ static_cast<uint64>(entry.length));
                found != byText.end())
                entry.shaped = found->second; // shared: equal paragraphs shape alike
}

// Takes over shaping (and, when the parcels are the same, lines) from unchanged paragraphs at
// the start and at the end of the old list, then shaping from any other paragraph of the same text.
void Reuse(std::vector<ParagraphEntry>& old, std::vector<ParagraphEntry>& fresh, bool keepLines) {
    const auto take = [&](ParagraphEntry& from, ParagraphEntry& to) {
        to.shaped = std::move(from.shaped);
        if (!keepLines)
            return;
        to.laidOut = from.laidOut;
        to.begin = from.begin;
        to.end = from.end;
        to.linesStart = from.linesStart;
        to.lines = std::move(from.lines);
    };
    size_t head = 0;
    for (; head < old.size() && head < fresh.size() && SameParagraph(old[head], fresh[head]); ++head)
        take(old[head], fresh[head]);
    for (size_t tail = 1; tail <= old.size() - head && tail <= fresh.size() - head; ++tail) {
        ParagraphEntry& from = old[old.size() - tail];
        ParagraphEntry& to = fresh[fresh.size() - tail];
        if (!SameParagraph(from, to))
            break;
        take(from, to);
    }
    ReuseShaping(old, fresh);
}

class WaxStrand final : public CPMUnknown<IWaxStrand> {
public:
    explicit WaxStrand(IPMUnknown* boss) : CPMUnknown<IWaxStrand>(boss) {}

    const TextComposition& Compose(int32 threadKey, RangeData range,
                                   const std::vector<Parcel>& parcels) override;
    void Invalidate(int32 threadKey) override { fFlows.erase(threadKey); }

private:
    // The tables anchored in range, in text order.
    std::vector<FlowBlock> Blocks(const std::u16string& text, RangeData range) const;
    void Shape(const std::u16string& text, std::vector<ParagraphEntry>& paragraphs,
               TextComposition::Stats* stats);
    void LayOut(const std::u16string& text, const std::vector<Parcel>& parcels,
                std::vector<ParagraphEntry>& paragraphs, TextIndex* overset, TextComposition::Stats* stats);

    std::map<int32, Flow> fFlows;
};

std::vector<FlowBlock> WaxStrand::Blocks(const std::u16string& text, RangeData range) const {
    std::vector<FlowBlock> blocks;
    InterfacePtr<IItemStrand> items(this, IID_IITEMSTRAND);
    OwnedItemDataList anchors;
    if (!items || items->CollectOwnedItems(range, kTableAnchorBoss, &anchors) == 0)
        return blocks;
    for (const OwnedItemData& anchor : anchors) {
        if (text[static_cast<size_t>(anchor.fAt)] != kTextChar_Table ||
            (!blocks.empty() && blocks.back().at == anchor.fAt))
            continue;
        InterfacePtr<ITableModel> table = Query::Get<ITableModel>(GetBoss()->GetDataBase(), anchor.fUID);
        if (table)
            blocks.push_back(FlowBlock{anchor.fAt, table->GetTotalWidth(), table->GetTotalHeight()});
    }
    return blocks;
}

void WaxStrand::Shape(const std::u16string& text, std::vector<ParagraphEntry>& paragraphs,
                      TextComposition::Stats* stats) {
    for (ParagraphEntry& entry : paragraphs) {
        if (entry.shaped)
            continue;
        auto shaped = std::make_shared<ShapedParagraph>();
        DefaultFont::Instance().Shape(text, entry.start, entry.length, shaped.get());
        entry.shaped = std::move(shaped);
        ++stats->paragraphsShaped;
    }
}

void WaxStrand::LayOut(const std::u16string& text, const std::vector<Parcel>& parcels,
                       std::vector<ParagraphEntry>& paragraphs, TextIndex* overset,
                       TextComposition::Stats* stats) {
    const DefaultFont& font = DefaultFont::Instance();
    const ParagraphLayout layout(text, parcels, font.GetAscent(), DefaultFont::kLeading);
    FlowPosition flow;
    for (ParagraphEntry& entry : paragraphs) {
        if (*overset >= 0) {
            entry.laidOut = false;
            entry.lines.clear();
            continue;
        }
        if (entry.laidOut && entry.begin == flow) {
            for (WaxLine& line : entry.lines)
                line.ShiftText(entry.start - entry.linesStart);
            entry.linesStart = entry.start;
            flow = entry.end;
            continue;
        }
        entry.lines.clear();
        entry.begin = flow;
        entry.linesStart = entry.start;
        entry.laidOut = layout.Layout(entry.shaped, entry.start, entry.changes, entry.blocks, &flow,
                                      &entry.lines, overset);
        entry.end = flow;
        ++stats->paragraphsLaidOut;
        stats->linesLaidOut += static_cast<int32>(entry.lines.size());
    }
}

const TextComposition& WaxStrand::Compose(int32 threadKey, RangeData range,
                                          const std::vector<Parcel>& parcels) {
    InterfacePtr<ITextStrand> text(this, IID_ITEXTSTRAND);
    InterfacePtr<IAttributeStrand> attributes(this, IID_IATTRIBUTESTRAND);
    const std::u16string& units = text->GetUTF16();
    const RangeData clipped(std::clamp<TextIndex>(range.Start(), 0, text->GetLength()),
                            std::clamp<TextIndex>(range.End(), 0, text->GetLength()));
    Flow& flow = fFlows[threadKey];
    std::vector<FlowBlock> blocks = Blocks(units, clipped);
    if (IsCurrent(flow, text->GetChangeCount(), attributes->GetChangeCount(), clipped, blocks, parcels)) {
        // Nothing changed since the last composition: answer it again, having done no work.
        TextComposition::Stats none;
        none.paragraphs = flow.composition.GetStats().paragraphs;
        flow.composition.SetStats(none);
        return flow.composition;
    }
    std::vector<ParagraphEntry> paragraphs =
        SplitParagraphs(units, clipped, attributes->GetChangePositions(clipped), blocks);
    Reuse(flow.paragraphs, paragraphs, flow.parcels == parcels);
    // What was not taken over goes now, before the new shaping is made beside it.
    flow.composition.Reset(parcels, clipped.Start());
    flow.paragraphs.clear();
    flow.paragraphs.shrink_to_fit();

    TextComposition::Stats stats;
    stats.paragraphs = static_cast<int32>(paragraphs.size());
    Shape(units, paragraphs, &stats);
    TextIndex overset = -1;
    LayOut(units, parcels, paragraphs, &overset, &stats);

    flow.composed = true;
    flow.textStamp = text->GetChangeCount();
    flow.attributeStamp = attributes->GetChangeCount();
    flow.range = clipped;
    flow.blocks = std::move(blocks);
    flow.parcels = parcels;
    flow.paragraphs = std::move(paragraphs);
    flow.composition.Reset(parcels, clipped.Start());
    for (const ParagraphEntry& entry : flow.paragraphs)
        for (const WaxLine& line : entry.lines)
            flow.composition.AddLine(&line);
    flow.composition.Finish();
    flow.composition.SetOversetStart(overset);
    flow.composition.SetStats(stats);
    return flow.composition;
}
} // namespace

ImplementationDeclaration MakeWaxStrandImplementation(ImplementationID id) {
    return IMPLEMENTATION(WaxStrand, id, false);
}
