// Accepting and rejecting text edits: a strike-through deletes its words, a caret inserts its note
// (after the last character when it stands before a paragraph return), a replacement puts its
// note in place of its words; rejecting leaves the text as it was; edits anchored to the same text
// are left alone with one warning, whatever the list's order; many edits in one command give the
// text that settling them one at a time gives; undo and redo restore text, markers and records;
// with the convert-to-highlight option a noted highlight stays behind; the Notes panel is told.
#include <gtest/gtest.h>

#include "ChangeRecorder.h"
#include "TextMarkupFixture.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/notify/ISubject.h"
#include "host/objectmodel/IBoolData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IItemStrand.h"
#include "host/text/ITextModel.h"
#include "host/ui/ScriptedAlertResponder.h"

using namespace TextMarkupFixture;
using A = INotesAnnotation;

namespace {
// Everything an accept changes in a story: its text, its anchored items and each markup's record.
struct StoryState {
    std::u16string text;
    OwnedItemDataList items;
    std::vector<std::string> records;
    bool operator==(const StoryState&) const = default;
};

class TextEditsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(doc.DB(), nullptr);
        body = doc.Story("s");
        SetConvertToHighlight(false);
    }
    void TearDown() override { SetConvertToHighlight(false); }

    RangeData Word(const std::u16string& word) {
        const TextIndex at = doc.Find(body, word);
        return RangeData(at, at + static_cast<TextIndex>(word.size()));
    }
    UID Edit(const std::u16string& word, A::NotesAnnotationType type, const std::string& note = "") {
        const UID edit = doc.Mark(body, Word(word), type, note);
        EXPECT_NE(edit, kInvalidUID) << "no edit over the word";
        return edit;
    }
    ErrorCode Settle(ClassID command, const std::vector<UID>& edits, UIDList* made = nullptr) {
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(command));
        UIDList list(doc.DB());
        for (UID edit : edits)
            list.Append(edit);
        cmd->SetItemList(list);
        const ErrorCode result = CmdUtils::ProcessCommand(cmd);
        if (made)
            *made = *cmd->GetItemList();
        return result;
    }
    ErrorCode Accept(const std::vector<UID>& edits, UIDList* made = nullptr) {
        return Settle(kNotesAcceptRedactionCmdBoss, edits, made);
    }
    ErrorCode Reject(const std::vector<UID>& edits, UIDList* made = nullptr) {
        return Settle(kNotesRejectRedactionCmdBoss, edits, made);
    }
    static void SetConvertToHighlight(bool on) {
        InterfacePtr<IBoolData> option(GetApplicationObject(), IID_INOTESCONVERTTOHIGHLIGHTOPTION);
        ASSERT_NE(option.get(), nullptr);
        option->Set(on ? kTrue : kFalse);
    }
    std::u16string Body() { return doc.Text(body); }
    int32 Markers() {
        InterfacePtr<IItemStrand> strand(UIDRef(doc.DB(), body), IID_IITEMSTRAND);
        return strand->CountOwnedItems();
    }
    bool Exists(UID annotation) { return doc.DB()->IsValidUID(annotation); }
    PMString NoteOf(UID annotation) {
        InterfacePtr<INotesAnnotation> record(UIDRef(doc.DB(), annotation), IID_INOTESANNOTATION);
        return record ? record->GetContent() : PMString("<none>");
    }
    StoryState State() {
        StoryState state;
        state.text = Body();
        InterfacePtr<IItemStrand> strand(UIDRef(doc.DB(), body), IID_IITEMSTRAND);
        strand->CollectOwnedItems(RangeData(0, static_cast<TextIndex>(state.text.size())), kInvalidClass,
                                  &state.items);
        for (const OwnedItemData& item : state.items) {
            InterfacePtr<INotesAnnotation> record(UIDRef(doc.DB(), item.fUID), IID_INOTESANNOTATION);
            if (record)
                state.records.push_back(
                    std::to_string(record->GetType()) + "|" + record->GetContent().GetUTF8String() + "|" +
                    record->GetAuthor().GetUTF8String() + "|" + std::to_string(record->GetColor()));
        }
        return state;
    }
    UndoHistory& History() { return doc.DB()->GetUndoHistory(); }

    MarkupDocument doc;
    UID body = kInvalidUID;
};

