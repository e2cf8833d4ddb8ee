#include "ActionMenu.h"

#include <algorithm>
#include <map>
#include <set>

#include "host/ui/ActionManager.h"
#include "host/util/PMString.h"

namespace {
std::string ParentPath(const std::string& path) {
    const size_t colon = path.rfind(':');
    return colon == std::string::npos ? std::string() : path.substr(0, colon);
}

std::string LastPart(const std::string& path) {
    const size_t colon = path.rfind(':');
    return colon == std::string::npos ? path : path.substr(colon + 1);
}

// Every menu the declared items name, with the position its own declaration gives it (a
// submenu is declared as "Main:&Type:Name:"), else the position of its first item.
std::map<std::string, double> MenuPositions() {
    std::map<std::string, double> positions;
    for (const ActionManager::MenuItem& item : ActionManager::Instance().GetMenuItems()) {
        if (!item.path.empty() && item.path.back() == ':')
            positions[item.path.substr(0, item.path.size() - 1)] = item.position;
        for (std::string menu = ParentPath(item.path); !menu.empty(); menu = ParentPath(menu))
            positions.emplace(menu, item.position);
    }
    return positions;
}
} // namespace

ActionMenu::ActionMenu(const std::string& menuPath, QWidget* parent)
    : QMenu(ShownText(LastPart(menuPath)), parent), fMenuPath(menuPath) {
    connect(this, &QMenu::aboutToShow, this, &ActionMenu::Rebuild);
}

QString ActionMenu::ShownText(const std::string& part) {
    return QString::fromStdString(PMString(part.c_str(), PMString::kTranslateDuringCall).GetUTF8String());
}

std::vector<std::string> ActionMenu::SubmenuPaths(const std::string& menuPath) {
    std::vector<std::pair<double, std::string>> menus;
    for (const auto& [path, position] : MenuPositions())
        if (ParentPath(path) == menuPath)
            menus.emplace_back(position, path);
    std::stable_sort(menus.begin(), menus.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> paths;
    for (const auto& menu : menus)
        paths.push_back(menu.second);
    return paths;
}

void ActionMenu::Rebuild() {
    clear();
    ActionManager& actions = ActionManager::Instance();
    // PrepareMenu answers the entries in the order GetMenuItems lists them, so the two line up.
    std::vector<double> positions;
    for (const ActionManager::MenuItem& item : actions.GetMenuItems())
        if (ParentPath(item.path) == fMenuPath)
            positions.push_back(item.position);
    const std::vector<ActionManager::MenuEntry> entries = actions.PrepareMenu(fMenuPath);
    struct Row {
        double position;
        const ActionManager::MenuEntry* entry;
        std::string submenu;
    };
    std::vector<Row> rows;
    for (size_t i = 0; i < entries.size(); ++i)
        if (!entries[i].text.empty()) // a submenu's own declaration shows as its menu below
            rows.push_back({i < positions.size() ? positions[i] : 0.0, &entries[i], std::string()});
    const std::map<std::string, double> menuPositions = MenuPositions();
    for (const std::string& submenu : SubmenuPaths(fMenuPath))
        rows.push_back({menuPositions.at(submenu), nullptr, submenu});
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.position < b.position; });
    for (const Row& row : rows) {
        if (!row.entry) {
            auto* submenu = new ActionMenu(row.submenu, this);
            connect(submenu, &ActionMenu::ActionDone, this, &ActionMenu::ActionDone);
            addMenu(submenu);
            continue;
        }
        if (row.entry->text == "-") {
            addSeparator();
            continue;
        }
        QAction* action = addAction(QString::fromStdString(row.entry->text));
        action->setEnabled(row.entry->enabled);
        action->setCheckable(row.entry->checked);
        action->setChecked(row.entry->checked);
        const ActionID id = row.entry->action;
        connect(action, &QAction::triggered, this, [this, id] {
            ActionManager::Instance().DoAction(id);
            emit ActionDone();
        });
    }
}
