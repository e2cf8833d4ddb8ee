// Drawn markups: lines and polylines become open paths through their points with arrowheads;
// polygons closed paths, circles ellipses and squares rectangles of their two corners, filled with
// their interior swatch or None and never with arrowheads; the stroke carries the weight, swatch
// and dash of the drawing values. Records that cannot be drawn create nothing at all. The items
// are listed on their page, drawn on screen only, framed in red when selected, and keep their
// look (not their drawing values) through a save.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "../fixtures/AnnotationLayerDocument.h"
#include "../fixtures/CoreFixture.h"
#include "INotesAnnotation.h"
#include "INotesAnnotationLayout.h"
#include "INotesAnnotationList.h"
#include "INotesDrawMarkupAnnotationData.h"
#include "INotesViewUtils.h"
#include "TestSupport.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/IPathGeometry.h"
#include "host/document/ISwatchUtils.h"
#include "host/document/ITransform.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/IShape.h"
#include "host/graphics/RecordingGraphicsPort.h"
#include "host/objectmodel/IUIDData.h"

using namespace CoreFixture;
using A = INotesAnnotation;

namespace {
struct Drawing {
    PMReal width = 2.5;
    UID second = kInvalidUID;
    int32 style = 1;
    ClassID start = kSimpleArrowHeadBoss;
    ClassID end = kTriangleArrowHeadBoss;
};

class DrawnMarkupTest : public AnnotationLayerDocument {
protected:
    // Processes the creating command of the type on page 1's annotation layer; the created item or
    // kInvalidUID.
    UID Create(A::NotesAnnotationType type, const PMPointList& points, const Drawing& drawing = {}) {
        const ClassID commandClass = type == A::kLineAnnotation || type == A::kPolyLineAnnotation
                                         ? kNotesCreateLineAnnotationCmdBoss
                                         : kNotesCreatePolygonAnnotationCmdBoss;
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(commandClass));
        InterfacePtr<INotesAnnotation> record(cmd, IID_INOTESANNOTATION);
        record->Set(type, points, black, kTrue, PMString("drawn"), PMString("Ana"),
                    IDTime::FromCalendar(2024, 3, 4, 5, 6, 7));
        InterfacePtr<INotesDrawMarkupAnnotationData> data(cmd, IID_INOTESDRAWMARKUPANNOTATIONDATA);
        data->Set(drawing.width, black, drawing.second, drawing.style, drawing.start, drawing.end);
        InterfacePtr<IUIDData> popup(cmd, IID_INOTESANNOTATIONREFERENCE);
        popup->Set(UIDRef(db, popupUID));
        cmd->SetItemList(UIDList(UIDRef(db, manager->GetAnnotationSpreadLayer(1))));
        if (CmdUtils::ProcessCommand(cmd) != kSuccess || cmd->GetItemList()->Length() != 1)
            return kInvalidUID;
        return cmd->GetItemList()->At(0);
    }
    // Points relative to the left-top corner of page 1, on the pasteboard.
    PMPointList OnPage(std::initializer_list<PMPoint> points) {
        PMPointList result;
        for (const PMPoint& p : points)
            result.push_back(PageBounds(1).LeftTop() + p);
        return result;
    }
    // The anchors of the item's one path, on the pasteboard.
    PMPointList Anchors(UID item) {
        InterfacePtr<IPathGeometry> path(UIDRef(db, item), IID_IPATHGEOMETRY);
        InterfacePtr<ITransform> transform(UIDRef(db, item), IID_ITRANSFORM);
        PMPathPointList points = path->GetPath(0);
        transform->TransformInnerPathToPasteboard(&points);
        PMPointList anchors;
        for (const PMPathPoint& p : points)
            anchors.push_back(p.GetAnchor());
        return anchors;
    }
    bool IsOpen(UID item) {
        InterfacePtr<IPathGeometry> path(UIDRef(db, item), IID_IPATHGEOMETRY);
        return path->GetNumPaths() == 1 && path->IsPathOpen(0);
    }
    GraphicAttribute Attribute(UID item, ClassID attributeClass) {
        InterfacePtr<IPathGeometry> path(UIDRef(db, item), IID_IPATHGEOMETRY);
        return Utils<IGraphicAttributeUtils>()->GetAttribute(path, attributeClass);
    }
    PMRect PasteboardBounds(UID item) {
        InterfacePtr<INotesAnnotationLayout> layout(UIDRef(db, item), IID_INOTESANNOTATIONLAYOUT);
        return layout->GetBounds();
    }
    UIDList Listed() {
        InterfacePtr<INotesAnnotationList> list(UIDRef(db, Page(1)), IID_INOTESANNOTATIONLIST);
        list->Invalidate();
        return list->GetAnnotations();
    }
    static void ExpectPoints(const PMPointList& actual, const PMPointList& expected) {
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t i = 0; i < actual.size(); ++i) {
            EXPECT_NEAR(actual[i].X(), expected[i].X(), 1e-8) << "point " << i;
            EXPECT_NEAR(actual[i].Y(), expected[i].Y(), 1e-8) << "point " << i;
        }
    }

    UID popupUID = kInvalidUID;
};

