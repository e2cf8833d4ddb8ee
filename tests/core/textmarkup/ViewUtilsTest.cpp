// The view utilities: where a popup opens beside a spread's pages, the text of a note frame replaced
// through the undoable text commands, and the emphasis of page-item annotations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "../fixtures/CoreFixture.h"
#include "INotesAnnotsManager.h"
#include "INotesLayerManager.h"
#include "INotesViewUtils.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IPageList.h"
#include "host/document/ISpreadList.h"
#include "host/document/ISwatchList.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/IPageItemAdornmentList.h"
#include "host/graphics/IShape.h"
#include "host/graphics/RecordingGraphicsPort.h"
#include "host/layout/IActiveContext.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/selection/ISelectionManager.h"
#include "host/text/IFrameUtils.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/ITextModel.h"
#include "textmarkup/NotesViewUtils.h"

using namespace CoreFixture;

namespace {
UIDRef SpreadRef(IDocument* document, int32 index) {
    InterfacePtr<ISpreadList> spreads(DocumentRef(document), IID_ISPREADLIST);
    return UIDRef(document->GetDocumentDataBase(), spreads->GetNthSpreadUID(index));
}

PMRect PageBounds(IDocument* document, int32 index) {
    InterfacePtr<IPageList> pages(DocumentRef(document), IID_IPAGELIST);
    return Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(
        UIDRef(document->GetDocumentDataBase(), pages->GetNthPageUID(index)));
}

TEST(ViewUtilsTest, APopupOpensOutsideTheNearestPagesOuterEdge) {
    IDocument* document = BuildThreeSpreadDocument();
    ASSERT_NE(document, nullptr);
    Utils<INotesViewUtils> viewUtils;
    ASSERT_TRUE(viewUtils);

    const PMRect left = PageBounds(document, 1), right = PageBounds(document, 2);
    const PMPoint onLeftPage = left.GetCenter() + PMPoint(-100, 50);
    EXPECT_EQ(viewUtils->GetPopupBounds(SpreadRef(document, 1), onLeftPage),
              PMRect(left.Left() - 180, onLeftPage.Y() - 60, left.Left(), onLeftPage.Y() + 60));
    const PMPoint onRightPage = right.GetCenter() + PMPoint(100, -50);
    EXPECT_EQ(viewUtils->GetPopupBounds(SpreadRef(document, 1), onRightPage),
              PMRect(right.Right(), onRightPage.Y() - 60, right.Right() + 180, onRightPage.Y() + 60));

    const PMRect single = PageBounds(document, 0);
    const PMPoint onSinglePage = single.GetCenter();
    EXPECT_EQ(viewUtils->GetPopupBounds(SpreadRef(document, 0), onSinglePage).Left(), single.Right())
        << "the only page of a spread counts as a right-hand page";
    EXPECT_EQ(viewUtils->GetPopupBounds(UIDRef(), PMPoint(5, 7)), PMRect(5, 7, 185, 127));
    Close(document);
}

TEST(ViewUtilsTest, FrameTextIsReplacedUpToTheClosingReturnAndUndoes) {
    IDocument* document = BuildDocument(R"({
      "pageSize": {"width": 612, "height": 792},
      "spreads": [{"pages": [{}]}],
      "textFrames": [{"page": 1, "bounds": [72, 72, 300, 200], "story": "n"}],
      "stories": [{"id": "n", "paragraphs": ["Old note", "second line"]}]
    })");
    ASSERT_NE(document, nullptr);
    IDataBase* db = document->GetDocumentDataBase();
    const UIDList frames = Utils<IFrameUtils>()->GetTextFrames(SpreadRef(document, 0));
    ASSERT_EQ(frames.Length(), 1);
    InterfacePtr<IMultiColumnTextFrame> frame(UIDRef(db, frames.At(0)), IID_IMULTICOLUMNTEXTFRAME);
    InterfacePtr<ITextModel> model(frame->QueryTextModel());
    const auto text = [&] { return model->GetText(0, model->TotalLength()).GetUTF16(); };

    InterfacePtr<IGeometry> geometry(UIDRef(db, frame->GetFrameItemUID()), IID_IGEOMETRY);
    const PMRect before = geometry->GetPathBoundingBox();
    {
        CmdUtils::SequenceContext oneStep;
        ASSERT_TRUE(NotesViewUtils::ReplaceFrameText(UIDRef(db, frames.At(0)), PMString(u"New\nnote\ntext")));
    }
    EXPECT_EQ(text(), u"Newnotetext\r") << "line feeds are dropped, the closing return stays";
    const PMRect fitted = geometry->GetPathBoundingBox();
    EXPECT_LT(fitted.Height(), before.Height()) << "the frame is fitted to its one line";
    EXPECT_EQ(fitted.LeftTop(), before.LeftTop());
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(text(), u"Old note\rsecond line\r");
    EXPECT_EQ(geometry->GetPathBoundingBox(), before);
    Close(document);
}

