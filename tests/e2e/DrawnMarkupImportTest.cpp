// Drawn markups end to end: PyMuPDF draws on the document's own proof, beside words it finds there,
// a line with arrowheads, a polyline, a filled polygon, a circle and a dashed, filled square. After
// `pagehost import` each is an item of the annotation layer on page 1 whose bounds are the PDF's
// geometry, with the PDF's stroke weight, colours, dash and arrowheads, and nothing counts as failed;
// `pagehost render` draws each at its place and `pagehost export-pdf` draws none of them.
#include <gtest/gtest.h>

#include <map>

#include <nlohmann/json.hpp>

#include "INotesAnnotation.h"
#include "INotesAnnotationLayout.h"
#include "NotesID.h"
#include "PagePixels.h"
#include "PagehostRun.h"
#include "ReviewedProof.h"
#include "TestSupport.h"
#include "host/database/IDataBase.h"
#include "host/document/DocumentManager.h"
#include "host/document/IDocumentLayer.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/IHierarchy.h"
#include "host/document/IPageList.h"
#include "host/document/ISpreadLayer.h"
#include "host/document/ISwatchUtils.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/objectmodel/PlugInLoader.h"

namespace {
// Each word ends its paragraph and empty paragraphs follow it, so what is drawn beside it has the
// page to itself.
constexpr const char* kLayout = R"({
  "pageSize": {"width": 612, "height": 792},
  "spreads": [{"pages": [{}]}],
  "textFrames": [{"page": 1, "bounds": [72, 72, 540, 700], "story": "s"}],
  "stories": [{"id": "s", "paragraphs": ["Harbour", "", "", "Filler", "", "", "Lantern", "", "", "Middle",
                                         "", "", "", "", "Beacon", "", "", "", "", "Tail"]}]
})";

constexpr const char* kComments = R"([
  {"page": 0, "kind": "Line", "near": "Harbour", "line_ends": ["OpenArrow", "ClosedArrow"],
   "stroke": [0, 0, 1], "width": 3},
  {"page": 0, "kind": "PolyLine", "near": "Filler", "stroke": [1, 0, 0], "width": 3},
  {"page": 0, "kind": "Polygon", "near": "Lantern", "stroke": [0, 1, 1], "fill": [0, 1, 0], "width": 2},
  {"page": 0, "kind": "Circle", "near": "Middle", "size": [60, 40], "stroke": [1, 0, 1], "width": 3},
  {"page": 0, "kind": "Square", "near": "Beacon", "size": [50, 50], "stroke": [0, 0, 1], "fill": [1, 1, 0],
   "width": 3, "dashes": [4, 4]}
])";

constexpr double kPageHeight = 792;

// One drawn annotation as the PDF has it, in page coordinates (y down).
struct Drawn {
    std::string kind;
    std::vector<PMPoint> points; // L or Vertices; the rectangle's corners for circles and squares
    PMRect Box() const {
        PMRect box(points[0], points[0]);
        for (const PMPoint& p : points)
            box = box.Union(PMRect(p, p));
        return box;
    }
};

class DrawnMarkupImportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = TestSupport::MakeTempDir("drawn-markup-import");
        doc = ReviewedProof::Make(dir, kLayout, kComments);
        ReadPdf();
        imported = RunPagehost({"import", doc, (dir / "reviewed.pdf").string()});
        const PagehostRun listed = RunPagehost({"notes", doc, "--json"});
        ASSERT_EQ(listed.status, 0);
        notes = nlohmann::json::parse(listed.out);
    }

    // The drawn annotations of the reviewed PDF as `pagehost pdfinfo` reads them.
    static void ReadPdf() {
        const PagehostRun info = RunPagehost({"pdfinfo", "--json", (dir / "reviewed.pdf").string()});
        ASSERT_EQ(info.status, 0);
        const nlohmann::json read = nlohmann::json::parse(info.out);
        for (const auto& annotation : read["pages"][0]["annotations"]) {
            Drawn drawn{annotation["kind"], {}};
            if (annotation.contains("points")) {
                const auto& values = annotation["points"]["values"];
                for (size_t i = 0; i + 1 < values.size(); i += 2)
                    drawn.points.emplace_back(values[i].get<double>(),
                                              kPageHeight - values[i + 1].get<double>());
            } else {
                const auto& r = annotation["rect"];
                drawn.points = {{r[0].get<double>(), kPageHeight - r[3].get<double>()},
                                {r[2].get<double>(), kPageHeight - r[1].get<double>()}};
            }
            pdf[drawn.kind] = drawn;
        }
    }

    static inline std::filesystem::path dir;
    static inline std::string doc;
    static inline PagehostRun imported;
    static inline nlohmann::json notes;
    static inline std::map<std::string, Drawn> pdf; // by PDF subtype
};

const std::map<std::string, std::string> kKindOfSubtype = {{"Line", "line"},
                                                           {"PolyLine", "polyline"},
                                                           {"Polygon", "polygon"},
                                                           {"Circle", "circle"},
                                                           {"Square", "square"}};

