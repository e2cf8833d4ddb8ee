// The window's layout view: it draws the pixels `pagehost render` draws, zooms by its menu items,
// by Ctrl+wheel and to fit a page or spread within 50 % to 800 %, goes from page to page, selects
// the page item under a click and the text between the two ends of a drag.
#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <cmath>

#include "GuiFixture.h"
#include "LayoutView.h"
#include "TestSupport.h"
#include "host/document/DocumentManager.h"
#include "host/document/IGeometry.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IPageList.h"
#include "host/document/ISpread.h"
#include "host/document/ITransform.h"
#include "host/graphics/PageRenderer.h"
#include "host/layout/ILayoutControlData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/selection/ISelectionManager.h"
#include "host/text/IFrameUtils.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/ITextModel.h"

namespace {
class LayoutViewGestures : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        MakeSampleDocument();
        view = window->GetLayoutView();
        db = window->GetDocument()->GetDocumentDataBase();
    }
    InterfacePtr<ISelectionManager> Selection() const {
        return InterfacePtr<ISelectionManager>(
            DocumentManager::Instance().GetLayoutView(window->GetDocument()), IID_ISELECTIONMANAGER);
    }
    UIDRef Spread(int32 index) const { return SpreadRenderer::PlacesOf(window->GetDocument())[index].spread; }
    PMRect PageBounds(int32 index) const {
        InterfacePtr<IPageList> pages(window->GetDocument(), IID_IPAGELIST);
        return Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(UIDRef(db, pages->GetNthPageUID(index)));
    }
    bool Shows(const PMRect& bounds) const {
        const QRect shown = view->viewport()->rect().adjusted(-1, -1, 1, 1);
        return shown.contains(view->ToPixel(bounds.LeftTop()).toPoint()) &&
               shown.contains(view->ToPixel(PMPoint(bounds.Right(), bounds.Bottom())).toPoint());
    }
    // The first text frame of the first spread: its multi-column item.
    InterfacePtr<IMultiColumnTextFrame> FirstFrame() const {
        const UIDList frames = Utils<IFrameUtils>()->GetTextFrames(Spread(0));
        return InterfacePtr<IMultiColumnTextFrame>(UIDRef(db, frames.At(0)), IID_IMULTICOLUMNTEXTFRAME);
    }
    QPoint PixelOf(const PMPoint& point) const { return view->ToPixel(point).toPoint(); }
    void Wheel(int delta, Qt::KeyboardModifiers modifiers) {
        const QPointF at = view->viewport()->rect().center();
        QWheelEvent wheel(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &wheel);
    }

    LayoutView* view = nullptr;
    IDataBase* db = nullptr;
};

TEST_F(LayoutViewGestures, APageIsDrawnWithThePixelsOfPagehostRender) {
    Trigger("actionZoom100");
    const std::filesystem::path png = folder / "page.png";
    ASSERT_EQ(PageRenderer::RenderPageToPNG(db, 0, 1.0, png.string()).error, kSuccess);
    const QImage rendered(QString::fromStdString(png.string()));
    ASSERT_FALSE(rendered.isNull());
    const PMRect page = PageBounds(0);
    const QPoint origin =
        PixelOf(PMPoint(page.Left() - PageRenderer::kMargin, page.Top() - PageRenderer::kMargin));
    const QImage shown = view->RenderViewport();
    int compared = 0;
    int differing = 0;
    for (int y = 0; y < rendered.height(); y += 3)
        for (int x = 0; x < rendered.width(); x += 3) {
            const QPoint at = origin + QPoint(x, y);
            if (!shown.rect().contains(at))
                continue;
            ++compared;
            const QColor a = rendered.pixelColor(x, y);
            const QColor b = shown.pixelColor(at);
            differing += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                             std::abs(a.blue() - b.blue()) >
                         24;
        }
    ASSERT_GT(compared, 5000);
    EXPECT_LT(differing, compared / 100) << differing << " of " << compared << " pixels differ";
}

TEST_F(LayoutViewGestures, ZoomStaysBetweenFiftyAndEightHundredPercent) {
    Trigger("actionZoom200");
    EXPECT_DOUBLE_EQ(view->GetZoom(), 2.0);
    view->SetZoom(0.1);
    EXPECT_DOUBLE_EQ(view->GetZoom(), LayoutView::kMinZoom);
    view->SetZoom(20);
    EXPECT_DOUBLE_EQ(view->GetZoom(), LayoutView::kMaxZoom);
    Trigger("actionZoomIn");
    EXPECT_DOUBLE_EQ(view->GetZoom(), LayoutView::kMaxZoom);
}

