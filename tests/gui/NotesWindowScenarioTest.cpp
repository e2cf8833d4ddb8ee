// The whole job through the window, as a user does it: a new document from the sample layout,
// the reviewed proof imported through the dialog and the real file chooser, a note clicked in the
// tree (its words selected and drawn selected in the layout, its details shown), a reply typed
// and undone in one step, a text edit accepted and undone, the document saved and reopened.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <fstream>

#include <nlohmann/json.hpp>

#include "GuiFixture.h"
#include "INotesAnnotation.h"
#include "INotesSelectionManager.h"
#include "LayoutView.h"
#include "TestSupport.h"
#include "TreeMirror.h"
#include "host/database/IDataBase.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayoutUtils.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/selection/ISelectionManager.h"
#include "host/text/IFrameUtils.h"

namespace {
// The reviewer's comment of the kind in the commented sample, as the proof was commented.
nlohmann::json Comment(const std::string& kind) {
    std::ifstream in(TestSupport::SourceDir() / "examples" / "comments.json");
    for (const nlohmann::json& comment : nlohmann::json::parse(in))
        if (comment["kind"] == kind)
            return comment;
    return nlohmann::json();
}

int Count(const std::string& text, const std::string& word) {
    int count = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        ++count;
    return count;
}

class NotesWindowScenario : public GuiTest {
protected:
    // The content of the one annotation the document's selection holds.
    std::string SelectedNoteContent() {
        IDocument* document = window->GetDocument();
        InterfacePtr<INotesSelectionManager> notes(document, IID_INOTESSELECTIONMANAGER);
        const UIDList selected = notes ? notes->GetSelectedAnnotations() : UIDList();
        if (selected.Length() != 1)
            return "(" + std::to_string(selected.Length()) + " annotations selected)";
        InterfacePtr<INotesAnnotation> note(UIDRef(document->GetDocumentDataBase(), selected.At(0)),
                                            IID_INOTESANNOTATION);
        return note ? note->GetContent().GetUTF8String() : std::string();
    }

    void SelectInDocument() {
        QAction* select = PanelMenuEntry("Select in Document");
        ASSERT_NE(select, nullptr);
        ASSERT_TRUE(select->isEnabled());
        select->trigger();
    }

    // A viewport pixel in the first box of the view's text selection, just under the line's top
    // (above the glyphs); (-1, -1) when none shows.
    QPoint SelectionPixel() {
        LayoutView* view = window->GetLayoutView();
        InterfacePtr<ISelectionManager> selection(
            DocumentManager::Instance().GetLayoutView(window->GetDocument()), IID_ISELECTIONMANAGER);
        UIDRef selected;
        RangeData range;
        if (!selection->GetTextSelection(&selected, &range))
            return QPoint(-1, -1);
        for (const SpreadRenderer::Place& place : SpreadRenderer::PlacesOf(window->GetDocument()))
            for (const PMRect& box :
                 Utils<IFrameUtils>()->GetTextRangeBoxes(place.spread, selected.GetUID(), range)) {
                const QPoint pixel = view->ToPixel(PMPoint(box.GetCenter().X(), box.Top() + 1)).toPoint();
                if (view->viewport()->rect().contains(pixel))
                    return pixel;
            }
        return QPoint(-1, -1);
    }

    // Whether the layout view paints the selected text in the selection's blue.
    bool LayoutShowsTextSelection() {
        const QPoint pixel = SelectionPixel();
        const QImage picture = window->GetLayoutView()->RenderViewport();
        if (!picture.rect().contains(pixel))
            return false;
        const QColor colour = picture.pixelColor(pixel);
        return colour.blue() > colour.red() + 40;
    }
};

TEST_F(NotesWindowScenario, ImportSelectReplyAcceptUndoSaveAndReopen) {
    const QString path = MakeSampleDocument();
    ASSERT_NE(ShowNotes(), nullptr);
    ASSERT_TRUE(ImportThroughDialog(ReviewedProof()));
    EXPECT_GT(responders->GetProgress().CountBegun(), 0) << "the import showed its progress";
    EXPECT_TRUE(window->GetDocument()->GetDocumentDataBase()->IsModified());

    // A click on the underline's row emphasises its words in the layout and shows its details;
    // Select in Document then selects the words.
    const nlohmann::json underline = Comment("Underline");
    const std::string content = underline["contents"];
    const QImage unemphasised = window->GetLayoutView()->RenderViewport();
    Click(Row(QString::fromStdString(content).left(20)));
    const QImage emphasised = window->GetLayoutView()->RenderViewport();
    SelectInDocument();
    EXPECT_EQ(SelectedText(), underline["search"].get<std::string>());
    EXPECT_TRUE(LayoutShowsTextSelection());
    const QPoint word = SelectionPixel();
    EXPECT_NE(unemphasised.pixelColor(word), emphasised.pixelColor(word))
        << "the clicked note's words stand out";
    EXPECT_EQ(NotesWidget<QLabel>(kNotesUIAuthorWidgetID)->text().toStdString(), underline["author"]);
    EXPECT_TRUE(NotesWidget<QLabel>(kNotesUIDateWidgetID)->text().startsWith("2026-11-30"));
    auto* box = NotesWidget<QPlainTextEdit>(kNotesUINoteEditBoxWidgetID);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->toPlainText().toStdString(), content);

