// Selection handles: where the spread drawer puts them, that output never shows them, and what a
// point over an item's handles hits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "../document/LayoutTestDocument.h"
#include "TestSupport.h"
#include "host/document/IDocumentLayer.h"
#include "host/document/IPathGeometry.h"
#include "host/document/ITransform.h"
#include "host/graphics/CHandleShape.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/HandleDrawing.h"
#include "host/graphics/IShape.h"
#include "host/graphics/PageRenderer.h"
#include "host/graphics/PointSelector.h"
#include "host/graphics/RecordingGraphicsPort.h"
#include "host/graphics/SpreadDrawer.h"
#include "host/selection/ISelectionManager.h"

namespace {
constexpr PMReal kSize = CHandleShape::kHandleSize;

class SelectionHandles : public ::testing::Test {
protected:
    void SetUp() override {
        item = doc.NewRectangleOnPage(0, PMRect(100, 100, 200, 150));
        other = doc.NewRectangleOnPage(0, PMRect(300, 300, 350, 350));
        bounds = doc.PasteboardBounds(item);
    }
    RecordingGraphicsPort DrawSpread(const UIDList& selected, int32 flags) const {
        RecordingGraphicsPort port;
        SpreadDrawer drawer(&port, flags);
        drawer.SetSelectedItems(selected);
        drawer.DrawSpread(UIDRef(doc.DB(), doc.Spread(0)));
        return port;
    }
    UIDList Selected() const { return UIDList(UIDRef(doc.DB(), item)); }
    // The handle-sized squares a port was given, as rectangles.
    static std::vector<PMRect> HandleSquares(const RecordingGraphicsPort& port) {
        std::vector<PMRect> squares;
        for (const auto& op : port.Find("rectpath")) {
            const PMRect r(op.args[0], op.args[1], op.args[2], op.args[3]);
            if (std::abs(r.Width() - kSize) < 1e-9 && std::abs(r.Height() - kSize) < 1e-9)
                squares.push_back(r);
        }
        return squares;
    }
    PointSelector HitTest(const PMPoint& point, PMIID iid = IID_IHANDLESHAPE, bool16* hit = nullptr) const {
        PointSelector selector;
        RecordingGraphicsPort port;
        GraphicsData data(&port, doc.DB());
        InterfacePtr<IHandleShape> handles = doc.Get<IHandleShape>(item);
        if (iid != IID_IHANDLESHAPE)
            handles = InterfacePtr<IHandleShape>(handles, iid);
        const bool16 result = handles->HitTest(&data, point, &selector);
        if (hit)
            *hit = result;
        return selector;
    }

    LayoutTestDocument doc;
    UID item = kInvalidUID;
    UID other = kInvalidUID;
    PMRect bounds;
};
} // namespace

TEST_F(SelectionHandles, SelectedItemGetsEightSquaresOnItsCornersAndSidesInItsLayersColour) {
    const RecordingGraphicsPort port = DrawSpread(Selected(), IShape::kDrawNormal);
    const std::vector<PMRect> squares = HandleSquares(port);
    ASSERT_EQ(squares.size(), 8u) << "the unselected item gets none";
    for (int32 i = 0; i < HandleDrawing::kRectPointCount; ++i) {
        const PMPoint at = HandleDrawing::GetRectPoint(bounds, i);
        EXPECT_TRUE(squares[static_cast<size_t>(i)].Equals(HandleDrawing::HandleRect(at, kSize))) << i;
    }
    // The squares are filled together, last of all, in the colour of the item's layer.
    const std::vector<std::string> names = port.GetNames();
    const auto lastSquare = std::find(names.rbegin(), names.rend(), "rectpath");
    ASSERT_NE(lastSquare, names.rbegin());
    EXPECT_EQ(*std::prev(lastSquare), "fill");
    EXPECT_EQ(std::count(lastSquare, names.rend(), "fill"),
              std::count(names.begin(), names.end(), "fill") - 1);
    const RGBColor layer = doc.Get<IDocumentLayer>(doc.Layer(0))->GetColor();
    EXPECT_EQ(port.Find("setrgbcolor").back().args,
              (std::vector<PMReal>{layer.red, layer.green, layer.blue}));
}

TEST_F(SelectionHandles, HandlesComeAfterEverythingElseAndNeverInOutput) {
    const RecordingGraphicsPort plain = DrawSpread(UIDList(doc.DB()), IShape::kDrawNormal);
    const RecordingGraphicsPort selected = DrawSpread(Selected(), IShape::kDrawNormal);
    const std::vector<std::string> plainNames = plain.GetNames();
    std::vector<std::string> selectedNames = selected.GetNames();
    ASSERT_GT(selectedNames.size(), plainNames.size());
    selectedNames.resize(plainNames.size());
    EXPECT_EQ(selectedNames, plainNames);

    for (int32 flags :
         {int32(IShape::kPrinting), int32(IShape::kPreviewOnlyOff), IShape::kDrawFlagsForOutput})
        EXPECT_EQ(DrawSpread(Selected(), flags).GetNames(), DrawSpread(UIDList(doc.DB()), flags).GetNames())
            << flags;
}

