// The layout view's selection: what can be selected, what observers hear, what the suites see, and
// that deleted objects and closed documents never linger in it.
#include <gtest/gtest.h>

#include "../text/TextFrameDocument.h"
#include "SelectionTestSuites.h"
#include "host/document/IHierarchy.h"
#include "host/layout/ILayoutControlData.h"
#include "host/notify/ISubject.h"
#include "host/selection/ISelectionManager.h"

using SelectionTestSuites::ITestSelectionSuite;

namespace {
// Counts the selection changes announced on a view, with the selection kind at that moment.
class SelectionObserver final : public IObserver {
public:
    IPMUnknown* QueryInterface(PMIID iid) const override {
        return iid == IID_IOBSERVER ? const_cast<SelectionObserver*>(this) : nullptr;
    }
    void AddRef() const override {}
    void Release() const override {}
    void Update(ClassID theChange, ISubject*, PMIID protocol, void* changedBy) override {
        ASSERT_EQ(theChange, kSelectionChangedMessage);
        ASSERT_EQ(protocol, IID_ISELECTION_PROTOCOL);
        kinds.push_back(static_cast<ISelectionManager*>(changedBy)->GetSelectionKind());
    }
    void LazyUpdate(ISubject*, PMIID, const LazyNotificationData*) override {}
    void AutoAttach() override {}
    void AutoDetach() override {}
    std::vector<ISelectionManager::SelectionKind> kinds;
};

InterfacePtr<ISelectionManager> SelectionOf(const LayoutTestDocument& doc) {
    return InterfacePtr<ISelectionManager>(DocumentManager::Instance().GetLayoutView(doc.Document()),
                                           IID_ISELECTIONMANAGER);
}

// A document with two rectangles on the first page and a text frame with a story of 20 characters.
class Selection : public ::testing::Test {
protected:
    void SetUp() override {
        SelectionTestSuites::Register();
        first = doc.NewRectangleOnPage(0, PMRect(10, 10, 60, 40));
        second = doc.NewRectangleOnPage(0, PMRect(100, 10, 160, 40));
        frame = doc.NewFrame(0, PMRect(10, 100, 300, 300));
        ASSERT_EQ(doc.Insert(frame.story, 0, u"twenty characters ok"), kSuccess);
        selection = SelectionOf(doc);
        ASSERT_TRUE(selection);
        subject = InterfacePtr<ISubject>(selection, IID_ISUBJECT);
        subject->AttachObserver(&observer, IID_ISELECTION_PROTOCOL);
    }
    void TearDown() override {
        if (subject)
            subject->DetachObserver(&observer, IID_ISELECTION_PROTOCOL);
    }
    UIDList Items(std::initializer_list<UID> uids) const {
        UIDList list(doc.DB());
        for (UID uid : uids)
            list.Append(uid);
        return list;
    }
    UIDRef Story() const { return UIDRef(doc.DB(), frame.story); }
    std::string DescribeThroughSuites() const {
        InterfacePtr<ITestSelectionSuite> suite(ObjectModel::CheckedCast<ITestSelectionSuite>(
            selection->QueryIntegratorSuite(SelectionTestSuites::IID_ITESTSELECTIONSUITE)));
        return suite ? suite->Describe() : "no suite";
    }

    TextFrameDocument doc;
    UID first = kInvalidUID;
    UID second = kInvalidUID;
    TextFrameDocument::Frame frame;
    InterfacePtr<ISelectionManager> selection;
    InterfacePtr<ISubject> subject;
    SelectionObserver observer;
};
} // namespace

TEST_F(Selection, AddingKeepsSelectionOrderWithoutDuplicatesAndReplacingStartsOver) {
    ASSERT_EQ(selection->SelectPageItems(Items({second})), kSuccess);
    ASSERT_EQ(selection->SelectPageItems(Items({first, second}), ISelectionManager::kAddToSelection),
              kSuccess);
    EXPECT_EQ(selection->GetSelectedPageItems(), Items({second, first}));
    EXPECT_EQ(selection->GetSelectionKind(), ISelectionManager::kLayoutSelection);

    ASSERT_EQ(selection->SelectPageItems(Items({first})), kSuccess);
    EXPECT_EQ(selection->GetSelectedPageItems(), Items({first}));
    EXPECT_FALSE(selection->IsPageItemSelected(second));
}

TEST_F(Selection, ObserversHearEachChangeOnceAndNothingWhenNothingChanges) {
    selection->SelectPageItems(Items({first}));
    selection->SelectPageItems(Items({first}));
    selection->SelectPageItems(Items({first}), ISelectionManager::kAddToSelection);
    selection->DeselectPageItems(Items({second}));
    selection->DeselectPageItems(Items({first}));
    selection->DeselectAll();
    EXPECT_EQ(observer.kinds, (std::vector<ISelectionManager::SelectionKind>{
                                  ISelectionManager::kLayoutSelection, ISelectionManager::kNoSelection}));
}

TEST_F(Selection, RefusesWhatIsNotAPageItemOfTheViewsDocumentAndKeepsTheSelection) {
    selection->SelectPageItems(Items({first}));
    InterfacePtr<IHierarchy> item = doc.Get<IHierarchy>(first);
    EXPECT_NE(selection->SelectPageItems(Items({second, doc.Page(0)})), kSuccess);
    EXPECT_NE(selection->SelectPageItems(Items({item->GetLayerUID()})), kSuccess);
    LayoutTestDocument other;
    const UID foreign = other.NewRectangleOnPage(0, PMRect(0, 0, 10, 10));
    EXPECT_NE(selection->SelectPageItems(UIDList(UIDRef(other.DB(), foreign))), kSuccess);
    EXPECT_EQ(selection->GetSelectedPageItems(), Items({first}));
    EXPECT_EQ(observer.kinds.size(), 1u);
}