TEST(ViewUtilsTest, EmphasisOfPageItemAnnotationsIsAnAdornmentTurnedOnAndOff) {
    IDocument* document = BuildThreeSpreadDocument();
    ASSERT_NE(document, nullptr);
    IDataBase* db = document->GetDocumentDataBase();
    InterfacePtr<INotesAnnotsManager> manager(DocumentRef(document), IID_INOTESANNOTSMANAGER);
    InterfacePtr<ISwatchList> swatches(DocumentRef(document), IID_ISWATCHLIST);
    InterfacePtr<INotesLayerManager> layers(DocumentRef(document), IID_INOTESLAYERMANAGER);
    ASSERT_NE(layers->GetNotesLayerUID(), kInvalidUID);
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesCreateStickyNoteCmdBoss));
    InterfacePtr<INotesAnnotation> record(cmd, IID_INOTESANNOTATION);
    const PMPoint centre = PageBounds(document, 2).GetCenter();
    record->Set(INotesAnnotation::kStickyNoteAnnotation, {centre - PMPoint(10, 10), centre + PMPoint(10, 10)},
                swatches->GetBlackSwatchUID(), kTrue, PMString("note"), PMString("Ana"), IDTime());
    cmd->SetItemList(UIDList(UIDRef(db, manager->GetAnnotationSpreadLayer(2))));
    ASSERT_EQ(CmdUtils::ProcessCommand(cmd), kSuccess);
    ASSERT_EQ(cmd->GetItemList()->Length(), 1);
    InterfacePtr<IPageItemAdornmentList> adornments(UIDRef(db, cmd->GetItemList()->At(0)),
                                                    IID_IPAGEITEMADORNMENTLIST);

    Utils<INotesViewUtils> viewUtils;
    viewUtils->SetDocumentEmphasis(document, kTrue);
    EXPECT_TRUE(adornments->HasAdornment(kNotesDrawingMarkupAdornmentBoss));
    // The emphasis is drawn: a red 2 pt frame 10 pt outside the note, never when printing.
    InterfacePtr<IShape> shape(UIDRef(db, cmd->GetItemList()->At(0)), IID_ISHAPE);
    InterfacePtr<IGeometry> geometry(shape, IID_IGEOMETRY);
    RecordingGraphicsPort port;
    GraphicsData data(&port, db);
    shape->Draw(&data, IShape::kDrawNormal);
    const auto widths = port.Find("setlinewidth");
    EXPECT_TRUE(std::any_of(widths.begin(), widths.end(), [](const auto& op) { return op.args[0] == 2.0; }));
    const auto moves = port.Find("moveto");
    const PMReal frameLeft = geometry->GetPathBoundingBox().Left() - 10;
    EXPECT_TRUE(std::any_of(moves.begin(), moves.end(),
                            [&](const auto& op) { return std::abs(op.args[0] - frameLeft) < 1e-9; }));
    RecordingGraphicsPort printed;
    GraphicsData printData(&printed, db);
    shape->Draw(&printData, IShape::kDrawFlagsForOutput);
    const auto printedMoves = printed.Find("moveto");
    EXPECT_FALSE(std::any_of(printedMoves.begin(), printedMoves.end(),
                             [&](const auto& op) { return std::abs(op.args[0] - frameLeft) < 1e-9; }));
    viewUtils->SetDocumentEmphasis(document, kTrue);
    EXPECT_EQ(adornments->GetAdornments().size(), 1u) << "emphasis is added once";
    viewUtils->ClearDocumentEmphasis(document);
    EXPECT_FALSE(adornments->HasAdornment(kNotesDrawingMarkupAdornmentBoss));

    // Selecting the note selects its page item in the front view.
    viewUtils->SelectAnnotation(UIDRef(db, cmd->GetItemList()->At(0)));
    InterfacePtr<IActiveContext> context(GetApplicationObject(), IID_IACTIVECONTEXT);
    ASSERT_NE(context->GetContextSelection(), nullptr);
    EXPECT_EQ(context->GetContextSelection()->GetSelectedPageItems(), *cmd->GetItemList());
    adornments.reset();
    Close(document);
}
} // namespace