TEST_F(SelectionHandles, RenderedPageShowsTheViewsSelectionOnScreenOnly) {
    const std::filesystem::path dir = TestSupport::MakeTempDir("selection-handles");
    auto render = [&](const char* name, int32 flags) {
        const std::filesystem::path path = dir / name;
        EXPECT_EQ(PageRenderer::RenderPageToPNG(doc.DB(), 0, 1.0, path.string(), flags).error, kSuccess);
        return TestSupport::ReadFile(path);
    };
    const std::string before = render("before.png", IShape::kDrawNormal);
    const std::string beforeOutput = render("before-output.png", IShape::kDrawFlagsForOutput);
    InterfacePtr<ISelectionManager> selection(DocumentManager::Instance().GetLayoutView(doc.Document()),
                                              IID_ISELECTIONMANAGER);
    ASSERT_EQ(selection->SelectPageItems(Selected()), kSuccess);
    EXPECT_NE(render("after.png", IShape::kDrawNormal), before);
    EXPECT_EQ(render("after-output.png", IShape::kDrawFlagsForOutput), beforeOutput);
}

TEST_F(SelectionHandles, PointOverAHandleSelectsItThenTheOutlineThenNothing) {
    bool16 hit = kFalse;
    PointSelector selector = HitTest(bounds.RightBottom() + PMPoint(2, -2), IID_IHANDLESHAPE, &hit);
    EXPECT_TRUE(hit);
    EXPECT_EQ(selector.GetHitKind(), PointSelector::kHandleHit);
    EXPECT_EQ(selector.GetPointIndex(), HandleDrawing::kRightBottom);
    EXPECT_EQ(selector.GetItem(), UIDRef(doc.DB(), item));

    selector = HitTest(HandleDrawing::GetRectPoint(bounds, HandleDrawing::kLeftMiddle));
    EXPECT_EQ(selector.GetPointIndex(), HandleDrawing::kLeftMiddle);

    selector = HitTest(PMPoint(bounds.Left() + 20, bounds.Top() + 1), IID_IHANDLESHAPE, &hit);
    EXPECT_TRUE(hit);
    EXPECT_EQ(selector.GetHitKind(), PointSelector::kOutlineHit);

    selector = HitTest(bounds.GetCenter(), IID_IHANDLESHAPE, &hit);
    EXPECT_FALSE(hit);
    EXPECT_EQ(selector.GetHitKind(), PointSelector::kNoHit);
}

TEST_F(SelectionHandles, HandlesFollowTheItemsTransform) {
    {
        CmdUtils::SequenceContext sequence;
        InterfacePtr<ITransform> transform = doc.Get<ITransform>(item);
        PMMatrix turned = transform->GetInnerToParentMatrix();
        PMMatrix rotation;
        rotation.Rotate(30);
        rotation.Concat(turned);
        transform->SetInnerToParentMatrix(rotation);
    }
    const PMMatrix innerToPasteboard = doc.Get<ITransform>(item)->InnerToPasteboardMatrix();
    const PMRect inner = doc.Get<IPathGeometry>(item)->GetPathBoundingBox();
    const PMPoint corner = innerToPasteboard.TransformPoint(inner.LeftTop());
    EXPECT_EQ(HitTest(corner).GetPointIndex(), HandleDrawing::kLeftTop);
    EXPECT_EQ(HitTest(bounds.LeftTop()).GetHitKind(), PointSelector::kNoHit)
        << "the unturned corner is not where the handle is any more";
}

TEST_F(SelectionHandles, PaintedAreaReachesHalfAHandleBeyondTheBounds) {
    const PMRect painted = doc.Get<IHandleShape>(item)->GetPaintedBBox();
    EXPECT_TRUE(painted.Equals(PMRect(bounds.Left() - kSize / 2, bounds.Top() - kSize / 2,
                                      bounds.Right() + kSize / 2, bounds.Bottom() + kSize / 2)));
}

TEST_F(SelectionHandles, PathHandlesSitOnEveryPathPoint) {
    {
        CmdUtils::SequenceContext sequence;
        InterfacePtr<IPathGeometry> path = doc.Get<IPathGeometry>(item);
        const PMRect inner = path->GetPathBoundingBox();
        path->RemoveAllPaths();
        path->AddPath({PMPathPoint(inner.LeftTop()), PMPathPoint(inner.RightBottom()),
                       PMPathPoint(PMPoint(inner.Left(), inner.Bottom()))});
    }
    const PMMatrix toPasteboard = doc.Get<ITransform>(item)->InnerToPasteboardMatrix();
    const PMRect inner = doc.Get<IPathGeometry>(item)->GetPathBoundingBox();

    InterfacePtr<IHandleShape> pathHandles(doc.Get<IHandleShape>(item), IID_IPATHHANDLESHAPE);
    RecordingGraphicsPort port;
    GraphicsData data(&port, doc.DB());
    pathHandles->Draw(&data, IShape::kDrawNormal);
    EXPECT_EQ(HandleSquares(port).size(), 3u);

    const PointSelector corner =
        HitTest(toPasteboard.TransformPoint(inner.RightBottom()), IID_IPATHHANDLESHAPE);
    EXPECT_EQ(corner.GetHitKind(), PointSelector::kPathPointHit);
    EXPECT_EQ(corner.GetPathIndex(), 0);
    EXPECT_EQ(corner.GetPointIndex(), 1);
    const PMPoint onDiagonal = toPasteboard.TransformPoint(inner.GetCenter());
    EXPECT_EQ(HitTest(onDiagonal, IID_IPATHHANDLESHAPE).GetHitKind(), PointSelector::kOutlineHit);
    const PMPoint offThePath = toPasteboard.TransformPoint(PMPoint(inner.Right() - 20, inner.Top()));
    EXPECT_EQ(HitTest(offThePath, IID_IPATHHANDLESHAPE).GetHitKind(), PointSelector::kNoHit);
    EXPECT_EQ(HitTest(offThePath).GetHitKind(), PointSelector::kOutlineHit)
        << "the bounding box has an edge there";
}
