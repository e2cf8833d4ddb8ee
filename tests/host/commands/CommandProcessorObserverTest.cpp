// Observers of the application hear the command processor once per undo step: done with the
// outermost command, undone, redone; a step that failed and was rolled back is not announced.
#include <gtest/gtest.h>

#include "../fixtures/TestClasses.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/CommandProcessorProtocol.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/notify/ISubject.h"
#include "host/objectmodel/ObjectModel.h"

using namespace TestClasses;

namespace {
class ProcessorObserver final : public IObserver {
public:
    IPMUnknown* QueryInterface(PMIID) const override { return nullptr; }
    void AddRef() const override {}
    void Release() const override {}
    void Update(ClassID change, ISubject*, PMIID protocol, void* changedBy) override {
        if (protocol != IID_ICOMMANDPROCESSOR)
            return;
        changes.push_back(change);
        commands.push_back(static_cast<ICommand*>(changedBy));
    }
    void LazyUpdate(ISubject*, PMIID, const LazyNotificationData*) override {}
    void AutoAttach() override {}
    void AutoDetach() override {}
    std::vector<ClassID> changes;
    std::vector<ICommand*> commands;
};

class CommandProcessorObserverTest : public ::testing::Test {
protected:
    void SetUp() override {
        Register();
        document = DocumentManager::Instance().NewDocument().document;
        db = document->GetDocumentDataBase();
        item = NewItem(db, 1);
        application = InterfacePtr<ISubject>(GetApplicationObject(), IID_ISUBJECT);
        application->AttachObserver(&observer, IID_ICOMMANDPROCESSOR);
    }
    void TearDown() override {
        application->DetachObserver(&observer, IID_ICOMMANDPROCESSOR);
        DocumentManager::Instance().CloseDocument(document);
    }
    IDocument* document = nullptr;
    IDataBase* db = nullptr;
    UID item = kInvalidUID;
    InterfacePtr<ISubject> application;
    ProcessorObserver observer;
};
} // namespace

TEST_F(CommandProcessorObserverTest, DoneUndoneAndRedoneAreEachHeardOnce) {
    ASSERT_EQ(SetValue(db, item, 5), kSuccess);
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    ASSERT_EQ(db->GetUndoHistory().Redo(), kSuccess);
    EXPECT_EQ(observer.changes,
              (std::vector<ClassID>{kCommandDoneMessage, kCommandUndoneMessage, kCommandRedoneMessage}));
    EXPECT_NE(observer.commands.front(), nullptr) << "the command that was done";
}

TEST_F(CommandProcessorObserverTest, ASequenceIsOneStepAndAFailedCommandIsNotAnnounced) {
    {
        CmdUtils::SequenceContext sequence;
        SetValue(db, item, 2);
        SetValue(db, item, 3);
    }
    EXPECT_EQ(observer.changes, std::vector<ClassID>{kCommandDoneMessage});
    EXPECT_EQ(observer.commands.front(), nullptr) << "a sequence has no one command";
    EXPECT_NE(SetValue(db, item, 4, true), kSuccess);
    ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    EXPECT_EQ(observer.changes.size(), 1u);
}