TEST_F(DrawnMarkupTest, APolylineIsAnOpenPathThroughAllItsPointsWithItsStrokeAndArrowheads) {
    popupUID = black; // any valid UID stands for the popup the import made first
    const PMPointList points = OnPage({{100, 100}, {150, 90}, {200, 140}, {260, 100}, {300, 180}});
    const UID line = Create(A::kPolyLineAnnotation, points);
    ASSERT_NE(line, kInvalidUID);
    EXPECT_EQ(db->GetClass(line), kNotesLineAnnotationBoss);
    ExpectPoints(Anchors(line), points);
    EXPECT_TRUE(IsOpen(line));
    EXPECT_EQ(Attribute(line, kGraphicStyleStrokeWeightAttrBoss).real, 2.5);
    EXPECT_EQ(Attribute(line, kGraphicStyleStrokeRenderingAttrBoss).swatch, black);
    EXPECT_EQ(Attribute(line, kGraphicStyleStrokeTypeAttrBoss).classValue, kSolidPathStrokerBoss);
    EXPECT_EQ(Attribute(line, kGraphicStyleLineStartAttrBoss).classValue, kSimpleArrowHeadBoss);
    EXPECT_EQ(Attribute(line, kGraphicStyleLineEndAttrBoss).classValue, kTriangleArrowHeadBoss);

    InterfacePtr<INotesAnnotation> record(UIDRef(db, line), IID_INOTESANNOTATION);
    EXPECT_EQ(record->GetType(), A::kPolyLineAnnotation);
    EXPECT_EQ(record->GetPoints(), points);
    EXPECT_EQ(record->GetContent().GetUTF8String(), "drawn");
    InterfacePtr<IUIDData> popup(UIDRef(db, line), IID_INOTESANNOTATIONREFERENCE);
    EXPECT_EQ(popup->GetUID(), black);
    InterfacePtr<INotesAnnotationLayout> layout(UIDRef(db, line), IID_INOTESANNOTATIONLAYOUT);
    EXPECT_EQ(layout->GetPageUID(), Page(1));
    EXPECT_EQ(layout->GetLayerUID(), manager->GetAnnotationSpreadLayer(1));
    EXPECT_EQ(Listed(), UIDList(UIDRef(db, line)));
}

TEST_F(DrawnMarkupTest, ALineRunsFromItsFirstPointToItsSecondWhicheverWayItPoints) {
    const PMPointList points = OnPage({{300, 200}, {100, 50}});
    const UID line = Create(A::kLineAnnotation, points);
    ASSERT_NE(line, kInvalidUID);
    ExpectPoints(Anchors(line), points);
    EXPECT_TRUE(IsOpen(line));
    // A horizontal line has no height and is still made.
    const UID flat = Create(A::kLineAnnotation, OnPage({{100, 300}, {200, 300}}));
    ASSERT_NE(flat, kInvalidUID);
    EXPECT_NEAR(PasteboardBounds(flat).Height(), 0, 1e-8);
}

