// PDF export of a document: page and spread sizes with their TrimBox, text the PDF keeps, and
// degenerate text that must not stop the export: unpaired surrogates, empty stories, frames too
// small for a line; a document without pages is refused and leaves no file.
#include <gtest/gtest.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include "../text/TextFrameDocument.h"
#include "TestSupport.h"
#include "host/graphics/PdfExporter.h"

namespace {
std::vector<QPDFObjectHandle> Pages(QPDF& pdf, const std::string& path) {
    pdf.processFile(path.c_str());
    std::vector<QPDFObjectHandle> pages;
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages())
        pages.push_back(page.getObjectHandle());
    return pages;
}

PMRect Box(QPDFObjectHandle page, const char* key) {
    QPDFObjectHandle box = page.getKey(key);
    if (!box.isArray() || box.getArrayNItems() != 4)
        return PMRect();
    return PMRect(box.getArrayItem(0).getNumericValue(), box.getArrayItem(1).getNumericValue(),
                  box.getArrayItem(2).getNumericValue(), box.getArrayItem(3).getNumericValue());
}

DocumentSetup Spreads(std::vector<int32> pages) {
    DocumentSetup setup;
    setup.pageWidth = 400;
    setup.pageHeight = 500;
    setup.spreadPages = std::move(pages);
    return setup;
}

class PdfExport : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return (fDir / name).string(); }
    std::filesystem::path fDir = TestSupport::MakeTempDir("pdf-export");
};

TEST_F(PdfExport, PagesAndSpreadsHaveTheirSizeAsMediaBoxAndTrimBox) {
    TextFrameDocument doc(Spreads({1, 2}));
    ASSERT_EQ(PdfExporter::Export(doc.DB(), Path("pages.pdf")).pageCount, 3);
    ASSERT_EQ(PdfExporter::Export(doc.DB(), Path("spreads.pdf"), PdfExporter::kSpreads).pageCount, 2);
    QPDF pages, spreads;
    for (QPDFObjectHandle page : Pages(pages, Path("pages.pdf"))) {
        EXPECT_EQ(Box(page, "/MediaBox"), PMRect(0, 0, 400, 500));
        EXPECT_EQ(Box(page, "/TrimBox"), PMRect(0, 0, 400, 500));
    }
    const std::vector<QPDFObjectHandle> sheets = Pages(spreads, Path("spreads.pdf"));
    EXPECT_EQ(Box(sheets.at(0), "/TrimBox"), PMRect(0, 0, 400, 500));
    EXPECT_EQ(Box(sheets.at(1), "/MediaBox"), PMRect(0, 0, 800, 500));
    EXPECT_EQ(Box(sheets.at(1), "/TrimBox"), PMRect(0, 0, 800, 500));
}

TEST_F(PdfExport, DegenerateTextExportsWithoutStopping) {
    TextFrameDocument doc(Spreads({1}));
    const TextFrameDocument::Frame broken = doc.NewFrame(0, PMRect(20, 20, 380, 200));
    ASSERT_EQ(doc.Insert(broken.story, 0,
                         std::u16string(u"lone \xD800 high, lone \xDC00 low, pair \xD83D\xDE00 end")),
              kSuccess);
    const TextFrameDocument::Frame tiny = doc.NewFrame(0, PMRect(20, 220, 380, 225));
    ASSERT_EQ(doc.Insert(tiny.story, 0, u"Too low for any line"), kSuccess);
    doc.NewFrame(0, PMRect(20, 240, 380, 400)); // an empty story
    const PdfExporter::Result result = PdfExporter::Export(doc.DB(), Path("odd.pdf"));
    ASSERT_EQ(result.error, kSuccess) << result.message;
    QPDF pdf;
    ASSERT_EQ(Pages(pdf, Path("odd.pdf")).size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(Path("odd.pdf.drawing")));
    EXPECT_FALSE(std::filesystem::exists(Path("odd.pdf.writing")));
}

TEST_F(PdfExport, TextIsKeptWithItsFontEmbedded) {
    TextFrameDocument doc(Spreads({1}));
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(20, 20, 380, 200));
    ASSERT_EQ(doc.Insert(frame.story, 0, u"Searchable words"), kSuccess);
    ASSERT_EQ(PdfExporter::Export(doc.DB(), Path("text.pdf")).error, kSuccess);
    QPDF pdf;
    QPDFObjectHandle page = Pages(pdf, Path("text.pdf")).at(0);
    bool embedded = false, mapped = false;
    QPDFObjectHandle fonts = page.getKey("/Resources").getKey("/Font");
    ASSERT_TRUE(fonts.isDictionary());
    for (auto& [name, font] : fonts.getDictAsMap()) {
        QPDFObjectHandle descendant = font.getKey("/DescendantFonts");
        QPDFObjectHandle descriptor = descendant.isArray()
                                          ? descendant.getArrayItem(0).getKey("/FontDescriptor")
                                          : font.getKey("/FontDescriptor");
        embedded = embedded || descriptor.hasKey("/FontFile2") || descriptor.hasKey("/FontFile3");
        mapped = mapped || font.hasKey("/ToUnicode");
        EXPECT_NE(font.getKey("/BaseFont").getName().find("DejaVuSans"), std::string::npos);
    }
    EXPECT_TRUE(embedded);
    EXPECT_TRUE(mapped);
}

TEST_F(PdfExport, ADocumentWithoutPagesIsRefusedAndLeavesNoFile) {
    TextFrameDocument doc(Spreads({}));
    const PdfExporter::Result result = PdfExporter::Export(doc.DB(), Path("none.pdf"));
    EXPECT_NE(result.error, kSuccess);
    EXPECT_FALSE(result.message.empty());
    EXPECT_FALSE(std::filesystem::exists(Path("none.pdf")));
}
} // namespace
