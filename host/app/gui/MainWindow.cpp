#include "MainWindow.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include <filesystem>

#include "ActionMenu.h"
#include "DialogWindow.h"
#include "LayoutView.h"
#include "PanelDock.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/document/LayoutBuilder.h"
#include "host/document/LayoutParser.h"
#include "host/graphics/PdfExporter.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/CAlert.h"
#include "host/ui/IDialog.h"
#include "host/ui/IDialogMgr.h"
#include "host/ui/IPanelMgr.h"

namespace {
// The menus the window makes itself; a plug-in's menu of another name gets its own menu.
const char* const kOwnMenus[] = {"Main:&File", "Main:&Edit", "Main:&View", "Main:&Window"};

void Alert(const std::string& message) {
    CAlert::ErrorAlert(PMString(message.c_str()));
}

bool SamePath(const QString& a, const QString& b) {
    std::error_code error;
    return !a.isEmpty() && !b.isEmpty() &&
           std::filesystem::equivalent(a.toStdString(), b.toStdString(), error) && !error;
}
} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), fView(new LayoutView(this)) {
    setObjectName(QStringLiteral("mainWindow"));
    setCentralWidget(fView);
    connect(fView, &LayoutView::Changed, this, &MainWindow::Refresh);
    connect(fView, &LayoutView::ZoomChanged, this, &MainWindow::UpdateStatus);
    InterfacePtr<IPanelMgr> panels(GetApplicationObject(), IID_IPANELMGR);
    for (WidgetID id : panels ? panels->GetPanelWidgetIDs() : std::vector<WidgetID>()) {
        auto* dock = new PanelDock(id, this);
        connect(dock, &PanelDock::Changed, this, &MainWindow::Refresh);
        addDockWidget(Qt::RightDockWidgetArea, dock);
        dock->hide();
        fDocks.push_back(dock);
    }
    BuildFileMenu();
    BuildEditMenu();
    BuildViewMenu();
    BuildPlugInMenus();
    BuildWindowMenu();
    fStatus = new QLabel(this);
    statusBar()->addPermanentWidget(fStatus);
    resize(1200, 820);
    Refresh();
}

MainWindow::~MainWindow() {
    fRefreshing = true; // nothing is drawn again while the window goes
    CancelDialogs();
    if (fDocument) {
        fView->SetDocument(nullptr);
        DocumentManager::Instance().CloseDocument(fDocument);
    }
}

QAction* MainWindow::AddAction(QMenu* menu, const QString& text, const char* name, const QKeySequence& keys) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    if (!keys.isEmpty())
        action->setShortcut(keys);
    return action;
}

void MainWindow::BuildFileMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    connect(AddAction(file, tr("New from Layout Description..."), "actionNew", QKeySequence::New),
            &QAction::triggered, this, &MainWindow::AskNewFromLayout);
    connect(AddAction(file, tr("&Open..."), "actionOpen", QKeySequence::Open), &QAction::triggered, this,
            &MainWindow::AskOpen);
    fRecentMenu = file->addMenu(tr("Open &Recent"));
    fRecentMenu->setObjectName(QStringLiteral("menuRecent"));
    connect(fRecentMenu, &QMenu::aboutToShow, this, &MainWindow::FillRecentMenu);
    file->addSeparator();
    connect(AddAction(file, tr("&Export Proof PDF..."), "actionExportProof"), &QAction::triggered, this,
            &MainWindow::AskExportProof);
    file->addSeparator();
    connect(AddAction(file, tr("&Save"), "actionSave", QKeySequence::Save), &QAction::triggered, this,
            &MainWindow::Save);
    connect(AddAction(file, tr("Save &As..."), "actionSaveAs", QKeySequence::SaveAs), &QAction::triggered,
            this, &MainWindow::AskSaveAs);
    connect(AddAction(file, tr("&Close"), "actionClose", QKeySequence::Close), &QAction::triggered, this,
            &MainWindow::CloseDocument);
    file->addSeparator();
    connect(AddAction(file, tr("&Quit"), "actionQuit", QKeySequence::Quit), &QAction::triggered, this,
            &QWidget::close);
}

