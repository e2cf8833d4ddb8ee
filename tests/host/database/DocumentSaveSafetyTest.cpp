// Saving never harms what is there: a write-protected document is refused, a rewritten one keeps
// its mode, leftovers of a killed save are cleared by the next save or open, a document that
// would not open again is never written, and no object is made past the UID space.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <fstream>

#include "../fixtures/TestClasses.h"
#include "TestSupport.h"
#include "host/database/DataBase.h"
#include "host/document/DocumentManager.h"

using namespace TestClasses;

namespace {
class DocumentSaveSafetyTest : public ::testing::Test {
protected:
    void SetUp() override {
        Register();
        dir = TestSupport::MakeTempDir("save-safety");
        IDocument* doc = DocumentManager::Instance().NewDocument().document;
        NewItem(doc->GetDocumentDataBase(), 3);
        ASSERT_EQ(DocumentManager::Instance().SaveDocumentAs(doc, Path()), kSuccess);
        DocumentManager::Instance().CloseDocument(doc);
    }
    std::string Path() const { return (dir / "doc.phd").string(); }
    static mode_t ModeOf(const std::string& path) {
        struct stat info {};
        EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
        return info.st_mode & 07777;
    }
    size_t FilesInFolder() const {
        return static_cast<size_t>(
            std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()));
    }
    std::filesystem::path dir;
};

TEST_F(DocumentSaveSafetyTest, AWriteProtectedDocumentIsRefusedAndLeftAsItWas) {
    ::chmod(Path().c_str(), 0444);
    const std::string before = TestSupport::ReadFile(Path());
    DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(Path());
    ASSERT_NE(opened.document, nullptr) << opened.message;
    NewItem(opened.document->GetDocumentDataBase(), 4);
    std::string message;
    EXPECT_NE(DocumentManager::Instance().SaveDocument(opened.document, &message), kSuccess);
    DocumentManager::Instance().CloseDocument(opened.document);
    EXPECT_NE(message.find("write-protected"), std::string::npos) << message;
    EXPECT_EQ(TestSupport::ReadFile(Path()), before);
    EXPECT_EQ(ModeOf(Path()), 0444u);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(DocumentSaveSafetyTest, ARewrittenDocumentKeepsItsMode) {
    ::chmod(Path().c_str(), 0600);
    DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(Path());
    ASSERT_NE(opened.document, nullptr) << opened.message;
    NewItem(opened.document->GetDocumentDataBase(), 4);
    EXPECT_EQ(DocumentManager::Instance().SaveDocument(opened.document), kSuccess);
    DocumentManager::Instance().CloseDocument(opened.document);
    EXPECT_EQ(ModeOf(Path()), 0600u);
}

// A save killed midway leaves its temporary database, the journal beside it and the passing file
// of a new document; they belong to processes that no longer run.
TEST_F(DocumentSaveSafetyTest, LeftoversOfAKilledSaveAreRemovedByTheNextOpenAndSave) {
    const pid_t dead = [] {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(0);
        int status = 0;
        ::waitpid(child, &status, 0);
        return child;
    }();
    const std::string stamp = std::to_string(dead);
    const std::vector<std::string> leftovers = {Path() + ".saving-" + stamp + "-12345",
                                                Path() + ".saving-" + stamp + "-12345-journal",
                                                Path() + ".partial-" + stamp};
    const std::string alive = Path() + ".saving-" + std::to_string(::getpid()) + "-777";
    for (const std::string& leftover : leftovers)
        std::ofstream(leftover) << "half";
    std::ofstream(alive) << "in progress";

    DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(Path());
    ASSERT_NE(opened.document, nullptr) << opened.message;
    for (const std::string& leftover : leftovers)
        EXPECT_FALSE(std::filesystem::exists(leftover)) << leftover;
    EXPECT_TRUE(std::filesystem::exists(alive)) << "a save of a running process is left alone";

    std::ofstream(leftovers[0]) << "half";
    EXPECT_EQ(DocumentManager::Instance().SaveDocument(opened.document), kSuccess);
    DocumentManager::Instance().CloseDocument(opened.document);
    EXPECT_FALSE(std::filesystem::exists(leftovers[0]));
    EXPECT_TRUE(std::filesystem::exists(alive));
}

TEST_F(DocumentSaveSafetyTest, ADocumentThatWouldNotOpenAgainIsNeverWritten) {
    const std::string before = TestSupport::ReadFile(Path());
    DocumentFileContents contents;
    ASSERT_EQ(DocumentFile::Read(Path(), &contents).status, DocumentFile::kOk);
    DocumentFileContents zeroUID = contents;
    zeroUID.objects[kInvalidUID] = contents.objects.begin()->second;
    DocumentFileContents behindCounter = contents;
    behindCounter.nextUID = contents.objects.rbegin()->first;
    DocumentFileContents noRoot = contents;
    noRoot.objects.erase(contents.rootUID);
    for (const DocumentFileContents* bad : {&zeroUID, &behindCounter, &noRoot}) {
        const DocumentFile::Result written = DocumentFile::Write(Path(), *bad);
        EXPECT_EQ(written.status, DocumentFile::kWriteFailed);
        EXPECT_FALSE(written.message.empty());
    }
    EXPECT_EQ(TestSupport::ReadFile(Path()), before);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(DocumentSaveSafetyTest, NoObjectIsMadePastTheUIDSpace) {
    DocumentFileContents contents;
    ASSERT_EQ(DocumentFile::Read(Path(), &contents).status, DocumentFile::kOk);
    contents.nextUID = UINT_MAX - 1;
    ASSERT_EQ(DocumentFile::Write(Path(), contents).status, DocumentFile::kOk);
    DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(Path());
    ASSERT_NE(opened.document, nullptr) << opened.message;
    IDataBase* db = opened.document->GetDocumentDataBase();
    EXPECT_EQ(NewItem(db, 1), UINT_MAX - 1) << "the last UID below the counter's limit";
    EXPECT_EQ(db->NewUID(kTestItemBoss), kInvalidUID);
    EXPECT_EQ(db->NewUID(kTestItemBoss), kInvalidUID) << "and never one that wraps around to 0";
    std::string message;
    EXPECT_EQ(DocumentManager::Instance().SaveDocument(opened.document, &message), kSuccess) << message;
    DocumentManager::Instance().CloseDocument(opened.document);
    DocumentManager::Result again = DocumentManager::Instance().OpenDocument(Path());
    EXPECT_NE(again.document, nullptr) << again.message;
    if (again.document)
        DocumentManager::Instance().CloseDocument(again.document);
}

TEST_F(DocumentSaveSafetyTest, SavingIntoAFolderThatDoesNotExistSaysSo) {
    IDocument* doc = DocumentManager::Instance().NewDocument().document;
    std::string message;
    EXPECT_NE(
        DocumentManager::Instance().SaveDocumentAs(doc, (dir / "missing" / "doc.phd").string(), &message),
        kSuccess);
    DocumentManager::Instance().CloseDocument(doc);
    EXPECT_NE(message.find("does not exist"), std::string::npos) << message;
    EXPECT_EQ(message.find("cannot be written"), std::string::npos) << message;
}
} // namespace
