// pagehost under bad input and faults: documents keep what they hold, a verb never writes over its
// own input, and every refusal leaves the files as they were.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>

#include "PagehostRun.h"
#include "TestSupport.h"
#include "host/database/DocumentFile.h"
#include "host/objectmodel/HostIDs.h"

namespace {
class PagehostFaultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = TestSupport::MakeTempDir("faults");
        ASSERT_EQ(RunPagehost({"new", Example("sample.json"), Doc()}).status, 0);
    }
    static std::string Example(const char* name) {
        return (TestSupport::SourceDir() / "examples" / name).string();
    }
    std::string Doc() const { return (dir / "doc.phd").string(); }
    static std::vector<std::string> PlugInNames(const std::string& path) {
        DocumentFileContents contents;
        EXPECT_EQ(DocumentFile::Read(path, &contents).status, DocumentFile::kOk);
        std::vector<std::string> names;
        for (const PlugInDependency& dependency : contents.plugIns)
            names.push_back(dependency.name);
        return names;
    }
    // Rewrites the document file with what damage makes of its contents.
    void Damage(const std::function<void(DocumentFileContents&)>& damage) const {
        DocumentFileContents contents;
        ASSERT_EQ(DocumentFile::Read(Doc(), &contents).status, DocumentFile::kOk);
        damage(contents);
        ASSERT_EQ(DocumentFile::Write(Doc(), contents).status, DocumentFile::kOk);
    }
    // The last object of a class, taken out of the file; answers its UID and what it held.
    std::pair<UID, StoredObject> RemoveLast(ClassID classID) const {
        std::pair<UID, StoredObject> removed{kInvalidUID, {}};
        Damage([&](DocumentFileContents& contents) {
            for (const auto& [uid, object] : contents.objects)
                if (object.classID == classID)
                    removed = {uid, object};
            contents.objects.erase(removed.first);
        });
        return removed;
    }
    // The last object of a class made a page in the file, as a damaged file may name an object of
    // the wrong kind; answers its UID.
    UID ReplaceLastWithAPage(ClassID classID) const {
        UID replaced = kInvalidUID;
        Damage([&](DocumentFileContents& contents) {
            StoredObject page;
            for (const auto& [uid, object] : contents.objects) {
                replaced = object.classID == classID ? uid : replaced;
                page = object.classID == kPageBoss ? object : page;
            }
            contents.objects[replaced] = page;
        });
        return replaced;
    }
    std::string Info() const {
        const PagehostRun info = RunPagehost({"info", Doc()});
        EXPECT_EQ(info.status, 0) << info.err;
        return info.out;
    }
    std::filesystem::path dir;
};

TEST_F(PagehostFaultsTest, ADocumentSavedAfterImportKeepsItsAnnotationsDependency) {
    const PagehostRun imported = RunPagehost({"import", Doc(), Example("reviewed.pdf")});
    ASSERT_EQ(imported.status, 0) << imported.err;
    const std::vector<std::string> names = PlugInNames(Doc());
    EXPECT_NE(std::find(names.begin(), names.end(), "Annotations"), names.end())
        << "the plug-ins of the saved document: " << testing::PrintToString(names);
}
// A spread whose page list names a page the file does not hold: info followed it to a null master
// page, and import saved the reference on. Every verb that opens the document now drops it.
TEST_F(PagehostFaultsTest, AChildThatNamesAMissingObjectIsDroppedWhenTheDocumentOpens) {
    const auto [page, stored] = RemoveLast(kPageBoss);
    ASSERT_NE(page, kInvalidUID);
    EXPECT_NE(Info().find("pages: 2\n"), std::string::npos);
    const std::vector<std::vector<std::string>> verbs = {
        {"notes", Doc()},
        {"notes", Doc(), "--json"},
        {"render", Doc(), "--page", "2", "--out", (dir / "page.png").string()},
        {"export-pdf", Doc(), (dir / "proof.pdf").string()},
        {"popups", Doc(), "show", "--out", (dir / "shown.phd").string()},
        {"import", Doc(), Example("reviewed.pdf"), "--offset", "0"},
    };
    for (const std::vector<std::string>& verb : verbs) {
        const PagehostRun run = RunPagehost(verb);
        EXPECT_EQ(run.status, 0) << verb[0] << ": " << run.err;
    }
    // The imported document no longer names the page: putting it back brings back no page.
    Damage([&](DocumentFileContents& contents) { contents.objects[page] = stored; });
    EXPECT_NE(Info().find("pages: 2\n"), std::string::npos);
}
// Found by fuzzing: a swatch list, a story list, then a layer list, naming an object of another
// kind (here a page put in its place, class and data both) crashed `pagehost info`. Every list it
// follows shows such an entry rather than following it, and the other verbs go on past it.
TEST_F(PagehostFaultsTest, AListNamingAnObjectOfAnotherKindIsShownAsSuch) {
    const std::pair<ClassID, std::string> kinds[] = {{kSwatchBoss, "a swatch"},
                                                     {kTextStoryBoss, "a story"},
                                                     {kDocumentLayerBoss, "a layer"},
                                                     {kMasterPagesBoss, "a master spread"}};
    const std::filesystem::path pristine = dir / "pristine.phd";
    std::filesystem::copy_file(Doc(), pristine);
    for (const auto& [classID, kind] : kinds) {
        std::filesystem::copy_file(pristine, Doc(), std::filesystem::copy_options::overwrite_existing);
        const UID replaced = ReplaceLastWithAPage(classID);
        ASSERT_NE(replaced, kInvalidUID) << kind;
        EXPECT_NE(Info().find("Object " + std::to_string(replaced) + ": listed as " + kind +
                              ", but it is not one\n"),
                  std::string::npos)
            << kind;
        for (const std::vector<std::string>& verb : std::vector<std::vector<std::string>>{
                 {"notes", Doc()},
                 {"render", Doc(), "--page", "1", "--out", (dir / "page.png").string()},
                 {"export-pdf", Doc(), (dir / "proof.pdf").string()},
                 {"panel", Doc()},
                 {"import", Doc(), Example("reviewed.pdf"), "--out", (dir / "imported.phd").string()}}) {
            const PagehostRun run = RunPagehost(verb);
            EXPECT_EQ(run.status, 0) << verb[0] << " with " << kind << " replaced: " << run.err;
        }
    }
}