void MainWindow::BuildEditMenu() {
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    fUndo = AddAction(edit, tr("&Undo"), "actionUndo", QKeySequence::Undo);
    fRedo = AddAction(edit, tr("&Redo"), "actionRedo", QKeySequence::Redo);
    connect(fUndo, &QAction::triggered, this, &MainWindow::Undo);
    connect(fRedo, &QAction::triggered, this, &MainWindow::Redo);
    connect(edit, &QMenu::aboutToShow, this, &MainWindow::UpdateEditActions);
}

void MainWindow::BuildViewMenu() {
    QMenu* view = menuBar()->addMenu(tr("&View"));
    connect(AddAction(view, tr("Fit &Page"), "actionFitPage", QKeySequence(Qt::CTRL | Qt::Key_0)),
            &QAction::triggered, fView, &LayoutView::FitPage);
    connect(
        AddAction(view, tr("Fit &Spread"), "actionFitSpread", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_0)),
        &QAction::triggered, fView, &LayoutView::FitSpread);
    connect(AddAction(view, tr("Zoom &In"), "actionZoomIn", QKeySequence::ZoomIn), &QAction::triggered, this,
            [this] { fView->SetZoom(fView->GetZoom() * 1.25); });
    connect(AddAction(view, tr("Zoom &Out"), "actionZoomOut", QKeySequence::ZoomOut), &QAction::triggered,
            this, [this] { fView->SetZoom(fView->GetZoom() / 1.25); });
    view->addSeparator();
    for (int percent : {50, 100, 200, 400, 800}) {
        const QByteArray name = "actionZoom" + QByteArray::number(percent);
        connect(AddAction(view, QStringLiteral("%1 %").arg(percent), name.constData()), &QAction::triggered,
                this, [this, percent] { fView->SetZoom(percent / 100.0); });
    }
    view->addSeparator();
    connect(AddAction(view, tr("&First Page"), "actionFirstPage", QKeySequence(Qt::CTRL | Qt::Key_Home)),
            &QAction::triggered, this, [this] { fView->ShowPage(0); });
    connect(AddAction(view, tr("P&revious Page"), "actionPreviousPage", QKeySequence(Qt::Key_PageUp)),
            &QAction::triggered, this, [this] { fView->ShowPage(fView->GetPageIndex() - 1); });
    connect(AddAction(view, tr("&Next Page"), "actionNextPage", QKeySequence(Qt::Key_PageDown)),
            &QAction::triggered, this, [this] { fView->ShowPage(fView->GetPageIndex() + 1); });
    connect(AddAction(view, tr("&Last Page"), "actionLastPage", QKeySequence(Qt::CTRL | Qt::Key_End)),
            &QAction::triggered, this, [this] { fView->ShowPage(fView->CountPages() - 1); });
}

void MainWindow::BuildPlugInMenus() {
    for (const std::string& path : ActionMenu::SubmenuPaths("Main")) {
        if (std::find(std::begin(kOwnMenus), std::end(kOwnMenus), path) != std::end(kOwnMenus))
            continue;
        auto* menu = new ActionMenu(path, this);
        menu->setObjectName(QString::fromStdString("menu:" + path));
        connect(menu, &ActionMenu::ActionDone, this, &MainWindow::Refresh);
        menuBar()->addMenu(menu);
    }
}

void MainWindow::BuildWindowMenu() {
    fWindowMenu = menuBar()->addMenu(tr("&Window"));
    for (PanelDock* dock : fDocks) {
        QAction* action = fWindowMenu->addAction(PanelDock::TitleOf(dock->GetPanelID()));
        action->setObjectName(QStringLiteral("actionPanel-%1").arg(dock->GetPanelID(), 0, 16));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, dock](bool show) {
            if (show)
                dock->ShowPanel();
            else
                dock->close();
            Refresh();
        });
        connect(fWindowMenu, &QMenu::aboutToShow, action,
                [action, dock] { action->setChecked(dock->isVisible()); });
    }
}

void MainWindow::FillRecentMenu() {
    fRecentMenu->clear();
    for (const QString& path : fRecent.GetPaths())
        connect(fRecentMenu->addAction(path), &QAction::triggered, this,
                [this, path] { OpenDocument(path); });
    fRecentMenu->setEnabled(true);
    if (fRecentMenu->isEmpty())
        fRecentMenu->addAction(tr("No recent documents"))->setEnabled(false);
}

