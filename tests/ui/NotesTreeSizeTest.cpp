// A book-sized tree: 10,000 notes, nearly all on one page, build in one pass, so a rebuild takes
// milliseconds.
#include <gtest/gtest.h>

#include <chrono>

#include "NotesPanelFixture.h"

using namespace NotesPanelFixture;

namespace {
class NotesTreeSizeTest : public NotesPanelTest {
protected:
    void SetUp() override {
        NotesPanelTest::SetUp();
        HidePanel(); // no rebuild per note while they are made
        for (int32 note = 0; note < 10000; ++note)
            NoteOnPage(note % 100 == 0 ? 1 : 0, "note");
        ShowPanelFor(document);
    }
};
} // namespace

TEST_F(NotesTreeSizeTest, TenThousandNotesRebuildInLinearTime) {
    EXPECT_EQ(Tree()->CountNodes(), 1 + 2 + 10000);
    const auto start = std::chrono::steady_clock::now();
    Tree()->ChangeRoot();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(Tree()->CountNodes(), 1 + 2 + 10000);
    // One list copy per page and constant work per note takes milliseconds; copying the page's list
    // for each of its notes takes about half a second here.
    EXPECT_LT(seconds, 0.25);
}