    // Typing a reply saves it on the note as it is typed; one Undo takes all of it back.
    const UndoHistory& history = window->GetDocument()->GetDocumentDataBase()->GetUndoHistory();
    const int32 stepsBefore = history.CountUndoSteps();
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, " Ask the archive.");
    EXPECT_EQ(SelectedNoteContent(), content + " Ask the archive.");
    EXPECT_EQ(history.CountUndoSteps(), stepsBefore + 1) << "the typing is one step";
    EXPECT_TRUE(FindAction("actionUndo")->text().startsWith("&Undo "));
    Trigger("actionUndo");
    EXPECT_EQ(SelectedNoteContent(), content);
    EXPECT_EQ(box->toPlainText().toStdString(), content);

    // Accepting the strike-out deletes its words, which the layout then no longer shows.
    const nlohmann::json strikeOut = Comment("StrikeOut");
    const std::string struck = strikeOut["search"];
    Click(Row(QString::fromStdString(strikeOut["contents"].get<std::string>()).left(20)));
    SelectInDocument();
    EXPECT_EQ(SelectedText(), struck);
    const std::string before = StoryText();
    const QImage layoutBefore = window->GetLayoutView()->RenderViewport();
    auto* accept = NotesWidget<QToolButton>(kNotesUIAcceptIconWidgetID);
    ASSERT_NE(accept, nullptr);
    ASSERT_TRUE(accept->isEnabled());
    QTest::mouseClick(accept, Qt::LeftButton);
    EXPECT_EQ(Count(StoryText(), struck), Count(before, struck) - 1);
    EXPECT_EQ(Row(QString::fromStdString(strikeOut["contents"].get<std::string>()).left(20)), nullptr);
    EXPECT_NE(window->GetLayoutView()->RenderViewport(), layoutBefore);

    // Undo brings the words and the edit back.
    Trigger("actionUndo");
    EXPECT_EQ(StoryText(), before);
    EXPECT_NE(Row(QString::fromStdString(strikeOut["contents"].get<std::string>()).left(20)), nullptr);

    // Saved and reopened, the document holds what the window showed.
    const std::vector<QString> rows = RowTexts();
    Trigger("actionSave");
    EXPECT_FALSE(window->GetDocument()->GetDocumentDataBase()->IsModified());
    ASSERT_TRUE(window->CloseDocument());
    EXPECT_TRUE(alerts.GetRequests().empty()) << "a saved document closes without a question";
    ASSERT_TRUE(window->OpenDocument(path));
    ShowNotes();
    EXPECT_EQ(RowTexts(), rows);
    Click(Row(QString::fromStdString(content).left(20)));
    EXPECT_EQ(SelectedNoteContent(), content);
    SelectInDocument();
    EXPECT_EQ(SelectedText(), underline["search"].get<std::string>());
    EXPECT_EQ(StoryText(), before);
}

TEST_F(NotesWindowScenario, TheTreesContextMenuRejectsATextEdit) {
    MakeSampleDocument();
    ShowNotes();
    ASSERT_TRUE(ImportThroughDialog(ReviewedProof()));
    const nlohmann::json strikeOut = Comment("StrikeOut");
    QTreeWidgetItem* row = Row(QString::fromStdString(strikeOut["contents"].get<std::string>()).left(20));
    ASSERT_NE(row, nullptr);
    Click(row);
    SelectInDocument();
    SelectedText();
    const std::string before = StoryText();
    auto chosen = std::make_shared<QString>();
    auto* timer = new QTimer(window.get());
    QObject::connect(timer, &QTimer::timeout, [timer, chosen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        timer->stop();
        for (QAction* action : menu->actions())
            if (action->text() == "Reject" && action->isEnabled()) {
                *chosen = action->text();
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                return;
            }
        menu->close();
    });
    timer->start(10);
    TreeMirror* tree = Tree();
    emit tree->customContextMenuRequested(tree->visualItemRect(row).center());
    EXPECT_EQ(*chosen, "Reject");
    EXPECT_EQ(StoryText(), before) << "rejecting leaves the words";
    EXPECT_EQ(Row(QString::fromStdString(strikeOut["contents"].get<std::string>()).left(20)), nullptr);
}

TEST_F(NotesWindowScenario, WordsSelectedFromThePanelAreScrolledIntoView) {
    MakeSampleDocument();
    ShowNotes();
    ASSERT_TRUE(ImportThroughDialog(ReviewedProof()));
    Trigger("actionZoom800");
    Trigger("actionLastPage");
    Click(Row(QString::fromStdString(Comment("Underline")["contents"].get<std::string>()).left(20)));
    SelectInDocument();
    EXPECT_TRUE(window->GetLayoutView()->viewport()->rect().contains(SelectionPixel()));
    EXPECT_TRUE(LayoutShowsTextSelection());
}

TEST_F(NotesWindowScenario, ThePanelMenuShowsTheActionsStates) {
    MakeSampleDocument();
    ShowNotes();
    ASSERT_TRUE(ImportThroughDialog(ReviewedProof()));
    QAction* accept = PanelMenuEntry("Accept");
    ASSERT_NE(accept, nullptr);
    EXPECT_FALSE(accept->isEnabled()) << "nothing is selected";
    Click(Row(QString::fromStdString(Comment("StrikeOut")["contents"].get<std::string>()).left(20)));
    EXPECT_TRUE(PanelMenuEntry("Accept")->isEnabled());
    Click(Row(QString::fromStdString(Comment("Underline")["contents"].get<std::string>()).left(20)));
    EXPECT_FALSE(PanelMenuEntry("Accept")->isEnabled()) << "an underline is no text edit";
}
} // namespace