TEST_F(DrawnMarkupTest, PolygonsAreClosedCirclesAreEllipsesAndSquaresRectanglesOfTheirCorners) {
    const PMPointList five = OnPage({{100, 100}, {150, 90}, {200, 140}, {160, 200}, {110, 170}});
    const UID polygon = Create(A::kPolygonAnnotation, five);
    ASSERT_NE(polygon, kInvalidUID);
    EXPECT_EQ(db->GetClass(polygon), kNotesPolygonAnnotationBoss);
    ExpectPoints(Anchors(polygon), five);
    EXPECT_FALSE(IsOpen(polygon));

    const PMPointList corners = OnPage({{100, 300}, {200, 350}});
    const UID circle = Create(A::kCircleAnnotation, corners);
    ASSERT_NE(circle, kInvalidUID);
    InterfacePtr<IPathGeometry> ellipse(UIDRef(db, circle), IID_IPATHGEOMETRY);
    ASSERT_EQ(ellipse->GetNumPoints(0), 4);
    EXPECT_FALSE(ellipse->GetPathPoint(0, 0).IsCorner()) << "curved, not a rectangle";
    EXPECT_TRUE(PasteboardBounds(circle).Equals(PMRect(corners[0], corners[1]), 1e-8)) << "100 by 50";

    const UID square = Create(A::kSquareAnnotation, corners);
    ASSERT_NE(square, kInvalidUID);
    ExpectPoints(
        Anchors(square),
        {corners[0], {corners[1].X(), corners[0].Y()}, corners[1], {corners[0].X(), corners[1].Y()}});
    EXPECT_FALSE(IsOpen(square));
    EXPECT_EQ(Listed().Length(), 3);
}

TEST_F(DrawnMarkupTest, ShapesAreFilledWithTheirInteriorOrNoneAndNeverGetArrowheads) {
    const PMPointList corners = OnPage({{100, 300}, {200, 350}});
    const UID filled = Create(A::kSquareAnnotation, corners, {.second = black});
    const UID empty = Create(A::kPolygonAnnotation, OnPage({{10, 10}, {60, 10}, {30, 50}}));
    ASSERT_NE(filled, kInvalidUID);
    ASSERT_NE(empty, kInvalidUID);
    EXPECT_EQ(Attribute(filled, kGraphicStyleFillRenderingAttrBoss).swatch, black);
    const UID none = Utils<ISwatchUtils>()->GetNoneSwatchUID(db);
    ASSERT_NE(none, kInvalidUID);
    EXPECT_EQ(Attribute(empty, kGraphicStyleFillRenderingAttrBoss).swatch, none);
    for (UID shape : {filled, empty}) {
        EXPECT_EQ(Attribute(shape, kGraphicStyleLineStartAttrBoss).classValue, kInvalidClass);
        EXPECT_EQ(Attribute(shape, kGraphicStyleLineEndAttrBoss).classValue, kInvalidClass);
        EXPECT_EQ(Attribute(shape, kGraphicStyleStrokeWeightAttrBoss).real, 2.5);
        EXPECT_EQ(Attribute(shape, kGraphicStyleStrokeRenderingAttrBoss).swatch, black);
    }
}

TEST_F(DrawnMarkupTest, OnlyTheDashedBorderStyleGivesADashedStroke) {
    const PMPointList corners = OnPage({{100, 300}, {200, 350}});
    const std::pair<int32, ClassID> styles[] = {{1, kSolidPathStrokerBoss},
                                                {3, kDashedPathStrokerBoss},
                                                {6, kSolidPathStrokerBoss},
                                                {7, kSolidPathStrokerBoss},
                                                {42, kSolidPathStrokerBoss}};
    for (const auto& [style, stroke] : styles) {
        const UID square = Create(A::kSquareAnnotation, corners, {.style = style});
        const UID line = Create(A::kLineAnnotation, corners, {.style = style});
        ASSERT_NE(square, kInvalidUID);
        ASSERT_NE(line, kInvalidUID);
        EXPECT_EQ(Attribute(square, kGraphicStyleStrokeTypeAttrBoss).classValue, stroke) << style;
        EXPECT_EQ(Attribute(line, kGraphicStyleStrokeTypeAttrBoss).classValue, stroke) << style;
    }
}