TEST_F(TextEditsTest, AcceptingEachKindChangesExactlyItsWordsAndRemovesItsMarkup) {
    const UID strike = Edit(u"quick", A::kStrikethroughAnnotation);
    const UID caret = doc.Mark(body, RangeData(Word(u"lazy").Start(), Word(u"lazy").Start() + 1),
                               A::kCaretAnnotation, "very ");
    const UID replacement = Edit(u"fox", A::kRedactionAnnotation, "cat");
    ASSERT_NE(caret, kInvalidUID);
    ASSERT_EQ(Accept({strike, caret, replacement}), kSuccess);
    EXPECT_EQ(Body().substr(0, 46), u"The  brown cat jumps over the very lazy dog\rSe");
    EXPECT_FALSE(Exists(strike) || Exists(caret) || Exists(replacement));
    EXPECT_EQ(Markers(), 0);
    for (TextIndex i = 0; i < 40; ++i)
        for (ClassID attribute :
             {kNotesTextStrikethroughAttrBoss, kNotesTextCaretAttrBoss, kNotesTextRedactionAttrBoss})
            EXPECT_EQ(doc.AttributeAt(body, i, attribute), kInvalidUID) << i;
}

TEST_F(TextEditsTest, CaretBeforeAParagraphReturnInsertsAfterTheLastCharacterNotBeforeIt) {
    const TextIndex paragraphEnd = doc.Find(body, u"\r");
    const UID caret = doc.Mark(body, RangeData(paragraphEnd, paragraphEnd + 1), A::kCaretAnnotation, "!");
    ASSERT_NE(caret, kInvalidUID);
    ASSERT_EQ(doc.Marked(caret), u"g"); // the markers hold the character before the return
    const UID empty = Edit(u"The", A::kCaretAnnotation);
    ASSERT_EQ(Accept({caret, empty}), kSuccess);
    EXPECT_EQ(Body().substr(0, 46), u"The quick brown fox jumps over the lazy dog!\rS");
}

TEST_F(TextEditsTest, AcceptingAStrikeThroughOverTheStorysFinalReturnKeepsTheReturn) {
    const std::u16string before = Body();
    const TextIndex last = static_cast<TextIndex>(before.size());
    const TextIndex from = doc.Find(body, u"paragraph");
    const UID strike = doc.Mark(body, RangeData(from, last), A::kStrikethroughAnnotation);
    ASSERT_NE(strike, kInvalidUID);
    ASSERT_EQ(Accept({strike}), kSuccess);
    EXPECT_EQ(Body(), before.substr(0, static_cast<size_t>(from)) + u"\r");
}

TEST_F(TextEditsTest, RejectingLeavesTheTextByteForByteAndRemovesEveryMarkup) {
    const std::u16string before = Body();
    const UID edits[] = {Edit(u"quick", A::kStrikethroughAnnotation), Edit(u"j", A::kCaretAnnotation, "x"),
                         Edit(u"lazy dog", A::kRedactionAnnotation, "cat")};
    ASSERT_EQ(Reject({edits[0], edits[1], edits[2]}), kSuccess);
    EXPECT_EQ(Body(), before);
    EXPECT_EQ(Markers(), 0);
    for (UID edit : edits)
        EXPECT_FALSE(Exists(edit));
    for (TextIndex i = 0; i < static_cast<TextIndex>(before.size()); ++i)
        for (ClassID attribute :
             {kNotesTextStrikethroughAttrBoss, kNotesTextCaretAttrBoss, kNotesTextRedactionAttrBoss})
            EXPECT_EQ(doc.AttributeAt(body, i, attribute), kInvalidUID) << i;
}

TEST_F(TextEditsTest, OnlyTextEditsAreSettledAndAListWithoutOneSucceedsWithoutChange) {
    const UID highlight = Edit(u"brown", A::kHighlightAnnotation);
    const UID strike = Edit(u"quick", A::kStrikethroughAnnotation);
    const std::u16string before = Body();
    EXPECT_EQ(Accept({highlight}), kSuccess);
    EXPECT_EQ(Body(), before);
    EXPECT_TRUE(Exists(highlight));
    ASSERT_EQ(Accept({highlight, strike}), kSuccess);
    EXPECT_TRUE(Exists(highlight));
    EXPECT_EQ(doc.Marked(highlight), u"brown");
    EXPECT_FALSE(Exists(strike));
    EXPECT_NE(Accept({}), kSuccess);
}

