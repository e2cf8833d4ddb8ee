// GuiFixture: the desktop window for one test, offscreen, with both plug-ins loaded from the
// build's plugins folder, a private application document folder, and helpers that act as a user
// would: menu items, clicks on tree rows and buttons, typing, and the import dialog driven
// through its drop-down list, the real file chooser and its Import button.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTreeWidgetItem>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "GuiResponders.h"
#include "MainWindow.h"
#include "host/database/UID.h"
#include "host/ui/ScriptedAlertResponder.h"

class PanelForm;
class QAction;
class QWidget;
class TreeMirror;

class GuiTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The sample layout description made into a document through File > New, saved in the
    // test's folder; its path.
    QString MakeSampleDocument();
    // The window's action with the object name (a menu item), triggered as a click does.
    void Trigger(const char* actionName);
    QAction* FindAction(const QString& objectName) const;
    // Shows the Notes panel through the Window menu; its widgets.
    PanelForm* ShowNotes();
    TreeMirror* Tree();
    // Opens every page row of the tree, as clicks on their expanders do.
    void ExpandPages();
    // The tree row whose text starts with the prefix (the pages opened first), or nullptr.
    QTreeWidgetItem* Row(const QString& prefix);
    std::vector<QString> RowTexts();
    // A left click in the middle of the row.
    void Click(QTreeWidgetItem* row);
    // The Qt widget of the Notes panel's widget.
    template <class T> T* NotesWidget(WidgetID id);
    // The panel menu's entry with the text, its states read afresh, or nullptr.
    QAction* PanelMenuEntry(const QString& text);
    // Runs the panel menu's import entry, chooses the PDF through the dialog's Browse entry and
    // the file chooser, and clicks Import; false when the dialog did not close.
    bool ImportThroughDialog(const std::filesystem::path& pdf);
    // Answers the next file chooser with the file, or cancels it when the file is empty.
    static void AnswerFileChooser(const QString& file);
    // The text of the story the layout view has selected characters in, and those characters.
    std::string SelectedText() const;
    std::string StoryText() const;
    // The first message box shown while the function runs, answered with its first button.
    QString AnswerNextMessageBox(const std::function<void()>& run);

    static std::filesystem::path SampleLayout();
    static std::filesystem::path ReviewedProof();

    std::filesystem::path folder;
    std::unique_ptr<GuiResponders> responders;
    ScriptedAlertResponder alerts;
    std::unique_ptr<ScopedAlertResponder> scopedAlerts;
    std::unique_ptr<MainWindow> window;
    // The story of the last text selection read, kept for reading its text after edits.
    mutable UID story = kInvalidUID;
};

#include "PanelDock.h"
#include "PanelForm.h"
#include "QuillpaneID.h"

template <class T> T* GuiTest::NotesWidget(WidgetID id) {
    PanelDock* dock = window->FindPanelDock(kNotesUIPanelWidgetID);
    return dock && dock->GetForm() ? qobject_cast<T*>(dock->GetForm()->FindWidget(id)) : nullptr;
}
