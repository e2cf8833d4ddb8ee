// The document file: what is saved opens again equal; data of plug-ins that are missing is kept
// byte for byte; a file that is not a document, or is damaged, is refused with one sentence.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "../fixtures/TestClasses.h"
#include "TestSupport.h"
#include "host/database/DataBase.h"
#include "host/document/DocumentManager.h"
#include "host/document/IHierarchy.h"
#include "host/document/LayoutBuilder.h"
#include "host/document/LayoutParser.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/PlugInLoader.h"
#include "host/text/IFrameList.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/IStoryList.h"
#include "host/text/ITextFrameColumn.h"

using namespace TestClasses;

namespace {
std::string Write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

class DocumentFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        Register();
        dir = TestSupport::MakeTempDir("docfile");
    }
    std::filesystem::path dir;
};

TEST_F(DocumentFileTest, SavedObjectsOpenAgainWithTheirDataAndReferences) {
    auto& manager = DocumentManager::Instance();
    IDocument* doc = manager.NewDocument().document;
    IDataBase* db = doc->GetDocumentDataBase();
    const UID first = NewItem(db, 17);
    const UID second = NewItem(db, -4);
    {
        InterfacePtr<IUIDData> ref(
            ObjectModel::CheckedCast<IUIDData>(db->Instantiate(first, IID_ITESTREFERENCE)));
        ref->Set(UIDRef(db, second));
    }
    const std::string path = (dir / "doc.phd").string();
    std::string message;
    ASSERT_EQ(manager.SaveDocumentAs(doc, path, &message), kSuccess) << message;
    manager.CloseDocument(doc);

    DocumentManager::Result opened = manager.OpenDocument(path);
    ASSERT_EQ(opened.error, kSuccess) << opened.message;
    IDataBase* again = opened.document->GetDocumentDataBase();
    EXPECT_EQ(ValueOf(again, first), 17);
    EXPECT_EQ(ValueOf(again, second), -4);
    InterfacePtr<IUIDData> ref(
        ObjectModel::CheckedCast<IUIDData>(again->Instantiate(first, IID_ITESTREFERENCE)));
    EXPECT_EQ(ref->GetRef(), UIDRef(again, second));
    EXPECT_FALSE(again->IsModified());
    manager.CloseDocument(opened.document);
}

TEST_F(DocumentFileTest, SaveReplacesTheFileAndLeavesNoTemporaryBehind) {
    auto& manager = DocumentManager::Instance();
    IDocument* doc = manager.NewDocument().document;
    const std::string path = (dir / "twice.phd").string();
    ASSERT_EQ(manager.SaveDocumentAs(doc, path), kSuccess);
    const UID item = NewItem(doc->GetDocumentDataBase(), 5);
    ASSERT_EQ(manager.SaveDocument(doc), kSuccess);
    manager.CloseDocument(doc);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()),
              1);
    DocumentManager::Result opened = manager.OpenDocument(path);
    ASSERT_EQ(opened.error, kSuccess);
    EXPECT_EQ(ValueOf(opened.document->GetDocumentDataBase(), item), 5);
    manager.CloseDocument(opened.document);
}

