// The window's menus and the layout clicks plug-ins take: the Type menu's Clear All Annotations
// from the action manager, the proof export, recent documents, a layout description that cannot
// be read, and a new sticky note made by the create-note toggle and a click on the page.
#include <QAction>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <fstream>

#include "ActionMenu.h"
#include "GuiFixture.h"
#include "LayoutView.h"
#include "TestSupport.h"
#include "host/database/IDataBase.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/document/ILayoutUtils.h"
#include "host/layout/ILayoutControlData.h"
#include "host/objectmodel/ObjectModel.h"

namespace {
class WindowMenus : public GuiTest {
protected:
    // The menu entry with the text below the menu, looked for through its submenus.
    static QAction* Entry(QMenu* menu, const QString& text) {
        if (auto* actions = qobject_cast<ActionMenu*>(menu))
            actions->Rebuild();
        for (QAction* action : menu->actions()) {
            if (action->text() == text)
                return action;
            if (action->menu())
                if (QAction* found = Entry(action->menu(), text))
                    return found;
        }
        return nullptr;
    }
    int NoteRows() {
        int rows = 0;
        for (const QString& row : RowTexts())
            rows += !row.startsWith("Page ");
        return rows;
    }
};

TEST_F(WindowMenus, ClearAllAnnotationsComesFromTheActionManagersTypeMenu) {
    MakeSampleDocument();
    ShowNotes();
    ASSERT_TRUE(ImportThroughDialog(ReviewedProof()));
    ASSERT_GT(NoteRows(), 0);
    auto* type = window->findChild<QMenu*>("menu:Main:&Type");
    ASSERT_NE(type, nullptr) << "the plug-ins' Type menu is on the menu bar";
    QAction* clear = Entry(type, "Clear All Annotations");
    ASSERT_NE(clear, nullptr);
    ASSERT_TRUE(clear->isEnabled());
    const int32 steps = window->GetDocument()->GetDocumentDataBase()->GetUndoHistory().CountUndoSteps();
    alerts.QueueAnswer(1);
    clear->trigger();
    EXPECT_EQ(NoteRows(), 0);
    EXPECT_EQ(window->GetDocument()->GetDocumentDataBase()->GetUndoHistory().CountUndoSteps(), steps + 1);
    Trigger("actionUndo");
    EXPECT_GT(NoteRows(), 0) << "one undo brings every annotation back";
}

TEST_F(WindowMenus, ExportProofWritesAPdfAndNeverOverItsDocument) {
    const QString path = MakeSampleDocument();
    const std::filesystem::path proof = folder / "proof.pdf";
    ASSERT_TRUE(window->ExportProof(QString::fromStdString(proof.string())));
    EXPECT_EQ(TestSupport::ReadFile(proof).substr(0, 5), "%PDF-");
    const std::string document = TestSupport::ReadFile(path.toStdString());
    EXPECT_FALSE(window->ExportProof(path));
    EXPECT_EQ(alerts.GetRequests().size(), 1u);
    EXPECT_EQ(TestSupport::ReadFile(path.toStdString()), document);
}

TEST_F(WindowMenus, RecentDocumentsAreOfferedAndOpenAgain) {
    const QString path = MakeSampleDocument();
    ASSERT_TRUE(window->CloseDocument());
    auto* recent = window->findChild<QMenu*>("menuRecent");
    ASSERT_NE(recent, nullptr);
    emit recent->aboutToShow();
    ASSERT_FALSE(recent->actions().isEmpty());
    EXPECT_EQ(recent->actions().front()->text(), path);
    recent->actions().front()->trigger();
    ASSERT_NE(window->GetDocument(), nullptr);
    EXPECT_EQ(window->GetDocumentPath(), path);
}

TEST_F(WindowMenus, ALayoutDescriptionThatCannotBeReadIsRefused) {
    EXPECT_FALSE(
        window->NewFromLayoutDescription(QString::fromStdString((folder / "missing.json").string())));
    std::ofstream(folder / "bad.json") << "{\"pages\": ";
    EXPECT_FALSE(window->NewFromLayoutDescription(QString::fromStdString((folder / "bad.json").string())));
    EXPECT_EQ(alerts.GetRequests().size(), 2u);
    EXPECT_EQ(window->GetDocument(), nullptr);
}

TEST_F(WindowMenus, TheCreateNoteToggleAndAClickOnThePageMakeASelectedStickyNote) {
    MakeSampleDocument();
    ShowNotes();
    auto* toggle = NotesWidget<QToolButton>(kNotesUICreateNoteWidgetID);
    ASSERT_NE(toggle, nullptr);
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_TRUE(toggle->isChecked());
    InterfacePtr<ILayoutControlData> layout(DocumentManager::Instance().GetLayoutView(window->GetDocument()),
                                            IID_ILAYOUTCONTROLDATA);
    const PMRect page = Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(layout->GetPageRef());
    LayoutView* view = window->GetLayoutView();
    const QPoint onPage = view->ToPixel(PMPoint(page.Left() + 40, page.Top() + 400)).toPoint();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onPage);
    EXPECT_EQ(NoteRows(), 1);
    EXPECT_FALSE(toggle->isChecked()) << "the toggle turns itself off after one note";
    EXPECT_TRUE(window->GetDocument()->GetDocumentDataBase()->IsModified());
}
} // namespace
