// How abstract suites combine concrete suites: from the last to the first, stopping at the first
// answer or failure, with a failure undoing what the earlier suites changed.
#include <gtest/gtest.h>

#include "../document/LayoutTestDocument.h"
#include "../fixtures/TestClasses.h"
#include "SelectionTestSuites.h"
#include "host/selection/ILayoutTarget.h"
#include "host/selection/ITextTarget.h"
#include "host/selection/SelectionSuiteUtils.h"

using SelectionTestSuites::ITestSelectionSuite;

namespace {
// An integrator object holding a layout and then a text concrete-suite object, as a selection
// with both kinds would.
class Integrator : public ::testing::Test {
protected:
    void SetUp() override {
        SelectionTestSuites::Register();
        TestClasses::Register();
        InterfacePtr<ILayoutTarget> layout(CreateObject2<ILayoutTarget>(kLayoutSelectionBoss));
        layout->SetItemList(UIDList(UIDRef(doc.DB(), 42)));
        InterfacePtr<ITextTarget> text(CreateObject2<ITextTarget>(kTextSelectionBoss));
        text->SetTarget(UIDRef(doc.DB(), 7), RangeData(1, 3), 5);
        list.reset(CreateObject2<IConcreteSelectionList>(kAbstractSelectionBoss));
        list->SetConcreteSelections(
            {InterfacePtr<IPMUnknown>(layout.forget()), InterfacePtr<IPMUnknown>(text.forget())});
    }

    LayoutTestDocument doc;
    InterfacePtr<IConcreteSelectionList> list;
};
} // namespace

TEST_F(Integrator, CollectsTheConcreteSuitesFromTheLastToTheFirst) {
    InterfacePtr<ITestSelectionSuite> abstract(list, SelectionTestSuites::IID_ITESTSELECTIONSUITE);
    EXPECT_EQ(abstract->Describe(), "text:1-3@5|layout:42");
    EXPECT_EQ(SelectionSuiteUtils::CollectFromLastToFirst<ILayoutTarget>(list.get()).size(), 1u)
        << "objects without the interface are skipped";
    EXPECT_TRUE(abstract->HasSelectedText());
}

TEST_F(Integrator, OperationStopsAtTheFirstFailureAndUndoesTheWholeSequence) {
    const UID item = TestClasses::NewItem(doc.DB(), 1);
    std::vector<std::string> called;
    const ErrorCode result = SelectionSuiteUtils::ProcessFromLastToFirst<ITestSelectionSuite>(
        list.get(), [&](ITestSelectionSuite* suite) {
            called.push_back(suite->Describe());
            return called.size() == 1 ? TestClasses::SetValue(doc.DB(), item, 2) : kFailure;
        });
    EXPECT_EQ(result, kFailure);
    EXPECT_EQ(called, (std::vector<std::string>{"text:1-3@5", "layout:42"}));
    EXPECT_EQ(TestClasses::ValueOf(doc.DB(), item), 1) << "the first suite's change is rolled back";
}

TEST_F(Integrator, SucceedingOperationsFormOneUndoStep) {
    const UID item = TestClasses::NewItem(doc.DB(), 1);
    const int32 steps = doc.DB()->GetUndoHistory().CountUndoSteps();
    int32 value = 1;
    const ErrorCode result = SelectionSuiteUtils::ProcessFromLastToFirst<ITestSelectionSuite>(
        list.get(), [&](ITestSelectionSuite*) { return TestClasses::SetValue(doc.DB(), item, ++value); });
    EXPECT_EQ(result, kSuccess);
    EXPECT_EQ(TestClasses::ValueOf(doc.DB(), item), 3);
    EXPECT_EQ(doc.DB()->GetUndoHistory().CountUndoSteps(), steps + 1);
}