TEST_F(DrawnMarkupTest, RecordsThatCannotBeDrawnCreateNothingAndAreLogged) {
    const PMPoint p = PageBounds(1).GetCenter();
    const PMReal nan = std::numeric_limits<PMReal>::quiet_NaN();
    const PMReal inf = std::numeric_limits<PMReal>::infinity();
    const size_t objectsBefore = db->GetAllUIDs().size();
    ClearFailureLog();
    for (A::NotesAnnotationType type : {A::kLineAnnotation, A::kPolygonAnnotation, A::kCircleAnnotation}) {
        EXPECT_EQ(Create(type, {}), kInvalidUID) << type;
        EXPECT_EQ(Create(type, {p}), kInvalidUID) << type;
        EXPECT_EQ(Create(type, {p, PMPoint(nan, p.Y())}), kInvalidUID) << type;
        EXPECT_EQ(Create(type, {p, p + PMPoint(10, 10), PMPoint(p.X(), inf)}), kInvalidUID) << type;
        EXPECT_EQ(Create(type, {p, PMPoint(1e300, -1e300)}), kInvalidUID) << type;
        // The item exists by the time the stroke weight is refused; it is taken away again.
        EXPECT_EQ(Create(type, {p, p + PMPoint(10, 10)}, {.width = nan}), kInvalidUID) << type;
        EXPECT_EQ(Create(type, {p, p + PMPoint(10, 10)}, {.width = -1}), kInvalidUID) << type;
    }
    EXPECT_EQ(db->GetAllUIDs().size(), objectsBefore) << "nothing half made stays behind";
    EXPECT_TRUE(Listed().IsEmpty());
    const std::string log = FailureLogText();
    EXPECT_NE(log.find("points.size() >= 2"), std::string::npos) << log;
    EXPECT_NE(log.find("AreUsablePoints(points)"), std::string::npos) << log;
    EXPECT_NE(log.find("std::isfinite(drawData->GetWidth())"), std::string::npos) << log;

    InterfacePtr<ICommand> noParent(CmdUtils::CreateCommand(kNotesCreateLineAnnotationCmdBoss));
    InterfacePtr<INotesAnnotation> record(noParent, IID_INOTESANNOTATION);
    record->Set(A::kLineAnnotation, {p, p + PMPoint(5, 5)}, black, kTrue, PMString(), PMString(), IDTime());
    noParent->SetItemList(UIDList(db));
    EXPECT_NE(CmdUtils::ProcessCommand(noParent), kSuccess);
    EXPECT_EQ(db->GetAllUIDs().size(), objectsBefore);
}

TEST_F(DrawnMarkupTest, CreatingIsOneUndoStepAndUndoTakesTheItemAway) {
    const int32 steps = db->GetUndoHistory().CountUndoSteps();
    const UID line = Create(A::kLineAnnotation, OnPage({{100, 100}, {200, 200}}));
    ASSERT_NE(line, kInvalidUID);
    EXPECT_EQ(db->GetUndoHistory().CountUndoSteps(), steps + 1);
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_FALSE(db->IsValidUID(line));
    EXPECT_TRUE(Listed().IsEmpty());
}

TEST_F(DrawnMarkupTest, ItemsAreDrawnOnScreenWithTheirDashButNeverWhenPrintingOrExporting) {
    const UID line = Create(A::kLineAnnotation, OnPage({{100, 100}, {200, 200}}), {.style = 3});
    InterfacePtr<IShape> shape(UIDRef(db, line), IID_ISHAPE);
    ASSERT_TRUE(shape);
    RecordingGraphicsPort screen;
    GraphicsData screenData(&screen, db);
    shape->Draw(&screenData, IShape::kDrawNormal);
    EXPECT_FALSE(screen.Find("stroke").empty());
    EXPECT_FALSE(screen.Find("setdash").empty()) << "a dashed border draws dashed";
    for (int32 flags : {0x200, 0x1000, 0x1200}) {
        RecordingGraphicsPort printing;
        GraphicsData printData(&printing, db);
        shape->Draw(&printData, flags);
        EXPECT_TRUE(printing.Find("stroke").empty() && printing.Find("fill").empty()) << flags;
    }
}

