#include "InfoCommand.h"

#include "host/database/IDataBase.h"
#include "host/document/DocumentManager.h"
#include "host/document/IColorData.h"
#include "host/document/IDocumentLayer.h"
#include "host/document/IGeometry.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayerList.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IMasterPage.h"
#include "host/document/IMasterSpread.h"
#include "host/document/IMasterSpreadList.h"
#include "host/document/IPageList.h"
#include "host/document/IRenderingObject.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadLayer.h"
#include "host/document/ISpreadList.h"
#include "host/document/ISwatchList.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IFrameList.h"
#include "host/text/IStoryList.h"
#include "host/text/ITableModel.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextParcelList.h"
#include "host/text/ITextStoryThread.h"
#include "host/text/ITextStoryThreadDictHier.h"

namespace {
template <class T> InterfacePtr<T> Get(IDataBase* db, UID uid) {
    return InterfacePtr<T>(ObjectModel::CheckedCast<T>(db->Instantiate(uid, T::kDefaultIID)));
}

std::string Rect(const PMRect& r) {
    char text[128];
    std::snprintf(text, sizeof text, "(%g, %g, %g, %g)", r.Left(), r.Top(), r.Right(), r.Bottom());
    return text;
}

std::string Name(const PMString& name) {
    return name.GetUTF8String();
}

std::string SwatchName(IDataBase* db, UID swatch) {
    InterfacePtr<IRenderingObject> rendering = Get<IRenderingObject>(db, swatch);
    return rendering ? Name(rendering->GetSwatchName()) : "none";
}

// A damaged file's list may name an object of another kind: such an entry is shown, not followed.
void ListedButNot(UID uid, const char* kind, const std::string& indent = "  ") {
    std::printf("%sObject %u: listed as %s, but it is not one\n", indent.c_str(), static_cast<unsigned>(uid),
                kind);
}

const char* KindOf(IDataBase* db, UID item) {
    const ClassID itemClass = db->GetClass(item);
    return itemClass == kGroupItemBoss ? "group" : itemClass == kSplineItemBoss ? "spline" : "item";
}

// "stroke Red 2 pt dashed, fill None"
std::string Attributes(IDataBase* db, UID item) {
    InterfacePtr<IPMUnknown> object(db->Instantiate(item, IID_IPMPERSIST));
    Utils<IGraphicAttributeUtils> utils;
    const UID stroke = utils->GetAttribute(object, kGraphicStyleStrokeRenderingAttrBoss).swatch;
    const UID fill = utils->GetAttribute(object, kGraphicStyleFillRenderingAttrBoss).swatch;
    char weight[32];
    std::snprintf(weight, sizeof weight, "%g",
                  utils->GetAttribute(object, kGraphicStyleStrokeWeightAttrBoss).real);
    const bool dashed =
        utils->GetAttribute(object, kGraphicStyleStrokeTypeAttrBoss).classValue == kDashedPathStrokerBoss;
    return "stroke " + SwatchName(db, stroke) + " " + weight + " pt" + (dashed ? " dashed" : "") + ", fill " +
           SwatchName(db, fill);
}
} // namespace

int InfoCommand::Run() const {
    DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(fDocumentPath);
    if (opened.error != kSuccess) {
        std::fprintf(stderr, "pagehost: %s\n", opened.message.c_str());
        return 1;
    }
    IDataBase* db = opened.document->GetDocumentDataBase();
    PrintSpreads(db);
    PrintMasters(db);
    PrintLayers(db);
    PrintSwatches(db);
    PrintStories(db);
    DocumentManager::Instance().CloseDocument(opened.document);
    return 0;
}