TEST_F(DocumentFileTest, DataOfAMissingPlugInIsKeptByteForByte) {
    auto& manager = DocumentManager::Instance();
    IDocument* doc = manager.NewDocument().document;
    IDataBase* db = doc->GetDocumentDataBase();
    const UID item = NewItem(db, 1234);
    const std::string first = (dir / "with-plugin.phd").string();
    ASSERT_EQ(manager.SaveDocumentAs(doc, first), kSuccess);
    manager.CloseDocument(doc);
    DocumentFileContents original;
    ASSERT_EQ(DocumentFile::Read(first, &original).status, DocumentFile::kOk);

    // The test plug-in goes away: its item class is unknown to the host now.
    ClassRegistry::Instance().Unregister(kTestPluginID);
    DocumentManager::Result opened = manager.OpenDocument(first);
    ASSERT_EQ(opened.error, kSuccess) << opened.message;
    IDataBase* without = opened.document->GetDocumentDataBase();
    EXPECT_EQ(without->Instantiate(item, IID_ITESTVALUE), nullptr);
    const std::string second = (dir / "without-plugin.phd").string();
    ASSERT_EQ(manager.SaveDocumentAs(opened.document, second), kSuccess);
    manager.CloseDocument(opened.document);

    DocumentFileContents resaved;
    ASSERT_EQ(DocumentFile::Read(second, &resaved).status, DocumentFile::kOk);
    ASSERT_TRUE(resaved.objects.count(item));
    EXPECT_EQ(resaved.objects[item].classID, original.objects[item].classID);
    EXPECT_EQ(resaved.objects[item].data, original.objects[item].data);
    ASSERT_EQ(resaved.plugIns.size(), 1u);
    EXPECT_EQ(resaved.plugIns[0].id, kTestPluginID);

    // Back again: the kept data reads as it was written.
    ClassRegistry::Instance().Register(PlugInLoader::Instance().FindPlugIn(kTestPluginID)->GetDeclaration());
    DocumentManager::Result back = manager.OpenDocument(second);
    ASSERT_EQ(back.error, kSuccess);
    EXPECT_EQ(ValueOf(back.document->GetDocumentDataBase(), item), 1234);
    manager.CloseDocument(back.document);
}

TEST_F(DocumentFileTest, FilesThatAreNotDocumentsAreRefusedWithOneSentence) {
    auto& manager = DocumentManager::Instance();
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty.phd", ""},
        {"text.phd", "just some words, not a document\n"},
        {"garbage.phd", std::string(5000, '\x9c')},
    };
    for (const auto& c : cases) {
        DocumentManager::Result result = manager.OpenDocument(Write(dir / c.name, c.bytes));
        EXPECT_NE(result.error, kSuccess) << c.name;
        EXPECT_EQ(result.document, nullptr);
        EXPECT_NE(result.message.find(c.name), std::string::npos) << result.message;
        EXPECT_EQ(result.message.back(), '.') << result.message;
    }
    DocumentManager::Result missing = manager.OpenDocument((dir / "nowhere.phd").string());
    EXPECT_NE(missing.error, kSuccess);
    EXPECT_NE(missing.message.find("does not exist"), std::string::npos);
}

TEST_F(DocumentFileTest, ADamagedDocumentIsRefusedNotCrashedOn) {
    auto& manager = DocumentManager::Instance();
    IDocument* doc = manager.NewDocument().document;
    for (int i = 0; i < 50; ++i)
        NewItem(doc->GetDocumentDataBase(), i);
    const std::string path = (dir / "whole.phd").string();
    ASSERT_EQ(manager.SaveDocumentAs(doc, path), kSuccess);
    manager.CloseDocument(doc);
    const std::string bytes = TestSupport::ReadFile(path);

    // Cut at several places, and with bytes overwritten in the middle.
    for (size_t cut : {bytes.size() / 2, bytes.size() - 100, size_t(200)}) {
        DocumentManager::Result result = manager.OpenDocument(Write(dir / "cut.phd", bytes.substr(0, cut)));
        if (result.document) // SQLite may still read a file cut inside unused pages; then it must be whole
            manager.CloseDocument(result.document);
        else
            EXPECT_FALSE(result.message.empty());
    }
    std::string scribbled = bytes;
    for (size_t i = 1024; i < scribbled.size(); i += 7)
        scribbled[i] = static_cast<char>(scribbled[i] ^ 0x5A);
    DocumentManager::Result result = manager.OpenDocument(Write(dir / "scribbled.phd", scribbled));
    if (result.document)
        manager.CloseDocument(result.document);
    else
        EXPECT_FALSE(result.message.empty());
}

