// The import dialog's start-page fields: the one of the side with more pages is enabled, limited to
// that side's page count, and pairs the PDF's pages with the document's when applied; equal counts
// leave both off at 1. A number outside its limits keeps the dialog open; pages that fit no pairing
// light the warning icon and are refused on OK with the reason, before anything changes.
#include "INotesImportSettings.h"
#include "QuillpaneID.h"
#include "fixtures/ImportDialogFixture.h"
#include "host/objectmodel/ObjectModel.h"

using namespace ImportDialogFixture;

namespace {
int32 RememberedOffset() {
    return InterfacePtr<INotesImportSettings>(GetApplicationObject(), IID_INOTESIMPORTSETTINGS)
        ->GetPageOffset();
}

// Pages of letter size with one sticky note on the page with the 0-based index.
std::vector<PdfPage> PagesWithNoteOn(int count, int index) {
    std::vector<PdfPage> pages = LetterPages(count);
    pages[static_cast<size_t>(index)].annots = {{Annot::kStickyNote}};
    return pages;
}
} // namespace

TEST_F(ImportDialogTest, APdfLongerThanTheDocumentEnablesOnlyThePdfStartPage) {
    MakeDocument(10);
    OpenOn(WritePdf("twelve", PagesWithNoteOn(12, 2)));
    EXPECT_FALSE(IsEnabled(kNotesUIDocumentStartPageWidgetID));
    EXPECT_TRUE(IsEnabled(kNotesUIPDFStartPageWidgetID));
    EXPECT_EQ(Maximum(kNotesUIPDFStartPageWidgetID), 12.0);
    EXPECT_EQ(Text(kNotesUIDocumentStartPageWidgetID), "1");
    EXPECT_EQ(Text(kNotesUIPDFStartPageWidgetID), "1");
    Type(kNotesUIPDFStartPageWidgetID, "3");
    ASSERT_TRUE(dialog->PressOK());
    EXPECT_EQ(RememberedOffset(), -2);
    EXPECT_EQ(AnnotationCountOnPage(0), 1) << "PDF page 3 lands on document page 1";
    EXPECT_EQ(AnnotationCount(), 1);
}

TEST_F(ImportDialogTest, ADocumentLongerThanThePdfEnablesOnlyTheDocumentStartPage) {
    MakeDocument(10);
    OpenOn(WritePdf("four", PagesWithNoteOn(4, 0)));
    EXPECT_TRUE(IsEnabled(kNotesUIDocumentStartPageWidgetID));
    EXPECT_FALSE(IsEnabled(kNotesUIPDFStartPageWidgetID));
    EXPECT_EQ(Maximum(kNotesUIDocumentStartPageWidgetID), 10.0);
    Type(kNotesUIDocumentStartPageWidgetID, "5");
    ASSERT_TRUE(dialog->PressOK());
    EXPECT_EQ(RememberedOffset(), 4);
    EXPECT_EQ(AnnotationCountOnPage(4), 1) << "PDF page 1 lands on document page 5";
    EXPECT_EQ(AnnotationCount(), 1);
}

TEST_F(ImportDialogTest, EqualPageCountsLeaveBothStartPagesOffAtOne) {
    MakeDocument(3);
    OpenOn(WritePdf("three", PagesWithNoteOn(3, 1)));
    EXPECT_FALSE(IsEnabled(kNotesUIDocumentStartPageWidgetID));
    EXPECT_FALSE(IsEnabled(kNotesUIPDFStartPageWidgetID));
    EXPECT_EQ(Text(kNotesUIDocumentStartPageWidgetID), "1");
    EXPECT_EQ(Text(kNotesUIPDFStartPageWidgetID), "1");
    EXPECT_FALSE(IsEnabled(kNotesUIWarningIconWidgetID));
    ASSERT_TRUE(dialog->PressOK());
    EXPECT_EQ(RememberedOffset(), 0);
    EXPECT_EQ(AnnotationCountOnPage(1), 1);
}