void InfoCommand::PrintSpreads(IDataBase* db) const {
    InterfacePtr<ISpreadList> spreads = Get<ISpreadList>(db, db->GetRootUID());
    InterfacePtr<IPageList> pages = Get<IPageList>(db, db->GetRootUID());
    std::printf("Spreads: %d, pages: %d\n", spreads->GetSpreadCount(), pages->GetPageCount());
    for (int32 s = 0; s < spreads->GetSpreadCount(); ++s) {
        InterfacePtr<ISpread> spread = Get<ISpread>(db, spreads->GetNthSpreadUID(s));
        if (!spread) {
            ListedButNot(spreads->GetNthSpreadUID(s), "a spread");
            continue;
        }
        std::printf("  Spread %d: %d page(s)\n", s + 1, spread->GetNumPages());
        for (int32 p = 0; p < spread->GetNumPages(); ++p) {
            const UID page = spread->GetNthPageUID(p);
            InterfacePtr<IMasterPage> master = Get<IMasterPage>(db, page);
            if (!master) {
                ListedButNot(page, "a page", "    ");
                continue;
            }
            InterfacePtr<IMasterSpread> masterSpread = Get<IMasterSpread>(db, master->GetMasterSpreadUID());
            std::printf("    Page %d: bounds %s, master %s\n", pages->GetPageIndex(page) + 1,
                        Rect(Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(UIDRef(db, page))).c_str(),
                        masterSpread ? Name(masterSpread->GetName()).c_str() : "none");
        }
        PrintItems(db, spreads->GetNthSpreadUID(s), "    ");
    }
}

void InfoCommand::PrintMasters(IDataBase* db) const {
    InterfacePtr<IMasterSpreadList> masters = Get<IMasterSpreadList>(db, db->GetRootUID());
    std::printf("Master spreads: %d\n", masters->GetMasterSpreadCount());
    for (int32 m = 0; m < masters->GetMasterSpreadCount(); ++m) {
        const UID uid = masters->GetNthMasterSpreadUID(m);
        InterfacePtr<IMasterSpread> master = Get<IMasterSpread>(db, uid);
        InterfacePtr<ISpread> spread = Get<ISpread>(db, uid);
        if (!master || !spread) {
            ListedButNot(uid, "a master spread");
            continue;
        }
        std::printf("  %s: %d page(s)\n", Name(master->GetName()).c_str(), spread->GetNumPages());
        PrintItems(db, uid, "    ");
    }
}

void InfoCommand::PrintLayers(IDataBase* db) const {
    InterfacePtr<ILayerList> layers = Get<ILayerList>(db, db->GetRootUID());
    std::printf("Layers: %d\n", layers->GetCount());
    for (int32 i = 0; i < layers->GetCount(); ++i) {
        InterfacePtr<IDocumentLayer> layer(layers->QueryLayer(i));
        if (!layer) {
            ListedButNot(layers->GetNthLayerUID(i), "a layer");
            continue;
        }
        std::printf("  %s (%s, %s, %s)\n", Name(layer->GetName()).c_str(),
                    layer->IsVisible() ? "visible" : "hidden", layer->IsLocked() ? "locked" : "unlocked",
                    layer->IsPrintable() ? "printing" : "not printing");
    }
}

void InfoCommand::PrintSwatches(IDataBase* db) const {
    static const char* const kSpaces[] = {"RGB", "CMYK", "Lab", "Gray"};
    InterfacePtr<ISwatchList> swatches = Get<ISwatchList>(db, db->GetRootUID());
    std::printf("Swatches: %d\n", swatches->GetSwatchCount());
    for (int32 i = 0; i < swatches->GetSwatchCount(); ++i) {
        const UID uid = swatches->GetNthSwatchUID(i);
        InterfacePtr<IColorData> color = Get<IColorData>(db, uid);
        if (!color) {
            ListedButNot(uid, "a swatch");
            continue;
        }
        std::string components;
        for (PMReal c : color->GetColorData()) {
            char text[32];
            std::snprintf(text, sizeof text, " %g", c);
            components += text;
        }
        const int32 space = color->GetColorSpace();
        std::printf("  %s%s%s%s\n", SwatchName(db, uid).c_str(), space >= 0 && space < 4 ? " " : "",
                    space >= 0 && space < 4 ? kSpaces[space] : "", components.c_str());
    }
}

