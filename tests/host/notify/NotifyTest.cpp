// Observers hear the changes of their protocol: regular ones at once, lazy ones once after the
// outermost command; responders hear the document signals of new, open, save and close.
#include <gtest/gtest.h>

#include "../fixtures/TestClasses.h"
#include "TestSupport.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/notify/CObserver.h"
#include "host/notify/IChangeBroadcastUtils.h"
#include "host/notify/ISubject.h"
#include "host/objectmodel/ObjectModel.h"

using namespace TestClasses;

namespace {
constexpr PMIID kProtocol = 0x7E0301;
constexpr ClassID kChange = 0x7E0302;

// An observer outside any boss, as the tests need: it counts what it hears.
class CountingObserver final : public IObserver {
public:
    IPMUnknown* QueryInterface(PMIID) const override { return nullptr; }
    void AddRef() const override {}
    void Release() const override {}
    void Update(ClassID change, ISubject*, PMIID protocol, void*) override {
        if (change == kChange && protocol == kProtocol)
            ++regular;
        if (change == kUndoChangeClass)
            ++undos;
    }
    void LazyUpdate(ISubject*, PMIID protocol, const LazyNotificationData*) override {
        if (protocol == kProtocol)
            ++lazy;
    }
    void AutoAttach() override {}
    void AutoDetach() override {}
    int regular = 0, lazy = 0, undos = 0;
};

class NotifyTest : public ::testing::Test {
protected:
    void SetUp() override {
        Register();
        document = DocumentManager::Instance().NewDocument().document;
        db = document->GetDocumentDataBase();
        subject.reset(ObjectModel::CheckedCast<ISubject>(db->Instantiate(db->GetRootUID(), IID_ISUBJECT)));
    }
    void TearDown() override {
        subject.reset();
        DocumentManager::Instance().CloseDocument(document);
    }
    void Broadcast() { Utils<IChangeBroadcastUtils>()->Broadcast(kChange, kProtocol, db); }

    IDocument* document = nullptr;
    IDataBase* db = nullptr;
    InterfacePtr<ISubject> subject;
};

TEST_F(NotifyTest, RegularObserversHearAtOnceAndOnlyTheirProtocol) {
    CountingObserver observer;
    subject->AttachObserver(&observer, kProtocol);
    subject->AttachObserver(&observer, kProtocol); // a second attach adds nothing
    Broadcast();
    subject->Change(kChange, kProtocol + 1);
    EXPECT_EQ(observer.regular, 1);
    subject->DetachObserver(&observer, kProtocol);
    Broadcast();
    EXPECT_EQ(observer.regular, 1);
    EXPECT_FALSE(subject->IsAttached(&observer, kProtocol));
}

TEST_F(NotifyTest, LazyObserversHearOnceAfterTheOutermostCommand) {
    CountingObserver observer;
    subject->AttachObserver(&observer, kProtocol, IID_IOBSERVER, IObserver::kLazyAttachment);
    {
        CmdUtils::SequenceContext sequence;
        Broadcast();
        Broadcast();
        EXPECT_EQ(observer.lazy, 0);
    }
    EXPECT_EQ(observer.lazy, 1);
    EXPECT_EQ(observer.regular, 0);
    subject->DetachObserver(&observer, kProtocol, IID_IOBSERVER, IObserver::kLazyAttachment);
}

TEST_F(NotifyTest, UndoAndRedoAreAnnouncedOnTheDocument) {
    CountingObserver observer;
    subject->AttachObserver(&observer, IID_IDOCUMENT_PROTOCOL);
    NewItem(db, 1);
    db->GetUndoHistory().Undo();
    db->GetUndoHistory().Redo();
    EXPECT_EQ(observer.undos, 2);
    subject->DetachObserver(&observer, IID_IDOCUMENT_PROTOCOL);
}

TEST(DocumentSignalTest, RespondersHearNewSaveOpenAndCloseOfTheirDocument) {
    Register();
    ReceivedSignals().clear();
    auto& manager = DocumentManager::Instance();
    IDocument* doc = manager.NewDocument().document;
    const std::string path = (TestSupport::MakeTempDir("signals") / "signals.phd").string();
    manager.SaveDocumentAs(doc, path);
    manager.SaveDocument(doc);
    manager.SaveACopy(doc, path + ".copy");
    manager.CloseDocument(doc);
    IDocument* opened = manager.OpenDocument(path).document;
    manager.CloseDocument(opened);

    std::vector<ServiceID> services;
    for (const SignalRecord& s : ReceivedSignals())
        services.push_back(s.service);
    EXPECT_EQ(services, (std::vector<ServiceID>{0xE0C, 0xE12, 0xE10, 0xE14, 0xE19, 0xE0E, 0xE19}));
    EXPECT_TRUE(ReceivedSignals()[0].document.GetDataBase() != nullptr);
}
} // namespace
