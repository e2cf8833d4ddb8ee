#include "host/document/LayoutBuilder.h"

#include <map>

#include "Query.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/document/IApplyMultAttributesCmdData.h"
#include "host/document/IConvertShapeCmdData.h"
#include "host/document/IDocumentLayer.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayerList.h"
#include "host/document/ILayerPropertiesCmdData.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IMasterPage.h"
#include "host/document/IMasterSpreadList.h"
#include "host/document/INewPageItemCmdData.h"
#include "host/document/INewSpreadCmdData.h"
#include "host/document/IPageList.h"
#include "host/document/IPathGeometry.h"
#include "host/document/IPathUtils.h"
#include "host/document/IRealListData.h"
#include "host/document/ISpread.h"
#include "host/document/ISwatchList.h"
#include "host/document/ISwatchListCmdData.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/IStringData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/ICreateMCFrameData.h"
#include "host/text/IMultiColumnItemData.h"
#include "host/text/INewTableCmdData.h"
#include "host/text/ITextInset.h"
#include "host/text/ITextModelCmds.h"

namespace {
// Builds one description into one open document; every step is a command of one sequence.
class Building {
public:
    Building(const LayoutDescription& description, IDocument* document)
        : fDescription(description), fDB(document->GetDocumentDataBase()), fRoot(fDB, fDB->GetRootUID()) {}

    bool Run() {
        CmdUtils::SequenceContext sequence;
        const bool ok =
            Layers() && Swatches() && Masters() && Spreads() && DocumentItems() && Stories() && TextFrames();
        if (!ok)
            ErrorUtils::PMSetGlobalErrorCode(kFailure);
        return ok;
    }

private:
    ICommand* NewCommand(ClassID commandClass, const UIDList& items) {
        ICommand* cmd = CmdUtils::CreateCommand(commandClass);
        if (cmd)
            cmd->SetItemList(items);
        return cmd;
    }

    bool Layers() {
        InterfacePtr<ILayerList> layers = Query::Get<ILayerList>(fRoot);
        for (size_t i = 0; i < fDescription.layers.size(); ++i) {
            const LayoutDescription::Layer& layer = fDescription.layers[i];
            LayerProperties properties;
            properties.name = PMString(layer.name.c_str());
            properties.visible = layer.visible;
            properties.locked = layer.locked;
            properties.printable = layer.printable;
            // The document starts with one layer, which becomes the first described one.
            const bool first = i == 0;
            InterfacePtr<ICommand> cmd(
                NewCommand(first ? kSetLayerPropertiesCmdBoss : kNewLayerCmdBoss,
                           first ? UIDList(UIDRef(fDB, layers->GetNthLayerUID(0))) : UIDList(fRoot)));
            InterfacePtr<ILayerPropertiesCmdData> data(cmd, IID_ILAYERPROPERTIESCMDDATA);
            if (!data)
                return false;
            properties.color =
                first ? LayerProperties::Of(InterfacePtr<IDocumentLayer>(layers->QueryLayer(0))).color
                      : properties.color;
            data->Set(properties);
            if (CmdUtils::ProcessCommand(cmd) != kSuccess)
                return false;
            fLayers[layer.name] = first ? layers->GetNthLayerUID(0) : cmd->GetItemList()->At(0);
        }
        return true;
    }

    bool Swatches() {
        InterfacePtr<ISwatchList> list = Query::Get<ISwatchList>(fRoot);
        fSwatches = {{"None", list->GetNoneSwatchUID()},
                     {"Paper", list->GetPaperSwatchUID()},
                     {"Black", list->GetBlackSwatchUID()},
                     {"Registration", list->GetRegistrationSwatchUID()}};
        for (const LayoutDescription::Swatch& swatch : fDescription.swatches) {
            InterfacePtr<ICommand> newColor(NewCommand(kNewColorCmdBoss, UIDList(fRoot)));
            InterfacePtr<IRealListData> components(newColor, IID_IREALLISTDATA);
            InterfacePtr<IStringData> name(newColor, IID_ISTRINGDATA);
            InterfacePtr<IIntData> space(newColor, IID_IINTDATA);
            components->Set(swatch.components);
            name->Set(PMString(swatch.name.c_str()));
            space->Set(swatch.colorSpace);
            if (CmdUtils::ProcessCommand(newColor) != kSuccess)
                return false;
            InterfacePtr<ICommand> add(NewCommand(kAddSwatchesCmdBoss, *newColor->GetItemList()));
            InterfacePtr<ISwatchListCmdData> target(add, IID_ISWATCHLISTCMDDATA);
            target->SetSwatchList(fRoot);
            if (CmdUtils::ProcessCommand(add) != kSuccess)
                return false;
            fSwatches[swatch.name] = newColor->GetItemList()->At(0);
        }
        return true;
    }

