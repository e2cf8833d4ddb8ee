// The Type menu's Annotations > Clear All Annotations item: found by the path the user sees, enabled
// whenever the host enables it, and run on the front document through the action manager it removes
// every annotation and every annotation swatch, leaves the text and the user's own swatches alone,
// and is one undo step. With no document it does nothing but log.
#include <gtest/gtest.h>

#include "../fixtures/CoreFixture.h"
#include "../textmarkup/FoxMarkupsTest.h"
#include "../textmarkup/TextMarkupFixture.h"
#include "INotesLayerManager.h"
#include "TestSupport.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/document/ISwatchList.h"
#include "host/document/ISwatchUtils.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/ActionManager.h"
#include "host/ui/IActionComponent.h"

using namespace TextMarkupFixture;
using A = INotesAnnotation;

namespace {
constexpr const char* kMenuPath = "Main:Type:Annotations:Clear All Annotations";

class ClearAllActionTest : public FoxMarkupsTest {
protected:
    void SetUp() override {
        CoreFixture::ClearFailureLog();
        FoxMarkupsTest::SetUp();
        DocumentManager::Instance().SetFrontDocument(doc.Document());
    }
    int32 Annotations() {
        InterfacePtr<INotesLayerManager> layers(doc.Doc(), IID_INOTESLAYERMANAGER);
        return layers->CountAnnotations();
    }
};

TEST_F(ClearAllActionTest, TheMenuItemIsTheEnabledClearAllActionOfTheTypeMenu) {
    EXPECT_EQ(ActionManager::Instance().FindMenuAction(kMenuPath), kNotesClearAllActionID);
    EXPECT_EQ(ActionManager::Instance().FindMenuAction("Main:Type:Annotations"), 0u)
        << "a submenu runs nothing";
    const ActionManager::Action* action = ActionManager::Instance().FindAction(kNotesClearAllActionID);
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->enabled);
    InterfacePtr<IActionComponent> component(CreateObject2<IActionComponent>(kNotesActionComponentBoss));
    ASSERT_TRUE(component);
    EXPECT_TRUE(component->IsEnabled(kNotesClearAllActionID));
}

TEST_F(ClearAllActionTest, ClearingRemovesAnnotationsAndTheirSwatchesInOneUndoStep) {
    const std::string before = Saved("before.phd");
    const std::u16string text = doc.Text(body);
    const int32 swatches = Swatches();
    const int32 steps = doc.DB()->GetUndoHistory().CountUndoSteps();

    ASSERT_EQ(ActionManager::Instance().DoAction(ActionManager::Instance().FindMenuAction(kMenuPath)),
              kSuccess);
    EXPECT_EQ(Annotations(), 0);
    EXPECT_FALSE(doc.DB()->IsValidUID(highlight));
    EXPECT_FALSE(doc.DB()->IsValidUID(caret));
    EXPECT_EQ(Swatches(), swatches - 2) << "the highlight and caret swatches went, and nothing else";
    EXPECT_EQ(doc.Text(body), text);
    EXPECT_EQ(doc.DB()->GetUndoHistory().CountUndoSteps(), steps + 1);
    EXPECT_EQ(CoreFixture::FailureLogText(), "");

    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(doc.Marked(highlight), u"fox");
    EXPECT_EQ(Swatches(), swatches);
    EXPECT_TRUE(Saved("after.phd") == before);
}

TEST_F(ClearAllActionTest, ADisabledActionAndAnotherActionIDLeaveTheDocumentAlone) {
    ActionManager::Instance().SetEnabled(kNotesClearAllActionID, false);
    EXPECT_NE(ActionManager::Instance().DoAction(kNotesClearAllActionID), kSuccess);
    ActionManager::Instance().SetEnabled(kNotesClearAllActionID, true);
    InterfacePtr<IActionComponent> component(CreateObject2<IActionComponent>(kNotesActionComponentBoss));
    ASSERT_TRUE(component);
    component->DoAction(kNotesClearAllActionID + 1);
    EXPECT_EQ(Annotations(), 2);
    EXPECT_TRUE(doc.DB()->IsValidUID(highlight));
}

TEST(ClearAllActionWithoutDocumentTest, WithNoDocumentOpenTheActionOnlyLogs) {
    CoreFixture::RegisterPlugIns();
    DocumentManager::Instance().CloseAll();
    CoreFixture::ClearFailureLog();
    ActionManager::Instance().DoAction(kNotesClearAllActionID);
    const std::string log = CoreFixture::FailureLogText();
    EXPECT_NE(log.find("NotesActionComponent.cpp("), std::string::npos) << log;
    EXPECT_NE(log.find("): document == nil\r\n"), std::string::npos) << log;
}
} // namespace
