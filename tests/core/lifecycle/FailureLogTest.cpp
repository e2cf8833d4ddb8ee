// The failure log: one line per failed check, in four forms, each ending in CR LF, in
// Morvane/morvane.log under the application document folder; silence when it cannot be written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>

#include "../fixtures/CoreFixture.h"
#include "TestSupport.h"
#include "NotesFailureLog.h"

using namespace CoreFixture;

namespace {
TEST(FailureLogTest, FailedChecksWriteOneLineEachInTheirForm) {
    ClearFailureLog();
    const void* database = nullptr;
    EXPECT_FALSE(NOTES_CHECK_NIL(database));
    const int expectedLine = __LINE__ - 1;
    EXPECT_FALSE(NOTES_CHECK_NIL(database));
    EXPECT_FALSE(NOTES_CHECK_TRUE(1 + 1 == 3));
    const ErrorCode status = kFailure;
    EXPECT_FALSE(NOTES_CHECK_SUCCESS(status));
    NOTES_LOG_FAILED("CmdUtils::ProcessCommand(cmd)");
    EXPECT_TRUE(NOTES_CHECK_NIL(&status));

    const std::string expected =
        "FailureLogTest.cpp(" + std::to_string(expectedLine) + "): database == nil\r\n";
    const std::string log = FailureLogText();
    EXPECT_EQ(log.substr(0, expected.size()), expected);
    EXPECT_TRUE(std::regex_search(
        log, std::regex(R"(\): database == nil\r\nFailureLogTest\.cpp\(\d+\): database == nil\r\n)")));
    EXPECT_NE(log.find("): 1 + 1 == 3 == false\r\n"), std::string::npos);
    EXPECT_NE(log.find("): status != kSuccess\r\n"), std::string::npos);
    EXPECT_NE(log.find("): CmdUtils::ProcessCommand(cmd) failed\r\n"), std::string::npos);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 5);
}

TEST(FailureLogTest, AnUnwritableFolderMeansSilenceNotACrash) {
    const std::filesystem::path dir = TestSupport::MakeTempDir("nolog");
    std::ofstream(dir / "Morvane") << "a file where the folder should be";
    const char* old = std::getenv("PAGEHOST_HOME");
    const std::string saved = old ? old : "";
    ::setenv("PAGEHOST_HOME", dir.c_str(), 1);
    const void* missing = nullptr;
    EXPECT_FALSE(NOTES_CHECK_NIL(missing));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "Morvane"));
    ::setenv("PAGEHOST_HOME", (dir / "no" / "such").c_str(), 1);
    std::filesystem::permissions(dir,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(NOTES_CHECK_NIL(missing));
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
    ::setenv("PAGEHOST_HOME", saved.c_str(), 1);
}
} // namespace