TEST_F(LayoutViewGestures, CtrlWheelZoomsAndAPlainWheelScrolls) {
    Trigger("actionZoom100");
    Wheel(120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(view->GetZoom(), 1.25);
    Wheel(-240, Qt::ControlModifier);
    EXPECT_NEAR(view->GetZoom(), 1.25 / 1.5625, 1e-9);
    const int scrolled = view->verticalScrollBar()->value();
    Wheel(-120, Qt::NoModifier);
    EXPECT_DOUBLE_EQ(view->GetZoom(), 1.25 / 1.5625);
    EXPECT_GT(view->verticalScrollBar()->value(), scrolled);
}

TEST_F(LayoutViewGestures, FitPageAndFitSpreadShowTheWholePageAndSpread) {
    Trigger("actionZoom800");
    EXPECT_FALSE(Shows(PageBounds(0)));
    Trigger("actionFitPage");
    EXPECT_TRUE(Shows(PageBounds(0)));
    Trigger("actionZoom800");
    Trigger("actionFitSpread");
    InterfacePtr<ISpread> spread(Spread(0), IID_ISPREAD);
    InterfacePtr<ITransform> transform(spread, IID_ITRANSFORM);
    PMRect pages = spread->GetPagesBounds();
    transform->TransformInnerRectToPasteboard(&pages);
    EXPECT_TRUE(Shows(pages));
}

TEST_F(LayoutViewGestures, PageNavigationMovesTheCurrentPageAndShowsIt) {
    const int32 pages = view->CountPages();
    ASSERT_GE(pages, 3);
    Trigger("actionZoom200");
    Trigger("actionNextPage");
    EXPECT_EQ(view->GetPageIndex(), 1);
    EXPECT_TRUE(view->viewport()->rect().contains(PixelOf(PageBounds(1).GetCenter()) - QPoint(0, 100)) ||
                view->viewport()->rect().contains(PixelOf(PageBounds(1).LeftTop()) + QPoint(0, 10)));
    Trigger("actionLastPage");
    EXPECT_EQ(view->GetPageIndex(), pages - 1);
    Trigger("actionNextPage");
    EXPECT_EQ(view->GetPageIndex(), pages - 1) << "there is no page after the last";
    Trigger("actionFirstPage");
    EXPECT_EQ(view->GetPageIndex(), 0);
    Trigger("actionPreviousPage");
    EXPECT_EQ(view->GetPageIndex(), 0);
}

TEST_F(LayoutViewGestures, AClickSelectsThePageItemUnderItAndAClickBesideDeselects) {
    InterfacePtr<IMultiColumnTextFrame> frame = FirstFrame();
    ASSERT_NE(frame, nullptr);
    InterfacePtr<IGeometry> geometry(UIDRef(db, frame->GetFrameItemUID()), IID_IGEOMETRY);
    InterfacePtr<ITransform> transform(geometry, IID_ITRANSFORM);
    PMRect bounds = geometry->GetPathBoundingBox();
    transform->TransformInnerRectToPasteboard(&bounds);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, PixelOf(bounds.GetCenter()));
    const UIDList selected = Selection()->GetSelectedPageItems();
    ASSERT_EQ(selected.Length(), 1);
    EXPECT_EQ(selected.At(0), frame->GetFrameItemUID());
    const PMRect page = PageBounds(0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      PixelOf(PMPoint(page.Left() + 3, page.Top() + 3)));
    EXPECT_EQ(Selection()->GetSelectionKind(), ISelectionManager::kNoSelection);
}

TEST_F(LayoutViewGestures, ADragSelectsTheTextBetweenItsEnds) {
    Trigger("actionZoom200");
    InterfacePtr<IMultiColumnTextFrame> frame = FirstFrame();
    InterfacePtr<ITextModel> model(frame->QueryTextModel());
    const std::u16string text = model->GetText(0, model->TotalLength()).GetUTF16();
    const std::u16string word = u"lighthouses";
    const size_t at = text.find(word);
    ASSERT_NE(at, std::u16string::npos);
    const RangeData range(static_cast<TextIndex>(at), static_cast<TextIndex>(at + word.size()));
    const std::vector<PMRect> boxes =
        Utils<IFrameUtils>()->GetTextRangeBoxes(Spread(0), frame->GetTextModelUID(), range);
    ASSERT_EQ(boxes.size(), 1u);
    const PMReal middle = boxes[0].GetCenter().Y();
    const QPoint from = PixelOf(PMPoint(boxes[0].Left() + 0.5, middle));
    const QPoint to = PixelOf(PMPoint(boxes[0].Right() - 0.5, middle));
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), view->viewport()->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to);
    UIDRef story;
    RangeData selected;
    ASSERT_TRUE(Selection()->GetTextSelection(&story, &selected));
    EXPECT_EQ(story.GetUID(), frame->GetTextModelUID());
    EXPECT_EQ(selected.Start(), range.Start());
    EXPECT_EQ(selected.End(), range.End());
}
} // namespace