// An object whose data is empty (a story, a swatch, the document itself) opened as one of no
// characters, no spreads or no name; data of another class's object opened as defaults. Each is
// refused as damage, naming the object, by every verb that opens the document, and the file stays.
TEST_F(PagehostFaultsTest, AnObjectWhoseDataDoesNotHoldWhatItsClassReadsIsRefusedByName) {
    std::map<UID, StoredObject> objects;
    {
        DocumentFileContents contents;
        ASSERT_EQ(DocumentFile::Read(Doc(), &contents).status, DocumentFile::kOk);
        objects = contents.objects;
    }
    const auto last = [&](ClassID classID) {
        UID found = kInvalidUID;
        for (const auto& [uid, object] : objects)
            found = object.classID == classID ? uid : found;
        return found;
    };
    const UID story = last(kTextStoryBoss), swatch = last(kSwatchBoss), page = last(kPageBoss);
    const UID root = objects.begin()->first;
    ASSERT_EQ(objects.at(root).classID, kDocBoss);
    const std::string original = TestSupport::ReadFile(Doc());
    const std::vector<std::pair<UID, std::vector<uint8>>> damages = {
        {story, {}}, {swatch, {}}, {root, {}}, {swatch, objects.at(page).data}};
    for (const auto& [uid, data] : damages) {
        Damage([&](DocumentFileContents& contents) { contents.objects[uid].data = data; });
        const std::string damaged = TestSupport::ReadFile(Doc());
        const std::string sentence = "doc.phd is damaged: object " + std::to_string(uid) + " cannot be read.";
        for (const std::vector<std::string>& verb : std::vector<std::vector<std::string>>{
                 {"info", Doc()},
                 {"notes", Doc()},
                 {"render", Doc(), "--page", "1", "--out", (dir / "page.png").string()},
                 {"export-pdf", Doc(), (dir / "proof.pdf").string()},
                 {"import", Doc(), Example("reviewed.pdf")}}) {
            const PagehostRun run = RunPagehost(verb);
            EXPECT_EQ(run.status, 1) << verb[0] << " of object " << uid;
            EXPECT_NE(run.err.find(sentence), std::string::npos) << verb[0] << ": " << run.err;
        }
        EXPECT_TRUE(TestSupport::ReadFile(Doc()) == damaged) << "object " << uid << " changed";
        std::ofstream(Doc(), std::ios::binary) << original;
    }
}
// `--page ""` was read as page 0 and `--offset ""` as no offset: a value that is not a whole number
// is refused by what it is, before the document is opened.
TEST_F(PagehostFaultsTest, AnEmptyOrFractionalNumberOptionIsRefusedAsNotAWholeNumber) {
    const std::string original = TestSupport::ReadFile(Doc());
    for (const char* page : {"", "1.5", "two"}) {
        const PagehostRun run =
            RunPagehost({"render", Doc(), "--page", page, "--out", (dir / "p.png").string()});
        EXPECT_NE(run.status, 0) << page;
        EXPECT_NE(run.err.find("the page number \"" + std::string(page) + "\" is not a whole number"),
                  std::string::npos)
            << run.err;
        EXPECT_EQ(run.err.find("no page 0"), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "p.png"));
    }
    const PagehostRun import = RunPagehost({"import", Doc(), Example("reviewed.pdf"), "--offset", ""});
    EXPECT_NE(import.status, 0);
    EXPECT_NE(import.err.find("the page offset \"\" is not a whole number"), std::string::npos) << import.err;
    EXPECT_TRUE(TestSupport::ReadFile(Doc()) == original) << "the refused import left the document as it was";
}
} // namespace
