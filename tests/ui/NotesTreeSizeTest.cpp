// A book-sized tree: 10,000 notes, nearly all on one page, all become nodes of a rebuilt tree
// (its speed is measured by the benchmarks, not here).
#include <gtest/gtest.h>

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

TEST_F(NotesTreeSizeTest, TenThousandNotesAllBecomeNodesOfTheRebuiltTree) {
    EXPECT_EQ(Tree()->CountNodes(), 1 + 2 + 10000);
    Tree()->ChangeRoot();
    EXPECT_EQ(Tree()->CountNodes(), 1 + 2 + 10000);
}