// A reference to an object the file does not hold is dropped as the document opens, never followed
// later to an object that is not there.
TEST_F(DocumentFileTest, AReferenceToAnObjectTheFileDoesNotHoldReadsAsNone) {
    auto& manager = DocumentManager::Instance();
    IDocument* doc = manager.NewDocument().document;
    IDataBase* db = doc->GetDocumentDataBase();
    const UID first = NewItem(db, 1);
    const UID second = NewItem(db, 2);
    {
        InterfacePtr<IUIDData> ref(
            ObjectModel::CheckedCast<IUIDData>(db->Instantiate(first, IID_ITESTREFERENCE)));
        ref->Set(UIDRef(db, second));
    }
    const std::string path = (dir / "dangling.phd").string();
    std::string message;
    ASSERT_EQ(manager.SaveDocumentAs(doc, path, &message), kSuccess) << message;
    manager.CloseDocument(doc);
    DocumentFileContents contents;
    ASSERT_EQ(DocumentFile::Read(path, &contents).status, DocumentFile::kOk);
    contents.objects.erase(second);
    ASSERT_EQ(DocumentFile::Write(path, contents).status, DocumentFile::kOk);

    DocumentManager::Result opened = manager.OpenDocument(path);
    ASSERT_EQ(opened.error, kSuccess) << opened.message;
    IDataBase* again = opened.document->GetDocumentDataBase();
    InterfacePtr<IUIDData> ref(
        ObjectModel::CheckedCast<IUIDData>(again->Instantiate(first, IID_ITESTREFERENCE)));
    EXPECT_EQ(ref->GetRef().GetUID(), kInvalidUID);
    EXPECT_EQ(ValueOf(again, first), 1);
    manager.CloseDocument(opened.document);
}

// Found by fuzzing: stored lists (children, paths, UID lists, attribute runs, text) were sized from
// their stored count before any element was read, so one damaged count asked for gigabytes. Each
// file here has one such count: its list is read only as far as the elements really stored, and the
// object, which does not hold what its count says, makes the open fail naming it.
TEST_F(DocumentFileTest, ADamagedCountInAStoredListAllocatesOnlyWhatIsStored) {
    auto& manager = DocumentManager::Instance();
    for (const char* name : {"child-count-of-721-million.phd", "attribute-count-of-268-million.phd"}) {
        const std::filesystem::path path = TestSupport::SourceDir() / "tests/host/fixtures/damaged" / name;
        DocumentManager::Result opened = manager.OpenDocument(path.string());
        EXPECT_EQ(opened.document, nullptr) << name;
        EXPECT_NE(opened.message.find(std::string(name) + " is damaged: object "), std::string::npos)
            << opened.message;
        EXPECT_NE(opened.message.find(" cannot be read."), std::string::npos) << opened.message;
    }
    std::vector<uint8> hierarchy(4, 0);                                 // the parent
    for (uint8 byte : {0xFF, 0xFF, 0xFF, 0x7F, 1, 0, 0, 0, 2, 0, 0, 0}) // 2^31-1 children, two stored
        hierarchy.push_back(byte);
    Boss* item = Boss::Create(kSplineItemBoss);
    EXPECT_FALSE(item->ReadSections({{IID_IHIERARCHY, kHierarchyImpl, hierarchy}}));
    InterfacePtr<IHierarchy> read(static_cast<IHierarchy*>(item->QueryInterface(IID_IHIERARCHY)));
    EXPECT_EQ(read->GetChildCount(), 2);
    item->Release();
}