    UID NewSpread(ClassID commandClass, int32 pages, const std::string& name) {
        InterfacePtr<ICommand> cmd(NewCommand(commandClass, UIDList(fRoot)));
        InterfacePtr<INewSpreadCmdData> data(cmd, IID_INEWSPREADCMDDATA);
        data->Set(pages, fDescription.pageWidth, fDescription.pageHeight, -1);
        data->SetName(PMString(name.c_str()));
        return CmdUtils::ProcessCommand(cmd) == kSuccess ? cmd->GetItemList()->At(0) : kInvalidUID;
    }

    bool Masters() {
        for (const LayoutDescription::Master& master : fDescription.masters) {
            const UID spread = NewSpread(kNewMasterSpreadCmdBoss, master.pages, master.name);
            if (spread == kInvalidUID)
                return false;
            fMasters[master.name] = spread;
            InterfacePtr<ISpread> masterSpread = Query::Get<ISpread>(fDB, spread);
            for (const LayoutDescription::Item& item : master.items)
                if (!Item(item, masterSpread->GetNthPageUID(item.page)))
                    return false;
        }
        return true;
    }

    bool Spreads() {
        for (const LayoutDescription::Spread& description : fDescription.spreads) {
            const UID spreadUID =
                NewSpread(kNewSpreadCmdBoss, static_cast<int32>(description.pages.size()), "");
            InterfacePtr<ISpread> spread = Query::Get<ISpread>(fDB, spreadUID);
            if (!spread)
                return false;
            // No command sets a page's master; inside the sequence the change is recorded all the same.
            for (size_t i = 0; i < description.pages.size(); ++i)
                if (!description.pages[i].master.empty())
                    Query::Get<IMasterPage>(fDB, spread->GetNthPageUID(static_cast<int32>(i)))
                        ->SetMasterSpreadUID(fMasters[description.pages[i].master]);
        }
        return true;
    }

    static UID PageAt(const std::vector<UID>& pages, int32 index) {
        return index >= 0 && index < static_cast<int32>(pages.size()) ? pages[static_cast<size_t>(index)]
                                                                      : kInvalidUID;
    }

    bool DocumentItems() {
        const std::vector<UID> pages = Query::Get<IPageList>(fRoot)->GetPageUIDs();
        for (const LayoutDescription::Item& item : fDescription.items)
            if (!Item(item, PageAt(pages, item.page)))
                return false;
        return true;
    }

    // Each story gets its paragraphs, each ended by a paragraph return (the last by the story's own),
    // then its tables at the start of their (empty) paragraphs.
    bool Stories() {
        for (const LayoutDescription::Story& description : fDescription.stories) {
            InterfacePtr<ICommand> newStory(NewCommand(kNewStoryCmdBoss, UIDList(fRoot)));
            if (CmdUtils::ProcessCommand(newStory) != kSuccess)
                return false;
            const UID story = newStory->GetItemList()->At(0);
            fStories[description.id] = story;
            std::u16string text;
            std::vector<TextIndex> starts;
            for (size_t p = 0; p < description.paragraphs.size(); ++p) {
                text += p > 0 ? u"\r" : u"";
                starts.push_back(static_cast<TextIndex>(text.size()));
                text += description.paragraphs[p];
            }
            if (!text.empty()) {
                InterfacePtr<ICommand> insert(
                    Query::Get<ITextModelCmds>(fDB, story)->InsertCmd(0, WideString(text)));
                if (CmdUtils::ProcessCommand(insert) != kSuccess)
                    return false;
            }
            // Last first, so the paragraphs before a table keep their places.
            for (auto table = description.tables.rbegin(); table != description.tables.rend(); ++table)
                if (!Table(story, starts[static_cast<size_t>(table->paragraph)], *table))
                    return false;
        }
        return true;
    }