bool MainWindow::AskToSaveChanges() {
    if (!fDocument || !fDocument->GetDocumentDataBase()->IsModified())
        return true;
    const std::string name = fDocument->GetName().GetUTF8String();
    const int16 answer =
        CAlert::ModalAlert(PMString(("Save the changes to " + name + " before closing it?").c_str()),
                           PMString("Save"), PMString("Don't Save"), PMString(CAlert::kCancelString), 1, 3);
    if (answer == 3)
        return false;
    return answer == 2 || Save();
}

bool MainWindow::CloseDocument() {
    if (!fDocument)
        return true;
    if (!AskToSaveChanges())
        return false;
    CancelDialogs();
    IDocument* document = fDocument;
    ShowDocument(nullptr, QString());
    DocumentManager::Instance().CloseDocument(document);
    Refresh();
    return true;
}

bool MainWindow::OpenDocument(const QString& path) {
    if (fDocument && SamePath(path, fPath)) {
        Alert("The document " + path.toStdString() + " is open in this window already.");
        return false;
    }
    if (!CloseDocument())
        return false;
    DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(path.toStdString());
    if (!opened.document) {
        Alert(opened.message);
        return false;
    }
    fRecent.Add(path);
    ShowDocument(opened.document, QFileInfo(path).absoluteFilePath());
    return true;
}

bool MainWindow::NewFromLayoutDescription(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Alert("The layout description " + path.toStdString() + " cannot be read.");
        return false;
    }
    const LayoutParser::Result parsed = LayoutParser::Parse(file.readAll().toStdString());
    if (!parsed.ok) {
        Alert(parsed.Message());
        return false;
    }
    if (!CloseDocument())
        return false;
    const LayoutBuilder::Result built = LayoutBuilder::Build(parsed.description);
    if (built.error != kSuccess) {
        Alert(built.message);
        return false;
    }
    ShowDocument(built.document, QString());
    return true;
}

void MainWindow::ShowDocument(IDocument* document, const QString& path) {
    fDocument = document;
    fPath = path;
    if (document)
        DocumentManager::Instance().SetFrontDocument(document);
    fView->SetDocument(document);
    Refresh();
}

bool MainWindow::Save() {
    if (!fDocument)
        return false;
    if (fPath.isEmpty()) {
        const QString path = QFileDialog::getSaveFileName(this, tr("Save Document"), QString(),
                                                          tr("pagehost documents (*.phd)"));
        return !path.isEmpty() && SaveAs(path);
    }
    std::string message;
    if (DocumentManager::Instance().SaveDocument(fDocument, &message) != kSuccess) {
        Alert(message);
        return false;
    }
    Refresh();
    return true;
}

bool MainWindow::SaveAs(const QString& path) {
    if (!fDocument)
        return false;
    std::string message;
    if (DocumentManager::Instance().SaveDocumentAs(fDocument, path.toStdString(), &message) != kSuccess) {
        Alert(message);
        return false;
    }
    fPath = QFileInfo(path).absoluteFilePath();
    fRecent.Add(fPath);
    Refresh();
    return true;
}

bool MainWindow::ExportProof(const QString& path) {
    if (!fDocument)
        return false;
    if (SamePath(path, fPath)) {
        Alert("The proof cannot be written over its own document " + path.toStdString() + ".");
        return false;
    }
    const PdfExporter::Result result =
        PdfExporter::Export(fDocument->GetDocumentDataBase(), path.toStdString(), PdfExporter::kPages);
    if (result.error != kSuccess) {
        Alert(result.message);
        return false;
    }
    return true;
}

void MainWindow::Undo() {
    if (fDocument && fDocument->GetDocumentDataBase()->GetUndoHistory().CanUndo())
        fDocument->GetDocumentDataBase()->GetUndoHistory().Undo();
    Refresh();
}

void MainWindow::Redo() {
    if (fDocument && fDocument->GetDocumentDataBase()->GetUndoHistory().CanRedo())
        fDocument->GetDocumentDataBase()->GetUndoHistory().Redo();
    Refresh();
}

void MainWindow::CancelDialogs() {
    for (DialogWindow* window : fDialogs)
        if (window->GetDialog()->IsOpen())
            window->GetDialog()->PressCancel();
}

PanelDock* MainWindow::FindPanelDock(WidgetID panelID) const {
    for (PanelDock* dock : fDocks)
        if (dock->GetPanelID() == panelID)
            return dock;
    return nullptr;
}

