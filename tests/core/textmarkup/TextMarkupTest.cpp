// Text markups in their stories: marking anchors both markers and the kind's attribute; the same
// markup twice is one, other kinds coexist; carets mark the character after the insertion point
// (the one before a paragraph return); edits carry markups with their words, deleting all their
// text deletes them and undo brings them back; copy and paste makes a second markup with the same
// record; removing and clearing leave the text as it was; layout places markups by their frames.
#include <gtest/gtest.h>

#include "INotesAnnotationLayout.h"
#include "INotesAnnotationList.h"
#include "INotesAnnotsManager.h"
#include "INotesLayerManager.h"
#include "INotesViewUtils.h"
#include "TextMarkupFixture.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/document/IPageList.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IItemStrand.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextModelCmds.h"

using namespace TextMarkupFixture;
using A = INotesAnnotation;

namespace {
class TextMarkupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(doc.DB(), nullptr);
        body = doc.Story("s");
        ASSERT_EQ(doc.Text(body).substr(0, 9), u"The quick");
        cmds = InterfacePtr<ITextModelCmds>(UIDRef(doc.DB(), body), IID_ITEXTMODELCMDS);
    }
    RangeData Word(const std::u16string& word, UID story = kInvalidUID) {
        story = story == kInvalidUID ? body : story;
        const TextIndex at = doc.Find(story, word);
        return RangeData(at, at + static_cast<TextIndex>(word.size()));
    }
    int32 Markers(UID story) {
        InterfacePtr<IItemStrand> strand(UIDRef(doc.DB(), story), IID_IITEMSTRAND);
        return strand->CountOwnedItems();
    }
    UIDList PageOne() {
        InterfacePtr<IPageList> pages(doc.Doc(), IID_IPAGELIST);
        InterfacePtr<INotesAnnotationList> list(UIDRef(doc.DB(), pages->GetNthPageUID(0)),
                                                IID_INOTESANNOTATIONLIST);
        list->Invalidate();
        return list->GetAnnotations();
    }
    PMString ContentOf(UID annotation) {
        InterfacePtr<INotesAnnotation> record(UIDRef(doc.DB(), annotation), IID_INOTESANNOTATION);
        return record ? record->GetContent() : PMString("<none>");
    }
    UndoHistory& History() { return doc.DB()->GetUndoHistory(); }

    MarkupDocument doc;
    UID body = kInvalidUID;
    InterfacePtr<ITextModelCmds> cmds;
};

TEST_F(TextMarkupTest, MarkingAnchorsBothMarkersAndTheKindsAttributeNamingTheAnnotation) {
    const RangeData quick = Word(u"quick");
    const UID highlight = doc.Mark(body, quick, A::kHighlightAnnotation);
    ASSERT_NE(highlight, kInvalidUID);
    EXPECT_EQ(doc.Marked(highlight), u"quick");
    for (TextIndex i = quick.Start(); i < quick.End(); ++i)
        EXPECT_EQ(doc.AttributeAt(body, i, kNotesTextHighlightAttrBoss), highlight) << i;
    EXPECT_EQ(doc.AttributeAt(body, quick.End(), kNotesTextHighlightAttrBoss), kInvalidUID);
    EXPECT_EQ(doc.AttributeAt(body, quick.Start() - 1, kNotesTextHighlightAttrBoss), kInvalidUID);
    const UIDList listed = PageOne();
    ASSERT_EQ(listed.Length(), 1);
    EXPECT_EQ(listed.At(0), highlight);
}

TEST_F(TextMarkupTest, TheSameMarkupTwiceIsOneAndAnotherKindOverTheSameWordsCoexists) {
    const RangeData words = Word(u"quick brown");
    const UID first = doc.Mark(body, words, A::kHighlightAnnotation);
    ASSERT_NE(first, kInvalidUID);
    EXPECT_EQ(doc.Mark(body, words, A::kHighlightAnnotation, "again"), kInvalidUID);
    EXPECT_EQ(Markers(body), 2) << "the repeated markup leaves no markers behind";
    const UID underline = doc.Mark(body, words, A::kUnderlineAnnotation);
    ASSERT_NE(underline, kInvalidUID);
    EXPECT_EQ(doc.AttributeAt(body, words.Start(), kNotesTextHighlightAttrBoss), first);
    EXPECT_EQ(doc.AttributeAt(body, words.Start(), kNotesTextUnderlineAttrBoss), underline);
    EXPECT_EQ(PageOne().Length(), 2);
}