// What a class must read: each of its host implementations' sections, each field of them.
TEST_F(DocumentFileTest, ReadingSectionsTellsWhetherTheObjectHeldAllItsClassReads) {
    Boss* item = Boss::Create(kSplineItemBoss);
    std::vector<Boss::Section> sections = item->WriteSections();
    ASSERT_FALSE(sections.empty());
    EXPECT_TRUE(item->ReadSections(sections));
    EXPECT_FALSE(item->ReadSections({}));
    std::vector<Boss::Section> missing(sections.begin() + 1, sections.end());
    EXPECT_FALSE(item->ReadSections(missing));
    std::vector<Boss::Section> cut = sections;
    for (Boss::Section& section : cut)
        if (!section.bytes.empty())
            section.bytes.pop_back();
    EXPECT_FALSE(item->ReadSections(cut));
    std::vector<Boss::Section> foreign = sections;
    foreign.push_back({0x7E7E7E, 0x7E7E7E, {1, 2, 3}});
    EXPECT_TRUE(item->ReadSections(foreign))
        << "data of an implementation the host lacks is kept, not missed";
    item->Release();
}
// Found by fuzzing: a text frame's column item whose parent was the item itself made drawing follow
// the frame's bounds round the loop until the stack ran out. A spread tree that loops through its
// parents or through its children is refused when the document opens, naming the object.
TEST_F(DocumentFileTest, ASpreadTreeThatLoopsIsRefusedWhenTheDocumentOpens) {
    auto& manager = DocumentManager::Instance();
    const LayoutParser::Result parsed = LayoutParser::Parse(
        R"({"spreads": [{"pages": [{}]}], "textFrames": [{"page": 1, "bounds": [72, 72, 300, 200]}],
            "stories": []})");
    ASSERT_TRUE(parsed.ok) << parsed.Message();
    const auto build = [&](const char* name, const std::function<void(IDataBase*, UID)>& damage) {
        const LayoutBuilder::Result built = LayoutBuilder::Build(parsed.description);
        EXPECT_EQ(built.error, kSuccess) << built.message;
        IDataBase* db = built.document->GetDocumentDataBase();
        InterfacePtr<IStoryList> stories(
            ObjectModel::CheckedCast<IStoryList>(db->Instantiate(db->GetRootUID(), IID_ISTORYLIST)));
        InterfacePtr<IFrameList> frames(ObjectModel::CheckedCast<IFrameList>(
            db->Instantiate(stories->GetNthStoryUID(0), IID_IFRAMELIST)));
        InterfacePtr<ITextFrameColumn> column(frames->QueryNthFrame(0));
        InterfacePtr<IMultiColumnTextFrame> item(column->QueryMultiColumnTextFrame());
        damage(db, ::GetUID(item));
        const std::string path = (dir / name).string();
        std::string message;
        EXPECT_EQ(manager.SaveDocumentAs(built.document, path, &message), kSuccess) << message;
        manager.CloseDocument(built.document);
        return path;
    };
    const auto hierarchy = [](IDataBase* db, UID uid) {
        return InterfacePtr<IHierarchy>(
            ObjectModel::CheckedCast<IHierarchy>(db->Instantiate(uid, IID_IHIERARCHY)));
    };
    const std::string sound = build("sound.phd", [](IDataBase*, UID) {});
    const std::string ownParent =
        build("own-parent.phd", [&](IDataBase* db, UID item) { hierarchy(db, item)->SetParentUID(item); });
    UID frame = kInvalidUID;
    const std::string childLoop = build("child-loop.phd", [&](IDataBase* db, UID item) {
        // The frame lists its own layer as a child, while the layer's parent stays as it was.
        frame = hierarchy(db, item)->GetParentUID();
        const UID layer = hierarchy(db, frame)->GetParentUID();
        const UID layerParent = hierarchy(db, layer)->GetParentUID();
        hierarchy(db, frame)->AddChild(layer, -1);
        hierarchy(db, layer)->SetParentUID(layerParent);
    });

    DocumentManager::Result opened = manager.OpenDocument(sound);
    ASSERT_EQ(opened.error, kSuccess) << opened.message;
    manager.CloseDocument(opened.document);
    for (const std::string& path : {ownParent, childLoop}) {
        const std::string before = TestSupport::ReadFile(path);
        opened = manager.OpenDocument(path);
        EXPECT_EQ(opened.document, nullptr) << path;
        const std::string name = std::filesystem::path(path).filename().string();
        EXPECT_NE(opened.message.find("The document " + name + " is damaged: object "), std::string::npos)
            << opened.message;
        EXPECT_NE(opened.message.find(" is its own ancestor."), std::string::npos) << opened.message;
        EXPECT_EQ(TestSupport::ReadFile(path), before) << "a refused document is left as it was";
    }
}

} // namespace
