// Commands are undoable steps: undo puts every object back exactly, redo re-applies, and a command
// or sequence that ends with an error leaves the document as it was.
#include <gtest/gtest.h>

#include "../fixtures/TestClasses.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/DataBase.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/objectmodel/IIntData.h"

using namespace TestClasses;

namespace {
class UndoTest : public ::testing::Test {
protected:
    void SetUp() override {
        Register();
        document = DocumentManager::Instance().NewDocument().document;
        ASSERT_NE(document, nullptr);
        db = static_cast<DataBase*>(document->GetDocumentDataBase());
    }
    void TearDown() override { DocumentManager::Instance().CloseDocument(document); }

    std::vector<uint8> Bytes(UID uid) { return db->Snapshot(uid).object.data; }

    IDocument* document = nullptr;
    DataBase* db = nullptr;
};

TEST_F(UndoTest, UndoRestoresTheEarlierStateAndRedoReappliesIt) {
    const UID item = NewItem(db, 7);
    ASSERT_NE(item, kInvalidUID);
    const std::vector<uint8> before = Bytes(item);
    ASSERT_EQ(SetValue(db, item, 42), kSuccess);
    const std::vector<uint8> after = Bytes(item);
    EXPECT_EQ(db->GetUndoHistory().GetUndoName(), PMString("Set Value"));

    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(ValueOf(db, item), 7);
    EXPECT_EQ(Bytes(item), before);

    ASSERT_EQ(db->GetUndoHistory().Redo(), kSuccess);
    EXPECT_EQ(ValueOf(db, item), 42);
    EXPECT_EQ(Bytes(item), after);
}

TEST_F(UndoTest, UndoOfACreationRemovesTheObjectAndRedoBringsItBack) {
    const UID item = NewItem(db, 3);
    ASSERT_TRUE(db->IsValidUID(item));
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_FALSE(db->IsValidUID(item));
    ASSERT_EQ(db->GetUndoHistory().Redo(), kSuccess);
    ASSERT_TRUE(db->IsValidUID(item));
    EXPECT_EQ(ValueOf(db, item), 3);
}

// Regression: undo left the database's next new UID where the undone step had moved it, so a
// document saved after undoing a step that made objects differed from the one saved before it.
TEST_F(UndoTest, UndoOfACreationPutsTheNextNewUIDBackAndRedoMovesItOnAgain) {
    const UID before = db->GetNextUID();
    const UID item = NewItem(db, 3);
    const UID after = db->GetNextUID();
    ASSERT_GT(after, before);
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(db->GetNextUID(), before);
    ASSERT_EQ(db->GetUndoHistory().Redo(), kSuccess);
    EXPECT_EQ(db->GetNextUID(), after);
    EXPECT_TRUE(db->IsValidUID(item));
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(NewItem(db, 4), item) << "the next object takes the UID the undone one had";
}

TEST_F(UndoTest, UndoOfADeletionBringsTheObjectBackWithItsData) {
    const UID item = NewItem(db, 11);
    InterfacePtr<ICommand> del(CmdUtils::CreateCommand(kDeleteUIDCmdBoss));
    del->SetItemList(UIDList(UIDRef(db, item)));
    ASSERT_EQ(CmdUtils::ProcessCommand(del), kSuccess);
    EXPECT_FALSE(db->IsValidUID(item));
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(ValueOf(db, item), 11);
}

TEST_F(UndoTest, ACommandThatFailsHalfWayIsRolledBack) {
    const UID item = NewItem(db, 5);
    const int32 steps = db->GetUndoHistory().CountUndoSteps();
    const std::vector<uint8> before = Bytes(item);
    EXPECT_NE(SetValue(db, item, 99, /*failAfterChange=*/true), kSuccess);
    EXPECT_EQ(ValueOf(db, item), 5);
    EXPECT_EQ(Bytes(item), before);
    EXPECT_EQ(db->GetUndoHistory().CountUndoSteps(), steps) << "a failed command leaves no undo step";
}

TEST_F(UndoTest, ASequenceIsOneUndoStepUnderItsName) {
    const UID item = NewItem(db, 1);
    const int32 steps = db->GetUndoHistory().CountUndoSteps();
    UID second = kInvalidUID;
    {
        CmdUtils::SequenceContext sequence;
        sequence.GetSequence()->SetName(PMString("Two Changes"));
        SetValue(db, item, 2);
        second = NewItem(db, 20);
    }
    EXPECT_EQ(db->GetUndoHistory().CountUndoSteps(), steps + 1);
    EXPECT_EQ(db->GetUndoHistory().GetUndoName(), PMString("Two Changes"));
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(ValueOf(db, item), 1);
    EXPECT_FALSE(db->IsValidUID(second));
}

TEST_F(UndoTest, ASequenceEndingInErrorRollsBackEveryCommandInIt) {
    const UID item = NewItem(db, 1);
    UID made = kInvalidUID;
    {
        CmdUtils::SequenceContext sequence;
        SetValue(db, item, 2);
        made = NewItem(db, 3);
        ErrorUtils::PMSetGlobalErrorCode(kFailure);
    }
    EXPECT_EQ(ValueOf(db, item), 1);
    EXPECT_FALSE(db->IsValidUID(made));
    ErrorUtils::PMSetGlobalErrorCode(kSuccess);
}

TEST_F(UndoTest, ScheduledCommandsRunAfterTheOutermostCommand) {
    const UID item = NewItem(db, 1);
    {
        CmdUtils::SequenceContext sequence;
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kSetValueCmdBoss));
        InterfacePtr<IIntData> value(cmd, IID_ITESTVALUE);
        value->Set(8);
        cmd->SetItemList(UIDList(UIDRef(db, item)));
        ASSERT_EQ(CmdUtils::ScheduleCommand(cmd), kSuccess);
        EXPECT_EQ(ValueOf(db, item), 1) << "not yet: the sequence is still open";
    }
    EXPECT_EQ(ValueOf(db, item), 8);
}

