// The import dialog's PDF chooser: the recent PDFs newest first, then a separator and Browse; paths
// that no longer open are dropped from the recent list when the dialog opens; Browse asks for one PDF
// through the host's open-file dialog and lists and chooses it, and a cancelled or unusable choice
// leaves Browse chosen and the import button off.
#include <filesystem>
#include <fstream>

#include "QuillpaneID.h"
#include "TestSupport.h"
#include "fixtures/ImportDialogFixture.h"

using namespace ImportDialogFixture;

namespace {
const std::string kBrowse = "Browse...";
} // namespace

TEST_F(ImportDialogTest, WithNoRecentPdfTheChooserHoldsOnlyBrowseAndImportIsOff) {
    MakeDocument(3);
    OpenDialog();
    EXPECT_EQ(ChooserEntries(), std::vector<std::string>{kBrowse});
    EXPECT_EQ(ChosenEntry(), 0);
    EXPECT_FALSE(IsEnabled(kOKButtonWidgetID));
    EXPECT_FALSE(dialog->PressOK()) << "Browse is no PDF to import";
    EXPECT_TRUE(alerts.GetRequests().empty()) << "the chooser itself shows what is missing";
}

TEST_F(ImportDialogTest, RecentPdfsAreListedNewestFirstAndTheNewestIsChosen) {
    MakeDocument(3);
    const std::string older = WritePdf("older", LetterPages(3));
    const std::string newer = WritePdf("newer", LetterPages(3));
    AddRecent(older);
    AddRecent(newer);
    OpenDialog();
    EXPECT_EQ(ChooserEntries(), (std::vector<std::string>{newer, older, "-", kBrowse}));
    EXPECT_EQ(ChosenEntry(), 0);
    EXPECT_TRUE(IsEnabled(kOKButtonWidgetID));
    EXPECT_EQ(RecentPaths(), (std::vector<std::string>{older, newer})) << "the list keeps its own order";
}

TEST_F(ImportDialogTest, ARecentPdfThatWasMovedAwayIsDroppedWhenTheDialogOpens) {
    MakeDocument(3);
    const std::string kept = WritePdf("kept", LetterPages(3));
    const std::string moved = WritePdf("moved", LetterPages(3));
    const std::string broken = WritePdf("broken", {});
    AddRecent(moved);
    AddRecent(kept);
    AddRecent(broken);
    std::filesystem::rename(moved, moved + ".away");
    OpenDialog();
    EXPECT_EQ(ChooserEntries(), (std::vector<std::string>{kept, "-", kBrowse}));
    EXPECT_EQ(RecentPaths(), std::vector<std::string>{kept});
}

TEST_F(ImportDialogTest, BrowseListsTheChosenPdfChoosesItAndAsksForPdfFilesOnly) {
    MakeDocument(3);
    const std::string pdf = WritePdf("chosen", LetterPages(3));
    OpenDialog();
    files.QueueFiles({IDFile(pdf)});
    Choose(kBrowse);
    ASSERT_EQ(files.GetRequests().size(), 1u);
    const FileDialogRequest& request = files.GetRequests().front();
    ASSERT_EQ(request.filters.size(), 1u);
    EXPECT_EQ(request.filters.front().extension, "pdf");
    EXPECT_EQ(request.filters.front().family.GetUTF8String(), "PDF Documents");
    EXPECT_FALSE(request.allowMultiple);
    EXPECT_EQ(ChooserEntries(), (std::vector<std::string>{pdf, "-", kBrowse}));
    EXPECT_EQ(ChosenEntry(), 0);
    EXPECT_TRUE(IsEnabled(kOKButtonWidgetID));
    EXPECT_EQ(RecentPaths(), std::vector<std::string>{pdf});
}

TEST_F(ImportDialogTest, ACancelledFileDialogLeavesBrowseChosenAndImportOff) {
    MakeDocument(3);
    const std::string pdf = WritePdf("recent", LetterPages(3));
    OpenOn(pdf);
    files.QueueCancel();
    Choose(kBrowse);
    EXPECT_EQ(ChooserEntries(), (std::vector<std::string>{pdf, "-", kBrowse}));
    EXPECT_EQ(ChosenEntry(), 2);
    EXPECT_FALSE(IsEnabled(kOKButtonWidgetID));
    EXPECT_FALSE(IsEnabled(kNotesUIDocumentStartPageWidgetID));
    EXPECT_FALSE(IsEnabled(kNotesUIPDFStartPageWidgetID));
    Choose(pdf);
    EXPECT_TRUE(IsEnabled(kOKButtonWidgetID)) << "choosing the recent PDF again";
}

// A chosen file that is no PDF used to be listed and dropped again at once, without a word.
TEST_F(ImportDialogTest, AChosenFileThatCannotBeOpenedIsNamedAndNotListed) {
    MakeDocument(3);
    const std::filesystem::path letter = TestSupport::MakeTempDir("dialog") / "letter.pdf";
    std::ofstream(letter) << "Dear reviewer,\n";
    OpenDialog();
    files.QueueFiles({IDFile(letter)});
    Choose(kBrowse);
    EXPECT_EQ(Messages(), std::vector<std::string>{"The PDF file cannot be opened: " + letter.string() +
                                                   " is not a PDF file."});
    EXPECT_EQ(alerts.GetRequests().front().kind, AlertRequest::kError);
    EXPECT_EQ(ChooserEntries(), std::vector<std::string>{kBrowse});
    EXPECT_TRUE(RecentPaths().empty());
    EXPECT_FALSE(IsEnabled(kOKButtonWidgetID));
}

TEST_F(ImportDialogTest, APdfThatVanishesWhileTheDialogIsOpenIsRefusedOnOK) {
    MakeDocument(3);
    const std::string pdf = WritePdf("vanishing", LetterPages(3));
    const std::string other = WritePdf("other", LetterPages(3));
    AddRecent(pdf);
    OpenOn(other);
    std::filesystem::remove(pdf);
    Choose(pdf);
    EXPECT_FALSE(IsEnabled(kOKButtonWidgetID));
    EXPECT_NE(Text(kNotesUIImportProblemWidgetID).find("There is no file"), std::string::npos);
    EXPECT_FALSE(dialog->PressOK());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages().front().rfind("The PDF file cannot be opened: There is no file", 0), 0u)
        << Messages().front();
    EXPECT_EQ(AnnotationCount(), 0);
}
