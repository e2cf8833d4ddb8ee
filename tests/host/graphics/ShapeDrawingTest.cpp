// What a page item's default shape and the spread drawer send to a port.
#include <cmath>

#include <gtest/gtest.h>

#include "../document/LayoutTestDocument.h"
#include "host/document/IApplyMultAttributesCmdData.h"
#include "host/document/IConvertShapeCmdData.h"
#include "host/document/IDocumentLayer.h"
#include "host/document/IPathGeometry.h"
#include "host/document/ISwatchUtils.h"
#include "host/document/ITransform.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/IShape.h"
#include "host/graphics/RecordingGraphicsPort.h"
#include "host/graphics/SpreadDrawer.h"

namespace {
class ShapeDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        fRed = fDoc.NewSwatch("Red", {1, 0, 0});
        fItem = fDoc.NewRectangleOnPage(0, PMRect(100, 100, 200, 150));
    }
    void Apply(std::initializer_list<GraphicAttribute> attributes) {
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kGfxApplyMultAttributesCmdBoss));
        cmd->SetItemList(UIDList(UIDRef(fDoc.DB(), fItem)));
        InterfacePtr<IApplyMultAttributesCmdData> data(cmd, IID_IAPPLYMULTATTRIBUTESCMDDATA);
        for (const GraphicAttribute& attribute : attributes)
            data->AddAnAttribute(attribute);
        ASSERT_EQ(CmdUtils::ProcessCommand(cmd), kSuccess);
    }
    void RedStroke(PMReal weight) {
        Apply({GraphicAttribute::Swatch(kGraphicStyleStrokeRenderingAttrBoss, fRed),
               GraphicAttribute::Real(kGraphicStyleStrokeWeightAttrBoss, weight)});
    }
    // An open horizontal line from (-50, 0) to (50, 0) in the item's inner coordinates.
    void MakeLine() {
        CmdUtils::SequenceContext sequence;
        InterfacePtr<IPathGeometry> path = fDoc.Get<IPathGeometry>(fItem);
        path->RemoveAllPaths();
        path->AddPath({PMPathPoint(PMPoint(-50, 0)), PMPathPoint(PMPoint(50, 0))}, kTrue);
    }
    void Draw(int32 flags = 0) {
        GraphicsData data(&fPort, fDoc.DB());
        fDoc.Get<IShape>(fItem)->Draw(&data, flags);
    }

    LayoutTestDocument fDoc;
    RecordingGraphicsPort fPort;
    UID fRed = kInvalidUID;
    UID fItem = kInvalidUID;
};
} // namespace

TEST_F(ShapeDrawing, ItemDrawsInItsInnerCoordinatesFillFirstThenStroke) {
    RedStroke(2);
    Apply({GraphicAttribute::Swatch(kGraphicStyleFillRenderingAttrBoss,
                                    Utils<ISwatchUtils>()->GetBlackSwatchUID(fDoc.DB()))});
    Draw();
    const PMMatrix m = fDoc.Get<ITransform>(fItem)->GetInnerToParentMatrix();
    const auto concat = fPort.Find("concat");
    ASSERT_FALSE(concat.empty());
    EXPECT_EQ(concat[0].args, (std::vector<PMReal>{m.A(), m.B(), m.C(), m.D(), m.Tx(), m.Ty()}));
    const auto names = fPort.GetNames();
    const auto fill = std::find(names.begin(), names.end(), "fill");
    const auto stroke = std::find(names.begin(), names.end(), "stroke");
    ASSERT_NE(fill, names.end());
    ASSERT_NE(stroke, names.end());
    EXPECT_LT(fill, stroke);
    EXPECT_EQ(fPort.Find("setrgbcolor")[0].args, (std::vector<PMReal>{0, 0, 0}));
    EXPECT_EQ(fPort.Find("setrgbcolor")[1].args, (std::vector<PMReal>{1, 0, 0}));
    EXPECT_EQ(fPort.Find("setlinewidth")[0].args, (std::vector<PMReal>{2}));
    EXPECT_EQ(fPort.Find("moveto")[0].args, (std::vector<PMReal>{-50, -25}));
    EXPECT_EQ(fPort.Find("lineto").size(), 8u) << "fill and stroke each trace the four sides";
    EXPECT_EQ(fPort.Find("closepath").size(), 2u);
}

TEST_F(ShapeDrawing, ItemWithoutSwatchesDrawsNoInk) {
    Draw();
    EXPECT_TRUE(fPort.Find("fill").empty());
    EXPECT_TRUE(fPort.Find("stroke").empty());
}

TEST_F(ShapeDrawing, DashedStrokeSetsADashScaledToTheWeight) {
    RedStroke(2);
    Apply({GraphicAttribute::Class(kGraphicStyleStrokeTypeAttrBoss, kDashedPathStrokerBoss)});
    Draw();
    const auto dash = fPort.Find("setdash");
    ASSERT_EQ(dash.size(), 1u);
    EXPECT_EQ(dash[0].args, (std::vector<PMReal>{6, 6, 0}));
    const auto names = fPort.GetNames();
    EXPECT_LT(std::find(names.begin(), names.end(), "setdash"),
              std::find(names.begin(), names.end(), "stroke"));
}

TEST_F(ShapeDrawing, SolidStrokeSetsNoDash) {
    RedStroke(2);
    Draw();
    EXPECT_TRUE(fPort.Find("setdash").empty());
}