TEST_F(TextMarkupTest, ACaretMarksTheCharacterAfterItOrTheOneBeforeAParagraphReturn) {
    const TextIndex brown = Word(u"brown").Start();
    const UID caret = doc.Mark(body, RangeData(brown, brown), A::kCaretAnnotation);
    ASSERT_NE(caret, kInvalidUID);
    EXPECT_EQ(doc.Marked(caret), u"b");
    EXPECT_EQ(doc.AttributeAt(body, brown, kNotesTextCaretAttrBoss), caret);

    const TextIndex paragraphEnd = Word(u"dog").End(); // the paragraph return
    const UID last = doc.Mark(body, RangeData(paragraphEnd, paragraphEnd), A::kCaretAnnotation);
    ASSERT_NE(last, kInvalidUID);
    EXPECT_EQ(doc.Marked(last), u"g");
    EXPECT_EQ(doc.AttributeAt(body, paragraphEnd - 1, kNotesTextCaretLastAttrBoss), last);
    EXPECT_EQ(doc.AttributeAt(body, paragraphEnd - 1, kNotesTextCaretAttrBoss), kInvalidUID);

    // In an empty table cell the character before the return is another cell's: the caret keeps
    // the cell's own return.
    const UID table = doc.Story("t");
    InterfacePtr<ITextModelCmds> tableCmds(UIDRef(doc.DB(), table), IID_ITEXTMODELCMDS);
    const TextIndex rowan = Word(u"Rowan", table).Start();
    ASSERT_EQ(MarkupDocument::Process(tableCmds->DeleteCmd(rowan, 5)), kSuccess);
    const UID inEmptyCell = doc.Mark(table, RangeData(rowan, rowan), A::kCaretAnnotation);
    ASSERT_NE(inEmptyCell, kInvalidUID);
    EXPECT_EQ(doc.Marked(inEmptyCell), u"\r");
    EXPECT_EQ(doc.AttributeAt(table, rowan, kNotesTextCaretAttrBoss), inEmptyCell);
}

TEST_F(TextMarkupTest, EditsCarryTheMarkupWithItsWords) {
    const UID markup = doc.Mark(body, Word(u"quick brown"), A::kHighlightAnnotation);
    ASSERT_NE(markup, kInvalidUID);
    ASSERT_EQ(MarkupDocument::Process(cmds->InsertCmd(0, WideString(u"So "))), kSuccess);
    EXPECT_EQ(doc.Marked(markup), u"quick brown");
    // Replace around it: the words before and after change, the marked ones stay.
    ASSERT_EQ(MarkupDocument::Process(cmds->ReplaceCmd(0, 7, WideString(u"A "))), kSuccess);
    ASSERT_EQ(MarkupDocument::Process(cmds->ReplaceCmd(Word(u" fox").Start(), 4, WideString(u" cat"))),
              kSuccess);
    EXPECT_EQ(doc.Text(body).substr(0, 18), u"A quick brown cat ");
    EXPECT_EQ(doc.Marked(markup), u"quick brown");
    // Delete inside.
    ASSERT_EQ(MarkupDocument::Process(cmds->DeleteCmd(Word(u"ck b").Start(), 4)), kSuccess);
    EXPECT_EQ(doc.Marked(markup), u"quirown");
    // Delete the last marked character: the end marker moves back onto what is left.
    ASSERT_EQ(MarkupDocument::Process(cmds->DeleteCmd(Word(u"quirown").End() - 1, 2)), kSuccess);
    EXPECT_EQ(doc.Marked(markup), u"quirow");
    // And the first one.
    ASSERT_EQ(MarkupDocument::Process(cmds->DeleteCmd(Word(u"quirow").Start() - 1, 2)), kSuccess);
    EXPECT_EQ(doc.Marked(markup), u"uirow");
    EXPECT_EQ(ContentOf(markup).GetUTF8String(), "note");
}

