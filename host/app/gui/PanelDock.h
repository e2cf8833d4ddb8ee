// PanelDock: a panel the panel manager declares, docked beside the layout view. Showing the dock
// shows the panel (made on first use), hiding it hides the panel; the panel's own menu, when it
// has one, opens from the button at its top.
#pragma once

#include <QDockWidget>

#include "host/objectmodel/ObjectIDs.h"

class ActionMenu;
class PanelForm;
class QToolButton;

class PanelDock : public QDockWidget {
    Q_OBJECT
public:
    PanelDock(WidgetID panelID, QWidget* parent = nullptr);
    WidgetID GetPanelID() const { return fPanelID; }
    // The panel's title, as its widget holds it.
    static QString TitleOf(WidgetID panelID);
    // Shows the panel and the dock (the panel's widgets drawn on first show).
    void ShowPanel();
    // The panel's widgets, or nullptr until the panel was first shown.
    PanelForm* GetForm() const { return fForm; }
    ActionMenu* GetPanelMenu() const { return fMenu; }
    void Refresh();

signals:
    // The user changed something through the panel.
    void Changed();

private:
    void OnVisibilityChanged(bool visible);

    WidgetID fPanelID;
    PanelForm* fForm = nullptr;
    ActionMenu* fMenu = nullptr;
};
