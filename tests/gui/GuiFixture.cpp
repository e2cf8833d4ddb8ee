#include "GuiFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <cstdlib>
#include <functional>

#include "ActionMenu.h"
#include "DialogWindow.h"
#include "LayoutView.h"
#include "TestSupport.h"
#include "TreeMirror.h"
#include "host/Host.h"
#include "host/document/DocumentManager.h"
#include "host/notify/ServiceRegistry.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/objectmodel/PlugInLoader.h"
#include "host/selection/ISelectionManager.h"
#include "host/text/ITextModel.h"
#include "host/ui/IDialog.h"

namespace {
QApplication* Application() {
    static int argc = 1;
    static char name[] = "gui_tests";
    static char* argv[] = {name, nullptr};
    // The file chooser remembers its last folder and history in the user's settings; each test
    // process starts from none, so that what one run left behind cannot change how the next one's
    // chooser opens.
    static const std::string settings = TestSupport::MakeTempDir("gui-settings").string();
    setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
    static QApplication* application = new QApplication(argc, argv);
    return application;
}

// Calls the function once the next modal widget of the class shows and its own event loop runs,
// and again while that widget stays up, within thirty seconds. A dialog's exec() shows it before it
// starts that loop, and showing may process timers: an answer given then closes the dialog before
// exec() waits on it, which then waits for ever. A loaded machine may also ignore a first answer
// (a file chooser still reading its folder).
template <class T> void WhenShown(std::function<void(T*)> act) {
    struct Watch {
        int ticks = 0;
        bool answered = false;
        QPointer<T> widget;
    };
    auto* timer = new QTimer;
    auto watch = std::make_shared<Watch>();
    const int outerLoops = QThread::currentThread()->loopLevel();
    const auto stop = [timer] {
        timer->stop();
        timer->deleteLater();
    };
    QObject::connect(timer, &QTimer::timeout, [watch, act, outerLoops, stop] {
        auto* widget = qobject_cast<T*>(QApplication::activeModalWidget());
        const bool waiting = widget && QThread::currentThread()->loopLevel() > outerLoops;
        if (++watch->ticks > 3000) // thirty seconds: a loaded machine shows dialogs late
            stop();
        else if (watch->answered && (watch->widget.isNull() || widget != watch->widget.data()))
            stop();
        else if (waiting && (!watch->answered || watch->ticks % 50 == 0)) {
            watch->answered = true;
            watch->widget = widget;
            act(widget);
        }
    });
    timer->start(10);
}

std::string Utf8(const WideString& text) {
    return PMString(text).GetUTF8String();
}
} // namespace

void GuiTest::SetUpTestSuite() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1); // never a real display, whatever the session has
    Application();
    Host::Initialize();
    if (PlugInLoader::Instance().GetLoadedPlugIns().size() < 3) {
        PlugInLoader::Instance().LoadFolder(Host::DefaultPlugInFolder());
        ServiceRegistry::Instance().StartUpServices(); // as the host does once every plug-in is loaded
    }
}

void GuiTest::SetUp() {
    folder = TestSupport::MakeTempDir("gui");
    setenv("PAGEHOST_HOME", (folder / "home").c_str(), 1);
    responders = std::make_unique<GuiResponders>(false);
    scopedAlerts = std::make_unique<ScopedAlertResponder>(&alerts);
    window = std::make_unique<MainWindow>();
    window->show();
}

void GuiTest::TearDown() {
    window.reset();
    scopedAlerts.reset();
    responders.reset();
}

std::filesystem::path GuiTest::SampleLayout() {
    return TestSupport::SourceDir() / "examples" / "sample.json";
}

std::filesystem::path GuiTest::ReviewedProof() {
    return TestSupport::SourceDir() / "examples" / "reviewed.pdf";
}

QString GuiTest::MakeSampleDocument() {
    const QString path = QString::fromStdString((folder / "sample.phd").string());
    EXPECT_TRUE(window->NewFromLayoutDescription(QString::fromStdString(SampleLayout().string())));
    EXPECT_TRUE(window->SaveAs(path));
    return path;
}

QAction* GuiTest::FindAction(const QString& objectName) const {
    return window->findChild<QAction*>(objectName);
}

void GuiTest::Trigger(const char* actionName) {
    QAction* action = FindAction(QString::fromLatin1(actionName));
    ASSERT_NE(action, nullptr) << actionName;
    action->trigger();
}

PanelForm* GuiTest::ShowNotes() {
    QAction* show = FindAction(QStringLiteral("actionPanel-%1").arg(kNotesUIPanelWidgetID, 0, 16));
    EXPECT_NE(show, nullptr);
    if (show && !show->isChecked())
        show->trigger();
    PanelDock* dock = window->FindPanelDock(kNotesUIPanelWidgetID);
    return dock ? dock->GetForm() : nullptr;
}