TEST_F(UndoTest, UndoIsRefusedWhileACommandRuns) {
    NewItem(db, 1);
    CmdUtils::SequenceContext sequence;
    EXPECT_EQ(db->GetUndoHistory().Undo(), kFailure);
}
// View state that follows the user (a selection's emphasis) is no step of its own: it is undone
// with the step before it, inside a sequence too, and is simply kept when there is none.
TEST_F(UndoTest, ACommandUndoneWithTheStepBeforeJoinsThatStep) {
    const UID item = NewItem(db, 1);
    const UID other = NewItem(db, 2);
    ASSERT_EQ(SetValue(db, item, 10), kSuccess);
    const int32 steps = db->GetUndoHistory().CountUndoSteps();
    ASSERT_EQ(SetValueUndoneWithTheStepBefore(db, other, 20), kSuccess);
    {
        CmdUtils::SequenceContext sequence;
        ASSERT_EQ(SetValueUndoneWithTheStepBefore(db, item, 30), kSuccess);
    }
    EXPECT_EQ(db->GetUndoHistory().CountUndoSteps(), steps);
    EXPECT_EQ(db->GetUndoHistory().GetUndoName(), PMString("Set Value"));

    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(ValueOf(db, item), 1) << "the earliest state of the joined step comes back";
    EXPECT_EQ(ValueOf(db, other), 2);
}

TEST_F(UndoTest, WithoutAStepBeforeTheChangeStaysAndCannotBeUndone) {
    const UID item = NewItem(db, 1);
    db->GetUndoHistory().Clear();
    ASSERT_EQ(SetValueUndoneWithTheStepBefore(db, item, 5), kSuccess);
    EXPECT_EQ(ValueOf(db, item), 5);
    EXPECT_FALSE(db->GetUndoHistory().CanUndo());
    ASSERT_EQ(SetValue(db, item, 6), kSuccess);
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(ValueOf(db, item), 5);
}
} // namespace