TEST_F(DrawnMarkupImportTest, EachDrawingLandsOnItsPageWithThePdfsGeometryAndNothingFails) {
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.err.find("could not be imported"), std::string::npos) << imported.err;
    ASSERT_EQ(pdf.size(), 5u);
    ASSERT_EQ(notes.size(), 1u) << notes.dump();
    EXPECT_EQ(notes[0]["page"], "Page 1");
    std::map<std::string, nlohmann::json> byKind;
    for (const auto& note : notes[0]["notes"])
        byKind[note["kind"]] = note;
    ASSERT_EQ(byKind.size(), 5u) << notes.dump();
    for (const auto& [subtype, kind] : kKindOfSubtype) {
        ASSERT_TRUE(byKind.count(kind)) << kind;
        const PMRect expected = pdf[subtype].Box();
        const auto& bounds = byKind[kind]["bounds"];
        EXPECT_NEAR(bounds[0].get<double>(), expected.Left(), 0.5) << kind;
        EXPECT_NEAR(bounds[1].get<double>(), expected.Top(), 0.5) << kind;
        EXPECT_NEAR(bounds[2].get<double>(), expected.Right(), 0.5) << kind;
        EXPECT_NEAR(bounds[3].get<double>(), expected.Bottom(), 0.5) << kind;
    }
}

// The document read in this process with the plug-ins loaded, as pagehost reads it.
class ImportedDocument {
public:
    explicit ImportedDocument(const std::string& path) {
        static const bool loaded = [] {
            for (const PlugInLoadResult& result :
                 PlugInLoader::Instance().LoadFolder((TestSupport::BinaryDir() / "bin" / "plugins").string()))
                EXPECT_EQ(result.reason, PlugInLoadResult::kLoaded) << result.message;
            return true;
        }();
        (void)loaded;
        fOpened = DocumentManager::Instance().OpenDocument(path);
    }
    ~ImportedDocument() {
        if (fOpened.document)
            DocumentManager::Instance().CloseDocument(fOpened.document);
    }
    IDataBase* DataBase() const {
        return fOpened.document ? fOpened.document->GetDocumentDataBase() : nullptr;
    }
    const std::string& Message() const { return fOpened.message; }

private:
    DocumentManager::Result fOpened;
};

struct Look {
    PMReal weight = 0;
    std::vector<PMReal> stroke, fill;
    ClassID strokeType = kInvalidClass, start = kInvalidClass, end = kInvalidClass;
};

Look LookOf(IDataBase* db, UID item) {
    InterfacePtr<INotesAnnotation> boss(UIDRef(db, item), IID_INOTESANNOTATION);
    Utils<IGraphicAttributeUtils> attributes;
    const auto rgb = [&](ClassID attributeClass) {
        return Utils<ISwatchUtils>()->GetRGBComponents(
            UIDRef(db, attributes->GetAttribute(boss, attributeClass).swatch));
    };
    return {attributes->GetAttribute(boss, kGraphicStyleStrokeWeightAttrBoss).real,
            rgb(kGraphicStyleStrokeRenderingAttrBoss),
            rgb(kGraphicStyleFillRenderingAttrBoss),
            attributes->GetAttribute(boss, kGraphicStyleStrokeTypeAttrBoss).classValue,
            attributes->GetAttribute(boss, kGraphicStyleLineStartAttrBoss).classValue,
            attributes->GetAttribute(boss, kGraphicStyleLineEndAttrBoss).classValue};
}

