// MainWindow: the desktop window of pagehost: one document's layout view, the declared panels as
// docks, the dialogs plug-ins open, and the menus: File, Edit (undo and redo by the command
// names), View (zoom and pages), the plug-ins' menus from the action manager, and Window (the
// panels). Alerts and questions go through the host's CAlert, so the installed responder
// answers them.
#pragma once

#include <QMainWindow>

#include <string>
#include <vector>

#include "RecentFiles.h"
#include "host/objectmodel/ObjectIDs.h"

class DialogWindow;
class IDocument;
class LayoutView;
class PanelDock;
class QAction;
class QLabel;
class QMenu;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens a document file in the window, the one shown before closed first (asking about its
    // unsaved changes); false, after saying why, when it cannot be opened or the user kept the
    // document shown.
    bool OpenDocument(const QString& path);
    // Makes a document from a layout description file; it has no file until saved.
    bool NewFromLayoutDescription(const QString& path);
    // Closes the document, asking first about unsaved changes; false when the user cancelled.
    bool CloseDocument();
    // Saves over the document's file (asks for one when it has none); false when not saved.
    bool Save();
    bool SaveAs(const QString& path);
    bool ExportProof(const QString& path);
    void Undo();
    void Redo();

    IDocument* GetDocument() const { return fDocument; }
    QString GetDocumentPath() const { return fPath; }
    LayoutView* GetLayoutView() const { return fView; }
    // The dock of a declared panel, or nullptr.
    PanelDock* FindPanelDock(WidgetID panelID) const;
    const std::vector<PanelDock*>& GetPanelDocks() const { return fDocks; }
    // The windows of the dialogs open now.
    std::vector<DialogWindow*> GetDialogWindows() const;

public slots:
    // Shows everything as the host holds it after a gesture: the layout, the panels, the open
    // dialogs (new ones get a window), the title and the undo and redo entries.
    void Refresh();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildFileMenu();
    void BuildEditMenu();
    void BuildViewMenu();
    void BuildPlugInMenus();
    void BuildWindowMenu();
    void FillRecentMenu();
    void ShowDocument(IDocument* document, const QString& path);
    void ShowOpenDialogs();
    // Cancels the open dialogs (their windows go at the next refresh).
    void CancelDialogs();
    void UpdateTitle();
    void UpdateEditActions();
    void UpdateStatus();
    bool AskToSaveChanges();
    void AskOpen();
    void AskNewFromLayout();
    void AskSaveAs();
    void AskExportProof();
    QAction* AddAction(QMenu* menu, const QString& text, const char* name, const QKeySequence& keys = {});

    LayoutView* fView = nullptr;
    std::vector<PanelDock*> fDocks;
    std::vector<DialogWindow*> fDialogs;
    IDocument* fDocument = nullptr;
    QString fPath;
    RecentFiles fRecent;
    QMenu* fRecentMenu = nullptr;
    QMenu* fWindowMenu = nullptr;
    QAction* fUndo = nullptr;
    QAction* fRedo = nullptr;
    QLabel* fStatus = nullptr;
    bool fRefreshing = false;
};