TEST_F(TextMarkupTest, TextTypedInsideAMarkedRunJoinsItAndTextTypedAtItsEndsDoesNot) {
    const RangeData quick = Word(u"quick");
    const UID markup = doc.Mark(body, quick, A::kHighlightAnnotation);
    ASSERT_EQ(MarkupDocument::Process(cmds->InsertCmd(quick.End(), WideString(u"est"))), kSuccess);
    EXPECT_EQ(doc.AttributeAt(body, quick.End(), kNotesTextHighlightAttrBoss), kInvalidUID);
    ASSERT_EQ(MarkupDocument::Process(cmds->InsertCmd(quick.Start(), WideString(u"so "))), kSuccess);
    EXPECT_EQ(doc.AttributeAt(body, quick.Start(), kNotesTextHighlightAttrBoss), kInvalidUID);
    ASSERT_EQ(MarkupDocument::Process(cmds->InsertCmd(quick.Start() + 5, WideString(u"-"))),
              kSuccess); // "qu-ick"
    EXPECT_EQ(doc.AttributeAt(body, quick.Start() + 5, kNotesTextHighlightAttrBoss), markup);
    EXPECT_EQ(doc.Marked(markup), u"qu-ick");
}

TEST_F(TextMarkupTest, DeletingAllTheMarkedTextDeletesTheAnnotationAndUndoRestoresItsRecord) {
    const RangeData words = Word(u"quick brown");
    const UID markup = doc.Mark(body, words, A::kHighlightAnnotation, "keep this");
    ASSERT_NE(markup, kInvalidUID);
    const std::u16string before = doc.Text(body);
    ASSERT_EQ(MarkupDocument::Process(cmds->DeleteCmd(words.Start() - 1, words.Length() + 2)), kSuccess);
    EXPECT_FALSE(doc.DB()->IsValidUID(markup));
    EXPECT_EQ(Markers(body), 0);
    EXPECT_EQ(PageOne().Length(), 0);

    ASSERT_EQ(History().Undo(), kSuccess);
    EXPECT_EQ(doc.Text(body), before);
    ASSERT_TRUE(doc.DB()->IsValidUID(markup));
    EXPECT_EQ(doc.Marked(markup), u"quick brown");
    EXPECT_EQ(ContentOf(markup).GetUTF8String(), "keep this");
    EXPECT_EQ(doc.AttributeAt(body, words.Start(), kNotesTextHighlightAttrBoss), markup);
    ASSERT_EQ(History().Redo(), kSuccess);
    EXPECT_FALSE(doc.DB()->IsValidUID(markup));
}

TEST_F(TextMarkupTest, DeletingAllTheMarkedTextDeletesTheMarkupsPopupToo) {
    InterfacePtr<INotesLayerManager> layers(doc.Doc(), IID_INOTESLAYERMANAGER);
    ASSERT_NE(layers->GetNotesLayerUID(), kInvalidUID);
    InterfacePtr<INotesAnnotsManager> manager(doc.Doc(), IID_INOTESANNOTSMANAGER);
    InterfacePtr<ICommand> createNote(CmdUtils::CreateCommand(kNotesCreateStickyNoteCmdBoss));
    InterfacePtr<INotesAnnotation>(createNote, IID_INOTESANNOTATION)
        ->Set(A::kStickyNoteAnnotation, {PMPoint(400, 100), PMPoint(420, 120)},
              doc.SwatchFor(A::kStickyNoteAnnotation), kTrue, PMString("popup"), PMString(), IDTime());
    createNote->SetItemList(UIDList(UIDRef(doc.DB(), manager->GetAnnotationSpreadLayer(0))));
    ASSERT_EQ(CmdUtils::ProcessCommand(createNote), kSuccess);
    const UID popup = createNote->GetItemList()->At(0);

    const RangeData words = Word(u"lazy");
    const UID markup = doc.Mark(body, words, A::kUnderlineAnnotation);
    InterfacePtr<IUIDData>(UIDRef(doc.DB(), markup), IID_INOTESANNOTATIONREFERENCE)->Set(popup);
    ASSERT_EQ(MarkupDocument::Process(cmds->DeleteCmd(words.Start(), words.Length())), kSuccess);
    EXPECT_FALSE(doc.DB()->IsValidUID(markup));
    EXPECT_FALSE(doc.DB()->IsValidUID(popup));
    ASSERT_EQ(History().Undo(), kSuccess);
    EXPECT_TRUE(doc.DB()->IsValidUID(popup));
    EXPECT_EQ(doc.Marked(markup), u"lazy");
}