std::vector<DialogWindow*> MainWindow::GetDialogWindows() const {
    return fDialogs;
}

void MainWindow::Refresh() {
    // A dialog closing or a progress dialog can bring events in while refreshing; one pass at a time.
    if (fRefreshing)
        return;
    fRefreshing = true;
    // The application's idle time: commands plug-ins scheduled during the gesture run now.
    CmdUtils::ProcessScheduledCmds();
    fView->Refresh();
    for (PanelDock* dock : fDocks)
        dock->Refresh();
    ShowOpenDialogs();
    UpdateTitle();
    UpdateEditActions();
    UpdateStatus();
    fRefreshing = false;
}

void MainWindow::ShowOpenDialogs() {
    for (auto it = fDialogs.begin(); it != fDialogs.end();) {
        (*it)->Refresh();
        if ((*it)->GetDialog()->IsOpen()) {
            ++it;
            continue;
        }
        (*it)->hide();
        (*it)->deleteLater();
        it = fDialogs.erase(it);
    }
    InterfacePtr<IDialogMgr> dialogs(GetApplicationObject(), IID_IDIALOGMGR);
    for (IDialog* dialog : dialogs ? dialogs->GetOpenDialogs() : std::vector<IDialog*>()) {
        const bool shown = std::any_of(fDialogs.begin(), fDialogs.end(), [dialog](DialogWindow* window) {
            return window->GetDialog() == dialog;
        });
        if (shown)
            continue;
        auto* window = new DialogWindow(dialog, this);
        connect(window, &DialogWindow::Changed, this, &MainWindow::Refresh);
        fDialogs.push_back(window);
        window->open();
    }
}

void MainWindow::UpdateTitle() {
    if (!fDocument) {
        setWindowTitle(QStringLiteral("pagehost"));
        return;
    }
    const QString name = QString::fromStdString(fDocument->GetName().GetUTF8String());
    const bool modified = fDocument->GetDocumentDataBase()->IsModified();
    setWindowTitle(
        QStringLiteral("%1%2 - pagehost").arg(name.isEmpty() ? tr("Untitled") : name, modified ? "*" : ""));
}

void MainWindow::UpdateEditActions() {
    UndoHistory* history = fDocument ? &fDocument->GetDocumentDataBase()->GetUndoHistory() : nullptr;
    const bool canUndo = history && history->CanUndo();
    const bool canRedo = history && history->CanRedo();
    fUndo->setEnabled(canUndo);
    fRedo->setEnabled(canRedo);
    fUndo->setText(canUndo
                       ? tr("&Undo %1").arg(QString::fromStdString(history->GetUndoName().GetUTF8String()))
                       : tr("&Undo"));
    fRedo->setText(canRedo
                       ? tr("&Redo %1").arg(QString::fromStdString(history->GetRedoName().GetUTF8String()))
                       : tr("&Redo"));
}

void MainWindow::UpdateStatus() {
    if (!fStatus)
        return;
    const int32 page = fView->GetPageIndex();
    fStatus->setText(fDocument ? tr("Page %1 of %2   %3 %")
                                     .arg(page + 1)
                                     .arg(fView->CountPages())
                                     .arg(qRound(fView->GetZoom() * 100))
                               : QString());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (CloseDocument())
        event->accept();
    else
        event->ignore();
}

void MainWindow::AskOpen() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Document"), QString(),
                                                      tr("pagehost documents (*.phd);;All files (*)"));
    if (!path.isEmpty())
        OpenDocument(path);
}

void MainWindow::AskNewFromLayout() {
    const QString path = QFileDialog::getOpenFileName(this, tr("New from Layout Description"), QString(),
                                                      tr("Layout descriptions (*.json)"));
    if (!path.isEmpty())
        NewFromLayoutDescription(path);
}

void MainWindow::AskSaveAs() {
    if (!fDocument)
        return;
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Save Document As"), fPath, tr("pagehost documents (*.phd)"));
    if (!path.isEmpty())
        SaveAs(path);
}

void MainWindow::AskExportProof() {
    if (!fDocument)
        return;
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Export Proof PDF"), QString(), tr("PDF (*.pdf)"));
    if (!path.isEmpty())
        ExportProof(path);
}