TEST_F(DrawnMarkupTest, ASelectedLineShowsARedFrameTenPointsOutsideItsBoundsButNotInPrint) {
    const UID line = Create(A::kLineAnnotation, OnPage({{100, 100}, {200, 150}}));
    Utils<INotesViewUtils>()->SetEmphasis(UIDList(UIDRef(db, line)), kTrue);
    InterfacePtr<IShape> shape(UIDRef(db, line), IID_ISHAPE);
    RecordingGraphicsPort screen;
    GraphicsData screenData(&screen, db);
    shape->Draw(&screenData, IShape::kDrawNormal);
    // The line's inner coordinates are centred on it: it spans (-50, -25) to (50, 25).
    const auto widths = screen.Find("setlinewidth");
    ASSERT_FALSE(widths.empty());
    EXPECT_EQ(widths.back().args, (std::vector<PMReal>{2.0}));
    EXPECT_EQ(screen.Find("setrgbcolor").back().args, (std::vector<PMReal>{1, 0, 0}));
    const auto moves = screen.Find("moveto");
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back().args, (std::vector<PMReal>{-60, -35}));
    const auto lines = screen.Find("lineto");
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 2].args, (std::vector<PMReal>{60, 35}));

    RecordingGraphicsPort printing;
    GraphicsData printData(&printing, db);
    shape->Draw(&printData, IShape::kPrinting);
    EXPECT_TRUE(printing.Find("moveto").empty());

    Utils<INotesViewUtils>()->SetEmphasis(UIDList(UIDRef(db, line)), kFalse);
    RecordingGraphicsPort unselected;
    GraphicsData unselectedData(&unselected, db);
    shape->Draw(&unselectedData, IShape::kDrawNormal);
    EXPECT_EQ(unselected.Find("setlinewidth").back().args, (std::vector<PMReal>{2.5})) << "no frame";
}

TEST_F(DrawnMarkupTest, SavingKeepsTheLookAndTheDrawingValuesReadTheirStartValues) {
    const PMPointList corners = OnPage({{100, 300}, {200, 350}});
    const UID square = Create(A::kSquareAnnotation, corners, {.second = black, .style = 3});
    ASSERT_NE(square, kInvalidUID);
    // What an item's own drawing values store (no command writes them): all but the second swatch.
    {
        InterfacePtr<INotesDrawMarkupAnnotationData> data(UIDRef(db, square),
                                                          IID_INOTESDRAWMARKUPANNOTATIONDATA);
        data->Set(4.5, black, black, 3, kCircleArrowHeadBoss, kBarArrowHeadBoss);
    }
    const std::string path = (TestSupport::MakeTempDir("drawn") / "drawn.phd").string();
    ASSERT_EQ(DocumentManager::Instance().SaveDocumentAs(document, path), kSuccess);
    manager.reset();
    Close(document);
    document = DocumentManager::Instance().OpenDocument(path).document;
    ASSERT_NE(document, nullptr);
    db = document->GetDocumentDataBase();
    ExpectPoints(
        Anchors(square),
        {corners[0], {corners[1].X(), corners[0].Y()}, corners[1], {corners[0].X(), corners[1].Y()}});
    EXPECT_EQ(Attribute(square, kGraphicStyleStrokeTypeAttrBoss).classValue, kDashedPathStrokerBoss);
    EXPECT_EQ(Attribute(square, kGraphicStyleFillRenderingAttrBoss).swatch, black);
    InterfacePtr<INotesDrawMarkupAnnotationData> data(UIDRef(db, square), IID_INOTESDRAWMARKUPANNOTATIONDATA);
    EXPECT_EQ(data->GetWidth(), 4.5);
    EXPECT_EQ(data->GetMainColor(), black);
    EXPECT_EQ(data->GetSecondColor(), kInvalidUID) << "the second swatch is not stored";
    EXPECT_EQ(data->GetBorderStyle(), 3);
    EXPECT_EQ(data->GetLineStart(), kCircleArrowHeadBoss);
    EXPECT_EQ(data->GetLineEnd(), kBarArrowHeadBoss);

    const UID fresh = db->NewUID(kNotesLineAnnotationBoss);
    InterfacePtr<INotesDrawMarkupAnnotationData> start(UIDRef(db, fresh), IID_INOTESDRAWMARKUPANNOTATIONDATA);
    EXPECT_EQ(start->GetWidth(), 1.0);
    EXPECT_EQ(start->GetMainColor(), kInvalidUID);
    EXPECT_EQ(start->GetBorderStyle(), 1);
    EXPECT_EQ(start->GetLineStart(), kInvalidClass);
}
} // namespace
