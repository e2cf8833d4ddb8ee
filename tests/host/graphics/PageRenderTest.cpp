// PNG rendering of a page: where the pixels of a drawn item land.
#include <gtest/gtest.h>

#include "../document/LayoutTestDocument.h"
#include "TestSupport.h"
#include "host/document/IApplyMultAttributesCmdData.h"
#include "host/graphics/PageRenderer.h"
#include "host/graphics/PngImage.h"

namespace {
void StrokeRed(const LayoutTestDocument& doc, UID item, PMReal weight) {
    const UID red = doc.NewSwatch("Red", {1, 0, 0});
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kGfxApplyMultAttributesCmdBoss));
    cmd->SetItemList(UIDList(UIDRef(doc.DB(), item)));
    InterfacePtr<IApplyMultAttributesCmdData> data(cmd, IID_IAPPLYMULTATTRIBUTESCMDDATA);
    data->AddAnAttribute(GraphicAttribute::Swatch(kGraphicStyleStrokeRenderingAttrBoss, red));
    data->AddAnAttribute(GraphicAttribute::Real(kGraphicStyleStrokeWeightAttrBoss, weight));
    CmdUtils::ProcessCommand(cmd);
}
} // namespace

TEST(PageRender, RedStrokedRectangleLandsWhereItIsOnThePage) {
    DocumentSetup setup;
    setup.spreadPages = {1, 2};
    LayoutTestDocument doc(setup);
    StrokeRed(doc, doc.NewRectangleOnPage(2, PMRect(100, 200, 300, 350)), 4);
    const std::string path = (TestSupport::MakeTempDir("page-render") / "page3.png").string();
    const PageRenderer::Result result = PageRenderer::RenderPageToPNG(doc.DB(), 2, 1.0, path);
    ASSERT_EQ(result.error, kSuccess) << result.message;
    const PngImage png = PngImage::Load(path);
    ASSERT_FALSE(png.IsEmpty());
    EXPECT_EQ(png.Width(), 612 + 2 * 36);
    const int m = static_cast<int>(PageRenderer::kMargin);
    EXPECT_EQ(png.PixelAt(m + 200, m + 200), 0xFF0000u) << "top edge";
    EXPECT_EQ(png.PixelAt(m + 100, m + 275), 0xFF0000u) << "left edge";
    EXPECT_EQ(png.PixelAt(m + 200, m + 275), 0xFFFFFFu) << "the inside is paper";
    EXPECT_EQ(png.PixelAt(m + 200, m + 190), 0xFFFFFFu);
    EXPECT_EQ(png.PixelAt(5, 5), 0xE6E6E6u) << "the margin shows pasteboard";
}

TEST(PageRender, ScaleMultipliesThePixels) {
    LayoutTestDocument doc;
    StrokeRed(doc, doc.NewRectangleOnPage(0, PMRect(100, 100, 200, 200)), 2);
    const std::string path = (TestSupport::MakeTempDir("page-render-scale") / "page.png").string();
    ASSERT_EQ(PageRenderer::RenderPageToPNG(doc.DB(), 0, 2.0, path).error, kSuccess);
    const PngImage png = PngImage::Load(path);
    EXPECT_EQ(png.Width(), (612 + 72) * 2);
    EXPECT_EQ(png.PixelAt((36 + 150) * 2, (36 + 100) * 2), 0xFF0000u);
}

TEST(PageRender, AMissingPageIsRefusedWithASentence) {
    LayoutTestDocument doc;
    const PageRenderer::Result result = PageRenderer::RenderPageToPNG(doc.DB(), 3, 1.0, "/nonexistent/x.png");
    EXPECT_NE(result.error, kSuccess);
    EXPECT_EQ(result.message, "The document has no page 4.");
}
