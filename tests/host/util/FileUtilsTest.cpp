// The application document folder follows PAGEHOST_HOME, then XDG_DATA_HOME, then HOME.
#include <gtest/gtest.h>

#include <cstdlib>

#include "TestSupport.h"
#include "host/util/FileUtils.h"

namespace {
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : fName(name) {
        if (const char* old = std::getenv(name))
            fOld = old, fHad = true;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (fHad)
            ::setenv(fName, fOld.c_str(), 1);
        else
            ::unsetenv(fName);
    }

private:
    const char* fName;
    std::string fOld;
    bool fHad = false;
};

std::string Folder() {
    IDFile folder;
    EXPECT_TRUE(FileUtils::GetAppDocumentFolder(&folder));
    return folder.GetPathString();
}

TEST(FileUtilsTest, AppDocumentFolderPrecedence) {
    ScopedEnv home("HOME", "/home/tester");
    {
        ScopedEnv own("PAGEHOST_HOME", "/srv/pagehost");
        ScopedEnv xdg("XDG_DATA_HOME", "/data");
        EXPECT_EQ(Folder(), "/srv/pagehost");
    }
    {
        ScopedEnv own("PAGEHOST_HOME", nullptr);
        ScopedEnv xdg("XDG_DATA_HOME", "/data");
        EXPECT_EQ(Folder(), "/data/pagehost");
    }
    {
        ScopedEnv own("PAGEHOST_HOME", nullptr);
        ScopedEnv xdg("XDG_DATA_HOME", nullptr);
        EXPECT_EQ(Folder(), "/home/tester/.local/share/pagehost");
    }
}

TEST(FileUtilsTest, CreateFolderIfNeededMakesParentsAndReportsFailure) {
    IDFile folder(TestSupport::MakeTempDir("files") / "a" / "b");
    EXPECT_EQ(FileUtils::CreateFolderIfNeeded(folder), kSuccess);
    EXPECT_EQ(FileUtils::CreateFolderIfNeeded(folder), kSuccess);
    IDFile underAFile(TestSupport::MakeTempDir("files") / "plain");
    std::FILE* f = FileUtils::OpenFile(underAFile, "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    IDFile impossible = underAFile;
    FileUtils::AppendPath(&impossible, PMString("child"));
    EXPECT_NE(FileUtils::CreateFolderIfNeeded(impossible), kSuccess);
}
} // namespace
