// ActionMenu: a menu of the action manager's, by its declared path ("Main:&Type"): each time it is
// about to show, its entries and submenus are read again with their enable and check states;
// choosing an entry runs its action. The entries come in their declared positions.
#pragma once

#include <QMenu>

#include <string>

class ActionMenu : public QMenu {
    Q_OBJECT
public:
    ActionMenu(const std::string& menuPath, QWidget* parent = nullptr);
    const std::string& GetMenuPath() const { return fMenuPath; }
    // Fills the menu afresh from the action manager (done on every aboutToShow).
    void Rebuild();
    // The text a part of a declared menu path shows, translated, with its ampersand kept as
    // the menu's mnemonic.
    static QString ShownText(const std::string& part);
    // The declared paths of the menus directly below a menu ("Main" gives the menu bar's menus).
    static std::vector<std::string> SubmenuPaths(const std::string& menuPath);

signals:
    // An entry's action ran.
    void ActionDone();

private:
    std::string fMenuPath;
};
