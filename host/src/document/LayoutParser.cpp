#include "host/document/LayoutParser.h"

#include <map>
#include <set>

#include <nlohmann/json.hpp>

#include "host/document/IColorData.h"
#include "host/document/ISpread.h"
#include "host/objectmodel/HostIDs.h"
#include "host/text/IMultiColumnItemData.h"
#include "host/text/ITableModel.h"
#include "host/util/UnicodeConversion.h"

using nlohmann::json;

namespace {
constexpr PMReal kMaxPageSide = 15552.0; // 216 inches
constexpr int32 kMaxPagesPerSpread = 10;

// A fault in the description; thrown inside the parser only and turned into a Result.
struct Fault {
    std::string path;
    std::string problem;
};

[[noreturn]] void Fail(const std::string& path, const std::string& problem) {
    throw Fault{path, problem};
}

std::string At(const std::string& path, const std::string& key) {
    return path + "." + key;
}
std::string At(const std::string& path, size_t index) {
    return path + "[" + std::to_string(index) + "]";
}

void CheckKeys(const json& object, const std::string& path, std::initializer_list<const char*> allowed) {
    if (!object.is_object())
        Fail(path, "an object is expected here.");
    for (const auto& [key, value] : object.items()) {
        bool known = false;
        for (const char* name : allowed)
            known = known || key == name;
        if (!known)
            Fail(At(path, key), "this key is not part of a layout description.");
    }
}

const json* Find(const json& object, const char* key) {
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

PMReal Number(const json& value, const std::string& path) {
    if (!value.is_number())
        Fail(path, "a number is expected here.");
    return value.get<PMReal>();
}

std::string String(const json& value, const std::string& path) {
    if (!value.is_string() || value.get<std::string>().empty())
        Fail(path, "a non-empty string is expected here.");
    return value.get<std::string>();
}

bool Bool(const json& object, const char* key, const std::string& path, bool fallback) {
    const json* value = Find(object, key);
    if (!value)
        return fallback;
    if (!value->is_boolean())
        Fail(At(path, key), "true or false is expected here.");
    return value->get<bool>();
}

const json& Array(const json& value, const std::string& path) {
    if (!value.is_array())
        Fail(path, "a list is expected here.");
    return value;
}

std::vector<PMReal> Numbers(const json& value, const std::string& path, size_t count) {
    Array(value, path);
    if (value.size() != count)
        Fail(path, std::to_string(count) + " numbers are expected here.");
    std::vector<PMReal> numbers;
    for (size_t i = 0; i < value.size(); ++i)
        numbers.push_back(Number(value[i], At(path, i)));
    return numbers;
}

ClassID Arrowhead(const json& value, const std::string& path) {
    static const std::map<std::string, ClassID> kArrowheads = {{"none", kInvalidClass},
                                                               {"simple", kSimpleArrowHeadBoss},
                                                               {"triangle", kTriangleArrowHeadBoss},
                                                               {"barbed", kBarbedArrowHeadBoss},
                                                               {"curved", kCurvedArrowHeadBoss},
                                                               {"diamond", kDiamondArrowHeadBoss},
                                                               {"hollowDiamond", kHollowDiamondArrowHeadBoss},
                                                               {"circle", kCircleArrowHeadBoss},
                                                               {"hollowCircle", kHollowCircleArrowHeadBoss},
                                                               {"square", kSquareArrowHeadBoss},
                                                               {"hollowSquare", kHollowSquareArrowHeadBoss},
                                                               {"bar", kBarArrowHeadBoss}};
    const auto found = kArrowheads.find(String(value, path));
    if (found == kArrowheads.end())
        Fail(path, "\"" + value.get<std::string>() + "\" is not an arrowhead.");
    return found->second;
}

class Parser {
public:
    LayoutDescription Run(const json& root) {
        CheckKeys(root, "$",
                  {"pageSize", "swatches", "layers", "masters", "spreads", "items", "textFrames", "stories"});
        PageSize(root);
        if (const json* swatches = Find(root, "swatches"))
            Swatches(*swatches, "$.swatches");
        Layers(Find(root, "layers"));
        if (const json* masters = Find(root, "masters"))
            Masters(*masters, "$.masters");
        Spreads(Find(root, "spreads"));
        if (const json* items = Find(root, "items"))
            DocumentItems(*items, "$.items");
        if (const json* stories = Find(root, "stories"))
            Stories(*stories, "$.stories");
        if (const json* frames = Find(root, "textFrames"))
            TextFrames(*frames, "$.textFrames");
        return fResult;
    }

private:
    void PageSize(const json& root) {
        const json* size = Find(root, "pageSize");
        if (!size)
            return;
        CheckKeys(*size, "$.pageSize", {"width", "height"});
        for (const char* key : {"width", "height"}) {
            const json* value = Find(*size, key);
            if (!value)
                Fail(At("$.pageSize", key), "the page size needs a width and a height.");
            const PMReal side = Number(*value, At("$.pageSize", key));
            if (side <= 0 || side > kMaxPageSide)
                Fail(At("$.pageSize", key), "a page side must be more than 0 and at most 15552 points.");
            (std::string(key) == "width" ? fResult.pageWidth : fResult.pageHeight) = side;
        }
    }

    void Swatches(const json& list, const std::string& path) {
        for (size_t i = 0; i < Array(list, path).size(); ++i) {
            const std::string at = At(path, i);
            CheckKeys(list[i], at, {"name", "rgb", "cmyk", "lab", "gray"});
            LayoutDescription::Swatch swatch;
            swatch.name = Name(list[i], at);
            if (fSwatchNames.count(swatch.name))
                Fail(At(at, "name"), "another swatch is already named \"" + swatch.name + "\".");
            Color(list[i], at, &swatch);
            fSwatchNames.insert(swatch.name);
            fResult.swatches.push_back(swatch);
        }
    }

    static void Color(const json& object, const std::string& path, LayoutDescription::Swatch* swatch) {
        static const std::pair<const char*, int32> kSpaces[] = {{"rgb", IColorData::kRGB},
                                                                {"cmyk", IColorData::kCMYK},
                                                                {"lab", IColorData::kLab},
                                                                {"gray", IColorData::kGray}};
        int found = 0;
        for (const auto& [key, space] : kSpaces) {
            const json* value = Find(object, key);
            if (!value)
                continue;
            ++found;
            swatch->colorSpace = space;
            swatch->components =
                space == IColorData::kGray
                    ? std::vector<PMReal>{Number(*value, At(path, key))}
                    : Numbers(*value, At(path, key), static_cast<size_t>(IColorData::ComponentCount(space)));
            const std::string problem = IColorData::CheckComponents(space, swatch->components);
            if (!problem.empty())
                Fail(At(path, key), problem + ".");
        }
        if (found != 1)
            Fail(path, "a swatch needs exactly one colour: rgb, cmyk, lab or gray.");
    }

    void Layers(const json* list) {
        if (!list) {
            fResult.layers.push_back({"Layer 1", true, false, true});
            return;
        }
        if (Array(*list, "$.layers").empty())
            Fail("$.layers", "a document needs at least one layer.");
        for (size_t i = 0; i < list->size(); ++i) {
            const std::string at = At("$.layers", i);
            CheckKeys((*list)[i], at, {"name", "visible", "locked", "printable"});
            LayoutDescription::Layer layer;
            layer.name = Name((*list)[i], at);
            for (const LayoutDescription::Layer& other : fResult.layers)
                if (other.name == layer.name)
                    Fail(At(at, "name"), "another layer is already named \"" + layer.name + "\".");
            layer.visible = Bool((*list)[i], "visible", at, true);
            layer.locked = Bool((*list)[i], "locked", at, false);
            layer.printable = Bool((*list)[i], "printable", at, true);
            fResult.layers.push_back(layer);
        }
    }

    void Masters(const json& list, const std::string& path) {
        for (size_t i = 0; i < Array(list, path).size(); ++i) {
            const std::string at = At(path, i);
            CheckKeys(list[i], at, {"name", "pages", "items"});
            LayoutDescription::Master master;
            master.name = Name(list[i], at);
            for (const LayoutDescription::Master& other : fResult.masters)
                if (other.name == master.name)
                    Fail(At(at, "name"), "another master spread is already named \"" + master.name + "\".");
            if (const json* pages = Find(list[i], "pages"))
                master.pages = PageCount(*pages, At(at, "pages"));
            if (const json* items = Find(list[i], "items"))
                for (size_t j = 0; j < Array(*items, At(at, "items")).size(); ++j)
                    master.items.push_back(
                        ItemOnPage((*items)[j], At(At(at, "items"), j), master.pages, 0, master.pages));
            fResult.masters.push_back(master);
        }
    }

    static int32 PageCount(const json& value, const std::string& path) {
        if (!value.is_number_integer() || value.get<int64>() < 1 || value.get<int64>() > kMaxPagesPerSpread)
            Fail(path, "a spread has from 1 to 10 pages.");
        return value.get<int32>();
    }

    void Spreads(const json* list) {
        if (!list || Array(*list, "$.spreads").empty())
            Fail("$.spreads", "a document needs at least one spread.");
        for (size_t i = 0; i < list->size(); ++i) {
            const std::string at = At("$.spreads", i);
            CheckKeys((*list)[i], at, {"pages"});
            const json* pages = Find((*list)[i], "pages");
            if (!pages || !pages->is_array() || pages->empty() || pages->size() > kMaxPagesPerSpread)
                Fail(At(at, "pages"), "a spread needs a list of 1 to 10 pages.");
            LayoutDescription::Spread spread;
            for (size_t j = 0; j < pages->size(); ++j)
                spread.pages.push_back(Page((*pages)[j], At(At(at, "pages"), j)));
            fResult.spreads.push_back(spread);
        }
    }

    LayoutDescription::Page Page(const json& object, const std::string& path) const {
        CheckKeys(object, path, {"master"});
        LayoutDescription::Page page;
        const json* master = Find(object, "master");
        if (!master || master->is_null())
            return page;
        page.master = String(*master, At(path, "master"));
        for (const LayoutDescription::Master& known : fResult.masters)
            if (known.name == page.master)
                return page;
        Fail(At(path, "master"), "no master spread is named \"" + page.master + "\".");
    }

    void DocumentItems(const json& list, const std::string& path) {
        for (size_t i = 0; i < Array(list, path).size(); ++i) {
            const std::string at = At(path, i);
            if (!list[i].is_object())
                Fail(at, "an object is expected here.");
            const int32 page = DocumentPage(list[i], at);
            const auto [index, count] = PlaceInSpread(page);
            fResult.items.push_back(ItemOnPage(list[i], at, fResult.CountPages(), index, count, page));
        }
    }

    int32 DocumentPage(const json& object, const std::string& path) const {
        const json* page = Find(object, "page");
        if (!page)
            Fail(At(path, "page"), "an item needs the number of its page.");
        return PageIndex(*page, At(path, "page"), fResult.CountPages(), "document");
    }

    // The index of a 1-based page number of the document or a master with pageCount pages.
    int32 PageIndex(const json& page, const std::string& path, int32 pageCount, const char* owner) const {
        if (!page.is_number_integer())
            Fail(path, "a page number is a whole number, not " + page.dump() + ".");
        if (page.get<int64>() < 1 || page.get<int64>() > pageCount)
            Fail(path, "the item lies outside every spread: the " + std::string(owner) + " has pages 1 to " +
                           std::to_string(pageCount) + ".");
        return page.get<int32>() - 1;
    }

    // The page's index inside its spread and the spread's page count.
    std::pair<int32, int32> PlaceInSpread(int32 page) const {
        for (const LayoutDescription::Spread& spread : fResult.spreads) {
            const int32 count = static_cast<int32>(spread.pages.size());
            if (page < count)
                return {page, count};
            page -= count;
        }
        return {0, 1};
    }

    // An item of a page. For master items the page is read here (1-based within the master);
    // pageInSpread and spreadPages place the spread's pasteboard around the page.
    LayoutDescription::Item ItemOnPage(const json& object, const std::string& path, int32 pageLimit,
                                       int32 pageInSpread, int32 spreadPages, int32 knownPage = -1) {
        CheckKeys(object, path,
                  {"type", "page", "layer", "bounds", "points", "closed", "stroke", "fill", "cornerRadius",
                   "items"});
        LayoutDescription::Item item;
        item.page = knownPage;
        if (knownPage < 0) {
            const json* page = Find(object, "page");
            if (!page)
                Fail(At(path, "page"), "an item needs the number of its page.");
            item.page = PageIndex(*page, At(path, "page"), pageLimit, "master");
            pageInSpread = item.page;
        }
        Kind(object, path, &item);
        if (const json* layer = Find(object, "layer"))
            item.layer = LayerName(*layer, At(path, "layer"));
        Shape(object, path, &item, pageInSpread, spreadPages);
        Paint(object, path, &item);
        return item;
    }

    static void Kind(const json& object, const std::string& path, LayoutDescription::Item* item) {
        const json* type = Find(object, "type");
        static const std::map<std::string, LayoutDescription::Item::Kind> kKinds = {
            {"rectangle", LayoutDescription::Item::kRectangle},
            {"ellipse", LayoutDescription::Item::kEllipse},
            {"path", LayoutDescription::Item::kPath},
            {"group", LayoutDescription::Item::kGroup}};
        if (!type)
            Fail(At(path, "type"), "an item needs a type: rectangle, ellipse, path or group.");
        const auto found = kKinds.find(String(*type, At(path, "type")));
        if (found == kKinds.end())
            Fail(At(path, "type"), "\"" + type->get<std::string>() + "\" is not an item type.");
        item->kind = found->second;
    }

    std::string LayerName(const json& value, const std::string& path) const {
        const std::string name = String(value, path);
        for (const LayoutDescription::Layer& layer : fResult.layers)
            if (layer.name == name)
                return name;
        Fail(path, "no layer is named \"" + name + "\".");
    }

    void Shape(const json& object, const std::string& path, LayoutDescription::Item* item, int32 pageInSpread,
               int32 spreadPages) {
        const PMRect pasteboard(-pageInSpread * fResult.pageWidth - ISpread::kPasteboardMargin,
                                -ISpread::kPasteboardMargin,
                                (spreadPages - pageInSpread) * fResult.pageWidth + ISpread::kPasteboardMargin,
                                fResult.pageHeight + ISpread::kPasteboardMargin);
        switch (item->kind) {
        case LayoutDescription::Item::kRectangle:
        case LayoutDescription::Item::kEllipse: {
            const json* bounds = Find(object, "bounds");
            if (!bounds)
                Fail(At(path, "bounds"), "the item needs its bounds: left, top, right, bottom.");
            const std::vector<PMReal> b = Numbers(*bounds, At(path, "bounds"), 4);
            item->bounds = PMRect(b[0], b[1], b[2], b[3]);
            if (item->bounds.IsEmpty())
                Fail(At(path, "bounds"),
                     "the right edge must lie right of the left one and the bottom below the top.");
            Inside(pasteboard, {item->bounds.LeftTop(), item->bounds.RightBottom()}, At(path, "bounds"));
            break;
        }
        case LayoutDescription::Item::kPath: {
            const json* points = Find(object, "points");
            if (!points || !points->is_array() || points->size() < 2)
                Fail(At(path, "points"), "a path needs a list of at least two points.");
            for (size_t i = 0; i < points->size(); ++i) {
                const std::vector<PMReal> p = Numbers((*points)[i], At(At(path, "points"), i), 2);
                item->points.emplace_back(p[0], p[1]);
            }
            Inside(pasteboard, item->points, At(path, "points"));
            item->closed = Bool(object, "closed", path, false);
            break;
        }
        case LayoutDescription::Item::kGroup: {
            const json* children = Find(object, "items");
            if (!children || !children->is_array() || children->empty())
                Fail(At(path, "items"), "a group needs a list of items.");
            for (size_t i = 0; i < children->size(); ++i) {
                const std::string at = At(At(path, "items"), i);
                if ((*children)[i].is_object() && Find((*children)[i], "page"))
                    Fail(At(at, "page"), "an item of a group lies on the group's page.");
                item->children.push_back(
                    ItemOnPage((*children)[i], at, 0, pageInSpread, spreadPages, item->page));
            }
            break;
        }
        }
    }

    static void Inside(const PMRect& pasteboard, const std::vector<PMPoint>& points,
                       const std::string& path) {
        for (const PMPoint& p : points)
            if (!pasteboard.Contains(p))
                Fail(path, "the item lies outside its spread's pasteboard.");
    }

    void Paint(const json& object, const std::string& path, LayoutDescription::Item* item) const {
        if (const json* fill = Find(object, "fill"))
            item->fill = SwatchName(*fill, At(path, "fill"));
        if (const json* radius = Find(object, "cornerRadius")) {
            item->cornerRadius = Number(*radius, At(path, "cornerRadius"));
            if (item->cornerRadius < 0)
                Fail(At(path, "cornerRadius"), "a corner radius cannot be negative.");
        }
        const json* stroke = Find(object, "stroke");
        if (!stroke)
            return;
        const std::string at = At(path, "stroke");
        CheckKeys(*stroke, at, {"color", "weight", "style", "lineStart", "lineEnd"});
        item->hasStroke = true;
        if (const json* color = Find(*stroke, "color"))
            item->stroke.color = SwatchName(*color, At(at, "color"));
        if (const json* weight = Find(*stroke, "weight")) {
            item->stroke.weight = Number(*weight, At(at, "weight"));
            if (item->stroke.weight < 0 || item->stroke.weight > 1000)
                Fail(At(at, "weight"), "a stroke weight runs from 0 to 1000 points.");
        }
        if (const json* style = Find(*stroke, "style")) {
            const std::string name = String(*style, At(at, "style"));
            if (name != "solid" && name != "dashed")
                Fail(At(at, "style"), "a stroke style is \"solid\" or \"dashed\".");
            item->stroke.dashed = name == "dashed";
        }
        if (const json* start = Find(*stroke, "lineStart"))
            item->stroke.lineStart = Arrowhead(*start, At(at, "lineStart"));
        if (const json* end = Find(*stroke, "lineEnd"))
            item->stroke.lineEnd = Arrowhead(*end, At(at, "lineEnd"));
    }

    std::string SwatchName(const json& value, const std::string& path) const {
        const std::string name = String(value, path);
        static const std::set<std::string> kStandard = {"None", "Paper", "Black", "Registration"};
        if (!kStandard.count(name) && !fSwatchNames.count(name))
            Fail(path, "no swatch is named \"" + name + "\".");
        return name;
    }

    static std::string Name(const json& object, const std::string& path) {
        const json* name = Find(object, "name");
        if (!name)
            Fail(At(path, "name"), "a name is needed here.");
        return String(*name, At(path, "name"));
    }

    void TextFrames(const json& list, const std::string& path) {
        for (size_t i = 0; i < Array(list, path).size(); ++i) {
            const std::string at = At(path, i);
            CheckKeys(list[i], at, {"page", "layer", "bounds", "story", "columns", "gutter", "inset"});
            LayoutDescription::TextFrame frame;
            frame.page = DocumentPage(list[i], at);
            if (const json* layer = Find(list[i], "layer"))
                frame.layer = LayerName(*layer, At(at, "layer"));
            frame.bounds = FrameBounds(list[i], at, frame.page);
            if (const json* story = Find(list[i], "story"))
                frame.story = StoryId(*story, At(at, "story"));
            frame.columns = Columns(list[i], at);
            frame.gutter = Distance(list[i], "gutter", at, frame.gutter);
            frame.inset = Distance(list[i], "inset", at, frame.inset);
            fResult.textFrames.push_back(frame);
        }
    }

    PMRect FrameBounds(const json& object, const std::string& path, int32 page) const {
        const json* bounds = Find(object, "bounds");
        if (!bounds)
            Fail(At(path, "bounds"), "a text frame needs its bounds: left, top, right, bottom.");
        const std::vector<PMReal> b = Numbers(*bounds, At(path, "bounds"), 4);
        const PMRect rect(b[0], b[1], b[2], b[3]);
        if (rect.IsEmpty())
            Fail(At(path, "bounds"),
                 "the right edge must lie right of the left one and the bottom below the top.");
        const auto [index, count] = PlaceInSpread(page);
        const PMRect pasteboard(-index * fResult.pageWidth - ISpread::kPasteboardMargin,
                                -ISpread::kPasteboardMargin,
                                (count - index) * fResult.pageWidth + ISpread::kPasteboardMargin,
                                fResult.pageHeight + ISpread::kPasteboardMargin);
        Inside(pasteboard, {rect.LeftTop(), rect.RightBottom()}, At(path, "bounds"));
        return rect;
    }

    static int32 Columns(const json& object, const std::string& path) {
        const json* columns = Find(object, "columns");
        if (!columns)
            return 1;
        if (!columns->is_number_integer() || columns->get<int64>() < 1 ||
            columns->get<int64>() > IMultiColumnItemData::kMaxColumns)
            Fail(At(path, "columns"), "a text frame has from 1 to 40 columns.");
        return columns->get<int32>();
    }

    static PMReal Distance(const json& object, const char* key, const std::string& path, PMReal fallback) {
        const json* value = Find(object, key);
        if (!value)
            return fallback;
        const PMReal distance = Number(*value, At(path, key));
        if (distance < 0 || distance > kMaxPageSide)
            Fail(At(path, key), "a distance runs from 0 to 15552 points.");
        return distance;
    }

    std::string StoryId(const json& value, const std::string& path) const {
        const std::string id = String(value, path);
        for (const LayoutDescription::Story& story : fResult.stories)
            if (story.id == id)
                return id;
        Fail(path, "no story has the id \"" + id + "\".");
    }

    void Stories(const json& list, const std::string& path) {
        for (size_t i = 0; i < Array(list, path).size(); ++i) {
            const std::string at = At(path, i);
            CheckKeys(list[i], at, {"id", "paragraphs"});
            LayoutDescription::Story story;
            const json* id = Find(list[i], "id");
            if (!id)
                Fail(At(at, "id"), "a story needs an id that text frames name it by.");
            story.id = String(*id, At(at, "id"));
            for (const LayoutDescription::Story& other : fResult.stories)
                if (other.id == story.id)
                    Fail(At(at, "id"), "another story already has the id \"" + story.id + "\".");
            if (const json* paragraphs = Find(list[i], "paragraphs"))
                for (size_t p = 0; p < Array(*paragraphs, At(at, "paragraphs")).size(); ++p)
                    Paragraph((*paragraphs)[p], At(At(at, "paragraphs"), p), &story);
            fResult.stories.push_back(story);
        }
    }

    // A paragraph is a string, or an object holding a table: {"table": {...}}.
    static void Paragraph(const json& value, const std::string& path, LayoutDescription::Story* story) {
        if (value.is_string()) {
            story->paragraphs.push_back(Unicode::UTF8ToUTF16(value.get<std::string>()));
            return;
        }
        if (!value.is_object())
            Fail(path, "a paragraph is a string or a table.");
        CheckKeys(value, path, {"table"});
        const json* table = Find(value, "table");
        if (!table)
            Fail(At(path, "table"), "a paragraph object holds a table.");
        LayoutDescription::Table parsed = Table(*table, At(path, "table"));
        parsed.paragraph = static_cast<int32>(story->paragraphs.size());
        story->paragraphs.emplace_back();
        story->tables.push_back(std::move(parsed));
    }

    static LayoutDescription::Table Table(const json& object, const std::string& path) {
        CheckKeys(object, path, {"columnWidths", "rowHeights", "cells"});
        LayoutDescription::Table table;
        table.columnWidths = Sizes(object, "columnWidths", path, ITableModel::kMaxColumns, "column width");
        table.rowHeights = Sizes(object, "rowHeights", path, ITableModel::kMaxRows, "row height");
        if (table.columnWidths.size() * table.rowHeights.size() > ITableModel::kMaxCells)
            Fail(path, "a table has at most " + std::to_string(ITableModel::kMaxCells) + " cells.");
        const json* cells = Find(object, "cells");
        if (!cells)
            return table;
        const std::string at = At(path, "cells");
        if (Array(*cells, at).size() != table.rowHeights.size())
            Fail(at, std::to_string(table.rowHeights.size()) +
                         " rows of cells are expected here, one per row height.");
        for (size_t r = 0; r < cells->size(); ++r) {
            const std::string row = At(at, r);
            if (Array((*cells)[r], row).size() != table.columnWidths.size())
                Fail(row, std::to_string(table.columnWidths.size()) +
                              " cells are expected here, one per column width.");
            std::vector<std::u16string> texts;
            for (size_t c = 0; c < (*cells)[r].size(); ++c) {
                if (!(*cells)[r][c].is_string())
                    Fail(At(row, c), "a cell is a string.");
                texts.push_back(Unicode::UTF8ToUTF16((*cells)[r][c].get<std::string>()));
            }
            table.cells.push_back(std::move(texts));
        }
        return table;
    }

    static std::vector<PMReal> Sizes(const json& object, const char* key, const std::string& path,
                                     int32 limit, const std::string& what) {
        const json* list = Find(object, key);
        if (!list || !list->is_array() || list->empty() || list->size() > static_cast<size_t>(limit))
            Fail(At(path, key), "a table needs a list of 1 to " + std::to_string(limit) + " " + what + "s.");
        std::vector<PMReal> sizes;
        for (size_t i = 0; i < list->size(); ++i) {
            const PMReal size = Number((*list)[i], At(At(path, key), i));
            if (!(size > 0 && size <= ITableModel::kMaxSize))
                Fail(At(At(path, key), i), "a " + what + " must be more than 0 and at most 15552 points.");
            sizes.push_back(size);
        }
        return sizes;
    }

    LayoutDescription fResult;
    std::set<std::string> fSwatchNames;
};
} // namespace

std::string LayoutParser::Result::Message() const {
    return "The layout description is invalid at " + path + ": " + problem;
}

LayoutParser::Result LayoutParser::Parse(const std::string& text) {
    Result result;
    json root;
    try {
        root = json::parse(text);
    } catch (const json::parse_error& error) {
        result.path = "$";
        result.problem = "the text is not valid JSON (at byte " + std::to_string(error.byte) + ").";
        return result;
    } catch (const json::exception&) {
        // Reading throws other kinds too: a number beyond a double's range ("1e999") is out of range.
        result.path = "$";
        result.problem = "the text holds a number too large to read.";
        return result;
    }
    try {
        result.description = Parser().Run(root);
        result.ok = true;
    } catch (const Fault& fault) {
        result.path = fault.path;
        result.problem = fault.problem;
    } catch (const json::exception&) {
        // A number too large for its type and similar; nlohmann names no path for these.
        result.path = "$";
        result.problem = "a value cannot be read.";
    }
    return result;
}