TEST_F(TextMarkupTest, ReplacingAllTheMarkedTextLeavesNoMarkOnTheNewText) {
    const RangeData words = Word(u"quick");
    const UID markup = doc.Mark(body, words, A::kStrikethroughAnnotation);
    ASSERT_EQ(MarkupDocument::Process(cmds->ReplaceCmd(words.Start(), words.Length(), WideString(u"slow"))),
              kSuccess);
    EXPECT_FALSE(doc.DB()->IsValidUID(markup));
    EXPECT_EQ(doc.AttributeAt(body, words.Start(), kNotesTextStrikethroughAttrBoss), kInvalidUID);
}

TEST_F(TextMarkupTest, CopyAndPasteYieldsASecondAnnotationWithTheSameRecord) {
    const RangeData quick = Word(u"quick");
    const UID original = doc.Mark(body, quick, A::kHighlightAnnotation, "copied note");
    ASSERT_NE(original, kInvalidUID);
    InterfacePtr<ITextModel> model(UIDRef(doc.DB(), body), IID_ITEXTMODEL);
    const TextIndex second = Word(u"Second").Start();
    ASSERT_EQ(MarkupDocument::Process(cmds->PasteCmd(second, model->Copy(quick.Start(), quick.Length()))),
              kSuccess);

    const UIDList listed = PageOne();
    ASSERT_EQ(listed.Length(), 2);
    const UID copy = listed.At(0) == original ? listed.At(1) : listed.At(0);
    EXPECT_EQ(doc.Marked(copy), u"quick");
    EXPECT_EQ(doc.Marked(original), u"quick");
    EXPECT_EQ(ContentOf(copy).GetUTF8String(), "copied note");
    EXPECT_EQ(doc.AttributeAt(body, second, kNotesTextHighlightAttrBoss), copy);
    EXPECT_EQ(doc.AttributeAt(body, quick.Start(), kNotesTextHighlightAttrBoss), original);
    InterfacePtr<IUIDData> popup(UIDRef(doc.DB(), copy), IID_INOTESANNOTATIONREFERENCE);
    EXPECT_EQ(popup->GetUID(), kInvalidUID) << "the popup stays the original's";

    // Removing the copy's text takes the copy only.
    ASSERT_EQ(MarkupDocument::Process(cmds->DeleteCmd(second, quick.Length())), kSuccess);
    EXPECT_FALSE(doc.DB()->IsValidUID(copy));
    EXPECT_EQ(doc.Marked(original), u"quick");
}

TEST_F(TextMarkupTest, AMarkupPastedIntoAnotherDocumentTakesThatDocumentsSwatch) {
    const RangeData quick = Word(u"quick");
    ASSERT_NE(doc.Mark(body, quick, A::kUnderlineAnnotation, "travels"), kInvalidUID);
    InterfacePtr<ITextModel> model(UIDRef(doc.DB(), body), IID_ITEXTMODEL);
    MarkupDocument other;
    const UID target = other.Story("s");
    InterfacePtr<ITextModelCmds> otherCmds(UIDRef(other.DB(), target), IID_ITEXTMODELCMDS);
    ASSERT_EQ(MarkupDocument::Process(otherCmds->PasteCmd(0, model->Copy(quick.Start(), quick.Length()))),
              kSuccess);
    const UID copy = other.AttributeAt(target, 0, kNotesTextUnderlineAttrBoss);
    ASSERT_NE(copy, kInvalidUID);
    EXPECT_EQ(other.Marked(copy), u"quick");
    InterfacePtr<INotesAnnotation> record(UIDRef(other.DB(), copy), IID_INOTESANNOTATION);
    EXPECT_EQ(record->GetContent().GetUTF8String(), "travels");
    EXPECT_EQ(record->GetColor(), other.SwatchFor(A::kUnderlineAnnotation));
}

TEST_F(TextMarkupTest, PastingPartOfAMarkedRunCarriesNoMarkup) {
    const RangeData words = Word(u"quick brown");
    ASSERT_NE(doc.Mark(body, words, A::kUnderlineAnnotation), kInvalidUID);
    InterfacePtr<ITextModel> model(UIDRef(doc.DB(), body), IID_ITEXTMODEL);
    const TextIndex second = Word(u"Second").Start();
    for (const RangeData part : {RangeData(words.Start() + 1, words.Start() + 4), // inside
                                 RangeData(words.Start(), words.Start() + 3),     // with the start marker
                                 RangeData(words.End() - 3, words.End())}) {      // with the end marker
        ASSERT_EQ(MarkupDocument::Process(cmds->PasteCmd(second, model->Copy(part.Start(), part.Length()))),
                  kSuccess);
        EXPECT_EQ(Markers(body), 2);
        for (TextIndex i = second; i < second + 3; ++i)
            EXPECT_EQ(doc.AttributeAt(body, i, kNotesTextUnderlineAttrBoss), kInvalidUID) << i;
        ASSERT_EQ(History().Undo(), kSuccess);
    }
}

