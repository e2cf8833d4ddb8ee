// ContextMenuPopup: shows the context menu a plug-in popped up in the action manager (after a
// right-click was dispatched) as a real menu at a screen point, and hands the choice back.
#pragma once

#include <QPoint>

class QWidget;

class ContextMenuPopup {
public:
    // Shows the action manager's shown context menu, if any, and chooses the entry picked or
    // dismisses it; true when an entry's action ran.
    static bool Run(QWidget* parent, const QPoint& globalPosition);
};
