#include "NotesUIPanelMenus.h"

#include <iterator>
#include <string>

#include "QuillpaneID.h"

namespace {
constexpr const char* kKeyboardArea = "Panel Menus:Notes";
constexpr double kNotInMenu = 0.0;

// One action: its name (also the text of its menu items) and its places; a position ending in .5
// puts a separator before the item.
struct PanelAction {
    ActionID id;
    const char* nameKey;
    double panelMenuPosition;
    double contextMenuPosition;
};

constexpr PanelAction kPanelActions[] = {
    {kNotesUINewStickyNoteActionID, NOTES_UI_KEY(kNotesUINewStickyNoteKey), 100, kNotInMenu},
    {kNotesUINewHighlightActionID, NOTES_UI_KEY(kNotesUINewHighlightKey), 101, kNotInMenu},
    {kNotesUINewUnderlineActionID, NOTES_UI_KEY(kNotesUINewUnderlineKey), 102, kNotInMenu},
    {kNotesUINewStrikeThroughActionID, NOTES_UI_KEY(kNotesUINewStrikeThroughKey), 103, kNotInMenu},
    {kNotesUINewReplacementActionID, NOTES_UI_KEY(kNotesUINewReplacementKey), 104, kNotInMenu},
    {kNotesUINewInsertionActionID, NOTES_UI_KEY(kNotesUINewInsertionKey), 105, kNotInMenu},
    {kNotesUIRemoveTextMarkupsActionID, NOTES_UI_KEY(kNotesUIRemoveTextMarkupsKey), 106, kNotInMenu},
    {kNotesUIAcceptSelectedTextActionID, NOTES_UI_KEY(kNotesUIAcceptSelectedTextKey), 107, kNotInMenu},
    {kNotesUIAcceptActionID, NOTES_UI_KEY(kNotesUIAcceptKey), 200.5, 100},
    {kNotesUIRejectActionID, NOTES_UI_KEY(kNotesUIRejectKey), 201, 101},
    {kNotesUISelectInDocumentActionID, NOTES_UI_KEY(kNotesUISelectInDocumentKey), 202, 102},
    {kNotesUIPreviousActionID, NOTES_UI_KEY(kNotesUIPreviousKey), 203, 200.5},
    {kNotesUINextActionID, NOTES_UI_KEY(kNotesUINextKey), 204, 201},
    {kNotesUIShowAllPopupsActionID, NOTES_UI_KEY(kNotesUIShowAllPopupsKey), 300.5, kNotInMenu},
    {kNotesUIHideAllPopupsActionID, NOTES_UI_KEY(kNotesUIHideAllPopupsKey), 301, kNotInMenu},
    {kNotesUIShowSelectedPopupsActionID, NOTES_UI_KEY(kNotesUIShowSelectedPopupsKey), 302, kNotInMenu},
    {kNotesUIJumpToNextActionID, NOTES_UI_KEY(kNotesUIJumpToNextKey), 400.5, kNotInMenu},
    {kNotesUIConvertToHighlightActionID, NOTES_UI_KEY(kNotesUIConvertToHighlightKey), 401, kNotInMenu},
    {kNotesUIConvertNotImportedActionID, NOTES_UI_KEY(kNotesUIConvertNotImportedKey), 402, kNotInMenu},
    {kNotesUIImportActionID, NOTES_UI_KEY(kNotesUIImportMenuKey), 500.5, kNotInMenu},
    {kNotesUIClearAllActionID, NOTES_UI_KEY(kNotesUIClearAllKey), 501, kNotInMenu},
};

bool StartsGroup(double position) {
    return position - static_cast<double>(static_cast<int>(position)) > 0.25;
}

void Place(std::vector<MenuDeclaration>& menus, const char* separatorPath, const char* itemPath,
           ActionID action, double position) {
    if (position == kNotInMenu)
        return;
    if (StartsGroup(position))
        menus.push_back({separatorPath, 0, position - 0.25});
    menus.push_back({itemPath, action, position});
}
} // namespace

std::vector<ActionDeclaration> NotesUIPanelMenus::Actions() {
    std::vector<ActionDeclaration> actions;
    for (const PanelAction& action : kPanelActions)
        actions.push_back({action.id, kNotesUIActionComponentBoss, action.nameKey, kKeyboardArea});
    return actions;
}

std::vector<MenuDeclaration> NotesUIPanelMenus::Menus() {
    // Menu paths are kept for the life of the application: the plug-in's table of them is static.
    static const std::vector<std::string> paths = [] {
        std::vector<std::string> all;
        for (const PanelAction& action : kPanelActions) {
            all.push_back(std::string(NOTES_UI_PANEL_MENU) + ":" + action.nameKey);
            all.push_back(std::string(NOTES_UI_TREE_CONTEXT_MENU) + ":" + action.nameKey);
        }
        return all;
    }();
    static const std::string panelSeparator = std::string(NOTES_UI_PANEL_MENU) + ":-";
    static const std::string contextSeparator = std::string(NOTES_UI_TREE_CONTEXT_MENU) + ":-";
    std::vector<MenuDeclaration> menus;
    for (size_t i = 0; i < std::size(kPanelActions); ++i) {
        const PanelAction& action = kPanelActions[i];
        Place(menus, panelSeparator.c_str(), paths[2 * i].c_str(), action.id, action.panelMenuPosition);
        Place(menus, contextSeparator.c_str(), paths[2 * i + 1].c_str(), action.id,
              action.contextMenuPosition);
    }
    return menus;
}
