#include "ContextMenuPopup.h"

#include <QMenu>

#include "host/ui/ActionManager.h"

bool ContextMenuPopup::Run(QWidget* parent, const QPoint& globalPosition) {
    ActionManager& actions = ActionManager::Instance();
    const ActionManager::ContextMenu* shown = actions.GetShownContextMenu();
    if (!shown)
        return false;
    QMenu menu(parent);
    menu.setObjectName(QStringLiteral("contextMenu"));
    for (size_t i = 0; i < shown->entries.size(); ++i) {
        const ActionManager::MenuEntry& entry = shown->entries[i];
        if (entry.text == "-") {
            menu.addSeparator()->setData(-1);
            continue;
        }
        QAction* action = menu.addAction(QString::fromStdString(entry.text));
        action->setEnabled(entry.enabled);
        action->setCheckable(entry.checked);
        action->setChecked(entry.checked);
        action->setData(static_cast<int>(i));
    }
    QAction* chosen = menu.exec(globalPosition);
    if (!chosen || chosen->data().toInt() < 0) {
        actions.DismissContextMenu();
        return false;
    }
    return actions.ChooseContextMenuEntry(chosen->data().toInt()) == kSuccess;
}
