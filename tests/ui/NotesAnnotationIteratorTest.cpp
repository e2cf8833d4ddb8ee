// Stepping from the tree's last selected node to the next or previous annotation in tree order, over
// all annotations or only the text edits, with no wrap-around at either end.
#include <gtest/gtest.h>

#include "INotesAnnotation.h"
#include "INotesAnnotationList.h"
#include "INotesUIAnnotationIterator.h"
#include "NotesPanelFixture.h"
#include "QuillpaneID.h"
#include "TextMarkupFixture.h"
#include "host/database/IDataBase.h"
#include "host/document/IPageList.h"
#include "host/ui/UIDNodeID.h"

using namespace NotesPanelFixture;

namespace {
InterfacePtr<INotesUIAnnotationIterator> Iterator() {
    return InterfacePtr<INotesUIAnnotationIterator>(Widget(kNotesUITreeViewWidgetID),
                                                    IID_INOTESUIANNOTATIONITERATOR);
}

class NotesIteratorTest : public NotesPanelTest {
protected:
    void SetUp() override {
        NotesPanelTest::SetUp();
        onMaster = NoteOnMasterPage(1, "master");
        onFirst = NoteOnPage(0, "first page");
        fourA = NoteOnPage(3, "page four, a");
        fourB = NoteOnPage(3, "page four, b");
    }
    // Selects each answer in turn, as the panel's next and previous actions do, until there is none.
    std::vector<UID> Walk(bool forward) {
        std::vector<UID> visited;
        for (UID next = Step(forward); next != kInvalidUID && visited.size() <= 10; next = Step(forward)) {
            visited.push_back(next);
            Controller()->Select(UIDNodeID::Create(db, next));
        }
        return visited;
    }
    UID Step(bool forward) { return forward ? Iterator()->Next(kFalse) : Iterator()->Previous(kFalse); }

    UID onMaster = kInvalidUID, onFirst = kInvalidUID, fourA = kInvalidUID, fourB = kInvalidUID;
};
} // namespace

TEST_F(NotesIteratorTest, NextWalksTheTreeInOrderAndStopsAfterTheLast) {
    EXPECT_EQ(Walk(true), (std::vector<UID>{onMaster, onFirst, fourA, fourB}));
    EXPECT_EQ(Iterator()->Next(kFalse), kInvalidUID) << "no wrap-around";
    EXPECT_EQ(Controller()->IsSelected(UIDNodeID::Create(db, fourB)), kTrue);
}

TEST_F(NotesIteratorTest, PreviousWalksBackAndStopsBeforeTheFirst) {
    Controller()->Select(UIDNodeID::Create(db, fourB));
    EXPECT_EQ(Walk(false), (std::vector<UID>{fourA, onFirst, onMaster}));
    EXPECT_EQ(Iterator()->Previous(kFalse), kInvalidUID);
}

TEST_F(NotesIteratorTest, FromAPageNodeNextStartsWithThatPageAndPreviousWithThePagesAbove) {
    Controller()->Select(UIDNodeID::Create(db, Page(3)));
    EXPECT_EQ(Iterator()->Next(kFalse), fourA);
    EXPECT_EQ(Iterator()->Previous(kFalse), onFirst);
}

TEST_F(NotesIteratorTest, TheWalkStartsFromTheLastSelectedNode) {
    Controller()->Select(UIDNodeID::Create(db, fourA));
    Controller()->Select(UIDNodeID::Create(db, onFirst), kTrue, kTrue);
    EXPECT_EQ(Iterator()->Next(kFalse), fourA);
}

TEST_F(NotesIteratorTest, OnlyTextEditsWhenAsked) {
    EXPECT_EQ(Iterator()->Next(kTrue), kInvalidUID) << "sticky notes are no text edits";
}

TEST(NotesTextEditIterator, TextEditsOnlyVisitsStrikeThroughsReplacementsAndInsertionsInListOrder) {
    using A = INotesAnnotation;
    RegisterPlugIns();
    TextMarkupFixture::MarkupDocument doc;
    const UID body = doc.Story("s");
    auto word = [&](const std::u16string& w) {
        const TextIndex at = doc.Find(body, w);
        return RangeData(at, at + static_cast<TextIndex>(w.size()));
    };
    doc.Mark(body, word(u"quick"), A::kHighlightAnnotation);
    doc.Mark(body, word(u"brown"), A::kStrikethroughAnnotation);
    doc.Mark(body, word(u"jumps"), A::kUnderlineAnnotation);
    doc.Mark(body, word(u"lazy"), A::kRedactionAnnotation);
    ShowPanelFor(doc.Document());

    InterfacePtr<INotesAnnotationList> list(
        UIDRef(doc.DB(), InterfacePtr<IPageList>(doc.Doc(), IID_IPAGELIST)->GetNthPageUID(0)),
        IID_INOTESANNOTATIONLIST);
    ASSERT_EQ(list->GetAnnotationCount(), 4);
    std::vector<UID> all, edits;
    const UIDList listed = list->GetAnnotations();
    for (UID uid : listed.GetUIDs()) {
        all.push_back(uid);
        if (InterfacePtr<INotesAnnotation>(UIDRef(doc.DB(), uid), IID_INOTESANNOTATION)->IsRedaction())
            edits.push_back(uid);
    }
    ASSERT_EQ(edits.size(), 2u);

    for (bool16 textEditsOnly : {kTrue, kFalse}) {
        Controller()->DeselectAll();
        std::vector<UID> visited;
        for (UID next = Iterator()->Next(textEditsOnly); next != kInvalidUID && visited.size() <= 10;
             next = Iterator()->Next(textEditsOnly)) {
            visited.push_back(next);
            Controller()->Select(UIDNodeID::Create(doc.DB(), next));
        }
        EXPECT_EQ(visited, textEditsOnly ? edits : all);
    }
    Controller()->Select(UIDNodeID::Create(doc.DB(), edits[1]));
    EXPECT_TRUE(Widget(kNotesUIAcceptIconWidgetID)->IsEnabled()) << "a text edit can be accepted";
    EXPECT_TRUE(Widget(kNotesUIRejectIconWidgetID)->IsEnabled());
    EXPECT_EQ(Iterator()->Previous(kTrue), edits[0]);
    Controller()->DeselectAll(kFalse);
    HidePanel();
}