TEST_F(TextMarkupTest, RemovingAMarkupLeavesTheTextUnchangedAndNoTrace) {
    const RangeData words = Word(u"lazy dog");
    const UID markup = doc.Mark(body, words, A::kSquigglyAnnotation);
    ASSERT_NE(markup, kInvalidUID);
    Utils<INotesViewUtils> viewUtils;
    viewUtils->SetEmphasis(UIDList(UIDRef(doc.DB(), markup)), kTrue);
    EXPECT_EQ(doc.AttributeAt(body, words.Start(), kNotesTextMarkupAttrBoss), markup);
    const std::u16string before = doc.Text(body);
    InterfacePtr<INotesAnnotsManager> manager(doc.Doc(), IID_INOTESANNOTSMANAGER);
    ASSERT_EQ(manager->RemoveTextMarkups(UIDList(UIDRef(doc.DB(), markup))), kSuccess);
    EXPECT_EQ(doc.Text(body), before);
    EXPECT_FALSE(doc.DB()->IsValidUID(markup));
    EXPECT_EQ(Markers(body), 0);
    EXPECT_EQ(doc.AttributeAt(body, words.Start(), kNotesTextSquigglyAttrBoss), kInvalidUID);
    EXPECT_EQ(doc.AttributeAt(body, words.Start(), kNotesTextMarkupAttrBoss), kInvalidUID);
}

TEST_F(TextMarkupTest, ClearingAllMarkupsReachesTablesAndOversetText) {
    const UID table = doc.Story("t");
    const UID overset = doc.Story("o");
    const UID inCell = doc.Mark(table, Word(u"Rowan", table), A::kHighlightAnnotation);
    const UID hidden = doc.Mark(overset, Word(u"far", overset), A::kUnderlineAnnotation);
    const UID visible = doc.Mark(body, Word(u"fox"), A::kStrikethroughAnnotation);
    ASSERT_NE(inCell, kInvalidUID);
    ASSERT_NE(hidden, kInvalidUID);
    ASSERT_NE(visible, kInvalidUID);
    InterfacePtr<INotesAnnotationLayout> layout(UIDRef(doc.DB(), hidden), IID_INOTESANNOTATIONLAYOUT);
    EXPECT_EQ(layout->GetPageUID(), kInvalidUID) << "no frame shows overset text";
    EXPECT_EQ(doc.Marked(inCell), u"Rowan");

    InterfacePtr<INotesAnnotsManager> manager(doc.Doc(), IID_INOTESANNOTSMANAGER);
    ASSERT_EQ(manager->RemoveAllTextMarkups(), kSuccess);
    for (UID gone : {inCell, hidden, visible})
        EXPECT_FALSE(doc.DB()->IsValidUID(gone));
    EXPECT_EQ(Markers(overset), 0);
    EXPECT_EQ(Markers(body), 0);
    EXPECT_EQ(manager->RemoveAllTextMarkups(), kSuccess) << "nothing left: no command";
}

TEST_F(TextMarkupTest, AMarkupsPageLayerAndBoundsAreThoseOfTheFrameShowingIt) {
    const UID markup = doc.Mark(body, Word(u"jumps"), A::kHighlightAnnotation);
    InterfacePtr<INotesAnnotationLayout> layout(UIDRef(doc.DB(), markup), IID_INOTESANNOTATIONLAYOUT);
    InterfacePtr<IPageList> pages(doc.Doc(), IID_IPAGELIST);
    EXPECT_EQ(layout->GetPageUID(), pages->GetNthPageUID(0));
    const PMRect bounds = layout->GetBounds();
    EXPECT_NEAR(bounds.Width(), 468, 1e-6);
    EXPECT_NEAR(bounds.Height(), 228, 1e-6);
    EXPECT_EQ(layout->GetLayerUID(), kInvalidUID) << "no annotation layer yet";
}
} // namespace