TEST_F(ShapeDrawing, TriangleArrowheadAtTheLineEndPointsAlongTheLine) {
    MakeLine();
    RedStroke(2);
    Apply({GraphicAttribute::Class(kGraphicStyleLineEndAttrBoss, kTriangleArrowHeadBoss)});
    Draw();
    // After the line's own stroke: a filled triangle with its tip on the end point, behind it.
    const auto moves = fPort.Find("moveto");
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[1].args, (std::vector<PMReal>{50, 0}));
    const auto lines = fPort.Find("lineto");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NEAR(lines[1].args[0], 50 - 4.5 * 2, 1e-9);
    EXPECT_NEAR(lines[1].args[1], -2.25 * 2, 1e-9);
    EXPECT_NEAR(lines[2].args[1], 2.25 * 2, 1e-9);
    EXPECT_EQ(fPort.Find("fill").size(), 1u);
    EXPECT_EQ(fPort.GetNames().back(), "grestore");
}

TEST_F(ShapeDrawing, CircleArrowheadAtTheLineStartIsFourArcsAroundTheStart) {
    MakeLine();
    RedStroke(1);
    Apply({GraphicAttribute::Class(kGraphicStyleLineStartAttrBoss, kCircleArrowHeadBoss)});
    Draw();
    const auto curves = fPort.Find("curveto");
    ASSERT_EQ(curves.size(), 4u);
    for (const auto& curve : curves)
        EXPECT_NEAR(std::hypot(curve.args[4] + 50, curve.args[5]), 2.0, 1e-9);
}

TEST_F(ShapeDrawing, ArrowheadsAreLeftOffClosedPaths) {
    RedStroke(1);
    Apply({GraphicAttribute::Class(kGraphicStyleLineEndAttrBoss, kTriangleArrowHeadBoss)});
    Draw();
    EXPECT_EQ(fPort.Find("moveto").size(), 1u);
}

TEST_F(ShapeDrawing, EllipseIsFourCurvesThroughTheBoundsMidpoints) {
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kConvertShapeCmdBoss));
    cmd->SetItemList(UIDList(UIDRef(fDoc.DB(), fItem)));
    InterfacePtr<IConvertShapeCmdData>(cmd, IID_ICONVERTSHAPECMDDATA)
        ->Set(IConvertShapeCmdData::kEllipse, kInvalidClass, 0, 0, 0);
    ASSERT_EQ(CmdUtils::ProcessCommand(cmd), kSuccess);
    RedStroke(1);
    Draw();
    EXPECT_EQ(fPort.Find("moveto")[0].args, (std::vector<PMReal>{0, -25}));
    const auto curves = fPort.Find("curveto");
    ASSERT_EQ(curves.size(), 4u);
    const PMReal k = 0.5522847498307936;
    EXPECT_NEAR(curves[0].args[0], 50 * k, 1e-9);
    EXPECT_NEAR(curves[0].args[1], -25, 1e-9);
    EXPECT_EQ((std::vector<PMReal>{curves[0].args[4], curves[0].args[5]}), (std::vector<PMReal>{50, 0}));
    EXPECT_EQ((std::vector<PMReal>{curves[1].args[4], curves[1].args[5]}), (std::vector<PMReal>{0, 25}));
    EXPECT_EQ((std::vector<PMReal>{curves[3].args[4], curves[3].args[5]}), (std::vector<PMReal>{0, -25}));
    EXPECT_TRUE(fPort.Find("lineto").empty());
    EXPECT_EQ(fPort.Find("closepath").size(), 1u);
}

TEST_F(ShapeDrawing, RoundedCornersReplaceEachCornerByACurve) {
    RedStroke(1);
    Apply({GraphicAttribute::Class(kGraphicStyleCornerEffectAttrBoss, kRoundedCornerBoss),
           GraphicAttribute::Real(kGraphicStyleCornerSizeAttrBoss, 10)});
    Draw();
    EXPECT_EQ(fPort.Find("curveto").size(), 4u);
    EXPECT_EQ(fPort.Find("moveto")[0].args, (std::vector<PMReal>{-50, -15}));
}

TEST(SpreadDrawing, HiddenAndNonPrintingLayersAreLeftOut) {
    LayoutTestDocument doc;
    const UID red = doc.NewSwatch("Red", {1, 0, 0});
    const UID item = doc.NewRectangleOnPage(0, PMRect(0, 0, 10, 10));
    InterfacePtr<ICommand> fill(CmdUtils::CreateCommand(kGfxApplyMultAttributesCmdBoss));
    fill->SetItemList(UIDList(UIDRef(doc.DB(), item)));
    InterfacePtr<IApplyMultAttributesCmdData>(fill, IID_IAPPLYMULTATTRIBUTESCMDDATA)
        ->AddAnAttribute(GraphicAttribute::Swatch(kGraphicStyleFillRenderingAttrBoss, red));
    CmdUtils::ProcessCommand(fill);
    auto redFills = [&](int32 flags) {
        RecordingGraphicsPort port;
        SpreadDrawer(&port, flags).DrawSpread(UIDRef(doc.DB(), doc.Spread(0)));
        int count = 0;
        for (const auto& op : port.GetOperations())
            count += op.name == "setrgbcolor" && op.args == std::vector<PMReal>{1, 0, 0};
        return count;
    };
    EXPECT_EQ(redFills(0), 1);
    InterfacePtr<IDocumentLayer> layer = doc.Get<IDocumentLayer>(doc.Layer(0));
    {
        CmdUtils::SequenceContext sequence;
        layer->SetPrintable(kFalse);
    }
    EXPECT_EQ(redFills(0), 1) << "a non-printing layer still shows on screen";
    EXPECT_EQ(redFills(IShape::kDrawFlagsForOutput), 0);
    {
        CmdUtils::SequenceContext sequence;
        layer->SetVisible(kFalse);
    }
    EXPECT_EQ(redFills(0), 0);
}
