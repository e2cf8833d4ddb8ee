// Applying the import dialog: the kind check boxes start from the application-wide import settings
// and decide what the import takes; a document that already holds annotations asks first and imports
// only on yes; annotations that fail are counted in a warning; nothing found or nothing imported is
// an error; Cancel imports nothing.
#include "INotesImportSettings.h"
#include "INotesRecentImports.h"
#include "QuillpaneID.h"
#include "fixtures/ImportDialogFixture.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/ITriStateControlData.h"

using namespace ImportDialogFixture;

namespace {
InterfacePtr<INotesImportSettings> Settings() {
    return InterfacePtr<INotesImportSettings>(GetApplicationObject(), IID_INOTESIMPORTSETTINGS);
}

std::vector<PdfPage> NoteAndLine() {
    std::vector<PdfPage> pages = LetterPages(3);
    pages[0].annots = {{Annot::kStickyNote}, {Annot::kLine, 300, 300}};
    return pages;
}
} // namespace

TEST_F(ImportDialogTest, TheKindCheckBoxesStartFromTheSettingsAndDecideWhatIsImported) {
    MakeDocument(3);
    Settings()->Set(PMString(), 0, kFalse, kTrue, kFalse, kTrue);
    const std::string pdf = WritePdf("kinds", NoteAndLine());
    OpenOn(pdf);
    const auto checked = [this](WidgetID id) {
        return InterfacePtr<ITriStateControlData>(Widget(id), IID_ITRISTATECONTROLDATA)->IsSelected();
    };
    EXPECT_FALSE(checked(kNotesUIStickyNotesCheckBoxWidgetID));
    EXPECT_TRUE(checked(kNotesUITextMarkupsCheckBoxWidgetID));
    EXPECT_FALSE(checked(kNotesUITextEditsCheckBoxWidgetID));
    EXPECT_TRUE(checked(kNotesUIDrawingsCheckBoxWidgetID));
    ASSERT_TRUE(dialog->PressOK());
    EXPECT_EQ(AnnotationCount(), 1) << "the line only";
    EXPECT_EQ(Settings()->GetPDFPath().GetUTF8String(), pdf);
}

TEST_F(ImportDialogTest, TheUsersKindsAreRememberedForTheNextOpening) {
    MakeDocument(3);
    OpenOn(WritePdf("kinds", NoteAndLine()));
    Check(kNotesUIDrawingsCheckBoxWidgetID, false);
    Check(kNotesUITextEditsCheckBoxWidgetID, false);
    ASSERT_TRUE(dialog->PressOK());
    EXPECT_EQ(AnnotationCount(), 1) << "the note only";
    EXPECT_TRUE(Settings()->GetImportStickyNotes());
    EXPECT_TRUE(Settings()->GetImportTextMarkups());
    EXPECT_FALSE(Settings()->GetImportTextEdits());
    EXPECT_FALSE(Settings()->GetImportDrawings());
    OpenDialog();
    EXPECT_FALSE(
        InterfacePtr<ITriStateControlData>(Widget(kNotesUIDrawingsCheckBoxWidgetID), IID_ITRISTATECONTROLDATA)
            ->IsSelected());
}

TEST_F(ImportDialogTest, ImportingUponExistingAnnotationsAsksAndImportsOnYes) {
    MakeDocument(3);
    const std::string pdf = WritePdf("notes", NoteAndLine());
    OpenOn(pdf);
    ASSERT_TRUE(dialog->PressOK());
    EXPECT_TRUE(alerts.GetRequests().empty()) << "nothing to ask about the first time";
    ASSERT_EQ(AnnotationCount(), 2);
    OpenDialog();
    alerts.QueueAnswer(1);
    ASSERT_TRUE(dialog->PressOK());
    ASSERT_EQ(alerts.GetRequests().size(), 1u);
    const AlertRequest& question = alerts.GetRequests().front();
    EXPECT_EQ(question.kind, AlertRequest::kQuestion);
    EXPECT_NE(question.message.GetUTF8String().find("already holds annotations"), std::string::npos);
    EXPECT_EQ(question.defaultButton, 1);
    EXPECT_EQ(AnnotationCount(), 4) << "the existing ones stay";
}

TEST_F(ImportDialogTest, ImportingUponExistingAnnotationsAnsweredNoChangesNothing) {
    MakeDocument(3);
    OpenOn(WritePdf("notes", NoteAndLine()));
    ASSERT_TRUE(dialog->PressOK());
    ASSERT_EQ(AnnotationCount(), 2);
    OpenDialog();
    alerts.QueueAnswer(2);
    ASSERT_TRUE(dialog->PressOK());
    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_EQ(AnnotationCount(), 2);
}

TEST_F(ImportDialogTest, AnnotationsThatFailAreCountedInAWarning) {
    MakeDocument(3); // pages without text: a highlight finds nothing to mark
    std::vector<PdfPage> pages = LetterPages(3);
    pages[0].annots = {{Annot::kStickyNote}, {Annot::kHighlight, 200, 500}, {Annot::kHighlight, 200, 300}};
    OpenOn(WritePdf("failing", pages));
    ASSERT_TRUE(dialog->PressOK());
    EXPECT_EQ(Messages(), std::vector<std::string>{"2 annotations could not be imported."});
    EXPECT_EQ(alerts.GetRequests().front().kind, AlertRequest::kWarning);
    EXPECT_EQ(AnnotationCount(), 1);
}

TEST_F(ImportDialogTest, APdfWithNothingOfTheChosenKindsIsAnError) {
    MakeDocument(3);
    const std::string pdf = WritePdf("plain", LetterPages(3));
    OpenOn(pdf);
    ASSERT_TRUE(dialog->PressOK());
    ASSERT_EQ(alerts.GetRequests().size(), 1u);
    EXPECT_EQ(alerts.GetRequests().front().kind, AlertRequest::kError);
    EXPECT_NE(Messages().front().find("has no comments of the chosen kinds"), std::string::npos)
        << Messages().front();
}

TEST_F(ImportDialogTest, AnImportedPdfJoinsTheRecentList) {
    MakeDocument(3);
    const std::string pdf = WritePdf("typed", NoteAndLine());
    OpenDialog();
    files.QueueFiles({IDFile(pdf)});
    Choose("Browse...");
    ASSERT_TRUE(dialog->PressOK());
    EXPECT_EQ(RecentPaths(), std::vector<std::string>{pdf});
    EXPECT_EQ(AnnotationCount(), 2);
}

TEST_F(ImportDialogTest, CancelImportsNothing) {
    MakeDocument(3);
    OpenOn(WritePdf("notes", NoteAndLine()));
    dialog->PressCancel();
    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_EQ(AnnotationCount(), 0);
    EXPECT_TRUE(RecentPaths().size() == 1u) << "the recent list is as it was";
}
