// What the window does with bad input and risky gestures: a damaged document or one that is no
// document is refused with a message box and nothing opened; a file that is not a PDF is refused
// by the import dialog; a cancelled dialog changes nothing; closing with unsaved changes asks
// first (cancel keeps the document, don't save leaves its file as it was); a second opening of the
// open document is refused.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <fstream>

#include "DialogWindow.h"
#include "GuiFixture.h"
#include "MessageBoxResponder.h"
#include "RawPdfBuilder.h"
#include "TestSupport.h"
#include "host/database/IDataBase.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IDialogMgr.h"

namespace {
class WindowBadInput : public GuiTest {
protected:
    std::filesystem::path WriteFile(const std::string& name, const std::string& bytes) {
        const std::filesystem::path path = folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    DialogWindow* OpenImportDialog() {
        QAction* import = PanelMenuEntry("Import Annotations...");
        if (!import)
            return nullptr;
        import->trigger();
        return window->GetDialogWindows().size() == 1 ? window->GetDialogWindows().front() : nullptr;
    }
    // Chooses Browse in the dialog's PDF list and answers the file chooser with the file.
    void Browse(DialogWindow* dialog, const std::filesystem::path& file) {
        auto* chooser = qobject_cast<QComboBox*>(dialog->GetForm()->FindWidget(kNotesUIPDFChooserWidgetID));
        ASSERT_NE(chooser, nullptr);
        AnswerFileChooser(QString::fromStdString(file.string()));
        emit chooser->activated(chooser->findText("Browse..."));
    }
    int32 OpenDialogs() {
        InterfacePtr<IDialogMgr> dialogs(GetApplicationObject(), IID_IDIALOGMGR);
        return static_cast<int32>(dialogs->GetOpenDialogs().size());
    }
};

TEST_F(WindowBadInput, ADamagedDocumentIsRefusedInAMessageBoxAndNothingOpens) {
    MessageBoxResponder boxes;
    const ScopedAlertResponder answered(&boxes);
    const std::filesystem::path sample = MakeSampleDocument().toStdString();
    std::string bytes = TestSupport::ReadFile(sample);
    bytes.resize(bytes.size() / 2);
    const std::filesystem::path damaged = WriteFile("damaged.phd", bytes);
    ASSERT_TRUE(window->CloseDocument());
    bool opened = true;
    const QString message = AnswerNextMessageBox(
        [&] { opened = window->OpenDocument(QString::fromStdString(damaged.string())); });
    EXPECT_FALSE(opened);
    EXPECT_FALSE(message.isEmpty());
    EXPECT_EQ(window->GetDocument(), nullptr);
    EXPECT_EQ(DocumentManager::Instance().CountDocuments(), 0);
    EXPECT_TRUE(window->OpenDocument(QString::fromStdString(sample.string())))
        << "the window goes on working";
}

TEST_F(WindowBadInput, AFileThatIsNoDocumentIsRefusedWithItsReason) {
    const std::filesystem::path text = WriteFile("notes.phd", "just some words, not a document\n");
    EXPECT_FALSE(window->OpenDocument(QString::fromStdString(text.string())));
    ASSERT_EQ(alerts.GetRequests().size(), 1u);
    EXPECT_EQ(alerts.GetRequests()[0].kind, AlertRequest::kError);
    EXPECT_NE(alerts.GetRequests()[0].message.GetUTF8String().find("notes.phd"), std::string::npos);
    EXPECT_EQ(window->GetDocument(), nullptr);
}

TEST_F(WindowBadInput, AFileThatIsNoPdfIsRefusedByTheDialogAndTheDocumentStaysAsItWas) {
    MakeSampleDocument();
    ShowNotes();
    DialogWindow* dialog = OpenImportDialog();
    ASSERT_NE(dialog, nullptr);
    const std::filesystem::path fake = WriteFile("fake.pdf", "no PDF at all");
    Browse(dialog, fake);
    ASSERT_EQ(alerts.GetRequests().size(), 1u) << "the user is told the file cannot be opened";
    EXPECT_EQ(alerts.GetRequests()[0].kind, AlertRequest::kError);
    auto* importButton = qobject_cast<QPushButton*>(dialog->GetForm()->FindWidget(kOKButtonWidgetID));
    ASSERT_NE(importButton, nullptr);
    EXPECT_FALSE(importButton->isEnabled());
    dialog->reject();
    window->Refresh();
    EXPECT_TRUE(window->GetDialogWindows().empty());
    EXPECT_EQ(OpenDialogs(), 0);
    EXPECT_FALSE(window->GetDocument()->GetDocumentDataBase()->IsModified());
}

TEST_F(WindowBadInput, APdfWhosePagesDoNotFitTheDocumentIsShownAsSuchAndImportsNothing) {
    MakeSampleDocument();
    ShowNotes();
    const std::string pdf = RawPdfBuilder()
                                .object(1, "<< /Type /Catalog /Pages 2 0 R >>")
                                .object(2, "<< /Type /Pages /Kids [3 0 R] /Count 1 >>")
                                .object(3, "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 150] >>")
                                .build(1);
    const std::filesystem::path other = WriteFile("other.pdf", pdf);
    DialogWindow* dialog = OpenImportDialog();
    ASSERT_NE(dialog, nullptr);
    Browse(dialog, other);
    auto* problem = qobject_cast<QLabel*>(dialog->GetForm()->FindWidget(kNotesUIImportProblemWidgetID));
    ASSERT_NE(problem, nullptr);
    EXPECT_FALSE(problem->text().isEmpty()) << "the dialog says the pages do not fit";
    EXPECT_TRUE(dialog->GetForm()->FindWidget(kNotesUIWarningIconWidgetID)->isEnabled());
    auto* importButton = qobject_cast<QPushButton*>(dialog->GetForm()->FindWidget(kOKButtonWidgetID));
    if (importButton->isEnabled())
        QTest::mouseClick(importButton, Qt::LeftButton);
    window->Refresh();
    EXPECT_FALSE(window->GetDocument()->GetDocumentDataBase()->IsModified())
        << "a PDF without comments adds none";
    for (DialogWindow* open : window->GetDialogWindows())
        open->reject();
}

TEST_F(WindowBadInput, CancellingTheImportDialogChangesNothing) {
    MakeSampleDocument();
    ShowNotes();
    DialogWindow* dialog = OpenImportDialog();
    ASSERT_NE(dialog, nullptr);
    // The file chooser cancelled first, then the dialog.
    Browse(dialog, std::filesystem::path());
    EXPECT_TRUE(alerts.GetRequests().empty());
    QTest::keyClick(dialog, Qt::Key_Escape);
    window->Refresh();
    EXPECT_TRUE(window->GetDialogWindows().empty());
    EXPECT_EQ(OpenDialogs(), 0);
    EXPECT_FALSE(window->GetDocument()->GetDocumentDataBase()->IsModified());
    EXPECT_EQ(window->GetDocument()->GetDocumentDataBase()->GetUndoHistory().CountUndoSteps(), 0);
}

TEST_F(WindowBadInput, ClosingWithUnsavedChangesAsksAndCancelKeepsTheDocument) {
    const QString path = MakeSampleDocument();
    ShowNotes();
    ASSERT_TRUE(ImportThroughDialog(ReviewedProof()));
    const std::string saved = TestSupport::ReadFile(path.toStdString());
    alerts.QueueAnswer(3); // Cancel
    EXPECT_FALSE(window->close());
    ASSERT_EQ(alerts.GetRequests().size(), 1u);
    EXPECT_EQ(alerts.GetRequests()[0].kind, AlertRequest::kQuestion);
    EXPECT_NE(window->GetDocument(), nullptr);
    EXPECT_TRUE(window->GetDocument()->GetDocumentDataBase()->IsModified());
    alerts.QueueAnswer(2); // Don't Save
    EXPECT_TRUE(window->CloseDocument());
    EXPECT_EQ(window->GetDocument(), nullptr);
    EXPECT_EQ(TestSupport::ReadFile(path.toStdString()), saved) << "the file is left as it was";
}

TEST_F(WindowBadInput, SavingWhenAskedKeepsTheChanges) {
    const QString path = MakeSampleDocument();
    ShowNotes();
    ASSERT_TRUE(ImportThroughDialog(ReviewedProof()));
    const std::vector<QString> rows = RowTexts();
    alerts.QueueAnswer(1); // Save
    EXPECT_TRUE(window->CloseDocument());
    ASSERT_TRUE(window->OpenDocument(path));
    ShowNotes();
    EXPECT_EQ(RowTexts(), rows);
}

TEST_F(WindowBadInput, TheOpenDocumentIsNotOpenedASecondTime) {
    const QString path = MakeSampleDocument();
    IDocument* document = window->GetDocument();
    EXPECT_FALSE(window->OpenDocument(path));
    ASSERT_EQ(alerts.GetRequests().size(), 1u);
    EXPECT_NE(alerts.GetRequests()[0].message.GetUTF8String().find("open"), std::string::npos);
    EXPECT_EQ(window->GetDocument(), document);
    EXPECT_EQ(DocumentManager::Instance().CountDocuments(), 1);
}
} // namespace