TEST_F(Selection, TextAndPageItemsAreNeverSelectedTogether) {
    selection->SelectPageItems(Items({first}));
    ASSERT_EQ(selection->SelectText(Story(), RangeData(3, 7)), kSuccess);
    EXPECT_EQ(selection->GetSelectionKind(), ISelectionManager::kTextSelection);
    EXPECT_TRUE(selection->GetSelectedPageItems().IsEmpty());
    UIDRef story;
    RangeData range;
    ASSERT_TRUE(selection->GetTextSelection(&story, &range));
    EXPECT_EQ(story, Story());
    EXPECT_EQ(range, RangeData(3, 7));

    selection->SelectPageItems(Items({second}));
    EXPECT_FALSE(selection->GetTextSelection(nullptr, nullptr));
}

TEST_F(Selection, TextRangeMustLieBeforeTheStorysFinalReturn) {
    const int32 length = doc.Model(frame.story)->TotalLength();
    EXPECT_EQ(selection->SelectText(Story(), RangeData(length - 1, length - 1)), kSuccess);
    EXPECT_NE(selection->SelectText(Story(), RangeData(0, length)), kSuccess);
    EXPECT_NE(selection->SelectText(Story(), RangeData(-1, 2)), kSuccess);
    EXPECT_NE(selection->SelectText(UIDRef(doc.DB(), first), RangeData(0, 1)), kSuccess);
}

TEST_F(Selection, IntegratorSuiteReachesTheConcreteSuiteOfTheSelectionKind) {
    EXPECT_EQ(DescribeThroughSuites(), "");
    selection->SelectPageItems(Items({second, first}));
    EXPECT_EQ(DescribeThroughSuites(), "layout:" + std::to_string(second) + "," + std::to_string(first));

    selection->SelectText(Story(), RangeData(4, 4));
    EXPECT_EQ(DescribeThroughSuites(), "text:4-4@0^");
    InterfacePtr<ITestSelectionSuite> suite(ObjectModel::CheckedCast<ITestSelectionSuite>(
        selection->QueryIntegratorSuite(SelectionTestSuites::IID_ITESTSELECTIONSUITE)));
    EXPECT_FALSE(suite->HasSelectedText());
    selection->SelectText(Story(), RangeData(4, 9));
    EXPECT_TRUE(suite->HasSelectedText()) << "the suite object stays valid across selection changes";
}

TEST_F(Selection, IntegratorAnswersNullForASuiteNoPlugInAdds) {
    selection->SelectPageItems(Items({first}));
    EXPECT_EQ(selection->QueryIntegratorSuite(SelectionTestSuites::IID_INOBODYSSUITE), nullptr);
}

TEST_F(Selection, DeletedItemsLeaveTheSelectionAndObserversHearOfIt) {
    selection->SelectPageItems(Items({first, second}));
    doc.Process(kDeleteCmdBoss, Items({first}));
    EXPECT_EQ(selection->GetSelectedPageItems(), Items({second}));
    EXPECT_EQ(DescribeThroughSuites(), "layout:" + std::to_string(second));
    EXPECT_EQ(observer.kinds.size(), 2u);

    doc.Process(kDeleteCmdBoss, Items({second}));
    EXPECT_EQ(selection->GetSelectionKind(), ISelectionManager::kNoSelection);
    EXPECT_EQ(DescribeThroughSuites(), "");
}

TEST_F(Selection, UndoingTheCreationOfASelectedItemDropsIt) {
    const UID made = doc.NewRectangleOnPage(0, PMRect(200, 200, 220, 220));
    selection->SelectPageItems(Items({first, made}));
    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(selection->GetSelectedPageItems(), Items({first}));
    EXPECT_EQ(observer.kinds.size(), 2u);
}

TEST_F(Selection, DeletedTextClipsTheSelectedRange) {
    selection->SelectText(Story(), RangeData(10, 18));
    ASSERT_EQ(doc.Delete(frame.story, 5, 10), kSuccess);
    RangeData range;
    ASSERT_TRUE(selection->GetTextSelection(nullptr, &range));
    EXPECT_EQ(range, RangeData(10, 10)) << "ten characters are left before the final return";
}

TEST(SelectionLifetime, ClosingTheDocumentEmptiesTheSelectionOfWhoeverStillHoldsTheView) {
    auto doc = std::make_unique<LayoutTestDocument>();
    const UID item = doc->NewRectangleOnPage(0, PMRect(10, 10, 50, 50));
    InterfacePtr<ILayoutControlData> view(DocumentManager::Instance().GetLayoutView(doc->Document()),
                                          IID_ILAYOUTCONTROLDATA);
    InterfacePtr<ISelectionManager> selection(view, IID_ISELECTIONMANAGER);
    selection->SelectPageItems(UIDList(UIDRef(doc->DB(), item)));
    SelectionObserver observer;
    InterfacePtr<ISubject>(view, IID_ISUBJECT)->AttachObserver(&observer, IID_ISELECTION_PROTOCOL);

    doc.reset();
    EXPECT_EQ(selection->GetSelectionKind(), ISelectionManager::kNoSelection);
    EXPECT_TRUE(selection->GetSelectedPageItems().IsEmpty());
    EXPECT_EQ(observer.kinds, std::vector<ISelectionManager::SelectionKind>{ISelectionManager::kNoSelection});
    EXPECT_EQ(selection->SelectPageItems(UIDList(UIDRef(nullptr, item))), kFailure);
    InterfacePtr<ISubject>(view, IID_ISUBJECT)->DetachObserver(&observer, IID_ISELECTION_PROTOCOL);
}
