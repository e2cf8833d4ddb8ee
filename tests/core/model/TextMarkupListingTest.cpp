// Text markups are listed on the page of the frame whose text holds their end marker: a story that
// flows over two pages lists each marker on its own page, after the page's own annotation items.
#include <gtest/gtest.h>

#include "../fixtures/CoreFixture.h"
#include "INotesAnnotationList.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ICommand.h"
#include "host/document/IPageList.h"
#include "host/document/ISpreadList.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IFrameUtils.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextModelCmds.h"

using namespace CoreFixture;

namespace {
class TextMarkupListingTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string paragraphs = R"("First page words")";
        for (int i = 0; i < 30; ++i)
            paragraphs += R"(, "line")";
        paragraphs += R"(, "Second page words")";
        document = BuildDocument(R"({
          "pageSize": {"width": 612, "height": 792},
          "spreads": [{"pages": [{}, {}]}],
          "textFrames": [{"page": 1, "bounds": [72, 72, 540, 300], "story": "s"},
                         {"page": 2, "bounds": [72, 72, 540, 300], "story": "s"}],
          "stories": [{"id": "s", "paragraphs": [)" +
                                 paragraphs + "]}]}");
        ASSERT_NE(document, nullptr);
        db = document->GetDocumentDataBase();
        InterfacePtr<ISpreadList> spreads(DocumentRef(document), IID_ISPREADLIST);
        const UIDList frames = Utils<IFrameUtils>()->GetTextFrames(UIDRef(db, spreads->GetNthSpreadUID(0)));
        ASSERT_EQ(frames.Length(), 2);
        InterfacePtr<IMultiColumnTextFrame> first(UIDRef(db, frames.At(0)), IID_IMULTICOLUMNTEXTFRAME);
        InterfacePtr<IMultiColumnTextFrame> second(UIDRef(db, frames.At(1)), IID_IMULTICOLUMNTEXTFRAME);
        firstRange = first->GetTextRange();
        secondRange = second->GetTextRange();
        model = InterfacePtr<ITextModel>(first->QueryTextModel());
    }
    void TearDown() override {
        model.reset();
        Close(document);
    }
    UID AnchorMarker(TextIndex at) {
        const UID marker = db->NewUID(kNotesHighlightEndTextMarkerBoss);
        InterfacePtr<ITextModelCmds> cmds(model, IID_ITEXTMODELCMDS);
        InterfacePtr<ICommand> set(cmds->SetOwnedItemCmd(at, marker, kNotesHighlightEndTextMarkerBoss));
        EXPECT_EQ(CmdUtils::ProcessCommand(set), kSuccess);
        return marker;
    }
    UIDList Listed(int32 page) {
        InterfacePtr<IPageList> pages(DocumentRef(document), IID_IPAGELIST);
        InterfacePtr<INotesAnnotationList> list(UIDRef(db, pages->GetNthPageUID(page)),
                                                IID_INOTESANNOTATIONLIST);
        list->Invalidate();
        return list->GetAnnotations();
    }

    IDocument* document = nullptr;
    IDataBase* db = nullptr;
    InterfacePtr<ITextModel> model;
    RangeData firstRange, secondRange;
};

TEST_F(TextMarkupListingTest, EachMarkerIsListedOnThePageThatShowsItsText) {
    ASSERT_GT(secondRange.Start(), 0) << "the story must flow into the second frame";
    const UID onFirst = AnchorMarker(firstRange.Start() + 2);
    const UID onSecond = AnchorMarker(secondRange.Start() + 1);
    const UIDList first = Listed(0);
    const UIDList second = Listed(1);
    ASSERT_EQ(first.Length(), 1);
    EXPECT_EQ(first.At(0), onFirst);
    ASSERT_EQ(second.Length(), 1);
    EXPECT_EQ(second.At(0), onSecond);
}

TEST_F(TextMarkupListingTest, OtherOwnedItemsAreNotAnnotations) {
    const UID other = db->NewUID(kRecordItemBoss);
    InterfacePtr<ITextModelCmds> cmds(model, IID_ITEXTMODELCMDS);
    InterfacePtr<ICommand> set(cmds->SetOwnedItemCmd(3, other, kRecordItemBoss));
    ASSERT_EQ(CmdUtils::ProcessCommand(set), kSuccess);
    EXPECT_EQ(Listed(0).Length(), 0);
}
} // namespace

namespace {
TEST(TextMarkupInTableTest, AMarkerInACellIsListedOnThePageOfTheTable) {
    IDocument* document = BuildDocument(R"({
      "pageSize": {"width": 612, "height": 792},
      "spreads": [{"pages": [{}, {}]}],
      "textFrames": [{"page": 2, "bounds": [72, 72, 540, 300], "story": "s"}],
      "stories": [{"id": "s", "paragraphs": ["Before the table",
        {"table": {"columnWidths": [120, 120], "rowHeights": [30], "cells": [["Left cell", "Right cell"]]}}]}]
    })");
    ASSERT_NE(document, nullptr);
    IDataBase* db = document->GetDocumentDataBase();
    InterfacePtr<ISpreadList> spreads(DocumentRef(document), IID_ISPREADLIST);
    const UIDList frames = Utils<IFrameUtils>()->GetTextFrames(UIDRef(db, spreads->GetNthSpreadUID(0)));
    ASSERT_EQ(frames.Length(), 1);
    InterfacePtr<IMultiColumnTextFrame> frame(UIDRef(db, frames.At(0)), IID_IMULTICOLUMNTEXTFRAME);
    InterfacePtr<ITextModel> model(frame->QueryTextModel());
    const std::u16string text = model->GetText(0, model->TotalLength()).GetUTF16();
    const TextIndex inCell = static_cast<TextIndex>(text.find(u"Right cell"));
    ASSERT_GT(inCell, 0);

    const UID marker = db->NewUID(kNotesHighlightEndTextMarkerBoss);
    InterfacePtr<ITextModelCmds> cmds(model, IID_ITEXTMODELCMDS);
    InterfacePtr<ICommand> set(cmds->SetOwnedItemCmd(inCell + 2, marker, kNotesHighlightEndTextMarkerBoss));
    ASSERT_EQ(CmdUtils::ProcessCommand(set), kSuccess);

    InterfacePtr<IPageList> pages(DocumentRef(document), IID_IPAGELIST);
    InterfacePtr<INotesAnnotationList> second(UIDRef(db, pages->GetNthPageUID(1)), IID_INOTESANNOTATIONLIST);
    InterfacePtr<INotesAnnotationList> first(UIDRef(db, pages->GetNthPageUID(0)), IID_INOTESANNOTATIONLIST);
    ASSERT_EQ(second->GetAnnotationCount(), 1) << "found through the table anchored in the frame's text";
    EXPECT_EQ(second->GetAnnotations().At(0), marker);
    EXPECT_EQ(first->GetAnnotationCount(), 0);
    second.reset();
    first.reset();
    cmds.reset();
    model.reset();
    frame.reset();
    Close(document);
}
} // namespace