TEST_F(ImportDialogTest, AStartPageBeyondItsLimitKeepsTheDialogOpenAndImportsNothing) {
    MakeDocument(10);
    OpenOn(WritePdf("twelve", PagesWithNoteOn(12, 0)));
    for (const char* typed : {"13", "0", "2.5", "three"}) {
        alerts.Clear();
        Type(kNotesUIPDFStartPageWidgetID, typed);
        EXPECT_FALSE(dialog->PressOK()) << typed;
        ASSERT_EQ(alerts.GetRequests().size(), 1u) << typed;
        EXPECT_EQ(alerts.GetRequests().front().kind, AlertRequest::kError);
        EXPECT_EQ(Messages().front(), "Enter a whole number between 1 and 12.") << typed;
    }
    EXPECT_TRUE(dialog->IsOpen());
    EXPECT_EQ(AnnotationCount(), 0);
    Type(kNotesUIPDFStartPageWidgetID, "12");
    EXPECT_TRUE(dialog->PressOK()) << "the limit itself is accepted";
}

TEST_F(ImportDialogTest, ChoosingAnotherPdfResetsTheStartPagesAndTheirLimits) {
    MakeDocument(10);
    const std::string twelve = WritePdf("twelve", LetterPages(12));
    AddRecent(twelve);
    OpenOn(WritePdf("four", LetterPages(4)));
    Type(kNotesUIDocumentStartPageWidgetID, "7");
    Choose(twelve);
    EXPECT_EQ(Text(kNotesUIDocumentStartPageWidgetID), "1");
    EXPECT_FALSE(IsEnabled(kNotesUIDocumentStartPageWidgetID));
    EXPECT_TRUE(IsEnabled(kNotesUIPDFStartPageWidgetID));
    EXPECT_EQ(Maximum(kNotesUIPDFStartPageWidgetID), 12.0);
    EXPECT_EQ(Maximum(kNotesUIDocumentStartPageWidgetID), 10.0);
}

TEST_F(ImportDialogTest, PagesThatDoNotFitLightTheWarningIconAndAreRefusedOnOK) {
    MakeDocument(3);
    std::vector<PdfPage> a4 = LetterPages(3);
    for (PdfPage& page : a4) {
        page.width = 595;
        page.height = 842;
        page.annots = {{Annot::kStickyNote}};
    }
    OpenOn(WritePdf("a4", a4));
    EXPECT_TRUE(IsEnabled(kNotesUIWarningIconWidgetID));
    EXPECT_TRUE(IsEnabled(kOKButtonWidgetID)) << "another start page may fit";
    EXPECT_NE(Text(kNotesUIImportProblemWidgetID).find("do not match"), std::string::npos);
    EXPECT_TRUE(dialog->PressOK());
    ASSERT_EQ(alerts.GetRequests().size(), 1u);
    EXPECT_EQ(alerts.GetRequests().front().kind, AlertRequest::kError);
    EXPECT_NE(Messages().front().find("PDF page 1 measures 595 x 842"), std::string::npos)
        << Messages().front();
    EXPECT_EQ(AnnotationCount(), 0);
}

TEST_F(ImportDialogTest, AStartPageThatSkipsAPageThatDoesNotFitIsImported) {
    MakeDocument(2);
    std::vector<PdfPage> pages = LetterPages(3);
    pages[0].width = 595; // a cover that is none of the document's pages
    pages[1].annots = {{Annot::kStickyNote}};
    OpenOn(WritePdf("cover", pages));
    EXPECT_TRUE(IsEnabled(kNotesUIWarningIconWidgetID));
    Type(kNotesUIPDFStartPageWidgetID, "2");
    ASSERT_TRUE(dialog->PressOK());
    EXPECT_TRUE(alerts.GetRequests().empty()) << Messages().front();
    EXPECT_EQ(RememberedOffset(), -1);
    EXPECT_EQ(AnnotationCountOnPage(0), 1);
}
