#include "PanelDock.h"

#include <QToolButton>
#include <QVBoxLayout>

#include "ActionMenu.h"
#include "PanelForm.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IControlView.h"
#include "host/ui/IPanelControlData.h"
#include "host/ui/IPanelMgr.h"
#include "host/ui/ITextControlData.h"

namespace {
InterfacePtr<IPanelMgr> Panels() {
    return InterfacePtr<IPanelMgr>(GetApplicationObject(), IID_IPANELMGR);
}
} // namespace

PanelDock::PanelDock(WidgetID panelID, QWidget* parent)
    : QDockWidget(TitleOf(panelID), parent), fPanelID(panelID) {
    setObjectName(QStringLiteral("panel-%1").arg(panelID, 0, 16));
    connect(this, &QDockWidget::visibilityChanged, this, &PanelDock::OnVisibilityChanged);
}

QString PanelDock::TitleOf(WidgetID panelID) {
    InterfacePtr<IPanelMgr> panels = Panels();
    InterfacePtr<ITextControlData> title(panels ? panels->GetPanelFromWidgetID(panelID) : nullptr,
                                         IID_ITEXTCONTROLDATA);
    const QString text = title ? QString::fromStdString(title->GetString().GetUTF8String()) : QString();
    return text.isEmpty() ? QStringLiteral("Panel") : text;
}

void PanelDock::ShowPanel() {
    InterfacePtr<IPanelMgr> panels = Panels();
    if (!panels || !panels->ShowPanelByWidgetID(fPanelID))
        return;
    if (!fForm) {
        auto* content = new QWidget(this);
        auto* layout = new QVBoxLayout(content);
        layout->setContentsMargins(0, 0, 0, 0);
        const std::string menuPath = panels->GetPanelMenuPath(fPanelID);
        if (!menuPath.empty()) {
            fMenu = new ActionMenu(menuPath, this);
            connect(fMenu, &ActionMenu::ActionDone, this, &PanelDock::Changed);
            auto* menuButton = new QToolButton(content);
            menuButton->setObjectName(QStringLiteral("panelMenuButton"));
            menuButton->setText(QStringLiteral("\u2630"));
            menuButton->setPopupMode(QToolButton::InstantPopup);
            menuButton->setMenu(fMenu);
            layout->addWidget(menuButton, 0, Qt::AlignRight);
        }
        fForm = new PanelForm(
            InterfacePtr<IPanelControlData>(panels->GetPanelFromWidgetID(fPanelID), IID_IPANELCONTROLDATA),
            content);
        connect(fForm, &PanelForm::Changed, this, &PanelDock::Changed);
        layout->addWidget(fForm, 1);
        setWidget(content);
    }
    show();
    raise();
    fForm->Refresh();
}

void PanelDock::Refresh() {
    if (fForm && isVisible())
        fForm->Refresh();
}

void PanelDock::OnVisibilityChanged(bool visible) {
    // A dock tabbed behind another is hidden from view but stays open; only a closed one hides
    // its panel.
    if (!visible && isHidden()) {
        InterfacePtr<IPanelMgr> panels = Panels();
        if (panels)
            panels->HidePanelByWidgetID(fPanelID);
    }
}