TEST_F(TextEditsTest, EditsAnchoredToTheSameTextWarnOnceAndLeaveTheReplacementWhateverTheOrder) {
    for (bool replacementFirst : {true, false}) {
        MarkupDocument fresh;
        const UID story = fresh.Story("s");
        const TextIndex at = fresh.Find(story, u"quick brown fox");
        const UID replacement =
            fresh.Mark(story, RangeData(at, at + 15), A::kRedactionAnnotation, "slow cat");
        const TextIndex brown = fresh.Find(story, u"brown");
        const UID strike = fresh.Mark(story, RangeData(brown, brown + 6), A::kStrikethroughAnnotation);
        const TextIndex dog = fresh.Find(story, u"dog");
        const UID apart = fresh.Mark(story, RangeData(dog, dog + 3), A::kStrikethroughAnnotation);
        ASSERT_TRUE(replacement != kInvalidUID && strike != kInvalidUID && apart != kInvalidUID);
        ScriptedAlertResponder alerts;
        ScopedAlertResponder scope(&alerts);
        UIDList list(fresh.DB());
        for (UID uid : replacementFirst ? std::vector<UID>{replacement, strike, apart}
                                        : std::vector<UID>{apart, strike, replacement})
            list.Append(uid);
        InterfacePtr<ICommand> accept(CmdUtils::CreateCommand(kNotesAcceptRedactionCmdBoss));
        accept->SetItemList(list);
        ASSERT_EQ(CmdUtils::ProcessCommand(accept), kSuccess);
        ASSERT_EQ(alerts.GetRequests().size(), 1u) << replacementFirst;
        EXPECT_EQ(alerts.GetRequests()[0].kind, AlertRequest::kWarning);
        EXPECT_NE(alerts.GetRequests()[0].message.GetUTF8String().find("anchored to the same text"),
                  std::string::npos);
        EXPECT_EQ(fresh.Text(story).substr(0, 36), u"The quick fox jumps over the lazy \rS");
        ASSERT_TRUE(fresh.DB()->IsValidUID(replacement));
        EXPECT_EQ(fresh.Marked(replacement), u"quick fox");

        // Alone, the replacement is accepted.
        InterfacePtr<ICommand> again(CmdUtils::CreateCommand(kNotesAcceptRedactionCmdBoss));
        again->SetItemList(UIDList(UIDRef(fresh.DB(), replacement)));
        ASSERT_EQ(CmdUtils::ProcessCommand(again), kSuccess);
        EXPECT_EQ(alerts.GetRequests().size(), 1u);
        EXPECT_EQ(fresh.Text(story).substr(0, 35), u"The slow cat jumps over the lazy \rS");
    }
}

TEST_F(TextEditsTest, ManyEditsInOneCommandGiveTheTextThatSettlingThemOneAtATimeGives) {
    const std::vector<std::pair<std::u16string, A::NotesAnnotationType>> marks = {
        {u"The", A::kCaretAnnotation},           {u"quick", A::kRedactionAnnotation},
        {u"brown", A::kStrikethroughAnnotation}, {u"jumps", A::kCaretAnnotation},
        {u"the", A::kRedactionAnnotation},       {u"dog", A::kStrikethroughAnnotation},
        {u"Second", A::kRedactionAnnotation}};
    MarkupDocument oneByOne;
    const UID other = oneByOne.Story("s");
    std::vector<UID> together, single;
    for (const auto& [word, type] : marks) {
        together.push_back(Edit(word, type, "<" + std::to_string(together.size()) + ">"));
        const TextIndex at = oneByOne.Find(other, word);
        single.push_back(oneByOne.Mark(other, RangeData(at, at + static_cast<TextIndex>(word.size())), type,
                                       "<" + std::to_string(single.size()) + ">"));
    }
    ASSERT_EQ(Accept(together), kSuccess);
    for (UID edit : single) {
        InterfacePtr<ICommand> accept(CmdUtils::CreateCommand(kNotesAcceptRedactionCmdBoss));
        accept->SetItemList(UIDList(UIDRef(oneByOne.DB(), edit)));
        ASSERT_EQ(CmdUtils::ProcessCommand(accept), kSuccess);
    }
    EXPECT_EQ(Body(), oneByOne.Text(other));
    EXPECT_EQ(Body().substr(0, 48), u"<0>The <1>  fox <3>jumps over <4> lazy \r<6> para");
}