    bool Table(UID story, TextIndex at, const LayoutDescription::Table& table) {
        InterfacePtr<ICommand> cmd(NewCommand(kNewTableCmdBoss, UIDList(UIDRef(fDB, story))));
        InterfacePtr<INewTableCmdData> data(cmd, IID_INEWTABLECMDDATA);
        if (!data)
            return false;
        data->Set(at, table.columnWidths, table.rowHeights);
        std::vector<WideString> texts;
        for (const std::vector<std::u16string>& row : table.cells)
            for (const std::u16string& cell : row)
                texts.emplace_back(cell);
        data->SetCellTexts(texts);
        return CmdUtils::ProcessCommand(cmd) == kSuccess;
    }

    // Frames are threaded onto their story's frame list in the order they are described.
    bool TextFrames() {
        // Making frames adds no page: the list is read once, not once per frame.
        const std::vector<UID> pages = Query::Get<IPageList>(fRoot)->GetPageUIDs();
        for (const LayoutDescription::TextFrame& frame : fDescription.textFrames) {
            const UID page = PageAt(pages, frame.page);
            const UID parent = ContentLayerOf(page, frame.layer);
            const PMRect pageBounds = Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(UIDRef(fDB, page));
            PMRect bounds = frame.bounds;
            bounds.MoveRel(pageBounds.Left(), pageBounds.Top());
            InterfacePtr<ICommand> create(NewCommand(kCreateMultiColumnItemCmdBoss, UIDList(fDB)));
            InterfacePtr<INewPageItemCmdData> item(create, IID_INEWPAGEITEMCMDDATA);
            InterfacePtr<ICreateMCFrameData> text(create, IID_ICREATEMCFRAMEDATA);
            InterfacePtr<IMultiColumnItemData> columns(create, IID_IMULTICOLUMNITEMDATA);
            if (parent == kInvalidUID || !item || !text || !columns)
                return false;
            item->Set(fDB, kSplineItemBoss, parent, {bounds.LeftTop(), bounds.RightBottom()});
            text->SetStory(frame.story.empty() ? kInvalidUID : fStories[frame.story]);
            columns->SetNumberOfColumns(frame.columns);
            columns->SetGutter(frame.gutter);
            if (CmdUtils::ProcessCommand(create) != kSuccess)
                return false;
            // Inside the building sequence, so the change is recorded like a command's.
            Query::Get<ITextInset>(fDB, create->GetItemList()->At(0))
                ->SetInset(frame.inset, frame.inset, frame.inset, frame.inset);
        }
        return true;
    }

    UID ContentLayerOf(UID page, const std::string& layerName) {
        InterfacePtr<IHierarchy> pageHierarchy = Query::Get<IHierarchy>(fDB, page);
        InterfacePtr<ISpread> spread =
            Query::Get<ISpread>(fDB, pageHierarchy ? pageHierarchy->GetSpreadUID() : kInvalidUID);
        const UID layer = fLayers[layerName.empty() ? fDescription.layers.front().name : layerName];
        return spread ? spread->GetSpreadLayerUID(layer, ISpread::kContentLayer) : kInvalidUID;
    }

    // Makes an item on a page (its coordinates are relative to the page's left top corner).
    UID MakeItem(const LayoutDescription::Item& item, UID page, UID parent) {
        const PMRect pageBounds = Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(UIDRef(fDB, page));
        const PMMatrix toPasteboard(1, 0, 0, 1, pageBounds.Left(), pageBounds.Top());
        if (item.kind == LayoutDescription::Item::kGroup) {
            UIDList children(fDB);
            for (const LayoutDescription::Item& child : item.children)
                children.Append(MakeItem(child, page, parent));
            if (children.Contains(kInvalidUID))
                return kInvalidUID;
            InterfacePtr<ICommand> group(NewCommand(kGroupCmdBoss, children));
            return CmdUtils::ProcessCommand(group) == kSuccess ? group->GetItemList()->At(0) : kInvalidUID;
        }
        PMRect bounds = item.bounds;
        if (item.kind == LayoutDescription::Item::kPath) {
            bounds = PMRect(item.points[0], item.points[0]);
            for (const PMPoint& p : item.points)
                bounds = bounds.Union(PMRect(p, p));
        }
        const UIDRef made = Utils<IPathUtils>()->CreateRectangleSpline(UIDRef(fDB, parent),
                                                                       toPasteboard.TransformRect(bounds));
        if (made.GetUID() == kInvalidUID || !Shape(item, made, toPasteboard) || !Paint(item, made))
            return kInvalidUID;
        return made.GetUID();
    }

