// pagehost under bad input and faults: documents keep what they hold, a verb never writes over its
// own input, and every refusal leaves the files as they were.
#include <gtest/gtest.h>

#include <fstream>

#include "PagehostRun.h"
#include "TestSupport.h"
#include "host/database/DocumentFile.h"

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
    std::filesystem::path dir;
};

TEST_F(PagehostFaultsTest, ADocumentSavedAfterImportKeepsItsAnnotationsDependency) {
    const PagehostRun imported = RunPagehost({"import", Doc(), Example("reviewed.pdf")});
    ASSERT_EQ(imported.status, 0) << imported.err;
    const std::vector<std::string> names = PlugInNames(Doc());
    EXPECT_NE(std::find(names.begin(), names.end(), "Annotations"), names.end())
        << "the plug-ins of the saved document: " << testing::PrintToString(names);
}
} // namespace