// "Story 12: 240 characters (180 in frames), 3 frame column(s), 1 table(s)", then each table:
// "  Table 2 x 3 at 57, 4 cell(s) with overset text".
void InfoCommand::PrintStories(IDataBase* db) const {
    InterfacePtr<IStoryList> stories = Get<IStoryList>(db, db->GetRootUID());
    std::printf("Stories: %d\n", stories->CountStories());
    for (int32 s = 0; s < stories->CountStories(); ++s) {
        const UID story = stories->GetNthStoryUID(s);
        InterfacePtr<ITextStoryThreadDictHier> dictionaries = Get<ITextStoryThreadDictHier>(db, story);
        InterfacePtr<ITextStoryThread> primary = Get<ITextStoryThread>(db, story);
        InterfacePtr<ITextParcelList> composed = Get<ITextParcelList>(db, story);
        InterfacePtr<ITextModel> model = Get<ITextModel>(db, story);
        InterfacePtr<IFrameList> frames = Get<IFrameList>(db, story);
        if (!dictionaries || !primary || !composed || !model || !frames) {
            ListedButNot(story, "a story");
            continue;
        }
        const TextIndex overset = composed->GetOversetStart();
        std::printf("  Story %u: %d characters (%d in frames), %d frame column(s), %d table(s)\n", story,
                    model->TotalLength(), overset >= 0 ? overset : primary->GetTextEnd(),
                    frames->GetFrameCount(), dictionaries->GetDictCount() - 1);
        for (int32 n = 1; n < dictionaries->GetDictCount(); ++n) {
            InterfacePtr<ITableModel> table = Get<ITableModel>(db, dictionaries->GetNthDictUID(n));
            if (!table)
                continue;
            int32 oversetCells = 0;
            for (int32 row = 0; row < table->GetRowCount(); ++row)
                for (int32 column = 0; column < table->GetColumnCount(); ++column) {
                    InterfacePtr<ITextParcelList> cell =
                        Get<ITextParcelList>(db, table->GetCellUID(row, column));
                    oversetCells += cell && cell->GetOversetStart() >= 0 ? 1 : 0;
                }
            std::printf("    Table %d x %d at %d, %d cell(s) with overset text\n", table->GetRowCount(),
                        table->GetColumnCount(), table->GetAnchorIndex(), oversetCells);
        }
    }
}

void InfoCommand::PrintItems(IDataBase* db, UID spreadUID, const std::string& indent) const {
    const UIDList items = Get<ISpread>(db, spreadUID)->GetItemsOnSpread();
    InterfacePtr<IPageList> pages = Get<IPageList>(db, db->GetRootUID());
    for (UID item : items.GetUIDs()) {
        InterfacePtr<IHierarchy> hierarchy = Get<IHierarchy>(db, item);
        InterfacePtr<ISpreadLayer> spreadLayer = Get<ISpreadLayer>(db, hierarchy->GetLayerUID());
        InterfacePtr<IDocumentLayer> layer =
            Get<IDocumentLayer>(db, spreadLayer ? spreadLayer->GetDocLayerUID() : kInvalidUID);
        InterfacePtr<IGeometry> geometry = Get<IGeometry>(db, item);
        InterfacePtr<ITransform> transform = Get<ITransform>(db, item);
        if (!hierarchy || !geometry || !transform) {
            ListedButNot(item, "an item", indent);
            continue;
        }
        PMRect bounds = geometry->GetPathBoundingBox();
        transform->TransformInnerRectToPasteboard(&bounds);
        InterfacePtr<IPMUnknown> object(db->Instantiate(item, IID_IPMPERSIST));
        const UID owner = Utils<ILayoutUtils>()->GetOwnerPageUID(object);
        const int32 inDocument = pages->GetPageIndex(owner);
        const int32 inSpread = Get<ISpread>(db, spreadUID)->GetPageIndex(owner);
        const std::string place = inDocument >= 0 ? "page " + std::to_string(inDocument + 1)
                                  : inSpread >= 0 ? "master page " + std::to_string(inSpread + 1)
                                                  : std::string("the pasteboard");
        std::printf("%sItem %u: %s on %s, layer %s, bounds %s, %s\n", indent.c_str(), item, KindOf(db, item),
                    place.c_str(), layer ? Name(layer->GetName()).c_str() : "?", Rect(bounds).c_str(),
                    Attributes(db, item).c_str());
    }
}