TEST_F(DrawnMarkupImportTest, EachDrawingHasThePdfsStrokeWeightColoursDashAndArrowheadsOnTheAnnotationLayer) {
    ImportedDocument document(doc);
    IDataBase* db = document.DataBase();
    ASSERT_NE(db, nullptr) << document.Message();
    InterfacePtr<IPageList> pages(UIDRef(db, db->GetRootUID()), IID_IPAGELIST);
    const std::map<std::string, Look> expected = {
        {"line", {3, {0, 0, 1}, {}, kSolidPathStrokerBoss, kSimpleArrowHeadBoss, kTriangleArrowHeadBoss}},
        {"polyline", {3, {1, 0, 0}, {}, kSolidPathStrokerBoss, kInvalidClass, kInvalidClass}},
        {"polygon", {2, {0, 1, 1}, {0, 1, 0}, kSolidPathStrokerBoss, kInvalidClass, kInvalidClass}},
        {"circle", {3, {1, 0, 1}, {}, kSolidPathStrokerBoss, kInvalidClass, kInvalidClass}},
        {"square", {3, {0, 0, 1}, {1, 1, 0}, kDashedPathStrokerBoss, kInvalidClass, kInvalidClass}}};
    int seen = 0;
    for (const auto& note : notes[0]["notes"]) {
        const UID item = note["id"].get<UID>();
        const std::string kind = note["kind"];
        ASSERT_TRUE(expected.count(kind)) << kind;
        const Look want = expected.at(kind);
        const Look look = LookOf(db, item);
        EXPECT_EQ(look.weight, want.weight) << kind;
        EXPECT_EQ(look.stroke, want.stroke) << kind;
        EXPECT_EQ(look.fill, want.fill) << kind;
        EXPECT_EQ(look.strokeType, want.strokeType) << kind;
        EXPECT_EQ(look.start, want.start) << kind;
        EXPECT_EQ(look.end, want.end) << kind;

        InterfacePtr<INotesAnnotationLayout> layout(UIDRef(db, item), IID_INOTESANNOTATIONLAYOUT);
        ASSERT_TRUE(layout) << kind;
        EXPECT_EQ(layout->GetPageUID(), pages->GetNthPageUID(0)) << kind;
        InterfacePtr<IHierarchy> hierarchy(UIDRef(db, item), IID_IHIERARCHY);
        EXPECT_EQ(hierarchy->GetParentUID(), layout->GetLayerUID()) << kind;
        InterfacePtr<ISpreadLayer> spreadLayer(UIDRef(db, hierarchy->GetParentUID()), IID_ISPREADLAYER);
        ASSERT_TRUE(spreadLayer) << kind;
        InterfacePtr<IDocumentLayer> layer(UIDRef(db, spreadLayer->GetDocLayerUID()), IID_IDOCUMENTLAYER);
        ASSERT_TRUE(layer) << kind;
        EXPECT_EQ(layer->GetName().GetUTF8String(), "Annotations") << kind;
        ++seen;
    }
    EXPECT_EQ(seen, 5);
}

TEST_F(DrawnMarkupImportTest, RenderDrawsEachDrawingAtItsPlaceAndTheExportDrawsNone) {
    ASSERT_EQ(RunPagehost({"render", doc, "--page", "1", "--scale", "2", "--out", (dir / "p1.png").string()})
                  .status,
              0);
    const PngImage png = PngImage::Load((dir / "p1.png").string());
    const auto middle = [](PMPoint a, PMPoint b) {
        return PMPoint((a.X() + b.X()) / 2, (a.Y() + b.Y()) / 2);
    };
    const Drawn& line = pdf["Line"];
    const Drawn& polyline = pdf["PolyLine"];
    const Drawn& polygon = pdf["Polygon"];
    const PMRect circle = pdf["Circle"].Box();
    const PMRect square = pdf["Square"].Box();
    const PMPoint centroid((polygon.points[0].X() + polygon.points[1].X() + polygon.points[2].X()) / 3,
                           (polygon.points[0].Y() + polygon.points[1].Y() + polygon.points[2].Y()) / 3);
    struct Sample {
        const char* what;
        PMPoint at;
        uint32 colour;
    };
    const std::vector<Sample> samples = {
        {"the line's middle", middle(line.points[0], line.points[1]), 0x0000FF},
        {"the polyline's first segment", middle(polyline.points[0], polyline.points[1]), 0xFF0000},
        {"inside the polygon", centroid, 0x00FF00},
        {"the circle's right edge", PMPoint(circle.Right(), circle.GetCenter().Y()), 0xFF00FF},
        {"inside the circle, not filled", circle.GetCenter(), 0xFFFFFF},
        {"inside the square", square.GetCenter(), 0xFFFF00},
    };
    std::vector<PMPoint> points;
    for (const Sample& sample : samples) {
        EXPECT_EQ(PagePixels::Rendered(png, sample.at.X(), sample.at.Y()), sample.colour)
            << sample.what << std::hex << " is " << PagePixels::Rendered(png, sample.at.X(), sample.at.Y());
        points.push_back(sample.at);
    }
    // The square's left edge is dashed: along it the stroke's blue alternates with the fill's yellow
    // and the page's white.
    int blue = 0, other = 0;
    for (double y = square.Top() + 6; y < square.Bottom() - 6; y += 1) {
        const uint32 colour = PagePixels::Rendered(png, square.Left(), y);
        (colour == 0x0000FF ? blue : other) += 1;
        points.emplace_back(square.Left(), y);
    }
    EXPECT_GT(blue, 10);
    EXPECT_GT(other, 10);

    ASSERT_EQ(RunPagehost({"export-pdf", doc, (dir / "after.pdf").string()}).status, 0);
    const std::vector<uint32> before = PagePixels::InPdf(dir / "proof.pdf", 0, points);
    const std::vector<uint32> after = PagePixels::InPdf(dir / "after.pdf", 0, points);
    for (size_t i = 0; i < points.size(); ++i)
        EXPECT_EQ(after[i], before[i])
            << "the export draws no drawing at " << points[i].X() << ", " << points[i].Y();
    EXPECT_EQ(std::count(after.begin(), after.end(), 0xFFFFFFu), static_cast<long>(after.size()))
        << "the proof is blank where the drawings are";
}
} // namespace