TEST_F(TextEditsTest, UndoOfAnAcceptRestoresTextMarkersAndRecordsExactlyAndRedoDoesItAgain) {
    const UID highlight = Edit(u"over", A::kHighlightAnnotation, "kept");
    const UID edits[] = {Edit(u"quick", A::kStrikethroughAnnotation),
                         Edit(u"lazy", A::kCaretAnnotation, "very "),
                         Edit(u"fox", A::kRedactionAnnotation, "cat")};
    ASSERT_NE(highlight, kInvalidUID);
    const StoryState before = State();
    const int32 steps = History().CountUndoSteps();
    ASSERT_EQ(Accept({edits[0], edits[1], edits[2]}), kSuccess);
    EXPECT_EQ(History().CountUndoSteps(), steps + 1) << "one undo step";
    const StoryState after = State();
    ASSERT_NE(after, before);
    ASSERT_EQ(History().Undo(), kSuccess);
    EXPECT_EQ(State(), before);
    for (UID edit : edits)
        EXPECT_TRUE(Exists(edit));
    EXPECT_EQ(doc.Marked(edits[2]), u"fox");
    EXPECT_EQ(doc.AttributeAt(body, Word(u"fox").Start(), kNotesTextRedactionAttrBoss), edits[2]);
    ASSERT_EQ(History().Redo(), kSuccess);
    EXPECT_EQ(State(), after);
    EXPECT_EQ(doc.Marked(highlight), u"over");
}

TEST_F(TextEditsTest, SettlingTellsTheNotesPanelThatThePageListsChanged) {
    const UID strike = Edit(u"quick", A::kStrikethroughAnnotation);
    const UID caret = Edit(u"dog", A::kCaretAnnotation, "big ");
    InterfacePtr<ISubject> subject(doc.Doc(), IID_ISUBJECT);
    ChangeRecorder observer;
    subject->AttachObserver(&observer, IID_INOTESANNOTATIONLIST);
    ASSERT_EQ(Accept({strike}), kSuccess);
    ASSERT_EQ(Reject({caret}), kSuccess);
    subject->DetachObserver(&observer, IID_INOTESANNOTATIONLIST);
    EXPECT_EQ(observer.changes,
              (std::vector<ClassID>{kNotesAcceptRedactionCmdBoss, kNotesRejectRedactionCmdBoss}));
}

TEST_F(TextEditsTest, WithTheOptionOnANotedHighlightStaysWhereTheEditWas) {
    SetConvertToHighlight(true);
    const UID strike = Edit(u"quick", A::kStrikethroughAnnotation);
    const UID caret = Edit(u"lazy", A::kCaretAnnotation, "very ");
    UIDList made(doc.DB());
    ASSERT_EQ(Accept({strike, caret}, &made), kSuccess);
    ASSERT_EQ(made.Length(), 2);
    std::map<std::string, std::u16string> marked;
    for (UID highlight : made.GetUIDs())
        marked[NoteOf(highlight).GetUTF8String()] = doc.Marked(highlight);
    EXPECT_EQ(marked["Original text:  \"quick\""], u" "); // one character at the deletion point
    EXPECT_EQ(marked["Original text:  \"l\""], u"very "); // exactly the inserted characters

    const UID replacement = Edit(u"fox", A::kRedactionAnnotation, "cat");
    const UID struck = Edit(u"jumps", A::kStrikethroughAnnotation);
    const std::u16string before = Body();
    ASSERT_EQ(Reject({replacement, struck}, &made), kSuccess);
    EXPECT_EQ(Body(), before);
    ASSERT_EQ(made.Length(), 2);
    marked.clear();
    for (UID highlight : made.GetUIDs())
        marked[NoteOf(highlight).GetUTF8String()] = doc.Marked(highlight);
    EXPECT_EQ(marked["Rejected text:  \"cat\""], u"fox");
    EXPECT_EQ(marked["Rejected text:  \"\""], u"jumps");
}
TEST_F(TextEditsTest, AHighlightThatWouldReachTheStorysFinalReturnEndsBeforeIt) {
    SetConvertToHighlight(true);
    const UID strike = Edit(u"paragraph", A::kStrikethroughAnnotation);
    UIDList made(doc.DB());
    ASSERT_EQ(Accept({strike}, &made), kSuccess);
    ASSERT_TRUE(Body().ends_with(u"Second \r"));
    ASSERT_EQ(made.Length(), 1);
    EXPECT_EQ(doc.Marked(made.At(0)), u"d");
    EXPECT_EQ(NoteOf(made.At(0)).GetUTF8String(), "Original text:  \"paragraph\"");
}
} // namespace