    bool Item(const LayoutDescription::Item& item, UID page) {
        const UID parent = ContentLayerOf(page, item.layer);
        return parent != kInvalidUID && MakeItem(item, page, parent) != kInvalidUID;
    }

    bool Shape(const LayoutDescription::Item& item, const UIDRef& made, const PMMatrix& toPasteboard) {
        if (item.kind == LayoutDescription::Item::kEllipse) {
            InterfacePtr<ICommand> convert(NewCommand(kConvertShapeCmdBoss, UIDList(made)));
            InterfacePtr<IConvertShapeCmdData> data(convert, IID_ICONVERTSHAPECMDDATA);
            data->Set(IConvertShapeCmdData::kEllipse, kInvalidClass, 0, 0, 0);
            return CmdUtils::ProcessCommand(convert) == kSuccess;
        }
        if (item.kind != LayoutDescription::Item::kPath)
            return true;
        InterfacePtr<IPathGeometry> path = Query::Get<IPathGeometry>(made);
        InterfacePtr<ITransform> transform = Query::Get<ITransform>(made);
        PMPathPointList points;
        for (const PMPoint& p : item.points)
            points.emplace_back(toPasteboard.TransformPoint(p));
        transform->TransformPasteboardPathToInner(&points);
        path->RemoveAllPaths();
        path->AddPath(points, item.closed ? kFalse : kTrue);
        return true;
    }

    bool Paint(const LayoutDescription::Item& item, const UIDRef& made) {
        InterfacePtr<ICommand> apply(NewCommand(kGfxApplyMultAttributesCmdBoss, UIDList(made)));
        InterfacePtr<IApplyMultAttributesCmdData> data(apply, IID_IAPPLYMULTATTRIBUTESCMDDATA);
        if (!item.fill.empty())
            data->AddAnAttribute(
                GraphicAttribute::Swatch(kGraphicStyleFillRenderingAttrBoss, fSwatches[item.fill]));
        if (item.hasStroke) {
            data->AddAnAttribute(
                GraphicAttribute::Swatch(kGraphicStyleStrokeRenderingAttrBoss, fSwatches[item.stroke.color]));
            data->AddAnAttribute(
                GraphicAttribute::Real(kGraphicStyleStrokeWeightAttrBoss, item.stroke.weight));
            data->AddAnAttribute(
                GraphicAttribute::Class(kGraphicStyleStrokeTypeAttrBoss,
                                        item.stroke.dashed ? kDashedPathStrokerBoss : kSolidPathStrokerBoss));
            data->AddAnAttribute(
                GraphicAttribute::Class(kGraphicStyleLineStartAttrBoss, item.stroke.lineStart));
            data->AddAnAttribute(GraphicAttribute::Class(kGraphicStyleLineEndAttrBoss, item.stroke.lineEnd));
        }
        if (item.cornerRadius > 0) {
            data->AddAnAttribute(
                GraphicAttribute::Class(kGraphicStyleCornerEffectAttrBoss, kRoundedCornerBoss));
            data->AddAnAttribute(GraphicAttribute::Real(kGraphicStyleCornerSizeAttrBoss, item.cornerRadius));
        }
        return data->GetAttributes().empty() || CmdUtils::ProcessCommand(apply) == kSuccess;
    }

    const LayoutDescription& fDescription;
    IDataBase* fDB;
    UIDRef fRoot;
    std::map<std::string, UID> fLayers;
    std::map<std::string, UID> fSwatches;
    std::map<std::string, UID> fMasters;
    std::map<std::string, UID> fStories;
};
} // namespace

LayoutBuilder::Result LayoutBuilder::Build(const LayoutDescription& description) {
    DocumentSetup setup;
    setup.pageWidth = description.pageWidth;
    setup.pageHeight = description.pageHeight;
    setup.spreadPages.clear();
    DocumentManager::Result made = DocumentManager::Instance().NewDocument(setup);
    if (made.error != kSuccess)
        return Result{kFailure, made.message, nullptr};
    if (!Building(description, made.document).Run()) {
        DocumentManager::Instance().CloseDocument(made.document);
        return Result{kFailure, "The document cannot be built from the layout description.", nullptr};
    }
    made.document->GetDocumentDataBase()->GetUndoHistory().Clear();
    return Result{kSuccess, "", made.document};
}
