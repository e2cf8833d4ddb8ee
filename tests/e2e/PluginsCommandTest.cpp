// pagehost loads the plug-ins of its plugins folder and tells which it loaded; a broken library in
// the folder is refused by name and the others still load.
#include <gtest/gtest.h>

#include <fstream>

#include "PagehostRun.h"
#include "TestSupport.h"

namespace {
TEST(PluginsCommandTest, ListsBothPlugInsWithTheirVersion) {
    const PagehostRun run = RunPagehost({"plugins"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Annotations 1.1.5"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Quillpane 1.1.5"), std::string::npos) << run.out;
    EXPECT_EQ(run.err, "");
}

TEST(PluginsCommandTest, ABrokenLibraryIsRefusedByNameAndTheOthersLoad) {
    const std::filesystem::path plugins = TestSupport::MakeTempDir("plugins");
    for (const char* name : {"libAnnotations.so", "libQuillpane.so"})
        std::filesystem::copy_file(TestSupport::BinaryDir() / "bin" / "plugins" / name, plugins / name);
    std::ofstream(plugins / "libBroken.so") << "garbage";
    std::filesystem::copy_file(TestSupport::BinaryDir() / "testplugins" / "libNoEntry.so",
                               plugins / "libNoEntry.so");

    const PagehostRun run = RunPagehost({"--plugins", plugins.string(), "plugins"});
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("libBroken.so"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("The library libNoEntry.so is not a plug-in: it has no GetPlugIn entry point."),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.out.find("Annotations 1.1.5"), std::string::npos);
    EXPECT_NE(run.out.find("Quillpane 1.1.5"), std::string::npos);
}

TEST(PluginsCommandTest, VersionAndHelpAnswer) {
    EXPECT_EQ(RunPagehost({"--version"}).out, "pagehost 1.1.5\n");
    const PagehostRun help = RunPagehost({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("plugins"), std::string::npos);
    EXPECT_NE(RunPagehost({"no-such-verb"}).status, 0);
}
} // namespace
