// Loading plug-in libraries from a folder: libraries that are not plug-ins, or that clash with one
// already loaded, are refused with a message naming the file, and the others load.
#include <gtest/gtest.h>

#include <fstream>

#include "TestSupport.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/PlugInLoader.h"

namespace {
std::filesystem::path TestPlugInDir() {
    return TestSupport::BinaryDir() / "testplugins";
}

TEST(PlugInLoaderTest, EachBrokenLibraryIsRefusedForItsOwnReasonAndTheRestLoad) {
    const std::filesystem::path dir = TestSupport::MakeTempDir("plugins");
    for (const char* name : {"libNoEntry.so", "libGood.so", "libGoodTwin.so"})
        std::filesystem::copy_file(TestPlugInDir() / name, dir / name);
    std::ofstream(dir / "libText.so") << "not a shared library";

    const std::vector<PlugInLoadResult> results = PlugInLoader::Instance().LoadFolder(dir.string());
    ASSERT_EQ(results.size(), 4u);
    std::map<std::string, PlugInLoadResult> byFile;
    for (const PlugInLoadResult& r : results)
        byFile[std::filesystem::path(r.file).filename().string()] = r;

    EXPECT_EQ(byFile["libGood.so"].reason, PlugInLoadResult::kLoaded) << byFile["libGood.so"].message;
    EXPECT_EQ(byFile["libNoEntry.so"].reason, PlugInLoadResult::kNoEntryPoint);
    EXPECT_EQ(byFile["libText.so"].reason, PlugInLoadResult::kNotALibrary);
    EXPECT_EQ(byFile["libGoodTwin.so"].reason, PlugInLoadResult::kClash) << "same plug-in ID as libGood.so";
    for (const char* name : {"libNoEntry.so", "libText.so", "libGoodTwin.so"})
        EXPECT_NE(byFile[name].message.find(name), std::string::npos) << byFile[name].message;

    const IPlugIn* good = byFile["libGood.so"].plugIn;
    ASSERT_NE(good, nullptr);
    EXPECT_NE(ClassRegistry::Instance().FindClass(0x7E0A01), nullptr);
    EXPECT_NE(good->GetResourceFile().find("libGood.so"), std::string::npos);
}
} // namespace
