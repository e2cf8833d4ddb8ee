// What the remove and clear verbs process, undone in one step: deleting text markups through the
// delete-annotation command, and Clear All followed by the removal of the annotation swatches in
// one sequence; each undo gives back the document as it was, byte for byte.
#include <gtest/gtest.h>

#include "../textmarkup/FoxMarkupsTest.h"
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
using RemoveAndClearUndoTest = FoxMarkupsTest;

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
