// `pagehost gui DOC --screenshot OUT.png [--select-note N]` run as a program: it draws offscreen
// by itself, writes a PNG of the window, leaves the document byte for byte as it was, and refuses
// a note the tree does not have or a document that cannot be opened with a failing status.
#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TestSupport.h"

namespace {
class ScreenshotVerb : public ::testing::Test {
protected:
    void SetUp() override {
        folder = TestSupport::MakeTempDir("screenshot");
        document = folder / "reviewed.phd";
        ASSERT_EQ(Run("new " + Quote(TestSupport::SourceDir() / "examples" / "sample.json") + " " +
                      Quote(folder / "sample.phd")),
                  0);
        ASSERT_EQ(Run("import " + Quote(folder / "sample.phd") + " " +
                      Quote(TestSupport::SourceDir() / "examples" / "reviewed.pdf") + " --out " +
                      Quote(document)),
                  0);
    }
    static std::string Quote(const std::filesystem::path& path) { return "'" + path.string() + "'"; }
    // Runs pagehost with no display platform chosen; its exit status.
    int Run(const std::string& arguments) {
        const std::filesystem::path pagehost = TestSupport::BinaryDir() / "bin" / "pagehost";
        const std::string command =
            "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY PAGEHOST_HOME=" + Quote(folder / "home") +
            " " + Quote(pagehost) + " " + arguments + " 2>" + Quote(folder / "stderr.txt");
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Errors() const { return TestSupport::ReadFile(folder / "stderr.txt"); }

    std::filesystem::path folder;
    std::filesystem::path document;
};

TEST_F(ScreenshotVerb, WritesThePictureOfTheWindowWithoutADisplayAndLeavesTheDocumentAlone) {
    const std::string before = TestSupport::ReadFile(document);
    const std::filesystem::path shot = folder / "shot.png";
    ASSERT_EQ(Run("gui " + Quote(document) + " --screenshot " + Quote(shot) + " --select-note 1"), 0)
        << Errors();
    const QImage picture(QString::fromStdString(shot.string()));
    ASSERT_FALSE(picture.isNull());
    EXPECT_GE(picture.width(), 800);
    EXPECT_GE(picture.height(), 500);
    EXPECT_EQ(TestSupport::ReadFile(document), before);
}

TEST_F(ScreenshotVerb, ANoteTheTreeDoesNotHaveIsRefused) {
    const std::filesystem::path shot = folder / "shot.png";
    EXPECT_EQ(Run("gui " + Quote(document) + " --screenshot " + Quote(shot) + " --select-note 999"), 1);
    EXPECT_NE(Errors().find("no note 999"), std::string::npos) << Errors();
    EXPECT_FALSE(std::filesystem::exists(shot));
}

TEST_F(ScreenshotVerb, ADocumentThatCannotBeOpenedIsRefused) {
    const std::filesystem::path shot = folder / "shot.png";
    EXPECT_EQ(Run("gui " + Quote(folder / "missing.phd") + " --screenshot " + Quote(shot)), 1);
    EXPECT_FALSE(Errors().empty());
    EXPECT_FALSE(std::filesystem::exists(shot));
}

TEST_F(ScreenshotVerb, SelectingANoteNeedsAScreenshot) {
    EXPECT_NE(Run("gui " + Quote(document) + " --select-note 1"), 0);
}
} // namespace