TreeMirror* GuiTest::Tree() {
    PanelDock* dock = window->FindPanelDock(kNotesUIPanelWidgetID);
    return dock && dock->GetForm() && !dock->GetForm()->GetTrees().empty()
               ? dock->GetForm()->GetTrees().front()
               : nullptr;
}

void GuiTest::ExpandPages() {
    TreeMirror* tree = Tree();
    // Each expansion rebuilds the rows, so the next collapsed one is looked up afresh.
    for (bool expanded = true; tree && expanded;) {
        expanded = false;
        for (int i = 0; i < tree->topLevelItemCount() && !expanded; ++i)
            if (QTreeWidgetItem* page = tree->topLevelItem(i); !page->isExpanded()) {
                page->setExpanded(true);
                expanded = true;
            }
    }
}

QTreeWidgetItem* GuiTest::Row(const QString& prefix) {
    ExpandPages();
    TreeMirror* tree = Tree();
    if (!tree)
        return nullptr;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->text(0).startsWith(prefix))
            return *it;
    return nullptr;
}

std::vector<QString> GuiTest::RowTexts() {
    ExpandPages();
    std::vector<QString> rows;
    if (TreeMirror* tree = Tree())
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            rows.push_back((*it)->text(0));
    return rows;
}

void GuiTest::Click(QTreeWidgetItem* row) {
    ASSERT_NE(row, nullptr);
    TreeMirror* tree = Tree();
    tree->scrollToItem(row);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(row).center());
}

QAction* GuiTest::PanelMenuEntry(const QString& text) {
    PanelDock* dock = window->FindPanelDock(kNotesUIPanelWidgetID);
    ActionMenu* menu = dock ? dock->GetPanelMenu() : nullptr;
    if (!menu)
        return nullptr;
    menu->Rebuild();
    for (QAction* action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

bool GuiTest::ImportThroughDialog(const std::filesystem::path& pdf) {
    QAction* import = PanelMenuEntry(QStringLiteral("Import Annotations..."));
    if (!import) {
        ADD_FAILURE() << "the panel menu has no import entry";
        return false;
    }
    import->trigger();
    if (window->GetDialogWindows().size() != 1) {
        ADD_FAILURE() << "the import dialog did not show";
        return false;
    }
    DialogWindow* dialog = window->GetDialogWindows().front();
    auto* chooser = qobject_cast<QComboBox*>(dialog->GetForm()->FindWidget(kNotesUIPDFChooserWidgetID));
    const int browse = chooser ? chooser->findText(QStringLiteral("Browse...")) : -1;
    if (browse < 0) {
        ADD_FAILURE() << "the PDF list offers no Browse entry";
        return false;
    }
    AnswerFileChooser(QString::fromStdString(pdf.string()));
    emit chooser->activated(browse);
    auto* importButton = qobject_cast<QPushButton*>(dialog->GetForm()->FindWidget(kOKButtonWidgetID));
    if (!importButton || !importButton->isEnabled()) {
        ADD_FAILURE() << "the Import button cannot be clicked";
        return false;
    }
    QTest::mouseClick(importButton, Qt::LeftButton);
    return window->GetDialogWindows().empty();
}

void GuiTest::AnswerFileChooser(const QString& file) {
    WhenShown<QFileDialog>([file](QFileDialog* chooser) {
        if (file.isEmpty()) {
            chooser->reject();
            return;
        }
        // Typed as a person would: selecting the file in a folder the chooser is still reading
        // selects nothing.
        if (auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(file);
        else
            chooser->selectFile(file);
        QMetaObject::invokeMethod(chooser, "accept"); // protected in QFileDialog
    });
}

std::string GuiTest::SelectedText() const {
    InterfacePtr<ISelectionManager> selection(
        DocumentManager::Instance().GetLayoutView(window->GetDocument()), IID_ISELECTIONMANAGER);
    UIDRef selected;
    RangeData range;
    if (!selection || !selection->GetTextSelection(&selected, &range))
        return std::string();
    story = selected.GetUID();
    InterfacePtr<ITextModel> model(selected, IID_ITEXTMODEL);
    return model ? Utf8(model->GetText(range.Start(), range.Length())) : std::string();
}

std::string GuiTest::StoryText() const {
    InterfacePtr<ITextModel> model(UIDRef(window->GetDocument()->GetDocumentDataBase(), story),
                                   IID_ITEXTMODEL);
    return model ? Utf8(model->GetText(0, model->TotalLength())) : std::string();
}

QString GuiTest::AnswerNextMessageBox(const std::function<void()>& run) {
    auto text = std::make_shared<QString>();
    WhenShown<QMessageBox>([text](QMessageBox* box) {
        *text = box->text();
        box->buttons().front()->click();
    });
    run();
    return *text;
}

// Under LeakSanitizer: the system's font configuration library, which Qt's font database loads, keeps
// its caches for the life of the process; that is the library's way, not a leak of ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
