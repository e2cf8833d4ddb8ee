// What the remove and clear verbs process, undone in one step: deleting text markups through the
// delete-annotation command, and Clear All followed by the removal of the annotation swatches in
// one sequence; each undo gives back the document as it was, byte for byte.
#include <gtest/gtest.h>

#include "../textmarkup/TextMarkupFixture.h"
#include "INotesColorManager.h"
#include "TestSupport.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/document/ISwatchList.h"
#include "host/objectmodel/ObjectModel.h"

using namespace TextMarkupFixture;
using A = INotesAnnotation;

namespace {
class RemoveAndClearUndoTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(doc.DB(), nullptr);
        body = doc.Story("s");
        const TextIndex fox = doc.Find(body, u"fox");
        highlight = doc.Mark(body, RangeData(fox, fox + 3), A::kHighlightAnnotation);
        caret = doc.Mark(body, RangeData(fox, fox), A::kCaretAnnotation);
        ASSERT_NE(highlight, kInvalidUID);
        ASSERT_NE(caret, kInvalidUID);
    }
    std::string Saved(const std::string& name) {
        const auto path = TestSupport::MakeTempDir("remove-clear-undo") / name;
        EXPECT_EQ(DocumentManager::Instance().SaveACopy(doc.Document(), path.string()), kSuccess);
        return TestSupport::ReadFile(path);
    }
    int32 Swatches() {
        InterfacePtr<ISwatchList> swatches(doc.Doc(), IID_ISWATCHLIST);
        return swatches->GetSwatchCount();
    }

    MarkupDocument doc;
    UID body = kInvalidUID, highlight = kInvalidUID, caret = kInvalidUID;
};

TEST_F(RemoveAndClearUndoTest, DeletedMarkupsComeBackWithOneUndo) {
    const std::string before = Saved("before.phd");
    InterfacePtr<ICommand> deleteAnnotationCmd(CmdUtils::CreateCommand(kNotesDeleteAnnotationCmdBoss));
    UIDList both(UIDRef(doc.DB(), highlight));
    both.Append(caret);
    deleteAnnotationCmd->SetItemList(both);
    ASSERT_EQ(CmdUtils::ProcessCommand(deleteAnnotationCmd), kSuccess);
    EXPECT_FALSE(doc.DB()->IsValidUID(highlight));
    EXPECT_FALSE(doc.DB()->IsValidUID(caret));
    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(doc.Marked(highlight), u"fox");
    EXPECT_EQ(doc.Marked(caret), u"f");
    EXPECT_TRUE(Saved("after.phd") == before);
}

TEST_F(RemoveAndClearUndoTest, ClearAllAndTheSwatchesComeBackWithOneUndo) {
    const int32 swatches = Swatches();
    const std::string before = Saved("before.phd");
    {
        CmdUtils::SequenceContext sequence;
        InterfacePtr<ICommand> clearAllCmd(CmdUtils::CreateCommand(kNotesClearAllCmdBoss));
        clearAllCmd->SetItemList(UIDList(doc.Doc()));
        ASSERT_EQ(CmdUtils::ProcessCommand(clearAllCmd), kSuccess);
        InterfacePtr<INotesColorManager>(doc.Doc(), IID_INOTESCOLORMANAGER)->RemoveAnnotationColors();
    }
    EXPECT_FALSE(doc.DB()->IsValidUID(highlight));
    EXPECT_EQ(Swatches(), swatches - 2) << "the highlight and caret swatches went";
    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(Swatches(), swatches);
    EXPECT_EQ(doc.Marked(highlight), u"fox");
    EXPECT_TRUE(Saved("after.phd") == before);
}
} // namespace
